#include "gamestyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>

#include <algorithm>

GameStyle::GameStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows")))
{
}

// A disabled window takes no input but keeps its look: the main window waiting for a dialog.
int GameStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const
{
    if (hint == SH_EtchDisabledText || hint == SH_DitherDisabledText)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

// The option buttons are lower than their line of text: the indicator is no higher than the button.
int GameStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    if (widget && (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight))
        return std::min(size, widget->height());
    return size;
}

// The line of text, with room for accents and descenders, is taller than an option button: what is
// centred is the caption's own letters, which fit, and the focus frame goes round them.
void GameStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (!button || (element != CE_RadioButton && element != CE_RadioButtonLabel)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QRect contents = element == CE_RadioButton ? subElementRect(SE_RadioButtonContents, button, widget) : button->rect;
    const QRect letters = button->fontMetrics.tightBoundingRect(button->text);
    const QPoint baseline(contents.left(), contents.top() + (contents.height() - letters.height()) / 2 - letters.top());
    if (element == CE_RadioButtonLabel) {
        painter->save();
        painter->setPen(button->palette.color(QPalette::WindowText));
        painter->drawText(baseline, button->text);
        painter->restore();
        return;
    }
    QStyleOptionButton unfocused = *button;
    unfocused.state &= ~State_HasFocus;
    QProxyStyle::drawControl(CE_RadioButton, &unfocused, painter, widget);
    if (button->state & State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*button);
        focus.rect = letters.translated(baseline).adjusted(-1, -1, 1, 1).intersected(button->rect);
        proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
}
