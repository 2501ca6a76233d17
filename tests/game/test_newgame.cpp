// New game: the levels read from the settings, the board's size, and the deal.
#include "game/levels.h"
#include "game/rounding.h"
#include "support/boardtext.h"
#include "support/gamefixture.h"

#include <QSize>
#include <QTest>

#include <optional>
#include <random>

class NewGameTest : public QObject {
    Q_OBJECT

private slots:
    void missingSettingsDealTwelveByNineteenInEightColours()
    {
        GameFixture f;
        f.game.newGame(f.settings);
        const BoardState& b = f.game.board;
        QCOMPARE(b.gorkor, 12);
        QCOMPARE(b.vertkor, 19);
        QCOMPARE(b.razmer, 381);
        QCOMPARE(b.cvet, 7);
        QCOMPARE(b.kolvo, 228);
        QCOMPARE(b.ostal, 228);
        QCOMPARE(b.slogn, 1);
        QCOMPARE(f.canvas.width, 4575);
        QCOMPARE(f.canvas.height, 7245);
    }

    void everySizeLevelGivesItsBoard_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("gorkor");
        QTest::addColumn<int>("razmer");
        QTest::addColumn<int>("vertkor");
        QTest::addColumn<int>("areaHeight");
        QTest::newRow("0") << "0" << 9 << 508 << 14 << 7110;
        QTest::newRow("1") << "1" << 12 << 381 << 19 << 7245;
        QTest::newRow("2") << "2" << 15 << 305 << 24 << 7320;
        QTest::newRow("3") << "3" << 18 << 254 << 29 << 7365;
    }

    void everySizeLevelGivesItsBoard()
    {
        QFETCH(QString, level);
        QFETCH(int, gorkor);
        QFETCH(int, razmer);
        QFETCH(int, vertkor);
        QFETCH(int, areaHeight);
        GameFixture f;
        f.play(level.toLatin1().constData(), "1");
        QCOMPARE(f.game.board.gorkor, gorkor);
        QCOMPARE(f.game.board.razmer, razmer);
        QCOMPARE(f.game.board.vertkor, vertkor);
        QCOMPARE(f.game.board.kolvo, gorkor * vertkor);
        QCOMPARE(f.game.board.pole.rows(), vertkor);
        QCOMPARE(f.game.board.pole.columns(), gorkor);
        QCOMPARE(f.canvas.width, 4575);
        QCOMPARE(f.canvas.height, areaHeight);
    }

    // The board a size level deals: right after a level-0 game the two largest levels have a row less,
    // after any other game, or before the first, the table's board.
    static QSize expectedBoard(int level, std::optional<int> previous)
    {
        const int columns[] = {9, 12, 15, 18};
        const int rows[] = {14, 19, 24, 29};
        const int rowsAfterLevelZero[] = {14, 19, 23, 28};
        return QSize(columns[level], previous == 0 ? rowsAfterLevelZero[level] : rows[level]);
    }

    static void checkBoard(const GameFixture& f, int level, std::optional<int> previous)
    {
        const BoardState& b = f.game.board;
        QCOMPARE(QSize(b.gorkor, b.vertkor), expectedBoard(level, previous));
        QCOMPARE(b.razmer, int(roundHalfEven(4575.0 / b.gorkor)));
        // The area is cut to the dealt cells, in whole pixels.
        QCOMPARE(f.canvas.height, int(roundHalfEven(b.razmer * b.vertkor / double(kTwipsPerPixel))) * kTwipsPerPixel);
    }

    void boardSizesSettleAfterEveryPairOfLevels()
    {
        for (int before = 0; before <= 3; ++before)
            for (int level = 0; level <= 3; ++level) {
                GameFixture f;
                f.play(std::to_string(before).c_str(), "1");
                f.play(std::to_string(level).c_str(), "1");
                checkBoard(f, level, before);
                if (QTest::currentTestFailed())
                    return;
            }
    }

    void longRunsOfGamesKeepTheirBoards()
    {
        std::mt19937 pick(20261209);
        GameFixture f;
        std::optional<int> previous;
        for (int game = 0; game < 400; ++game) {
            const int level = int(pick() % 4);
            f.play(std::to_string(level).c_str(), "1");
            checkBoard(f, level, previous);
            if (QTest::currentTestFailed())
                return;
            previous = level;
        }
    }

    void difficultySetsTheColoursDealt_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("cvet");
        QTest::newRow("0") << "0" << 4;
        QTest::newRow("1") << "1" << 7;
        QTest::newRow("2") << "2" << 10;
        QTest::newRow("3") << "3" << 13;
    }

    void difficultySetsTheColoursDealt()
    {
        QFETCH(QString, level);
        QFETCH(int, cvet);
        GameFixture f;
        f.play("3", level.toLatin1().constData());
        QCOMPARE(f.game.board.cvet, cvet);
        QCOMPARE(f.game.board.slogn, level.toInt());
        std::vector<int> seen(16, 0);
        for (int c = 1; c <= f.game.board.gorkor; ++c)
            for (int r = 1; r <= f.game.board.vertkor; ++r) {
                const ColourIndex k = f.game.board.pole(r, c);
                QVERIFY2(k >= 0 && k <= cvet, qPrintable(QString("cell %1,%2 holds %3").arg(r).arg(c).arg(k)));
                ++seen[k];
            }
        // 522 cells in at most 14 colours: every colour turns up.
        for (int k = 0; k <= cvet; ++k)
            QVERIFY2(seen[k] > 0, qPrintable(QString("colour %1 never dealt").arg(k)));
    }

    void theGamesOwnSourceDealsWithinTheColoursToo()
    {
        RecordingCanvas canvas;
        ClockSeededRandom random;
        Game game(canvas, random);
        MapSettings settings;
        settings.values = {{"Action2", "3"}, {"Action1", "3"}};
        Grid previous;
        for (int round = 0; round < 20; ++round) {
            game.newGame(settings);
            for (int c = 1; c <= 18; ++c)
                for (int r = 1; r <= 29; ++r)
                    QVERIFY(game.board.pole(r, c) >= 0 && game.board.pole(r, c) <= 13);
            QVERIFY(game.board.pole != previous);
            previous = game.board.pole;
        }
    }

    // A level that is not 0..3 must neither crash the game nor deal an impossible board.
    void badSettingsStillDealASoundBoard_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("gorkor");
        QTest::addColumn<int>("cvet");
        QTest::newRow("not a number") << "abc" << 12 << 7;
        QTest::newRow("empty") << "" << 12 << 7;
        QTest::newRow("half rounds to even") << "2.5" << 15 << 10;
        QTest::newRow("three and a half") << "3.5" << 18 << 13;
        QTest::newRow("negative") << "-1" << 9 << 4;
        QTest::newRow("too large") << "7" << 18 << 13;
        QTest::newRow("beyond 16 bits") << "99999" << 18 << 13;
        QTest::newRow("blanks around") << " 2 " << 15 << 10;
        QTest::newRow("exponent") << "2e0" << 15 << 10;
        QTest::newRow("infinite") << "inf" << 12 << 7;
        QTest::newRow("trailing text") << "2x" << 12 << 7;
    }

    void badSettingsStillDealASoundBoard()
    {
        QFETCH(QString, stored);
        QFETCH(int, gorkor);
        QFETCH(int, cvet);
        GameFixture f;
        f.play(stored.toUtf8().constData(), stored.toUtf8().constData());
        QCOMPARE(f.game.board.gorkor, gorkor);
        QCOMPARE(f.game.board.cvet, cvet);
        QVERIFY(f.game.board.razmer > 0);
        QVERIFY(f.game.board.vertkor > 0);
    }

    void dialogLevelsKeepOtherNumbersAndDropBadText()
    {
        using Level = std::optional<std::int16_t>;
        QCOMPARE(dialogLevel(std::nullopt), Level(0));
        QCOMPARE(dialogLevel(std::string("2")), Level(2));
        QCOMPARE(dialogLevel(std::string("7")), Level(7));
        QCOMPARE(dialogLevel(std::string("-1")), Level(-1));
        QCOMPARE(dialogLevel(std::string("1.5")), Level(2));
        QCOMPARE(dialogLevel(std::string("abc")), Level());
        QCOMPARE(dialogLevel(std::string("")), Level());
        QCOMPARE(dialogLevel(std::string("99999")), Level());
        QCOMPARE(dialogLevel(std::string("+3")), Level(3));
    }

    void boardStartsFullWithAnAllBlackUndoCopy()
    {
        GameFixture f;
        f.play("2", "3");
        const BoardState& b = f.game.board;
        QCOMPARE(b.polevr, Grid(b.vertkor, b.gorkor, 0));
        QVERIFY(!b.polevrSaved);
        for (int c = 1; c <= b.gorkor; ++c)
            for (int r = 1; r <= b.vertkor; ++r) {
                QVERIFY(b.pole(r, c) != kEmpty);
                QVERIFY(b.pole(r, c) != 14);
            }
    }

    void everyGameReseedsAndRepaintsOnce()
    {
        GameFixture f;
        f.play("1", "1");
        f.play("1", "1");
        QCOMPARE(f.random.reseeds, 2);
        // Step 4 clears, RedrawBoard clears again: two clears a game, and one box per cell.
        QCOMPARE(f.canvas.clears, 4);
        QCOMPARE(f.canvas.paints, 2 * 228);
        QCOMPARE(f.canvas.total, std::string("Всего кубиков  228"));
        QCOMPARE(f.canvas.remaining, std::string("Осталось кубиков  228"));
        QCOMPARE(f.canvas.removed, std::string("Удалено кубиков  0"));
    }

    void newGameEndsAMarkAPauseAndTheEyeButKeepsTheMarkFields()
    {
        GameFixture f;
        f.play("1", "1");
        f.game.move = MoveState{2, 3, 4, 5, 6, 7, 8, 9};
        f.canvas.enabled = false;
        f.canvas.panel = 5;
        f.play("1", "1");
        QCOMPARE(f.game.move.hod, 0);
        QVERIFY(f.canvas.enabled);
        QCOMPARE(f.canvas.panel, ColourIndex{5});
        QCOMPARE(f.game.move.gotm, 3);
        QCOMPARE(f.game.move.votm, 4);
        QCOMPARE(f.game.move.gotm1, 5);
        QCOMPARE(f.game.move.votm1, 6);
        QCOMPARE(f.game.move.vrcvet, 7);
        QCOMPARE(f.game.move.vrem, 8);
        QCOMPARE(f.game.move.obzor, 9);
    }
};

QTEST_APPLESS_MAIN(NewGameTest)
#include "test_newgame.moc"
