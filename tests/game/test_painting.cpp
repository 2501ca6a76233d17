// The picture of the board: cell squares, the mark cross, the counters.
#include "boardtext.h"
#include "fakes.h"
#include "game.h"
#include "recordingcanvas.h"

#include <QTest>

class PaintingTest : public QObject {
    Q_OBJECT

private slots:
    void everyCellIsASquareOfItsColourStartingRazmerApart()
    {
        RecordingCanvas canvas;
        FixedSeedRandom random;
        Game game(canvas, random);
        game.newGame(MapSettings());
        QCOMPARE(int(canvas.boxes.size()), 228);
        for (int c = 1; c <= 12; ++c)
            for (int r = 1; r <= 19; ++r) {
                const PaintedBox& box = canvas.boxes.at({(c - 1) * 381, (r - 1) * 381});
                QCOMPARE(box.x2, box.x1 + 380);
                QCOMPARE(box.y2, box.y1 + 380);
                QCOMPARE(box.colour, game.board.pole(r, c));
            }
    }

    void countersCountTheCubesOnTheBoard()
    {
        RecordingCanvas canvas;
        FixedSeedRandom random;
        Game game(canvas, random);
        setBoard(game, {"1.3",
                        "..2",
                        "456"});
        game.newMove();
        QCOMPARE(canvas.total, std::string("Всего кубиков  9"));
        QCOMPARE(canvas.remaining, std::string("Осталось кубиков  6"));
        QCOMPARE(canvas.removed, std::string("Удалено кубиков  3"));
        QCOMPARE(canvas.shownAt(381, 0), kEmpty);
        QCOMPARE(canvas.boxes.at({381, 0}).colour, kEmpty);
    }

    void beforeTheFirstGameTheCountersReadZero()
    {
        RecordingCanvas canvas;
        FixedSeedRandom random;
        Game game(canvas, random);
        game.newMove();
        QCOMPARE(canvas.total, std::string("Всего кубиков  0"));
        QCOMPARE(canvas.remaining, std::string("Осталось кубиков  0"));
        QCOMPARE(canvas.removed, std::string("Удалено кубиков  0"));
        QVERIFY(canvas.boxes.empty());
    }

    void theCrossRunsCornerToCornerTheSecondStrokeOneTwipBeyond()
    {
        RecordingCanvas canvas;
        FixedSeedRandom random;
        Game game(canvas, random);
        setBoard(game, {"123",
                        "456"});
        game.mouseUp(381 + 10, 381 + 10); // row 2, column 2
        const std::vector<PaintedLine> cross = {{381, 381, 761, 761, kEmpty}, {381, 762, 761, 380, kEmpty}};
        QVERIFY(canvas.lines == cross);
        QCOMPARE(canvas.panel, ColourIndex{5});
        // A repaint wipes the cross out.
        game.newMove();
        QVERIFY(canvas.lines.empty());
    }
};

QTEST_APPLESS_MAIN(PaintingTest)
#include "test_painting.moc"
