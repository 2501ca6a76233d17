// Which of the game's windows is active, as the X server's focus says, not as the game asked.
#pragma once

class QWidget;

// Qt hears its own request to activate the window and takes it for the activation itself. A window manager
// may grant the request too late to take effect (xfwm4, when the player activates another window at the
// same moment): Qt then holds the window active while the keyboard is elsewhere, and what waits for the
// window's activation waits for good. From here on, for the window's life, only the server's focus events
// make it active.
void activeOnlyByFocus(QWidget* window);
