// The built game on a Wayland desktop, weston. Natively Qt draws the title bars, with a maximise and a
// minimise box even on the windows of fixed size: no click on them may end the game. Where the desktop
// offers Xwayland too, the game runs through it by default, with its titles exact, unless the player
// names a platform. Played from outside, read back from screenshots and from Xwayland's X display.
#include "e2e/boardshot.h"
#include "e2e/westonsession.h"
#include "look/look.h"

#include <QTest>

#include <optional>

namespace {


// The main window's client area: its bottom rows are its ground from one edge to the other, with its
// frame below at both ends, not a smaller window fading out over it.
std::optional<QRect> findMainWindow(const QImage& screen)
{
    const QRgb ground = look::kWindowGround.rgb();
    for (int y = screen.height() - 1; y >= 523; --y) {
        int run = 0;
        for (int x = 0; x <= screen.width(); ++x) {
            if (x < screen.width() && screen.pixel(x, y) == ground) {
                ++run;
                continue;
            }
            if (run == 516
                && (y + 1 == screen.height()
                    || (screen.pixel(x - 516, y + 1) != ground && screen.pixel(x - 1, y + 1) != ground)))
                return QRect(x - 516, y - 523, 516, 524);
            run = 0;
        }
    }
    return std::nullopt;
}

// The About box's client area: its white line runs 370 pixels from 8 pixels off its left edge, 80 below
// its top, with the ground above it.
std::optional<QRect> findAboutBox(const QImage& screen)
{
    const QRgb ground = look::kWindowGround.rgb();
    for (int y = 80; y < screen.height(); ++y) {
        int run = 0;
        for (int x = 0; x <= screen.width(); ++x) {
            if (x < screen.width() && screen.pixel(x, y) == qRgb(255, 255, 255)) {
                ++run;
                continue;
            }
            if (run == 370 && screen.pixel(x - 185, y - 1) == ground)
                return QRect(x - 370 - 8, y - 80, 382, 171);
            run = 0;
        }
    }
    return std::nullopt;
}

// The boxes of the title bar that Qt draws, from the client area's top-right corner.
enum class Box { Maximise, Minimise };

QPoint boxOf(const QRect& client, Box box)
{
    return QPoint(client.right() - (box == Box::Maximise ? 36 : 58), client.top() - 15);
}

} // namespace

class WaylandTest : public QObject {
    Q_OBJECT

private:
    QString igra_ = QCoreApplication::applicationDirPath() + QStringLiteral("/igra");
    std::unique_ptr<WestonSession> weston_;

    // Waits for a window to stand on the screen, somewhere other than a place it is known to have left,
    // while the game runs.
    std::optional<QRect> awaitWindow(std::optional<QRect> (*find)(const QImage&), std::optional<QRect> left = {})
    {
        std::optional<QRect> found;
        QImage screen;
        X11Session::waitUntil([&] {
            screen = weston_->screenshot();
            found = find(screen);
            return (found && found != left) || !weston_->gameRuns();
        }, 15000);
        if (found && found != left)
            return found;
        screen.save(QStringLiteral("no-window.png"));
        return std::nullopt;
    }

    // Clicks the maximise box, then the minimise box. Each click reaches weston as the box's request; a
    // window of fixed size answers either by coming back afresh, where weston puts it, and the game runs on.
    void pressBothBoxes(std::optional<QRect> (*find)(const QImage&), QRect& window)
    {
        for (const auto& [box, request] :
             {std::pair(Box::Maximise, "set_maximized"), std::pair(Box::Minimise, "set_minimized")}) {
            const int before = weston_->requests(request);
            weston_->click(boxOf(window, box));
            QVERIFY2(X11Session::waitUntil([&] { return weston_->requests(request) > before; }, 10000),
                     qPrintable(QStringLiteral("the click missed the box: no %1 sent").arg(request)));
            const std::optional<QRect> back = awaitWindow(find, window);
            QVERIFY2(weston_->gameRuns(),
                     qPrintable(QStringLiteral("the game ended after %1: %2").arg(request, weston_->lastWords())));
            QVERIFY2(back, qPrintable(QStringLiteral("the window did not come back after %1").arg(request)));
            window = *back;
        }
    }

    // The game has asked weston's socket, not Xwayland, for a window.
    bool runsNatively() { return weston_->requests(QStringLiteral("get_toplevel")) > 0; }

    Board boardOn(const QRect& main) { return readBoard(weston_->screenshot().copy(main), 19, 12, 381); }

    // "Новая игра" deals the full board of the default size: the main window takes input.
    void checkPlayable(const QRect& main)
    {
        weston_->click(main.topLeft() + inButton(4920, 2880));
        QVERIFY2(X11Session::waitUntil([&] { return dealt(boardOn(main), 7); }, 10000), qPrintable(describe(boardOn(main))));
    }

private slots:
    void init()
    {
        weston_ = std::make_unique<WestonSession>();
        QVERIFY(weston_->start());
    }

    void cleanup() { weston_.reset(); }

    void noBoxOfTheTitleBarsEndsANativeGame()
    {
        QVERIFY(weston_->startGame(igra_, WestonSession::Platform::Native));
        std::optional<QRect> main = awaitWindow(findMainWindow);
        QVERIFY(main);
        QVERIFY2(runsNatively(), "the game made no window through weston's socket");
        pressBothBoxes(findMainWindow, *main);
        if (QTest::currentTestFailed())
            return;
        checkPlayable(*main);

        weston_->click(main->topLeft() + inButton(4920, 3840)); // "О программе"
        std::optional<QRect> about = awaitWindow(findAboutBox);
        QVERIFY(about);
        // It belongs to the main window, whose window was made just before its own.
        const QStringList made = weston_->sent(QStringLiteral("get_toplevel"));
        QCOMPARE(weston_->sent(QStringLiteral("set_parent")), QStringList{made.value(made.size() - 2).section(QLatin1Char(' '), -1)});
        pressBothBoxes(findAboutBox, *about);
        if (QTest::currentTestFailed())
            return;
        weston_->click(about->topLeft() + inButton(4320, 1320)); // "OK"
        QVERIFY(X11Session::waitUntil([&] { return !findAboutBox(weston_->screenshot()); }, 10000));

        // The main window takes input again: "Вправо" turns the board.
        main = awaitWindow(findMainWindow);
        QVERIFY(main);
        Board dealtBoard;
        QVERIFY(X11Session::waitUntil([&] { return dealt(dealtBoard = boardOn(*main), 7); })); // the box faded out
        weston_->click(main->topLeft() + inButton(6240, 5640));
        QVERIFY(X11Session::waitUntil([&] { return boardOn(*main) != dealtBoard && dealt(boardOn(*main), 7); }, 10000));
        QVERIFY2(weston_->gameRuns(), qPrintable(weston_->lastWords()));
    }

    void byDefaultTheGameRunsThroughXwaylandWithExactTitles()
    {
        const QString unreachable = weston_->unreachable();
        QVERIFY2(unreachable.isEmpty(), qPrintable(unreachable));
        QVERIFY(weston_->startGame(igra_, WestonSession::Platform::Default));
        X11Session& x = weston_->xwayland();
        const QString main = x.settledWindow(QStringLiteral("^Игра$"), 30000);
        QVERIFY2(!main.isEmpty(),
                 runsNatively() ? "the game runs natively on Wayland" : "no main window on Xwayland's display");
        QCOMPARE(x.title(main), QString("Игра"));
        const QPoint client = x.clientArea(main).topLeft();

        weston_->click(client + inButton(6480, 3360)); // "Размер"
        const QString size = x.settledWindow(QStringLiteral("^Выбор размера$"));
        QVERIFY(!size.isEmpty());
        QCOMPARE(x.title(size), QString("Выбор размера"));
        weston_->click(x.clientArea(size).topLeft() + inButton(1800, 720)); // "Отменить"
        QVERIFY(x.windowGone(QStringLiteral("^Выбор размера$")));

        weston_->click(client + inButton(6360, 3840)); // "Справка"
        const QString help = x.settledWindow(QStringLiteral("^Помощь$"));
        QVERIFY(!help.isEmpty());
        QCOMPARE(x.title(help), QString("Помощь"));
    }

    void aPlatformThePlayerNamesWins()
    {
        const QString unreachable = weston_->unreachable();
        QVERIFY2(unreachable.isEmpty(), qPrintable(unreachable));
        QVERIFY(weston_->startGame(igra_, WestonSession::Platform::Default, "wayland"));
        QVERIFY(awaitWindow(findMainWindow));
        QVERIFY2(runsNatively(), "the game made no window through weston's socket");
        QVERIFY(weston_->xwayland().waitForWindow(QStringLiteral("^Игра$"), 0).isEmpty());
    }
};

QTEST_GUILESS_MAIN(WaylandTest)
#include "test_wayland.moc"
