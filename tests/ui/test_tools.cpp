// The board tools of the main window: scrolling, closing an empty column, the eye, the overview, a new move.
#include "support/playedwindow.h"
#include "support/temporarysettings.h"

class ToolsTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings settings_;

    static void emptyColumn(Grid& pole, int c)
    {
        for (int r = 1; r <= pole.rows(); ++r)
            pole(r, c) = kEmpty;
    }

    static bool columnIsEmpty(const Grid& pole, int c)
    {
        for (int r = 1; r <= pole.rows(); ++r)
            if (pole(r, c) != kEmpty)
                return false;
        return true;
    }

    static bool sameColumn(const Grid& a, int ca, const Grid& b, int cb)
    {
        for (int r = 1; r <= a.rows(); ++r)
            if (a(r, ca) != b(r, cb))
                return false;
        return true;
    }

    // Presses a tool; the eye view locks the board, so its second press opens it again for the next release.
    static void pressTool(PlayedWindow& w, const QString& button)
    {
        w.press(button.toLatin1().constData());
        if (button == "Command4") {
            QCOMPARE(w.move().hod, 0);
            w.press("Command4");
        }
    }

private slots:
    // Every tool and a new game end a mark and a pause; the pause counter keeps its count, so the next
    // pause lasts only the ticks left to 20.
    void everyToolEndsAMarkAndAPause_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("emptyColumn");
        QTest::newRow("Назад") << "Command9" << false;
        QTest::newRow("Вправо") << "Command5" << false;
        QTest::newRow("Влево") << "Command6" << false;
        QTest::newRow("Сдвиг, no empty column") << "Command14" << false;
        QTest::newRow("Сдвиг, an empty column") << "Command14" << true;
        QTest::newRow("Глаз") << "Command4" << false;
        QTest::newRow("Обзор") << "Command10" << false;
        QTest::newRow("Новый ход") << "Command13" << false;
        QTest::newRow("Новая игра") << "Command2" << false;
    }

    void everyToolEndsAMarkAndAPause()
    {
        QFETCH(QString, button);
        QFETCH(bool, emptyColumn);
        PlayedWindow w;
        w.newGame();
        if (emptyColumn)
            ToolsTest::emptyColumn(w.pole(), 12);
        w.releaseOn(19, 1);
        QCOMPARE(w.move().hod, 1);
        pressTool(w, button);
        QCOMPARE(w.move().hod, 0);
        // A cube of another colour: as a second mark it would drop the mark, as a first mark it is marked.
        int row = 19;
        while (w.pole()(row, 6) == w.move().vrcvet)
            --row;
        w.releaseOn(row, 6);
        QCOMPARE(w.move().hod, 1);
        QCOMPARE(w.move().votm1, row);
        QCOMPARE(w.move().gotm1, 6);

        w.press("Command13");
        w.placePair(19, 1, 3, 4);
        w.markPair(19, 1, 3);
        w.tick(8);
        pressTool(w, button);
        QCOMPARE(w.move().hod, 0);
        QCOMPARE(w.move().vrem, 8);
        w.placePair(19, 1, 3, 4);
        w.markPair(19, 1, 3);
        QCOMPARE(w.move().hod, 2);
        w.tick(11);
        QCOMPARE(w.move().hod, 2);
        w.tick();
        QCOMPARE(w.move().hod, 0);
        QCOMPARE(w.move().vrem, 0);
        QVERIFY(w.pictureShowsTheBoard());
    }

    void scrollingTurnsTheWholeBoardByAColumn()
    {
        PlayedWindow w;
        w.newGame();
        const Grid start = w.pole();
        const QString remaining = w.remaining();

        w.press("Command5"); // "Вправо"
        QCOMPARE(w.pole()(1, 1), start(1, 12));
        for (int c = 2; c <= 12; ++c)
            QVERIFY(sameColumn(w.pole(), c, start, c - 1));
        QVERIFY(w.pictureShowsTheBoard());
        QCOMPARE(w.remaining(), remaining);

        w.press("Command6"); // "Влево"
        QCOMPARE(w.pole(), start);
        w.press("Command6");
        QCOMPARE(w.pole()(1, 12), start(1, 1));
        QVERIFY(sameColumn(w.pole(), 12, start, 1));
        for (int press = 2; press <= 12; ++press)
            w.press("Command6");
        QCOMPARE(w.pole(), start);
        QVERIFY(w.pictureShowsTheBoard());
    }

    void shiftClosesTheLeftmostEmptyColumnOnePressAtATime()
    {
        PlayedWindow w;
        w.newGame();
        emptyColumn(w.pole(), 3);
        emptyColumn(w.pole(), 7);
        const Grid start = w.pole();

        w.press("Command14"); // "Сдвиг"
        QVERIFY(sameColumn(w.pole(), 2, start, 2));
        for (int c = 3; c <= 11; ++c)
            QVERIFY(sameColumn(w.pole(), c, start, c + 1));
        QVERIFY(columnIsEmpty(w.pole(), 6)); // the old column 7
        QVERIFY(columnIsEmpty(w.pole(), 12));
        QVERIFY(w.pictureShowsTheBoard());

        w.press("Command14");
        for (int c = 6; c <= 10; ++c)
            QVERIFY(sameColumn(w.pole(), c, start, c + 2));
        QVERIFY(columnIsEmpty(w.pole(), 11));
        QVERIFY(columnIsEmpty(w.pole(), 12));
        const Grid closed = w.pole();

        w.press("Command14");
        QCOMPARE(w.pole(), closed);
        QVERIFY(w.pictureShowsTheBoard());
        QCOMPARE(w.game().board.polevr, Grid(19, 12, 0)); // no tool saves for undo
    }

    void shiftWithOnlyTheLastColumnEmptyRepaints()
    {
        PlayedWindow w;
        w.newGame();
        emptyColumn(w.pole(), 12);
        w.press("Command13");
        const Grid start = w.pole();
        w.releaseOn(5, 5);
        QCOMPARE(w.shownCentre(5, 5), QColor(Qt::white));
        w.press("Command14");
        QCOMPARE(w.pole(), start);
        QCOMPARE(w.move().hod, 0);
        QCOMPARE(w.shownCentre(5, 5), w.colour(5, 5)); // repainted: the cross is gone
    }

    void shiftWithNoEmptyColumnOnlyDropsTheMark()
    {
        PlayedWindow w;
        w.newGame();
        const Grid start = w.pole();
        w.releaseOn(5, 5);
        const QImage marked = w.picture()->grab().toImage();
        w.press("Command14");
        QCOMPARE(w.pole(), start);
        QCOMPARE(w.move().hod, 0);
        QCOMPARE(w.picture()->grab().toImage(), marked); // the cross still shows
        w.releaseOn(6, 6);
        QCOMPARE(w.move().gotm1, 6); // a first mark

        // During a pause it ends the pause and leaves the three cleared cells on view.
        w.placePair(19, 1, 3, 4);
        w.press("Command13");
        w.markPair(19, 1, 3);
        const QImage paused = w.picture()->grab().toImage();
        w.press("Command14");
        QCOMPARE(w.move().hod, 0);
        QCOMPARE(w.picture()->grab().toImage(), paused);
    }

    void undoTakesBackScrollsMadeAfterTheRemovalButNotBefore()
    {
        PlayedWindow w;
        w.newGame();
        w.placePair(19, 1, 3, 4);
        w.press("Command5");
        const Grid scrolled = w.pole();
        w.markPair(19, 2, 4);
        QCOMPARE(w.move().hod, 2);
        w.press("Command9");
        QCOMPARE(w.pole(), scrolled);
        // The copy is not used up: after another scroll the same board comes back.
        w.press("Command5");
        w.press("Command9");
        QCOMPARE(w.pole(), scrolled);

        w.markPair(19, 2, 4);
        w.tick(20);
        w.press("Command5");
        w.press("Command14");
        w.press("Command9");
        QCOMPARE(w.pole(), scrolled);
        QVERIFY(w.pictureShowsTheBoard());
    }

    void eyeShowsTheMarkedColourAndLocksTheBoard()
    {
        PlayedWindow w;
        w.newGame();
        const QString remaining = w.remaining();
        // No cube marked since start: the selected colour is 0.
        w.press("Command4"); // "Глаз"
        QVERIFY(!w.picture()->isEnabled());
        QVERIFY(w.pictureShowsOnly(0));
        QCOMPARE(w.remaining(), remaining);
        w.releaseOn(5, 5);
        QCOMPARE(w.move().hod, 0);

        // A scroll or "Назад" shows every colour again, yet the board still takes no releases.
        for (const char* button : {"Command5", "Command9"}) {
            w.press(button);
            QVERIFY(w.pictureShowsTheBoard());
            w.releaseOn(5, 5);
            QCOMPARE(w.move().hod, 0);
        }

        w.press("Command4");
        QVERIFY(w.picture()->isEnabled());
        QVERIFY(w.pictureShowsTheBoard());
        w.releaseOn(5, 5);
        QCOMPARE(w.move().hod, 1);

        const ColourIndex marked = w.pole()(5, 5);
        w.press("Command4");
        QCOMPARE(w.move().hod, 0);
        QVERIFY(w.pictureShowsOnly(marked));
        // A new game makes the board take releases again.
        w.newGame();
        QVERIFY(w.picture()->isEnabled());
        QCOMPARE(w.move().vrcvet, marked);
        w.releaseOn(5, 5);
        QCOMPARE(w.move().hod, 1);
    }

    // Before the first game there is no cell at which the overview would set the panel's colour.
    void overviewBeforeTheFirstGameLeavesThePanelWhite()
    {
        PlayedWindow w;
        w.press("Command10");
        QCOMPARE(w.panel(), QColor(Qt::white));
    }

    void overviewStepsThroughTheColoursAndWraps()
    {
        PlayedWindow w;
        w.newGame();
        QCOMPARE(w.game().board.cvet, 7);
        for (ColourIndex k = 0; k <= 7; ++k) {
            w.press("Command10"); // "Обзор"
            QVERIFY2(w.pictureShowsOnly(k), qPrintable(QString("colour %1").arg(k)));
            QCOMPARE(w.panel(), look::paletteColour(k));
            QCOMPARE(w.move().obzor, k + 1);
        }
        w.press("Command10");
        QVERIFY(w.pictureShowsOnly(0));
        QCOMPARE(w.panel(), look::paletteColour(0));
        QVERIFY(w.picture()->isEnabled());

        // The next colour carries over to the next game.
        w.newGame();
        QCOMPARE(w.move().obzor, 1);
        w.press("Command10");
        QVERIFY(w.pictureShowsOnly(1));
    }

    void overviewOfAColourWithNoCubeLeftIsAllWhite()
    {
        PlayedWindow w;
        w.newGame();
        for (int c = 1; c <= 12; ++c)
            for (int r = 1; r <= 19; ++r)
                if (w.pole()(r, c) == 0)
                    w.pole()(r, c) = 1;
        w.press("Command10");
        QVERIFY(w.pictureShows([](int, int) { return QColor(Qt::white); }));
        QCOMPARE(w.panel(), look::paletteColour(0));
    }

    void aReleaseDuringTheOverviewMarksTheCubeBeneath()
    {
        PlayedWindow w;
        w.newGame();
        w.pole()(5, 5) = 3;
        w.pole()(1, 1) = kEmpty;
        w.press("Command10"); // colour 0: the cube at (5, 5) is painted white
        QCOMPARE(w.shownBeside(5, 5), QColor(Qt::white));
        w.releaseOn(1, 1);
        QCOMPARE(w.move().hod, 0);
        w.releaseOn(5, 5);
        QCOMPARE(w.move().hod, 1);
        QCOMPARE(w.move().vrcvet, 3);
        QCOMPARE(w.panel(), look::paletteColour(3));
    }

    void newMoveDropsTheMarkAndTheViews()
    {
        PlayedWindow w;
        w.newGame();
        w.releaseOn(5, 5);
        w.press("Command4");
        QVERIFY(!w.picture()->isEnabled());
        w.press("Command13"); // "Новый ход"
        QVERIFY(w.picture()->isEnabled());
        QCOMPARE(w.move().hod, 0);
        QVERIFY(w.pictureShowsTheBoard());
        QCOMPARE(w.shownCentre(5, 5), w.colour(5, 5));
        w.releaseOn(6, 6);
        QCOMPARE(w.move().gotm1, 6);
        QCOMPARE(w.game().board.polevr, Grid(19, 12, 0));
    }
};

GAME_TEST_MAIN(ToolsTest)
#include "test_tools.moc"
