// Windows of a fixed size with a close box only: the main window, the level dialogs and the About box.
#pragma once

#include <Qt>

class QSize;
class QWidget;

void makeFixed(QWidget* window, Qt::WindowType type, const QSize& size);
