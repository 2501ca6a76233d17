// A window that waits, disabled, for a dialog or an About box: the dialog belongs to it and stays in front.
#pragma once

class QWidget;

// The dialog declares the waiting window as the window it belongs to (its transient parent), so that every
// window manager that keeps a dialog above its window does so by its own rules. Where the player still
// brings the waiting window to the front, the dialog comes back in front of it. Called before the dialog
// is first shown.
void belongsTo(QWidget* dialog, QWidget* waiting);
