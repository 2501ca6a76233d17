// The look all the game's windows share: dark green ground, green buttons, one sans-serif face.
#pragma once

#include "palette.h"

#include <QColor>
#include <QFont>
#include <QIcon>

class QLabel;
class QPushButton;
class QRect;
class QWidget;

namespace look {

inline const QColor kWindowGround{0, 64, 0};
inline const QColor kButtonFace{0, 128, 0};

inline QColor paletteColour(ColourIndex index)
{
    const Rgb rgb = kPalette.at(static_cast<std::size_t>(index));
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The icon every window of the game carries.
QIcon gameIcon();

// "MS Sans Serif", or the nearest sans-serif face with Cyrillic letters where it is missing.
QFont font(double points, QFont::Weight weight = QFont::Bold, bool italic = false);

// Paints a window or a control's background in a colour of its own.
void setGround(QWidget* widget, const QColor& colour);
void setTextColour(QWidget* widget, const QColor& colour);
void setButtonFace(QWidget* widget, const QColor& colour);

// A push button and a label as every window places them: by name, at a rectangle given in twips.
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, const QRect& twips,
                       const QFont& face, const QColor& colour);
// Labels lie on the window's ground, write from the top left and wrap their words.
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& twips, const QFont& face,
                 const QColor& textColour);

} // namespace look
