// A long random game: 100,000 operations from a logged seed, each followed by the checks of what must
// always hold. Set IGRA_SOAK_SEED to replay a failure.
#include "support/gamedriver.h"

#include <QTest>

#include <chrono>
#include <random>

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void aHundredThousandRandomOperationsKeepTheRules()
    {
        bool replay = false;
        const unsigned given = qEnvironmentVariable("IGRA_SOAK_SEED").toUInt(&replay);
        const unsigned seed =
            replay ? given : static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count());
        qInfo("soak seed %u", seed);
        std::mt19937 source(seed);
        GameDriver driver;
        int removals = 0;
        for (int step = 1; step <= 100000; ++step) {
            const std::uint32_t choice = source();
            const std::int16_t hod = driver.game.move.hod;
            const std::string broken = driver.step(choice, std::uint16_t(source()), std::uint16_t(source()));
            if (!broken.empty())
                QFAIL(qPrintable(QString("seed %1, step %2: %3").arg(seed).arg(step).arg(QString::fromStdString(broken))));
            removals += hod != 2 && driver.game.move.hod == 2;
        }
        // The walk must have played, not only clicked about.
        QVERIFY2(removals > 500, qPrintable(QString("only %1 removals").arg(removals)));
    }
};

QTEST_APPLESS_MAIN(SoakTest)
#include "test_soak.moc"
