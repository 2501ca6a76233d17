// The browser window's page: the studio's site and nothing else. A link the player follows elsewhere on
// the web opens in the desktop's own browser, any other address is refused, nothing is kept on disk, and
// a page's dialogs stay within the browser window.
#pragma once

#include <QMessageBox>
#include <QWebEnginePage>

class StudioPage : public QWebEnginePage {
    Q_OBJECT

public:
    // The profile keeps cookies and the cache in memory only; it must outlive the page.
    StudioPage(QWebEngineProfile* profile, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                          QString* result) override;

private:
    // Whether the page may go there; a link to elsewhere on the web goes to the desktop's browser.
    bool follow(const QUrl& url, bool linkFollowed);
    QWidget* window() const;
    // Shows a page's message in a box that keeps only the browser window waiting; the button pressed.
    int ask(const QString& msg, QMessageBox::StandardButtons buttons) const;
};
