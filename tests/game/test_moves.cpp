// The move rule on small boards drawn as text: what falls where, and counts that must not overflow.
#include "support/boardtext.h"
#include "support/gamefixture.h"

#include <QTest>

class MoveRulesTest : public QObject {
    Q_OBJECT

private slots:
    void horizontalTripleLetsThreeColumnsFallOneRow()
    {
        GameFixture f;
        setBoard(f.game, {"12345",
                          "23456",
                          "34567",
                          "70607"});
        f.releaseOn(4, 2);
        f.releaseOn(4, 4);
        QCOMPARE(text(f.game.board.pole), text({"1...5",
                                                "22346",
                                                "33457",
                                                "74567"}));
        QCOMPARE(f.game.move.hod, 2);
        QCOMPARE(f.game.board.ostal, 17);
        // The picture still shows the three cleared cells where they were.
        QCOMPARE(f.canvas.shownAt(381, 3 * 381), kEmpty);
        QCOMPARE(f.canvas.shownAt(381, 0), ColourIndex{2});
    }

    // Marked from the bottom cube or from the top one, the same cubes fall.
    void verticalTripleLetsOneColumnFallThreeRows_data()
    {
        QTest::addColumn<int>("firstRow");
        QTest::addColumn<int>("secondRow");
        QTest::newRow("bottom first") << 6 << 4;
        QTest::newRow("top first") << 4 << 6;
    }

    void verticalTripleLetsOneColumnFallThreeRows()
    {
        QFETCH(int, firstRow);
        QFETCH(int, secondRow);
        GameFixture f;
        setBoard(f.game, {"123",
                          "456",
                          "712",
                          "345",
                          "618",
                          "345"});
        f.releaseOn(firstRow, 2);
        f.releaseOn(secondRow, 2);
        QCOMPARE(text(f.game.board.pole), text({"1.3",
                                                "4.6",
                                                "7.2",
                                                "325",
                                                "658",
                                                "315"}));
    }

    void aTopRowTripleOverAnEmptyMiddleMovesNothing()
    {
        GameFixture f;
        setBoard(f.game, {"3.3",
                          "121"});
        f.releaseOn(1, 3);
        f.releaseOn(1, 1);
        QCOMPARE(text(f.game.board.pole), text({"...",
                                                "121"}));
        QCOMPARE(f.canvas.remaining, std::string("Осталось кубиков  3"));
    }

    void theTimerCountsOnlyDuringThePause()
    {
        GameFixture f;
        setBoard(f.game, {"101"});
        f.game.timerTick();
        QCOMPARE(f.game.move.vrem, 0);
        f.releaseOn(1, 1);
        f.releaseOn(1, 3);
        const int clears = f.canvas.clears;
        f.game.timerTick();
        QCOMPARE(f.game.move.vrem, 1);
        f.game.timerTick();
        QCOMPARE(f.canvas.clears, clears); // no repaint until the pause ends
    }

    // Undo gives the board back but not the running count, which is shown nowhere;
    // a player repeating one move for long must not end the game with an overflow.
    void repeatingAMoveAndItsUndoNeverOverflows()
    {
        GameFixture f;
        setBoard(f.game, {"101"});
        for (int round = 0; round < 12000; ++round) {
            f.releaseOn(1, 1);
            f.releaseOn(1, 3);
            f.game.undo();
        }
        QCOMPARE(f.game.board.ostal, std::numeric_limits<std::int16_t>::min());
        QCOMPARE(text(f.game.board.pole), text({"101"}));
    }
};

QTEST_APPLESS_MAIN(MoveRulesTest)
#include "test_moves.moc"
