#include "look.h"

#include "twips.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace look {

QIcon gameIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/igra/icons/igra-%1.png").arg(size), QSize(size, size));
    return icon;
}

QFont font(double points, QFont::Weight weight, bool italic)
{
    QFont face;
    face.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"});
    face.setStyleHint(QFont::SansSerif);
    face.setPointSizeF(points);
    face.setWeight(weight);
    face.setItalic(italic);
    return face;
}

void setGround(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    // Buttons would otherwise fill with their face colour.
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void setButtonFace(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, const QRect& twips,
                       const QFont& face, const QColor& colour)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rectFromTwips(twips.x(), twips.y(), twips.width(), twips.height()));
    button->setFont(face);
    setButtonFace(button, colour);
    return button;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& twips, const QFont& face,
                 const QColor& textColour)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rectFromTwips(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFont(face);
    setGround(label, kWindowGround);
    setTextColour(label, textColour);
    return label;
}

} // namespace look
