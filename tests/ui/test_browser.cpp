// The browser window: the web engine loaded only when it first opens, one window, the studio's
// address from every "В интернете" and from "Обновить", and its view fitted to the window.
#include "arrangement.h"
#include "frmabout.h"
#include "playedwindow.h"
#include "ssiform5.h"
#include "studio.h"
#include "temporarysettings.h"
#include "twips.h"

#include <QFile>

#include <optional>

namespace {

bool webEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

QWidget* browserWindow()
{
    return findOpenWindow<QWidget>(QStringLiteral("ssiForm2"));
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

void leaveTheStudio()
{
    child(browserWindow(), "WebBrowser1")->setProperty("url", QUrl(QStringLiteral("about:blank")));
    QTRY_COMPARE_WITH_TIMEOUT(shownAddress(), QUrl(QStringLiteral("about:blank")), 20000);
}

int browserWindows()
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == QLatin1String("ssiForm2") && window->isVisible();
    return count;
}

// The pointer's shape when the browser window comes on the screen.
class CursorWhenShown : public QObject {
public:
    std::optional<Qt::CursorShape> shape;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("ssiForm2"))
            shape = QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::ArrowCursor;
        return false;
    }
};

} // namespace

class BrowserTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings settings_;

private slots:
    void theWebEngineLoadsWithTheFirstBrowserWindowOnly()
    {
        PlayedWindow w;
        w.newGame();
        w.press("Command7");
        w.press("Command8");
        findOpenWindow<frmAbout>("frmAbout")->close();
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
        auto* help = findOpenWindow<ssiForm5>("ssiForm5");
        click(help, "Command3");
        QCOMPARE(browserWindow(), window);
        QVERIFY(help->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(atTheStudio(), 20000);

        // From the About box the browser is usable while the main window waits.
        leaveTheStudio();
        w.press("Command8");
        auto* about = findOpenWindow<frmAbout>("frmAbout");
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
        const QSizeF outer = outerSizeInTwips(window);
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
        const QSizeF fresh = outerSizeInTwips(reopened);
        QCOMPARE(child(reopened, "WebBrowser1")->size(),
                 QSize(pixelsFromTwips(fresh.width() - 800), pixelsFromTwips(fresh.height() - 700)));
        QTRY_VERIFY_WITH_TIMEOUT(atTheStudio(), 20000);
        browserWindow()->close();
    }
};

GAME_TEST_MAIN(BrowserTest)

#include "test_browser.moc"
