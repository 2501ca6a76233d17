// The browser window's page: the studio's site and nothing else. A link the player follows elsewhere on
// the web opens in the desktop's own browser, any other address is refused, nothing is kept on disk or
// sent to another host, no file of the player's is offered, and a page's dialogs keep only the browser
// window waiting.
#pragma once

#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPointer>
#include <QWebEnginePage>

#include <deque>

class StudioPage : public QWebEnginePage {
    Q_OBJECT

public:
    // The profile keeps cookies and the cache in memory only; it must outlive the page.
    StudioPage(QWebEngineProfile* profile, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles, const QStringList& acceptedMimeTypes) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                          QString* result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the page may go there; a link that the player follows elsewhere on the web goes to the
    // desktop's browser.
    bool follow(const QUrl& url, bool linkFollowed);
    // Whether the player has just pressed a mouse button or a key on the page; each press counts once.
    bool pressedJustNow();
    void forgetPastPresses();
    QWidget* window() const;
    // Shows a page's dialog, keeping only the browser window waiting; the dialog's result.
    int wait(QDialog& dialog);
    // A page's message, with the buttons given; the button pressed.
    int ask(const QString& msg, QMessageBox::StandardButtons buttons);

    // The player's latest presses, each until its moment has passed.
    std::deque<QDeadlineTimer> presses_;
    QPointer<QDialog> waitingFor_;
};
