// The browser window: the studio's site in a web view, and a button that goes back to it.
#pragma once

#include <QWidget>

class QPushButton;
class QWebEngineView;

class ssiForm2 : public QWidget {
    Q_OBJECT

public:
    ssiForm2();

    // Loads the studio's site, whatever page the view shows.
    void navigateToStudio();

public slots:
    void Command1_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ArrangeBrowserWindow();

    QWebEngineView* WebBrowser1;
};
