// Marking and removing cubes in the main window, the pause after a removal, and "Назад".
#include "support/boardtext.h"
#include "support/playedwindow.h"
#include "support/temporarysettings.h"

class MovesTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings settings_;

    // Columns of the board as they stand, for comparing after a move.
    static std::vector<ColourIndex> column(const Grid& pole, int c)
    {
        std::vector<ColourIndex> cells;
        for (int r = 1; r <= pole.rows(); ++r)
            cells.push_back(pole(r, c));
        return cells;
    }

private slots:
    void horizontalTripleGoesAndTheCubesAboveFallAfterThePause()
    {
        PlayedWindow w;
        w.newGame();
        w.pole()(5, 3) = 1;
        w.pole()(5, 4) = 4;
        w.pole()(5, 5) = 1;
        w.press("Command13");
        const Grid before = w.pole();

        w.releaseOn(5, 3);
        QCOMPARE(w.move().hod, 1);
        QCOMPARE(w.shownCentre(5, 3), QColor(Qt::white)); // the cross
        QCOMPARE(w.shownBeside(5, 3), look::paletteColour(1));
        QCOMPARE(w.panel(), look::paletteColour(1));

        w.releaseOn(5, 5);
        QCOMPARE(w.move().hod, 2);
        QCOMPARE(w.remaining(), QString("Осталось кубиков  225"));
        QCOMPARE(w.removed(), QString("Удалено кубиков  3"));
        QCOMPARE(w.game().board.ostal, 225);
        QCOMPARE(w.game().board.polevr, before);
        for (int c = 3; c <= 5; ++c) {
            QCOMPARE(w.pole()(1, c), kEmpty);
            for (int r = 2; r <= 5; ++r)
                QCOMPARE(w.pole()(r, c), before(r - 1, c));
            for (int r = 6; r <= 19; ++r)
                QCOMPARE(w.pole()(r, c), before(r, c));
        }
        for (int c : {1, 2, 6, 12})
            QCOMPARE(column(w.pole(), c), column(before, c));

        // For the whole pause the picture shows the three cleared cells and the cubes where they stood.
        for (int tick = 1; tick < 20; ++tick) {
            w.tick();
            QCOMPARE(w.move().hod, 2);
        }
        for (int c = 3; c <= 5; ++c) {
            QCOMPARE(w.shownCentre(5, c), QColor(Qt::white));
            QCOMPARE(w.shownCentre(4, c), look::paletteColour(before(4, c)));
        }
        w.tick();
        QCOMPARE(w.move().hod, 0);
        QCOMPARE(w.move().vrem, 0);
        QVERIFY(w.pictureShowsTheBoard());
        QCOMPARE(w.shownCentre(1, 4), QColor(Qt::white));
        QCOMPARE(w.remaining(), QString("Осталось кубиков  225"));
    }

    void verticalTripleLetsTheColumnFallThreeRows()
    {
        PlayedWindow w;
        w.newGame();
        w.pole()(10, 7) = 3;
        w.pole()(12, 7) = 3;
        w.press("Command13");
        const Grid before = w.pole();

        w.releaseOn(12, 7);
        w.releaseOn(10, 7);
        QCOMPARE(w.move().hod, 2);
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(w.pole()(r, 7), kEmpty);
        for (int r = 4; r <= 12; ++r)
            QCOMPARE(w.pole()(r, 7), before(r - 3, 7));
        for (int r = 13; r <= 19; ++r)
            QCOMPARE(w.pole()(r, 7), before(r, 7));
        for (int r = 10; r <= 12; ++r)
            QCOMPARE(w.shownCentre(r, 7), QColor(Qt::white));
        w.tick(20);
        QVERIFY(w.pictureShowsTheBoard());
        QCOMPARE(w.remaining(), QString("Осталось кубиков  225"));
    }

    void verticalTripleAtTheTopMovesNothing()
    {
        PlayedWindow w;
        w.newGame();
        w.pole()(1, 2) = 6;
        w.pole()(3, 2) = 6;
        const Grid before = w.pole();
        w.releaseOn(1, 2);
        w.releaseOn(3, 2);
        QCOMPARE(w.move().hod, 2);
        for (int r = 1; r <= 3; ++r)
            QCOMPARE(w.pole()(r, 2), kEmpty);
        for (int r = 4; r <= 19; ++r)
            QCOMPARE(w.pole()(r, 2), before(r, 2));
    }

    void horizontalTripleOverAnEmptyMiddleRemovesTwo()
    {
        PlayedWindow w;
        w.newGame();
        // Column 4 has lost its top five cubes, so the middle cell of row 5 is empty.
        for (int r = 1; r <= 5; ++r)
            w.pole()(r, 4) = kEmpty;
        w.placePair(5, 3, 5, 2);
        w.press("Command13");
        QCOMPARE(w.remaining(), QString("Осталось кубиков  223"));
        const Grid before = w.pole();

        w.markPair(5, 3, 5);
        QCOMPARE(w.move().hod, 2);
        QCOMPARE(w.remaining(), QString("Осталось кубиков  221"));
        QCOMPARE(w.removed(), QString("Удалено кубиков  7"));
        QCOMPARE(column(w.pole(), 4), column(before, 4));
        for (int c : {3, 5}) {
            QCOMPARE(w.pole()(1, c), kEmpty);
            for (int r = 2; r <= 5; ++r)
                QCOMPARE(w.pole()(r, c), before(r - 1, c));
        }
    }

    void releasesThatAreNoPairLeaveTheMark_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("the marked cube") << 8 << 6;
        QTest::newRow("a neighbour") << 8 << 7;
        QTest::newRow("two away on a diagonal") << 10 << 8;
        QTest::newRow("three away in the row") << 8 << 9;
        QTest::newRow("three away in the column") << 11 << 6;
        QTest::newRow("an empty cell") << 1 << 1;
    }

    void releasesThatAreNoPairLeaveTheMark()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        PlayedWindow w;
        w.newGame();
        w.pole()(1, 1) = kEmpty;
        for (const auto& [r, c] : {std::pair{8, 6}, {8, 7}, {10, 8}, {8, 9}, {11, 6}})
            w.pole()(r, c) = 5;
        w.press("Command13");
        w.releaseOn(8, 6);
        const Grid before = w.pole();

        w.releaseOn(row, column);
        QCOMPARE(w.move().hod, 1);
        QCOMPARE(w.move().gotm1, 6);
        QCOMPARE(w.move().votm1, 8);
        QCOMPARE(w.pole(), before);
        QCOMPARE(w.shownCentre(8, 6), QColor(Qt::white));
        QCOMPARE(w.remaining(), QString("Осталось кубиков  227"));
    }

    void anotherColourDropsTheMarkAndMarksNothing()
    {
        PlayedWindow w;
        w.newGame();
        w.pole()(8, 6) = 5;
        w.pole()(8, 8) = 2;
        w.press("Command13");
        w.markPair(8, 6, 8);
        QCOMPARE(w.move().hod, 0);
        QCOMPARE(w.shownCentre(8, 6), look::paletteColour(5)); // the cross is gone
        QCOMPARE(w.shownCentre(8, 8), look::paletteColour(2)); // and none was drawn here
        QCOMPARE(w.panel(), look::paletteColour(5));
        QVERIFY(w.pictureShowsTheBoard());
        w.releaseOn(8, 8);
        QCOMPARE(w.move().hod, 1);
        QCOMPARE(w.move().vrcvet, 2);
        QCOMPARE(w.panel(), look::paletteColour(2));
    }

    void everyMouseButtonMarksAndRemovesAlike_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }

    void everyMouseButtonMarksAndRemovesAlike()
    {
        QFETCH(int, button);
        PlayedWindow w;
        w.newGame();
        w.placePair(19, 1, 3, 4);
        w.releaseOn(19, 1, Qt::MouseButton(button));
        QCOMPARE(w.move().hod, 1);
        w.releaseOn(19, 3, Qt::MouseButton(button));
        QCOMPARE(w.move().hod, 2);
    }

    void releasesDuringThePauseDoNothing()
    {
        PlayedWindow w;
        w.newGame();
        w.placePair(19, 1, 3, 4);
        w.markPair(19, 1, 3);
        const Grid after = w.pole();
        const QImage shown = w.picture()->grab().toImage();
        w.releaseOn(10, 10);
        w.releaseOn(5, 5, Qt::RightButton);
        QCOMPARE(w.move().hod, 2);
        QCOMPARE(w.pole(), after);
        QCOMPARE(w.picture()->grab().toImage(), shown);
    }

    void releasesOffTheCellsAreIgnored()
    {
        PlayedWindow w;
        w.newGame();
        const Grid before = w.pole();
        // A press that began on the board ends off it.
        for (const QPoint& at : {QPoint(-15, 100), QPoint(100, -15), QPoint(4575, 100), QPoint(100, 7245),
                                 QPoint(-30000, -30000), QPoint(90000, 90000)}) {
            releaseAt(w.picture(), at.x(), at.y());
            QCOMPARE(w.move().hod, 0);
        }
        // The board is 4572 by 7239 twips; on a fine screen a release can land in the area's last,
        // partly covered pixel, just beyond the cells.
        for (const QPointF& at : {QPointF(4572, 100), QPointF(100, 7239), QPointF(-0.6, 100), QPointF(1e30, 1e30),
                                  QPointF(qQNaN(), 100)}) {
            w.form->Picture1_MouseUp(Qt::LeftButton, Qt::NoModifier, float(at.x()), float(at.y()));
            QCOMPARE(w.move().hod, 0);
        }
        w.form->Picture1_MouseUp(Qt::LeftButton, Qt::NoModifier, 4571.4f, 7238.5f); // rounds into cell (19, 12)
        QCOMPARE(w.move().hod, 1);
        QCOMPARE(w.move().gotm1, 12);
        QCOMPARE(w.move().votm1, 19);
        QCOMPARE(w.pole(), before);
    }

    void undoTakesBackTheLatestRemovalOnly()
    {
        PlayedWindow w;
        w.newGame();
        w.placePair(19, 1, 3, 4);
        w.placePair(19, 10, 12, 6);
        const Grid start = w.pole();

        w.markPair(19, 1, 3);
        w.tick(20);
        const Grid afterFirst = w.pole();
        w.markPair(19, 10, 12);
        w.tick(20);
        QCOMPARE(w.remaining(), QString("Осталось кубиков  222"));

        w.press("Command9");
        QCOMPARE(w.pole(), afterFirst);
        QCOMPARE(w.remaining(), QString("Осталось кубиков  225"));
        QCOMPARE(w.removed(), QString("Удалено кубиков  3"));
        QVERIFY(w.pictureShowsTheBoard());
        // Pressed again, it restores the same board: there is no history.
        w.press("Command9");
        QCOMPARE(w.pole(), afterFirst);
        QVERIFY(w.pole() != start);
        QCOMPARE(w.move().hod, 0);
    }

    void undoDuringThePauseBringsBackTheBoardAndEndsThePause()
    {
        PlayedWindow w;
        w.newGame();
        w.placePair(19, 1, 3, 4);
        const Grid start = w.pole();
        w.markPair(19, 1, 3);
        w.tick(5);
        w.press("Command9");
        QCOMPARE(w.move().hod, 0);
        QCOMPARE(w.move().vrem, 5);
        QCOMPARE(w.pole(), start);
        QVERIFY(w.pictureShowsTheBoard());
        QCOMPARE(w.remaining(), QString("Осталось кубиков  228"));
        // The board takes releases again at once.
        w.releaseOn(19, 1);
        QCOMPARE(w.move().hod, 1);
    }

    void undoDropsAMark()
    {
        PlayedWindow w;
        w.newGame();
        w.placePair(19, 1, 3, 4);
        w.pole()(19, 5) = 4;
        w.markPair(19, 1, 3);
        w.tick(20);
        const Grid afterRemoval = w.pole();
        w.releaseOn(19, 5);
        QCOMPARE(w.move().hod, 1);
        w.press("Command9");
        QCOMPARE(w.move().hod, 0);
        QVERIFY(w.pole() != afterRemoval);
        QVERIFY(w.pictureShowsTheBoard());
        QCOMPARE(w.shownCentre(19, 5), look::paletteColour(4)); // no cross left
        w.releaseOn(19, 5);
        QCOMPARE(w.move().gotm1, 5); // a first mark
    }

    // Before any removal the undo copy holds only black cubes that never stood on the board.
    void undoBeforeAnyRemovalLeavesTheBoard()
    {
        PlayedWindow w;
        w.press("Command9");
        QCOMPARE(w.remaining(), QString("Осталось кубиков  0"));
        w.newGame();
        const Grid start = w.pole();
        w.releaseOn(2, 2);
        w.press("Command9");
        QCOMPARE(w.pole(), start);
        QCOMPARE(w.move().hod, 0);
        QVERIFY(w.pictureShowsTheBoard());
        QCOMPARE(w.remaining(), QString("Осталось кубиков  228"));
    }
};

GAME_TEST_MAIN(MovesTest)
#include "test_moves.moc"
