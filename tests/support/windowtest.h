// Finding a window's controls by their names and using them as a player does.
#pragma once

#include "gameapplication.h"
#include "look/twips.h"

#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QTest>

template <typename T = QWidget>
T* child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

inline void click(const QObject* window, const char* button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

// A mouse release on the board at a position in twips.
inline void releaseAt(QWidget* picture, int xTwips, int yTwips, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseRelease(picture, button, Qt::NoModifier, QPoint(xTwips / kTwipsPerPixel, yTwips / kTwipsPerPixel));
}

// The colour a widget shows at a position in twips, read from what it paints.
inline QColor shownAt(QWidget* widget, int xTwips, int yTwips)
{
    const QImage image = widget->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(int(xTwips / double(kTwipsPerPixel) * ratio), int(yTwips / double(kTwipsPerPixel) * ratio));
}

// Whether a control shows all it draws: drawn two pixels taller at the top and at the bottom, it draws
// the same in its own height and nothing but its ground beyond.
inline bool showsAllItDraws(QWidget* control, const QColor& ground)
{
    const QImage shown = control->grab().toImage();
    control->resize(control->width(), control->height() + 4);
    const QImage taller = control->grab().toImage();
    control->resize(control->width(), control->height() - 4);
    const int margin = (taller.height() - shown.height()) / 2;
    for (int y = 0; y < taller.height(); ++y)
        for (int x = 0; x < taller.width(); ++x) {
            const bool beyond = y < margin || y >= margin + shown.height();
            if (beyond ? taller.pixelColor(x, y) != ground : taller.pixel(x, y) != shown.pixel(x, y - margin))
                return false;
        }
    return true;
}

// The names of the controls that Tab walks through, starting at one, once round.
inline QStringList tabOrder(QWidget* start)
{
    QStringList names;
    QWidget* control = start;
    do {
        names << control->objectName();
        do
            control = control->nextInFocusChain();
        while (control->focusPolicy() == Qt::NoFocus || control->isWindow());
    } while (control != start && names.size() < 100);
    return names;
}

// Closes every window and lets those that delete themselves go.
inline void closeAllWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// As QTEST_MAIN, with the game's own application object, so that the windows show the game's look.
#define GAME_TEST_MAIN(TestObject) QTEST_MAIN_WRAPPER(TestObject, QTEST_QAPP_SETUP(GameApplication))
