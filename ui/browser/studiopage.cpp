#include "studiopage.h"

#include "studio.h"

#include <QDesktopServices>
#include <QInputDialog>
#include <QLabel>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineView>

namespace {

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

} // namespace

StudioPage::StudioPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent)
{
    // A link that asks for a window of its own.
    connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        if (follow(request.requestedUrl(), request.isUserInitiated()))
            load(request.requestedUrl());
    });
}

bool StudioPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    return follow(url, type == NavigationTypeLinkClicked && isMainFrame);
}

bool StudioPage::follow(const QUrl& url, bool linkFollowed)
{
    if (onTheStudiosSite(url))
        return true;
    if (linkFollowed && onTheWeb(url))
        QDesktopServices::openUrl(url);
    return false;
}

QWidget* StudioPage::window() const
{
    return QWebEngineView::forPage(this)->window();
}

// A page's dialogs keep only the browser window waiting; their texts are shown as plain text.
int StudioPage::ask(const QString& msg, QMessageBox::StandardButtons buttons) const
{
    QMessageBox box(QMessageBox::NoIcon, window()->windowTitle(), msg, buttons, window());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::WindowModal);
    return box.exec();
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
    QInputDialog dialog(window());
    dialog.setWindowTitle(window()->windowTitle());
    dialog.setLabelText(msg);
    dialog.findChild<QLabel*>()->setTextFormat(Qt::PlainText);
    dialog.setTextValue(defaultValue);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *result = dialog.textValue();
    return true;
}
