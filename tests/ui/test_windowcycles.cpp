// Every window opened and closed a hundred times over: nothing is left behind. Under the sanitizers'
// build, LeakSanitizer checks at exit that nothing leaked either.
#include "frmabout.h"
#include "leveldialog.h"
#include "ssiform5.h"
#include "support/playedwindow.h"
#include "support/temporarysettings.h"

class WindowCyclesTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings settings_;

    static void deleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private slots:
    void aHundredRoundsOfEveryWindowLeaveNothingBehind()
    {
        for (int round = 0; round < 100; ++round) {
            auto* form = new ssiForm1(std::make_unique<FixedSeedRandom>(round));
            form->show();
            click(form, "Command2");
            form->Picture1_MouseUp(Qt::LeftButton, Qt::NoModifier, 100, 100);
            click(form, "Command7");
            click(form, "Command8");
            findOpenWindow<frmAbout>(frmAbout::kName)->close();
            click(form, "Command11");
            click(findOpenWindow<LevelDialog>(kSizeDialog.name), "Command1");
            click(form, "Command12");
            findOpenWindow<LevelDialog>(kDifficultyDialog.name)->close();
            click(findOpenWindow<ssiForm5>(ssiForm5::kName), "Command4");
            click(form, "Command1");
            deleteClosedWindows();
            QVERIFY2(QApplication::topLevelWidgets().isEmpty(), qPrintable(QString("round %1").arg(round)));
        }
    }
};

GAME_TEST_MAIN(WindowCyclesTest)
#include "test_windowcycles.moc"
