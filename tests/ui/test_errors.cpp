// A run-time error in a handler shows a box that names it, then ends the process with a failure status.
#include <QProcess>
#include <QTest>

class ErrorsTest : public QObject {
    Q_OBJECT

private slots:
    void anErrorIsShownAndEndsTheGame()
    {
        QProcess probe;
        probe.start(QCoreApplication::applicationDirPath() + QStringLiteral("/errorprobe"));
        QVERIFY(probe.waitForFinished(20000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QCOMPARE(probe.exitCode(), 1);
        const QString shown = QString::fromUtf8(probe.readAllStandardOutput());
        QVERIFY2(shown.startsWith(QStringLiteral("Игра|Ошибка выполнения: Переполнение.")), qPrintable(shown));
        QVERIFY(probe.readAllStandardError().contains("run-time error"));
    }
};

QTEST_GUILESS_MAIN(ErrorsTest)
#include "test_errors.moc"
