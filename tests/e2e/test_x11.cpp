// The built game under a real X server, played from outside with the pointer and read back from
// screenshots: no hook in the game itself. The screenshots stay in the test's working directory.
// IGRA_PROGRAM names another build of the game to play, such as one installed from the package.
#include "palette.h"
#include "x11session.h"

#include <QFile>
#include <QTest>
#include <QThread>

namespace {

// Cell (row, column) of a board of cells `razmer` twips wide, as the board area inside the window shows it.
QPoint cellCentre(int row, int column, int razmer)
{
    const QPoint board(8, 8);
    return board + QPoint(((column - 1) * razmer + razmer / 2) / 15, ((row - 1) * razmer + razmer / 2) / 15);
}

// The colour index shown at a cell, read a little off its centre where a cross would not run; -1 if none.
int shownIndex(const QImage& window, int row, int column, int razmer)
{
    const QPoint at = cellCentre(row, column, razmer) - QPoint(0, razmer * 3 / 10 / 15);
    const QRgb rgb = window.pixel(at);
    for (int k = 0; k < 16; ++k)
        if (qRgb(kPalette[k].red, kPalette[k].green, kPalette[k].blue) == rgb)
            return k;
    return -1;
}

// White pixels inside a cell: a mark cross draws both its diagonals.
int whitePixels(const QImage& window, int row, int column, int razmer)
{
    const QPoint board(8, 8);
    int white = 0;
    for (int y = ((row - 1) * razmer) / 15 + 1; y < (row * razmer) / 15 - 1; ++y)
        for (int x = ((column - 1) * razmer) / 15 + 1; x < (column * razmer) / 15 - 1; ++x)
            white += window.pixel(board + QPoint(x, y)) == qRgb(255, 255, 255);
    return white;
}

using Board = QVector<QVector<int>>; // [row - 1][column - 1]

Board readBoard(const QImage& window, int rows, int columns, int razmer)
{
    Board board(rows, QVector<int>(columns));
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            board[r - 1][c - 1] = shownIndex(window, r, c, razmer);
    return board;
}

QString describe(const Board& board)
{
    QString text;
    for (const QVector<int>& row : board) {
        for (int k : row)
            text += k < 0 ? QLatin1Char('?') : k == 15 ? QLatin1Char('.') : QLatin1Char("0123456789abcdef"[k]);
        text += QLatin1Char('\n');
    }
    return text;
}

struct Triple {
    QPoint first;  // (column, row)
    QPoint second;
};

// A pair of one colour two cells apart in a row, below the top row so that cubes fall.
std::optional<Triple> findPair(const Board& board)
{
    for (int r = board.size(); r >= 2; --r)
        for (int c = 1; c + 2 <= board[0].size(); ++c)
            if (board[r - 1][c - 1] == board[r - 1][c + 1])
                return Triple{QPoint(c, r), QPoint(c + 2, r)};
    return std::nullopt;
}

} // namespace

class X11Test : public QObject {
    Q_OBJECT

private:
    QString igra_ = qEnvironmentVariableIsSet("IGRA_PROGRAM") ? qEnvironmentVariable("IGRA_PROGRAM")
                                                              : QCoreApplication::applicationDirPath() + QStringLiteral("/igra");
    std::unique_ptr<X11Session> x_;
    QString main_;

    QImage windowShot(const QString& window)
    {
        return x_->screenshot().copy(x_->geometry(window));
    }

    // Buttons of the main window by their places in twips.
    void press(int left, int top) { x_->click(main_, QPoint(left / 15 + 20, top / 15 + 10)); }
    void pressNewGame() { press(4920, 2880); }

private slots:
    void init()
    {
        x_ = std::make_unique<X11Session>();
        QVERIFY(x_->startDisplay());
        QVERIFY(x_->startGame(igra_));
        main_ = x_->waitForWindow(QStringLiteral("^Игра$"));
    }

    void cleanup() { x_.reset(); }

    void theMainWindowOpensCentredAndDarkGreen()
    {
        const QRect window = x_->geometry(main_);
        QCOMPARE(window.size(), QSize(516, 524));
        QCOMPARE(window.center(), QPoint(1024 / 2, 768 / 2) - QPoint(1, 1));
        const QImage shot = windowShot(main_);
        QCOMPARE(QColor(shot.pixel(510, 520)), QColor(0, 64, 0));    // the window's ground
        QCOMPARE(QColor(shot.pixel(470, 100)), QColor(0, 64, 0));    // inside the counters' frame
        QCOMPARE(QColor(shot.pixel(480, 25)), QColor(Qt::white));    // the colour panel
        QCOMPARE(QColor(shot.pixel(160, 250)), QColor(Qt::white));   // the board before a game
        const QColor button = shot.pixel(360, 200);                  // "Новая игра"
        QVERIFY2(button.green() > 100 && button.red() < 60 && button.blue() < 60, qPrintable(button.name()));
    }

    void aPlayerRemovesATripleAndTakesItBack()
    {
        pressNewGame();
        QThread::msleep(300);
        QImage shot = windowShot(main_);
        const Board dealt = readBoard(shot, 19, 12, 381);
        for (const QVector<int>& row : dealt)
            for (int k : row)
                QVERIFY2(k >= 0 && k <= 7, qPrintable(describe(dealt)));
        const std::optional<Triple> pair = findPair(dealt);
        QVERIFY2(pair, qPrintable(describe(dealt)));
        const int colour = dealt[pair->first.y() - 1][pair->first.x() - 1];

        x_->click(main_, cellCentre(pair->first.y(), pair->first.x(), 381));
        QThread::msleep(200);
        shot = windowShot(main_);
        shot.save(QStringLiteral("main.png"));
        QVERIFY(whitePixels(shot, pair->first.y(), pair->first.x(), 381) >= 2 * 20);
        QCOMPARE(whitePixels(shot, pair->second.y(), pair->second.x(), 381), 0);
        QCOMPARE(QColor(shot.pixel(480, 25)), QColor(kPalette[colour].red, kPalette[colour].green, kPalette[colour].blue));

        x_->click(main_, cellCentre(pair->second.y(), pair->second.x(), 381));
        shot = windowShot(main_);
        shot.save(QStringLiteral("pause.png"));
        Board cleared = dealt;
        const int r = pair->first.y();
        for (int c = pair->first.x(); c <= pair->second.x(); ++c)
            cleared[r - 1][c - 1] = 15;
        QCOMPARE(describe(readBoard(shot, 19, 12, 381)), describe(cleared));

        QThread::msleep(1500);
        shot = windowShot(main_);
        shot.save(QStringLiteral("fallen.png"));
        Board fallen = dealt;
        for (int c = pair->first.x(); c <= pair->second.x(); ++c) {
            for (int row = r; row >= 2; --row)
                fallen[row - 1][c - 1] = dealt[row - 2][c - 1];
            fallen[0][c - 1] = 15;
        }
        QCOMPARE(describe(readBoard(shot, 19, 12, 381)), describe(fallen));

        press(4920, 6240); // "Назад"
        QThread::msleep(300);
        QCOMPARE(describe(readBoard(windowShot(main_), 19, 12, 381)), describe(dealt));

        press(6240, 5640); // "Вправо"
        QThread::msleep(300);
        Board turned = dealt;
        for (int row = 0; row < 19; ++row)
            for (int c = 0; c < 12; ++c)
                turned[row][(c + 1) % 12] = dealt[row][c];
        QCOMPARE(describe(readBoard(windowShot(main_), 19, 12, 381)), describe(turned));
    }

    void theSizeDialogChangesTheNextBoard()
    {
        press(6480, 3360); // "Размер"
        const QString dialog = x_->waitForWindow(QStringLiteral("^Выбор размера$"));
        QVERIFY(!dialog.isEmpty());
        QCOMPARE(x_->geometry(dialog).size(), QSize(234, 90));
        x_->click(dialog, QPoint(14, 70));  // "Большой"
        x_->click(dialog, QPoint(170, 24)); // "Принять"
        QVERIFY(x_->windowGone(QStringLiteral("^Выбор размера$")));
        QFile settings(x_->settingsDir() + QStringLiteral("/igra.conf"));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("Action2=3"));

        pressNewGame();
        QThread::msleep(300);
        const QImage shot = windowShot(main_);
        const Board dealt = readBoard(shot, 29, 18, 254);
        for (const QVector<int>& row : dealt)
            for (int k : row)
                QVERIFY2(k >= 0 && k <= 7, qPrintable(describe(dealt)));
        // The board area now ends below the 29th row, 491 pixels tall.
        QCOMPARE(QColor(shot.pixel(100, 8 + 491 + 2)), QColor(0, 64, 0));
        QVERIFY(QColor(shot.pixel(100, 8 + 489)) != QColor(0, 64, 0));
    }

    void theWebEngineArrivesWithTheBrowserWindow()
    {
        QFile maps(QStringLiteral("/proc/%1/maps").arg(x_->game().processId()));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("libQt6WebEngineCore"));
        maps.close();
        press(4920, 4440); // "В интернете"
        const QString browser = x_->waitForWindow(QStringLiteral("^Игра ПЛОКС$"), 30000);
        QVERIFY(!browser.isEmpty());
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(maps.readAll().contains("libQt6WebEngineCore"));
        QThread::msleep(2000);
        windowShot(browser).save(QStringLiteral("browser.png"));
    }

    void theGameEndsWithItsLastWindow()
    {
        press(6360, 3840); // "Справка"
        const QString help = x_->waitForWindow(QStringLiteral("^Помощь$"));
        QVERIFY(!help.isEmpty());
        press(6480, 2880); // "Выход", clear of the help window
        QVERIFY(x_->windowGone(QStringLiteral("^Игра$")));
        QVERIFY(!x_->game().waitForFinished(500));
        x_->click(help, QPoint(4080 / 15 + 20, x_->geometry(help).height() - 1000 / 15 + 10)); // its "Выход"
        QVERIFY(x_->game().waitForFinished(10000));
        QCOMPARE(x_->game().exitStatus(), QProcess::NormalExit);
        QCOMPARE(x_->game().exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(X11Test)
#include "test_x11.moc"
