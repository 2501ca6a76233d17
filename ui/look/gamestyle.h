// The game's one style for every window: the classic one, whose push buttons show a flat face in exactly
// their colour within a raised edge.
#pragma once

#include <QProxyStyle>

class GameStyle : public QProxyStyle {
public:
    GameStyle();

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};
