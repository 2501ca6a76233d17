// The browser window's stand-in when the web engine or the browser module is missing.
#pragma once

#include <QWidget>

class BrowserUnavailable : public QWidget {
    Q_OBJECT

public:
    BrowserUnavailable();
};
