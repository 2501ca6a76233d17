#include "studiopage.h"

#include "browser/studio.h"
#include "windowsystem/waiting.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QInputDialog>
#include <QLabel>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

namespace {

// How long after the player's press a link it follows counts as followed by the player.
constexpr int kPressMoment = 1000; // milliseconds

bool onTheWeb(const QUrl& url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

// The studio's host and its subdomains.
bool onTheStudiosSite(const QUrl& url)
{
    const QString studio = QUrl(QString::fromLatin1(kStudioUrl)).host();
    return onTheWeb(url) && (url.host() == studio || url.host().endsWith(QLatin1Char('.') + studio));
}

// Every request the window's pages make, for a picture, a script or a page's own fetch, goes to the
// studio's site or nowhere: nothing of the player's reaches a host the window does not show. Data made
// within the page itself is no request to anyone.
class StudioOnly : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        const QUrl url = info.requestUrl();
        info.block(!onTheStudiosSite(url) && url.scheme() != QLatin1String("data") && url.scheme() != QLatin1String("blob"));
    }
};

} // namespace

StudioPage::StudioPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent)
{
    profile->setUrlRequestInterceptor(new StudioOnly(profile));
    // A link that asks for a window of its own.
    connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        if (follow(request.requestedUrl(), request.isUserInitiated()))
            load(request.requestedUrl());
    });
    // The player's presses on the page, which no script can make.
    qApp->installEventFilter(this);
}

// The close box of the browser window closes it, and any dialog of its page with it.
bool StudioPage::eventFilter(QObject* watched, QEvent* event)
{
    const bool pressed = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress;
    const bool closed = event->type() == QEvent::Close && waitingFor_;
    const QWebEngineView* view = pressed || closed ? QWebEngineView::forPage(this) : nullptr;
    if (!view)
        return false;
    if (auto* widget = qobject_cast<QWidget*>(watched); pressed && widget && view->isAncestorOf(widget)) {
        forgetPastPresses();
        presses_.emplace_back(kPressMoment);
    }
    if (closed && watched == view->window())
        waitingFor_->reject();
    return false;
}

bool StudioPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    return follow(url, type == NavigationTypeLinkClicked && isMainFrame);
}

// The engine calls a navigation that a page's script starts a link clicked too: only one that follows a
// press of the player's goes to the desktop's browser, one for each press.
bool StudioPage::follow(const QUrl& url, bool linkFollowed)
{
    if (onTheStudiosSite(url))
        return true;
    if (linkFollowed && onTheWeb(url) && pressedJustNow())
        QDesktopServices::openUrl(url);
    return false;
}

void StudioPage::forgetPastPresses()
{
    while (!presses_.empty() && presses_.front().hasExpired())
        presses_.pop_front();
}

bool StudioPage::pressedJustNow()
{
    forgetPastPresses();
    if (presses_.empty())
        return false;
    presses_.pop_front();
    return true;
}

// The studio's site has no use for the player's files, and the engine's own chooser would keep every
// window of the game waiting.
QStringList StudioPage::chooseFiles(FileSelectionMode, const QStringList&, const QStringList&)
{
    return {};
}

QWidget* StudioPage::window() const
{
    return QWebEngineView::forPage(this)->window();
}

// A page's dialog belongs to the browser window, which waits for it, disabled, as the main window waits for
// the game's dialogs; the rest of the game plays on. The close box still closes the window, and the dialog
// with it: the window goes once the page has its answer, never under the page's feet.
int StudioPage::wait(QDialog& dialog)
{
    const QPointer<QWidget> browser = window();
    if (!browser->isVisible())
        return QDialog::Rejected;
    dialog.setWindowTitle(browser->windowTitle());
    dialog.setWindowModality(Qt::NonModal);
    belongsTo(&dialog, browser);
    browser->setEnabled(false);
    browser->setAttribute(Qt::WA_DeleteOnClose, false);
    waitingFor_ = &dialog;
    // Not the dialog's own modal loop, which would keep every window of the game waiting.
    QEventLoop answered;
    connect(&dialog, &QDialog::finished, &answered, &QEventLoop::quit);
    dialog.show();
    answered.exec();
    const int result = dialog.result();
    if (browser) {
        browser->setEnabled(true);
        browser->setAttribute(Qt::WA_DeleteOnClose);
        if (!browser->isVisible())
            browser->deleteLater();
    }
    return result;
}

// A page's messages are shown as plain text.
int StudioPage::ask(const QString& msg, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), msg, buttons);
    box.setTextFormat(Qt::PlainText);
    return wait(box);
}

void StudioPage::javaScriptAlert(const QUrl&, const QString& msg)
{
    ask(msg, QMessageBox::Ok);
}

bool StudioPage::javaScriptConfirm(const QUrl&, const QString& msg)
{
    return ask(msg, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool StudioPage::javaScriptPrompt(const QUrl&, const QString& msg, const QString& defaultValue, QString* result)
{
    QInputDialog dialog;
    dialog.setLabelText(msg);
    dialog.findChild<QLabel*>()->setTextFormat(Qt::PlainText);
    dialog.setTextValue(defaultValue);
    if (wait(dialog) != QDialog::Accepted)
        return false;
    *result = dialog.textValue();
    return true;
}
