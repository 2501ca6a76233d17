#include "browseropener.h"

#include "browsermodule.h"
#include "browserunavailable.h"
#include "openwindow.h"
#include "platform.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPluginLoader>
#include <QTimer>

namespace {

// The web engine, loaded once the game runs, and the shared OpenGL context that the browser module sets up
// only then, each print a warning meant for programs that load it by mistake: the game loads it late on
// purpose, and the player's terminal is spared them, and the engine's report of its graphics set-up, which
// QT_LOGGING_RULES can still ask for. Every other message passes.
class QuietStart {
public:
    QuietStart()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
        previous_ = qInstallMessageHandler(&pass);
    }
    ~QuietStart() { qInstallMessageHandler(previous_); }

private:
    static void pass(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (!message.startsWith(QLatin1String("Qt WebEngine seems to be initialized from a plugin"))
            && !message.startsWith(QLatin1String("Attribute Qt::AA_ShareOpenGLContexts must be set before")))
            previous_(type, context, message);
    }

    static inline QtMessageHandler previous_ = nullptr;
};

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
    // The web engine renders pages from the network; it runs for the superuser only without its sandbox,
    // which the game never turns off. A player who turns it off himself (QTWEBENGINE_DISABLE_SANDBOX)
    // has the engine as he asked.
    if (runsAsSuperuser() && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        openWindow<BrowserUnavailable>(QStringLiteral("ssiForm2"), opener,
                                       QStringLiteral("Встроенный браузер не запускается от имени администратора (root)."));
    else if (QuietStart quiet; BrowserModule* module = loadBrowserModule())
        module->openBrowserWindow(opener);
    else
        openWindow<BrowserUnavailable>(QStringLiteral("ssiForm2"), opener, QStringLiteral("Встроенный браузер недоступен."));
    QTimer::singleShot(0, [] { QGuiApplication::restoreOverrideCursor(); });
}
