// The picture of the board: cell squares, the mark cross, the counters.
#include "support/boardtext.h"
#include "support/gamefixture.h"

#include <QTest>

class PaintingTest : public QObject {
    Q_OBJECT

private slots:
    void everyCellIsASquareOfItsColourStartingRazmerApart()
    {
        GameFixture f;
        f.game.newGame(f.settings);
        QCOMPARE(int(f.canvas.boxes.size()), 228);
        for (int c = 1; c <= 12; ++c)
            for (int r = 1; r <= 19; ++r) {
                const PaintedBox& box = f.canvas.boxes.at({(c - 1) * 381, (r - 1) * 381});
                QCOMPARE(box.x2, box.x1 + 380);
                QCOMPARE(box.y2, box.y1 + 380);
                QCOMPARE(box.colour, f.game.board.pole(r, c));
            }
    }

    void countersCountTheCubesOnTheBoard()
    {
        GameFixture f;
        setBoard(f.game, {"1.3",
                        "..2",
                        "456"});
        f.game.newMove();
        QCOMPARE(f.canvas.total, std::string("Всего кубиков  9"));
        QCOMPARE(f.canvas.remaining, std::string("Осталось кубиков  6"));
        QCOMPARE(f.canvas.removed, std::string("Удалено кубиков  3"));
        QCOMPARE(f.canvas.shownAt(381, 0), kEmpty);
        QCOMPARE(f.canvas.boxes.at({381, 0}).colour, kEmpty);
    }

    void beforeTheFirstGameTheCountersReadZero()
    {
        GameFixture f;
        f.game.newMove();
        QCOMPARE(f.canvas.total, std::string("Всего кубиков  0"));
        QCOMPARE(f.canvas.remaining, std::string("Осталось кубиков  0"));
        QCOMPARE(f.canvas.removed, std::string("Удалено кубиков  0"));
        QVERIFY(f.canvas.boxes.empty());
    }

    void theCrossRunsCornerToCornerTheSecondStrokeOneTwipBeyond()
    {
        GameFixture f;
        setBoard(f.game, {"123",
                        "456"});
        f.releaseOn(2, 2);
        const std::vector<PaintedLine> cross = {{381, 381, 761, 761, kEmpty}, {381, 762, 761, 380, kEmpty}};
        QVERIFY(f.canvas.lines == cross);
        QCOMPARE(f.canvas.panel, ColourIndex{5});
        // A repaint wipes the cross out.
        f.game.newMove();
        QVERIFY(f.canvas.lines.empty());
    }
};

QTEST_APPLESS_MAIN(PaintingTest)
#include "test_painting.moc"
