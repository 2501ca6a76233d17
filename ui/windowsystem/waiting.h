// A window that waits, disabled, for a dialog or an About box keeps that window within the player's reach.
#pragma once

class QWidget;

// A window manager raises and focuses the window that the player clicks or picks in a task bar, whether it
// takes input or not: the awaited window comes back in front of it. Minimised on its own, the awaited
// window would leave nothing on view but a window that takes no input, and a task bar may list no dialog:
// it comes back at once. When both are minimised, the waiting window brings it back as it is restored.
void keepWithinReach(QWidget* waiting, QWidget* awaited);
