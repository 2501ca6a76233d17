// Option buttons lower than their text line: the indicator and the caption's letters fit the button.
#pragma once

#include <QProxyStyle>

class OptionStyle : public QProxyStyle {
public:
    // The indicator is a square as high as the buttons, in device-independent pixels.
    explicit OptionStyle(int buttonHeight);

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

private:
    int buttonHeight_;
};
