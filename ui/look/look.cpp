#include "look.h"

#include "look/gameicon.h"
#include "look/gamestyle.h"
#include "look/twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QToolTip>
#include <QWidget>

#include <utility>

namespace look {

// Drawn, not read from a file: the first image read has Qt look through every image format plug-in.
QIcon gameIcon()
{
    QIcon icon;
    for (const IconLayout& layout : kIcons)
        icon.addPixmap(QPixmap::fromImage(drawIcon(layout)));
    return icon;
}

// The first face of the game's that this machine has, found once among the faces it has: a font that names a
// missing face has fontconfig search its fallbacks again for every font made.
const QString& gameFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* name : {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"})
            if (installed.contains(QLatin1String(name)))
                return QString::fromLatin1(name);
        return QString();
    }();
    return family;
}

QFont font(double points, QFont::Weight weight, bool italic)
{
    QFont face(gameFamily());
    face.setStyleHint(QFont::SansSerif);
    face.setPointSizeF(points);
    face.setWeight(weight);
    face.setItalic(italic);
    return face;
}

namespace {

class IconAfterFirstFrame : public QObject {
public:
    explicit IconAfterFirstFrame(QWidget* first) : QObject(first) { first->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Once the frame being painted is on the screen.
            QMetaObject::invokeMethod(this, [this] {
                QApplication::setWindowIcon(gameIcon());
                deleteLater();
            }, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

void setIconAfterFirstFrame(QWidget* first)
{
    new IconAfterFirstFrame(first);
}

void setApplicationLook()
{
    QApplication::setStyle(new GameStyle);
    const QPalette classic = palette(kClassicGrey);
    QApplication::setPalette(classic);
    QToolTip::setPalette(classic);
    // A window's own font where a control names none, as the game's windows have it.
    const QFont windowFont = font(8.25, QFont::Normal);
    QApplication::setFont(windowFont);
    QToolTip::setFont(windowFont);
}

QPalette palette(const QColor& ground)
{
    const std::pair<QPalette::ColorRole, QColor> colours[] = {
        {QPalette::Window, ground},
        {QPalette::WindowText, Qt::black},
        {QPalette::Base, Qt::white},
        {QPalette::AlternateBase, QColor(247, 247, 247)},
        {QPalette::Text, Qt::black},
        {QPalette::PlaceholderText, QColor(118, 118, 118)},
        {QPalette::Button, kClassicGrey},
        {QPalette::ButtonText, Qt::black},
        {QPalette::BrightText, Qt::white},
        {QPalette::Light, Qt::white},
        {QPalette::Midlight, QColor(202, 202, 202)},
        {QPalette::Mid, QColor(184, 184, 184)},
        {QPalette::Dark, QColor(159, 159, 159)},
        {QPalette::Shadow, QColor(118, 118, 118)},
        {QPalette::Highlight, QColor(48, 140, 198)},
        {QPalette::HighlightedText, Qt::white},
        {QPalette::Link, Qt::blue},
        {QPalette::LinkVisited, Qt::magenta},
        {QPalette::ToolTipBase, QColor(255, 255, 220)},
        {QPalette::ToolTipText, Qt::black},
    };
    QPalette classic;
    for (const auto& [role, colour] : colours)
        classic.setColor(role, colour); // in every colour group alike
    return classic;
}

void setUpWindow(QWidget* window, const char* name, const QString& title, const QSize& twips)
{
    window->setObjectName(QLatin1String(name));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    window->resize(rectFromTwips(0, 0, twips.width(), twips.height()).size());
    window->setPalette(palette(kWindowGround));
    window->setAutoFillBackground(true);
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
    // A control takes a font or a face of its own only where its window's do not serve: each costs the
    // window's first showing.
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rectFromTwips(twips.x(), twips.y(), twips.width(), twips.height()));
    if (face != parent->font())
        button->setFont(face);
    if (colour != parent->palette().color(QPalette::Button))
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
    if (face != parent->font())
        label->setFont(face);
    setGround(label, kWindowGround);
    setTextColour(label, textColour);
    return label;
}

} // namespace look
