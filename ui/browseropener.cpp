#include "browseropener.h"

#include "browsermodule.h"
#include "browserunavailable.h"
#include "openwindow.h"

#include <QGuiApplication>
#include <QPluginLoader>
#include <QTimer>

namespace {

BrowserModule* loadBrowserModule()
{
    // The module lies where the build put it relative to the executable, in the build tree and installed alike.
    QPluginLoader loader(QCoreApplication::applicationDirPath() + QStringLiteral("/" IGRA_BROWSER_MODULE));
    // The loader keeps one instance for the whole process, so this loads the module only the first time.
    QObject* instance = loader.instance();
    if (!instance) {
        qWarning("igra: no built-in browser: %s", qPrintable(loader.errorString()));
        return nullptr;
    }
    return qobject_cast<BrowserModule*>(instance);
}

} // namespace

void openBrowserWindow(const QWidget* opener)
{
    // Loading the web engine the first time, and making a web view, take a while: the pointer says so
    // until the window is up.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (BrowserModule* module = loadBrowserModule())
        module->openBrowserWindow(opener);
    else
        openWindow<BrowserUnavailable>(QStringLiteral("ssiForm2"), opener);
    QTimer::singleShot(0, [] { QGuiApplication::restoreOverrideCursor(); });
}
