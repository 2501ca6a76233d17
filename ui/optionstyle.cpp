#include "optionstyle.h"

#include <QPainter>
#include <QStyleOptionButton>

OptionStyle::OptionStyle(int buttonHeight)
    : buttonHeight_(buttonHeight)
{
}

int OptionStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight)
        return std::min(size, buttonHeight_);
    return size;
}

void OptionStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_RadioButtonLabel || !button) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The line of text, with room for accents and descenders, is taller than the button: what is centred
    // is the caption's own letters, which fit.
    const QRect ink = button->fontMetrics.tightBoundingRect(button->text);
    const int baseline = button->rect.top() + (button->rect.height() - ink.height()) / 2 - ink.top();
    painter->save();
    painter->setPen(button->palette.color(QPalette::WindowText));
    painter->drawText(QPoint(button->rect.left(), baseline), button->text);
    painter->restore();
}
