// The look all the game's windows share: dark green ground, green buttons, one sans-serif face, and
// nothing of the desktop's theme.
#pragma once

#include "game/palette.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>

class QLabel;
class QPushButton;
class QRect;
class QSize;
class QWidget;

namespace look {

inline const QColor kWindowGround{0, 64, 0};
inline const QColor kButtonFace{0, 128, 0};
// The help window's lighter button faces, and the pale green ground of its texts, which other windows
// write in.
inline const QColor kHelpButtonFace{0, 192, 0};
inline const QColor kPaleGreen{192, 255, 192};
// The inks: dark blue for "Цвет выбранного кубика" and the dialogs' options, purple for the counters,
// navy for the About box's title, blue for the studio's name.
inline const QColor kDarkBlue{0, 0, 64};
inline const QColor kPurple{128, 0, 128};
inline const QColor kNavy{0, 0, 128};
inline const QColor kBlue{0, 0, 255};
// The light grey of a desktop without a theme, behind its controls.
inline const QColor kClassicGrey{239, 239, 239};

inline QColor paletteColour(ColourIndex index)
{
    const Rgb rgb = kPalette.at(static_cast<std::size_t>(index));
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The icon every window of the game carries.
QIcon gameIcon();
// Gives every window the game's icon once the first window has painted its first frame: drawing the icon and
// handing it to the window system add nothing to the time the player waits for the game.
void setIconAfterFirstFrame(QWidget* first);

// "MS Sans Serif", or the nearest sans-serif face with Cyrillic letters where it is missing.
QFont font(double points, QFont::Weight weight = QFont::Bold, bool italic = false);

// The game's style, palette and default font for the whole application, in place of the desktop's.
void setApplicationLook();

// Dark text on light grounds, the classic colours of a desktop without a theme, on the given ground, and
// the same in every colour group: neither a theme nor a disabled or inactive window changes a colour.
QPalette palette(const QColor& ground);

// A window of the game, made once for each opening: its name, which finds it while it is open, its title,
// its first size in twips, its dark green ground, and the game's palette for every control it holds,
// whatever palettes the desktop gives each kind of control. Closed, it is gone.
void setUpWindow(QWidget* window, const char* name, const QString& title, const QSize& twips);

// Paints a control's background in a colour of its own.
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
