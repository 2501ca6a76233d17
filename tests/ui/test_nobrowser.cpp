// Without the browser module the game goes on: the browser window's place says so and offers the
// desktop's own browser.
#include "browser/browserwindow.h"
#include "browser/studio.h"
#include "support/playedwindow.h"
#include "support/temporarysettings.h"

#include <QLabel>

class NoBrowserTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings settings_;

private slots:
    void aMissingModuleLeavesAWindowThatSaysSo()
    {
        PlayedWindow w;
        w.newGame();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^igra: no built-in browser: .*"));
        w.press("Command3");
        QWidget* window = findOpenWindow<QWidget>(kBrowserWindowName);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("Игра ПЛОКС"));
        auto* message = child<QLabel>(window, "Label1");
        QVERIFY(message->text().startsWith("Встроенный браузер недоступен."));
        QVERIFY(message->text().contains(QStringLiteral("<a href=\"%1\"").arg(QLatin1String(kStudioUrl))));
        QVERIFY(message->openExternalLinks());

        // A second press brings the same window forward; the game plays on.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^igra: no built-in browser: .*"));
        w.press("Command3");
        QCOMPARE(findOpenWindow<QWidget>(kBrowserWindowName), window);
        w.releaseOn(2, 2);
        QCOMPARE(w.move().hod, 1);
        window->close();
    }
};

GAME_TEST_MAIN(NoBrowserTest)
#include "test_nobrowser.moc"
