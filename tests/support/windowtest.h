// Finding a window's controls by their names and using them as a player does.
#pragma once

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

// A mouse release on the board at a position in twips (15 to a pixel).
inline void releaseAt(QWidget* picture, int xTwips, int yTwips, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseRelease(picture, button, Qt::NoModifier, QPoint(xTwips / 15, yTwips / 15));
}

// The colour a widget shows at a position in twips, read from what it paints.
inline QColor shownAt(QWidget* widget, int xTwips, int yTwips)
{
    const QImage image = widget->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(int(xTwips / 15.0 * ratio), int(yTwips / 15.0 * ratio));
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

// The top-level window of a type, if one is open.
template <typename T>
T* openWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<T*>(window); found && found->isVisible())
            return found;
    return nullptr;
}
