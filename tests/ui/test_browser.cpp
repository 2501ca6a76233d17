// The browser window: the web engine loaded only when it first opens, one window, the studio's
// address from every "В интернете" and from "Обновить", its view fitted to the window, the studio's site
// and nothing else in it, nothing kept on disk, and the engine never without its sandbox unless the player
// turns it off. The studio's site is served by the test on this machine.
#include "browser/browserwindow.h"
#include "browser/studio.h"
#include "frmabout.h"
#include "look/twips.h"
#include "ssiform5.h"
#include "support/pageserver.h"
#include "support/playedwindow.h"
#include "support/processes.h"
#include "support/temporarysettings.h"
#include "windowsystem/platform.h"
#include "windowsystem/windowframe.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <optional>

namespace {

bool webEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

QWidget* browserWindow()
{
    return findOpenWindow<QWidget>(kBrowserWindowName);
}

// The view is asked for its address through Qt's properties, so this test never links the web engine.
QUrl shownAddress()
{
    QWidget* window = browserWindow();
    return window ? child(window, "WebBrowser1")->property("url").toUrl() : QUrl();
}

// The engine writes the studio's address, which has no path, with the root path "/".
bool atTheStudio()
{
    const QUrl studio(QString::fromLatin1(kStudioUrl));
    const QUrl shown = shownAddress();
    return shown.scheme() == studio.scheme() && shown.host() == studio.host() && shown.port() == studio.port()
        && (shown.path().isEmpty() || shown.path() == QLatin1String("/")) && !shown.hasQuery() && !shown.hasFragment();
}

const QUrl kInside(QStringLiteral("http://www.virdon.example/inside"));

void leaveTheStudio()
{
    child(browserWindow(), "WebBrowser1")->setProperty("url", kInside);
    QTRY_COMPARE_WITH_TIMEOUT(shownAddress(), kInside, 20000);
}

QString shownTitle()
{
    return child(browserWindow(), "WebBrowser1")->property("title").toString();
}

// The studio's front page: six links, one under the other, each a band 60 pixels high.
const QByteArray kFrontPage =
    "<html><head><title>studio</title></head><body style='margin: 0'>"
    "<a href='http://www.virdon.example/inside' style='display: block; height: 60px'>inside</a>"
    "<a href='http://elsewhere.example/page' style='display: block; height: 60px'>elsewhere</a>"
    "<a href='file:///etc/hostname' style='display: block; height: 60px'>a file</a>"
    "<a href='gopher://www.virdon.example/' style='display: block; height: 60px'>another scheme</a>"
    "<a href='http://evilwww.virdon.example/' style='display: block; height: 60px'>a look-alike</a>"
    "<a href='http://www.virdon.example.evil.example/' style='display: block; height: 60px'>another</a>"
    "</body></html>";

// A click on the link in the given band of the page.
void clickLink(int band)
{
    QTest::mouseClick(child(browserWindow(), "WebBrowser1")->focusProxy(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(20, 30 + 60 * band));
}

// The helpers of the web engine that this process started, by their command lines.
QStringList engineHelpers()
{
    QStringList found;
    for (const qint64 child : childProcesses(QCoreApplication::applicationPid()))
        if (const QString command = QString::fromLocal8Bit(processRecord(child, "cmdline")); command.contains("QtWebEngineProcess"))
            found << command;
    return found;
}

int browserWindows()
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == QLatin1String(kBrowserWindowName) && window->isVisible();
    return count;
}

// The pointer's shape when the browser window comes on the screen.
class CursorWhenShown : public QObject {
public:
    std::optional<Qt::CursorShape> shape;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String(kBrowserWindowName))
            shape = QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor;
        return false;
    }
};

} // namespace

// The addresses given to the desktop's own browser, or shown in the window.
class Addresses : public QObject {
    Q_OBJECT

public:
    QList<QUrl> list;

public slots:
    void open(const QUrl& url) { list << url; }
};

class BrowserTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings settings_;
    PageServer studio_{{{"/", kFrontPage},
                        {"/inside", "<html><head><title>inside</title></head><body>inside</body></html>"},
                        {"/alert", "<html><body><script>alert('<b>a page</b> speaks')</script></body></html>"},
                        {"/timed", "<script>var i = 0; setInterval(() => location.href = 'http://elsewhere.example/' + (document.title = i++), 100)</script>"},
                        {"/others", "<img src='http://other.example/a.png' onerror=\"fetch('http://other.example/b').finally(() => document.title = 'fetched')\">"},
                        {"/files", "<title>files</title><input type='file' onclick=\"setTimeout(() => document.title = 'asked', 500)\" style='display: block; width: 100%; height: 90px'>"},
                        {"/alerts", "<script>for (;;) alert('again')</script>"}}};
    // Where the engine would keep its data and its cache.
    QTemporaryDir data_;
    QTemporaryDir cache_;

private slots:
    void initTestCase()
    {
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", studio_.proxyFlag());
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
        qputenv("XDG_CACHE_HOME", cache_.path().toLocal8Bit());
    }

    void cleanup() { closeAllWindows(); }

    void theWebEngineLoadsWithTheFirstBrowserWindowOnly()
    {
        PlayedWindow w;
        w.newGame();
        w.press("Command7");
        w.press("Command8");
        findOpenWindow<frmAbout>(frmAbout::kName)->close();
        QVERIFY(!webEngineMapped());

        // Loading the web engine takes a while, and the pointer says so until the window is up.
        CursorWhenShown cursor;
        qApp->installEventFilter(&cursor);
        w.press("Command3");
        qApp->removeEventFilter(&cursor);
        QCOMPARE(cursor.shape, std::optional(Qt::WaitCursor));
        QTRY_VERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(browserWindow());
        QVERIFY(webEngineMapped());
        // The programs the game starts get the environment as the player had it, not the engine's additions.
        QVERIFY(!qEnvironmentVariableIsSet("force_s3tc_enable"));
        QTRY_VERIFY_WITH_TIMEOUT(atTheStudio(), 20000);
        QVERIFY(w.form->isEnabled());
        QVERIFY(!browserWindow()->parentWidget());
        QCOMPARE(browserWindow()->windowTitle(), QString("Игра ПЛОКС"));
        auto* refresh = child<QPushButton>(browserWindow(), "Command1");
        QCOMPARE(refresh->toolTip(), QString("Обновить"));
        QCOMPARE(refresh->geometry(), QRect(8, 8, 25, 49));
        QCOMPARE(refresh->iconSize(), QSize(28, 49));
        QCOMPARE(child(browserWindow(), "WebBrowser1")->pos(), QPoint(40, 8));
    }

    void everyButtonGoesBackToTheStudioInOneWindow()
    {
        PlayedWindow w;
        w.press("Command3");
        QWidget* window = browserWindow();
        QTRY_VERIFY_WITH_TIMEOUT(atTheStudio(), 20000);

        leaveTheStudio();
        click(window, "Command1"); // "Обновить"
        QTRY_VERIFY_WITH_TIMEOUT(atTheStudio(), 20000);

        leaveTheStudio();
        w.press("Command3");
        QCOMPARE(browserWindow(), window);
        QTRY_VERIFY_WITH_TIMEOUT(atTheStudio(), 20000);

        leaveTheStudio();
        w.press("Command7");
        auto* help = findOpenWindow<ssiForm5>(ssiForm5::kName);
        click(help, "Command3");
        QCOMPARE(browserWindow(), window);
        QVERIFY(help->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(atTheStudio(), 20000);

        // From the About box the browser is usable while the main window waits.
        leaveTheStudio();
        w.press("Command8");
        auto* about = findOpenWindow<frmAbout>(frmAbout::kName);
        click(about, "Command1");
        QCOMPARE(browserWindow(), window);
        QVERIFY(about->isVisible());
        QVERIFY(!w.form->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(atTheStudio(), 20000);
        leaveTheStudio();
        click(window, "Command1");
        QTRY_VERIFY_WITH_TIMEOUT(atTheStudio(), 20000);
        about->close();
        QVERIFY(w.form->isEnabled());
        QVERIFY(window->isVisible());
        QCOMPARE(browserWindows(), 1);

        // Closing the main window leaves the browser open.
        help->close();
        w.press("Command1");
        QTRY_VERIFY(w.form.isNull());
        QVERIFY(window->isVisible());
        window->close();
    }

    void theViewFollowsTheOuterSizeAboveItsThresholds()
    {
        QVERIFY(!arrangeBrowser(800, 5000));
        QVERIFY(!arrangeBrowser(5000, 700));
        QCOMPARE(arrangeBrowser(801, 701)->viewWidth, 1.f);
        QCOMPARE(arrangeBrowser(801, 701)->viewHeight, 1.f);
        QCOMPARE(arrangeBrowser(9000, 7000)->viewWidth, 8200.f);
        QCOMPARE(arrangeBrowser(9000, 7000)->viewHeight, 6300.f);
        QCOMPARE(arrangeBrowser(10170, 7860)->viewWidth, 9370.f);
        QCOMPARE(arrangeBrowser(10170, 7860)->viewHeight, 7160.f);

        PlayedWindow w;
        w.press("Command3");
        QWidget* window = browserWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QWidget* view = child(window, "WebBrowser1");
        const QSize frame = window->frameGeometry().size() - window->size();
        const auto resizeOuter = [window, frame](int width, int height) { window->resize(QSize(width, height) - frame); };
        // Opened at its first size, the view already fits it.
        const QSizeF outer = QSizeF(outerSize(window)) * kTwipsPerPixel;
        QCOMPARE(view->size(), QSize(pixelsFromTwips(outer.width() - 800), pixelsFromTwips(outer.height() - 700)));
        resizeOuter(600, 467); // 9000 x 7005 twips
        QCOMPARE(view->size(), QSize(547, 420));
        resizeOuter(53, 467); // 795 twips wide: the view keeps its size
        QCOMPARE(view->size(), QSize(547, 420));
        resizeOuter(54, 47); // 810 x 705 twips
        QCOMPARE(view->size(), QSize(1, 0));

        // Closed and opened again, the window is new, fitted and at the studio.
        window->close();
        QTRY_VERIFY(!browserWindow());
        w.press("Command3");
        QWidget* reopened = browserWindow();
        QVERIFY(reopened);
        const QSizeF fresh = QSizeF(outerSize(reopened)) * kTwipsPerPixel;
        QCOMPARE(child(reopened, "WebBrowser1")->size(),
                 QSize(pixelsFromTwips(fresh.width() - 800), pixelsFromTwips(fresh.height() - 700)));
        QTRY_VERIFY_WITH_TIMEOUT(atTheStudio(), 20000);
        browserWindow()->close();
    }

    // A link within the studio's site is followed in the window; a link elsewhere on the web goes to the
    // desktop's own browser; a link to a file or of another scheme goes nowhere. Nothing is kept on disk.
    void theWindowShowsTheStudiosSiteAndNothingElse()
    {
        Addresses desktop;
        for (const char* scheme : {"http", "https", "file", "gopher"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &desktop, "open");
        PlayedWindow w;
        w.press("Command3");
        QTRY_COMPARE_WITH_TIMEOUT(shownTitle(), QString("studio"), 20000);
        Addresses shown;
        connect(child(browserWindow(), "WebBrowser1"), SIGNAL(urlChanged(QUrl)), &shown, SLOT(open(QUrl)));
        const QList<QUrl> elsewhere = {QUrl("http://elsewhere.example/page"), QUrl("http://evilwww.virdon.example/"), QUrl("http://www.virdon.example.evil.example/")};
        for (int i = 0; i < 3; ++i) { // one click at a time: each is one press of the player's
            clickLink(QList{1, 4, 5}[i]);
            QTRY_COMPARE_WITH_TIMEOUT(desktop.list, elsewhere.mid(0, i + 1), 20000);
        }
        clickLink(2);
        clickLink(3);
        clickLink(0);
        QTRY_COMPARE_WITH_TIMEOUT(shownTitle(), QString("inside"), 20000);
        QCOMPARE(shown.list, QList<QUrl>({kInside}));
        QCOMPARE(desktop.list, elsewhere);
        for (const QTemporaryDir* dir : {&data_, &cache_})
            QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        for (const char* scheme : {"http", "https", "file", "gopher"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    // A page's alert keeps only the browser window waiting: the main window plays on meanwhile.
    void aPagesDialogKeepsOnlyTheBrowserWaiting()
    {
        PlayedWindow w;
        w.press("Command3");
        QWidget* window = browserWindow();
        QTRY_VERIFY_WITH_TIMEOUT(atTheStudio(), 20000);
        QString text;
        bool waitsAlone = false;
        QTimer whileShown;
        connect(&whileShown, &QTimer::timeout, [&] {
            for (QWidget* shown : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(shown); box && box->isVisible()) {
                    whileShown.stop();
                    text = box->text();
                    waitsAlone = !window->isEnabled() && box->textFormat() == Qt::PlainText;
                    w.newGame();
                    box->accept();
                }
        });
        whileShown.start(50);
        child(window, "WebBrowser1")->setProperty("url", QUrl("http://www.virdon.example/alert"));
        QTRY_COMPARE_WITH_TIMEOUT(text, QString("<b>a page</b> speaks"), 20000);
        QVERIFY(waitsAlone);
        QCOMPARE(w.game().board.gorkor, 12);
    }

    // A page reaches nothing beyond its window: the desktop's browser gets one address per press of the player's,
    // none from scripts; no other host is asked, no file chooser shows; the close box closes a speaking page.
    void aPageStaysInItsWindow()
    {
        Addresses desktop;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &desktop, "open");
        PlayedWindow w;
        w.press("Command3");
        const QPointer<QWidget> window = browserWindow(); // the close box ends it below
        const auto goTo = [window](const char* path) {
            child(window, "WebBrowser1")->setProperty("url", QUrl(QLatin1String(kStudioUrl) + QLatin1String(path)));
        };
        goTo("/timed");
        QTRY_VERIFY_WITH_TIMEOUT(shownTitle().toInt() >= 10, 20000);
        QCOMPARE(desktop.list, QList<QUrl>());
        clickLink(0);
        const int clicked = shownTitle().toInt();
        QTRY_VERIFY_WITH_TIMEOUT(shownTitle().toInt() >= clicked + 10, 20000);
        QVERIFY(desktop.list.size() <= 1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));

        goTo("/others");
        QTRY_COMPARE_WITH_TIMEOUT(shownTitle(), QString("fetched"), 20000);
        for (const QUrl& asked : studio_.asked)
            QCOMPARE(asked.host(), QString("www.virdon.example"));

        // A modal dialog (a file chooser) is counted and closed; a page's message has the close box pressed.
        int modal = 0;
        bool closeAsked = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++modal;
                dialog->reject();
            } else if (window && !window->isEnabled() && !std::exchange(closeAsked, true))
                QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(window->windowHandle());
        });
        watch.start(50);
        goTo("/files");
        QTRY_COMPARE_WITH_TIMEOUT(shownTitle(), QString("files"), 20000);
        clickLink(0);
        QTRY_COMPARE_WITH_TIMEOUT(shownTitle(), QString("asked"), 20000);
        goTo("/alerts");
        QTRY_VERIFY_WITH_TIMEOUT(!browserWindow(), 20000);
        QCOMPARE(modal, 0);
    }

    // Run without QTWEBENGINE_DISABLE_SANDBOX (test_browser_as_superuser): the engine never starts for the
    // superuser, and a window in its place says why.
    void theSuperuserGetsTheStandInAndTheSandboxStays()
    {
        if (!runsAsSuperuser() || qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
            QSKIP("for the superuser, with the engine's sandbox left on");
        PlayedWindow w;
        w.press("Command3");
        QVERIFY(browserWindow());
        QVERIFY(child<QLabel>(browserWindow(), "Label1")->text().startsWith("Встроенный браузер не запускается от имени администратора (root)."));
        QVERIFY(!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));
        QVERIFY(!webEngineMapped());
    }

    // For an ordinary user the engine runs in its sandbox: none of its helpers is told otherwise. Run as
    // such a user without QTWEBENGINE_DISABLE_SANDBOX, by the superuser as the user nobody.
    void anOrdinaryUsersEngineRunsInItsSandbox()
    {
        if (qEnvironmentVariableIsSet("IGRA_SANDBOXED_RUN")) {
            PlayedWindow w;
            w.press("Command3");
            QTRY_COMPARE_WITH_TIMEOUT(shownTitle(), QString("studio"), 20000);
            QTRY_VERIFY_WITH_TIMEOUT(engineHelpers().join(QLatin1Char('\n')).contains("--type=zygote"), 20000);
            for (const QString& helper : engineHelpers())
                QVERIFY2(!helper.contains("--no-sandbox"), qPrintable(helper));
            return;
        }
        // A copy the user nobody can run: the test and the browser module where it looks for it.
        QTemporaryDir copy;
        for (const char* dir : {"bin", "home", "lib/igra"})
            QDir(copy.path()).mkpath(QLatin1String(dir));
        const QString module = QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/igra/igra_browser.so");
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy.path() + QStringLiteral("/bin/test_browser")));
        QVERIFY(QFile::copy(module, copy.path() + QStringLiteral("/lib/igra/igra_browser.so")));
        const auto everyone = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
            | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
        for (const QString& path : {QString(), QStringLiteral("/bin"), QStringLiteral("/lib"), QStringLiteral("/lib/igra"),
                                    QStringLiteral("/bin/test_browser"), QStringLiteral("/lib/igra/igra_browser.so")})
            QVERIFY(QFile::setPermissions(copy.path() + path, everyone));
        QVERIFY(QFile::setPermissions(copy.path() + QStringLiteral("/home"), everyone | QFileDevice::WriteOther));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"));
        environment.insert(QStringLiteral("IGRA_SANDBOXED_RUN"), QStringLiteral("1"));
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
            environment.insert(QLatin1String(name), copy.path() + QStringLiteral("/home"));
        QProcess run;
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::ForwardedChannels);
        const QStringList test = {copy.path() + QStringLiteral("/bin/test_browser"), QStringLiteral("anOrdinaryUsersEngineRunsInItsSandbox")};
        if (runsAsSuperuser())
            run.start(QStringLiteral("setpriv"), QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups"} + test);
        else
            run.start(test.first(), test.mid(1));
        QVERIFY(run.waitForFinished(60000));
        QCOMPARE(run.exitCode(), 0);
    }
};

GAME_TEST_MAIN(BrowserTest)

#include "test_browser.moc"
