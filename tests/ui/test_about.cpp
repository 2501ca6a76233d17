// The About box: what it shows, where, and the main window waiting for it however it closes.
#include "frmabout.h"
#include "ssiform5.h"
#include "support/playedwindow.h"
#include "support/temporarysettings.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

class AboutTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings settings_;


    static QString labelText(QWidget* about, const char* name) { return child<QLabel>(about, name)->text(); }

private slots:
    void theBoxShowsTitleVersionStudioAndNotice()
    {
        PlayedWindow w;
        frmAbout* about = w.open<frmAbout>("Command8", frmAbout::kName);
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QString("Игра ПЛОКС"));
        QCOMPARE(about->size(), QSize(382, 171));
        QCOMPARE(about->geometry().topLeft(), QGuiApplication::primaryScreen()->geometry().topLeft() + QPoint(156, 129));
        QVERIFY(!about->parentWidget());
        QVERIFY(!(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(labelText(about, "lblTitle"), QString("Игра \"Плокс\"."));
        QCOMPARE(labelText(about, "lblVersion"), QString("Версия 1. 0. 0."));
        QCOMPARE(labelText(about, "lblDescription"), QString("Экспериментальная студия \"Вирдон\", virdon.example"));
        QVERIFY(labelText(about, "lblDisclaimer").contains("GNU GPL версии 3 или более поздней"));
        QCOMPARE(child(about, "lblTitle")->geometry(), QRect(70, 16, 115, 16));
        QCOMPARE(child(about, "lblDescription")->geometry(), QRect(64, 32, 259, 46));
        QVERIFY(child(about, "lblDescription")->font().italic());
        QCOMPARE(child(about, "lblDescription")->font().pointSizeF(), 12.0);
        // The notice stands in the lower block, left of the buttons.
        const QRect notice = child(about, "lblDisclaimer")->geometry();
        QVERIFY(notice.top() >= 88 && notice.right() < 288 && notice.bottom() < 171);
        QVERIFY(!child<QLabel>(about, "picIcon")->pixmap().isNull());
        QCOMPARE(shownAt(about, 3000, 1200), QColor(Qt::white)); // the line
        auto* ok = child<QPushButton>(about, "cmdOK");
        QVERIFY(ok->isDefault());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ok));
        QCOMPARE(tabOrder(ok), QStringList({"cmdOK", "picIcon", "Command1"}));
        about->close();
    }

    void everyWayOfClosingGivesTheMainWindowBack_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("OK") << "OK";
        QTest::newRow("Enter") << "Enter";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("close box") << "close box";
    }

    void everyWayOfClosingGivesTheMainWindowBack()
    {
        QFETCH(QString, way);
        PlayedWindow w;
        w.newGame();
        frmAbout* about = w.open<frmAbout>("Command8", frmAbout::kName);
        QVERIFY(!w.form->isEnabled());
        if (way == "OK")
            click(about, "cmdOK");
        else if (way == "Enter")
            QTest::keyClick(about, Qt::Key_Return);
        else if (way == "Esc")
            QTest::keyClick(about, Qt::Key_Escape);
        else
            about->close();
        QTRY_VERIFY(!findOpenWindow<frmAbout>(frmAbout::kName));
        QVERIFY(w.form->isEnabled());
        w.releaseOn(4, 4);
        QCOMPARE(w.move().hod, 1);
    }

    void theWaitingMainWindowIgnoresEverythingWhileTheHelpStaysUsable()
    {
        PlayedWindow w;
        w.newGame();
        w.press("Command7");
        auto* help = findOpenWindow<ssiForm5>(ssiForm5::kName);
        QVERIFY(help);
        frmAbout* about = w.open<frmAbout>("Command8", frmAbout::kName);
        const Grid board = w.pole();
        w.releaseOn(4, 4);
        w.press("Command5");
        w.press("Command8");
        QCOMPARE(w.move().hod, 0);
        QCOMPARE(w.pole(), board);
        QVERIFY(!w.form->close());
        click(help, "Command2");
        QVERIFY(child<QPlainTextEdit>(help, "Text2")->isVisible());
        click(help, "Command4");
        QTRY_VERIFY(!findOpenWindow<ssiForm5>(ssiForm5::kName));
        QVERIFY(about->isVisible());
        about->close();
        QVERIFY(w.form->isEnabled());
    }
};

GAME_TEST_MAIN(AboutTest)
#include "test_about.moc"
