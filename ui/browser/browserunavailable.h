// The browser window's stand-in where the web engine is missing or cannot run safely: it says why, and
// offers the studio's site in the desktop's own browser.
#pragma once

#include <QWidget>

class BrowserUnavailable : public QWidget {
    Q_OBJECT

public:
    explicit BrowserUnavailable(const QString& why);
};
