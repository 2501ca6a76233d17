#include "browseropener.h"

#include "browser/browsermodule.h"
#include "browser/browserunavailable.h"
#include "browser/browserwindow.h"
#include "windowsystem/openwindow.h"
#include "windowsystem/platform.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPluginLoader>
#include <QTimer>

namespace {

// What the web engine does as it starts stays with it. Loaded once the game runs, it and the shared OpenGL
// context that the browser module sets up only then each print a warning meant for programs that load it
// by mistake, and the engine reports its graphics set-up (which QT_LOGGING_RULES can still ask for): the
// player's terminal is spared them, and every other message passes. It also sets a variable for the
// graphics driver, which the programs the game starts, such as the desktop's browser, must not inherit.
class EngineStart {
public:
    EngineStart()
        : driverVariable_(qgetenv(kDriverVariable)), playerHadIt_(qEnvironmentVariableIsSet(kDriverVariable))
    {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
        previous_ = qInstallMessageHandler(&pass);
    }

    ~EngineStart()
    {
        qInstallMessageHandler(previous_);
        if (playerHadIt_)
            qputenv(kDriverVariable, driverVariable_);
        else
            qunsetenv(kDriverVariable);
    }

private:
    static void pass(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (!message.startsWith(QLatin1String("Qt WebEngine seems to be initialized from a plugin"))
            && !message.startsWith(QLatin1String("Attribute Qt::AA_ShareOpenGLContexts must be set before")))
            previous_(type, context, message);
    }

    static constexpr char kDriverVariable[] = "force_s3tc_enable";
    static inline QtMessageHandler previous_ = nullptr;
    const QByteArray driverVariable_;
    const bool playerHadIt_;
};

// The player may turn the engine's sandbox off himself, in any of the engine's three ways.
bool sandboxTurnedOff()
{
    const QLatin1String off("--no-sandbox");
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype engineArguments = arguments.indexOf(QLatin1String("--webEngineArgs"));
    return qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")
        || qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").split(QLatin1Char(' ')).contains(off)
        || (engineArguments >= 0 && arguments.mid(engineArguments + 1).contains(off));
}

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
    // which the game never turns off. A player who turns it off himself has the engine as he asked.
    if (runsAsSuperuser() && !sandboxTurnedOff())
        openWindow<BrowserUnavailable>(kBrowserWindowName, opener,
                                       QStringLiteral("Встроенный браузер не запускается от имени администратора (root)."));
    else if (EngineStart start; BrowserModule* module = loadBrowserModule())
        module->openBrowserWindow(opener);
    else
        openWindow<BrowserUnavailable>(kBrowserWindowName, opener, QStringLiteral("Встроенный браузер недоступен."));
    QTimer::singleShot(0, [] { QGuiApplication::restoreOverrideCursor(); });
}
