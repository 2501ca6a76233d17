// How long the board takes to paint and to deal on the largest board, beside the floor of filling the same
// 522 squares into an image of the same size. Run by hand: build/bin/bench_board
#include "boardpicture.h"
#include "ssiform1.h"

#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class BoardBench : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir_;
    ssiForm1* form_ = nullptr;

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("igra"));
        store.setValue(QStringLiteral("Options/Action2"), QStringLiteral("3"));
        store.setValue(QStringLiteral("Options/Action1"), QStringLiteral("3"));
        store.sync();
        form_ = new ssiForm1;
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
        form_->Command2_Click();
        QCOMPARE(form_->game().board.kolvo, 522);
    }

    void cleanupTestCase() { delete form_; }

    // RedrawBoard with nothing else: "Новый ход" is the full repaint and two trivial assignments.
    void redrawBoard()
    {
        QBENCHMARK {
            form_->Command13_Click();
        }
    }

    void newGame()
    {
        QBENCHMARK {
            form_->Command2_Click();
        }
    }

    void floorFillingTheSameSquares()
    {
        const QImage& shown = form_->findChild<BoardPicture*>(QStringLiteral("Picture1"))->image();
        QImage image(shown.size(), QImage::Format_RGB32);
        const Grid& pole = form_->game().board.pole;
        const int razmer = form_->game().board.razmer;
        QBENCHMARK {
            QPainter painter(&image);
            painter.fillRect(image.rect(), Qt::white);
            for (int c = 1; c <= 18; ++c)
                for (int r = 1; r <= 29; ++r)
                    painter.fillRect(QRect((c - 1) * razmer / 15, (r - 1) * razmer / 15, razmer / 15 + 1, razmer / 15 + 1),
                                     QColor::fromRgb(0x10 * pole(r, c)));
        }
    }
};

QTEST_MAIN(BoardBench)
#include "bench_board.moc"
