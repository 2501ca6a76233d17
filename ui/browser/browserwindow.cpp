#include "browserwindow.h"

#include "look/look.h"

#include <QSize>
#include <QWidget>

void setUpBrowserWindow(QWidget* window)
{
    look::setUpWindow(window, kBrowserWindowName, QStringLiteral("Игра ПЛОКС"), QSize(10050, 7350));
}
