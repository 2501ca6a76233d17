// Windows of a fixed size with a close box only: the main window, the level dialogs and the About box.
#pragma once

#include <Qt>

class QWidget;

// The window keeps the size it has.
void makeFixed(QWidget* window, Qt::WindowType type);

// Where the window system offers a maximise and a minimise box whatever the window asks for (native
// Wayland), a fixed window answers either by being shown afresh as it was.
void showAfreshWhenMaximisedOrMinimised(QWidget* window);
