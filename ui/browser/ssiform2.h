// The browser window: the studio's site in a web view, and a button that goes back to it.
#pragma once

#include <QWidget>

class QWebEngineView;

class ssiForm2 : public QWidget {
    Q_OBJECT

public:
    ssiForm2();

    // Loads the studio's site, whatever page the view shows.
    void navigateToStudio();

public slots:
    void Command1_Click();

private:
    void ArrangeBrowserWindow();

    QWebEngineView* WebBrowser1;
};
