// The one way every "В интернете" button opens the browser window.
#pragma once

class QWidget;

// The web engine is loaded with the browser module when the window first opens, never at start.
// Without the module, or without the web engine, a window in its place offers the desktop's own browser.
// It opens on the screen of the window it is opened from.
void openBrowserWindow(const QWidget* opener);
