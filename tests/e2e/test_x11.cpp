// The built game under a real X server, with the window manager that IGRA_WINDOW_MANAGER names (or
// none), played from outside with the pointer and the keyboard and read back from screenshots and from
// what the window manager records: no hook in the game itself. The screenshots stay in the test's working
// directory. IGRA_PROGRAM names another build of the game to play, such as one installed from the package.
#include "e2e/boardshot.h"
#include "e2e/x11session.h"
#include "look/look.h"
#include "look/twips.h"
#include "support/processes.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <optional>

namespace {

// A place on the board that neither a centred level dialog nor the About box covers.
const QPoint kBoardClearOfDialogs(60, 450);

struct Triple {
    QPoint first; // (column, row)
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

// Where the help window's text box ends and its button row begins, scanned from the text's top-left
// corner over the dark green ground, in client pixels.
struct HelpLayout {
    QSize text;
    int buttonsTop;
    bool operator==(const HelpLayout& other) const { return text == other.text && buttonsTop == other.buttonsTop; }
};

HelpLayout measureHelp(const QImage& help)
{
    const auto ground = [&help](int x, int y) { return !help.rect().contains(x, y) || QColor(help.pixel(x, y)) == look::kWindowGround; };
    int right = 20;
    while (!ground(right, 20))
        ++right;
    int bottom = 20;
    while (!ground(20, bottom))
        ++bottom;
    int buttons = bottom;
    while (ground(20, buttons) && buttons < help.height())
        ++buttons;
    return HelpLayout{QSize(right - 8, bottom - 8), buttons};
}

// A push button's face, at its rectangle in twips in its window: flat in one colour just inside its
// edge, above its caption.
QColor faceOf(const QImage& window, const QRect& twips)
{
    return window.pixel(twips.center().x() / kTwipsPerPixel, twips.top() / kTwipsPerPixel + 3);
}

// The pixels of a window that differ from an earlier picture of it, outside a part that another window covers.
int changedOutside(const QImage& before, const QImage& after, const QRect& covered)
{
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            changed += !covered.contains(x, y) && (!after.valid(x, y) || before.pixel(x, y) != after.pixel(x, y));
    return changed;
}

} // namespace

class X11Test : public QObject {
    Q_OBJECT

private:
    QString igra_ = qEnvironmentVariableIsSet("IGRA_PROGRAM") ? qEnvironmentVariable("IGRA_PROGRAM")
                                                              : QCoreApplication::applicationDirPath() + QStringLiteral("/igra");
    std::unique_ptr<X11Session> x_;
    QString main_;

    // Buttons by their places in twips.
    void press(const QString& window, int left, int top) { x_->click(window, inButton(left, top)); }
    void press(int left, int top) { press(main_, left, top); }
    void pressNewGame() { press(4920, 2880); }

    // Does something and waits until the game shows it took it in the window: its latest input's time moves on.
    bool takenIn(const QString& window, const std::function<void()>& action)
    {
        const QString before = x_->userTime(window);
        action();
        return x_->waitUntil([&] { return x_->userTime(window) != before; });
    }

    QString hex(const QString& window) { return QStringLiteral("0x") + QString::number(window.toULongLong(), 16); }

    bool inFrontOfTheMainWindow(const QString& window)
    {
        const QStringList stacking = x_->stacking();
        return stacking.indexOf(hex(window)) > stacking.indexOf(hex(main_)) && x_->activeWindow() == window;
    }

    // The window as the player sees it, frame and title bar included, in the middle of the screen.
    void checkCentred(const QString& window)
    {
        const auto offCentre = [&] {
            const QRectF frame = x_->frame(window);
            return frame.center() - QPointF(x_->screenSize().width(), x_->screenSize().height()) / 2;
        };
        const bool centred = x_->waitUntil([&] { return offCentre().manhattanLength() <= 1.5; }, 3000);
        QVERIFY2(centred, qPrintable(QString("%1 is off the centre by %2, %3 with the frame %4, %5, %6, %7")
                                         .arg(x_->title(window))
                                         .arg(offCentre().x())
                                         .arg(offCentre().y())
                                         .arg(x_->frameExtents(window).left())
                                         .arg(x_->frameExtents(window).top())
                                         .arg(x_->frameExtents(window).right())
                                         .arg(x_->frameExtents(window).bottom())));
    }

    // The help window's controls follow its outer size, frame and title bar included.
    void checkHelpArrangement(const QString& help, const char* when)
    {
        const QSize outer = x_->frame(help).size();
        const HelpLayout expected{QSize(pixelsFromTwips(outer.width() * kTwipsPerPixel - 400), pixelsFromTwips(outer.height() * kTwipsPerPixel - 1300)),
                                  pixelsFromTwips(outer.height() * kTwipsPerPixel - 1000)};
        const QImage shot = x_->shotOf(help, [&](const QImage& shown) { return measureHelp(shown) == expected; }, 5000);
        const HelpLayout measured = measureHelp(shot);
        QVERIFY2(measured == expected, qPrintable(QString("%1: text %2 x %3 and buttons at %4, for %5 x %6 outside")
                                                      .arg(QLatin1String(when))
                                                      .arg(measured.text.width())
                                                      .arg(measured.text.height())
                                                      .arg(measured.buttonsTop)
                                                      .arg(outer.width())
                                                      .arg(outer.height())));
    }

    // A new game shows a full board of the default size: the main window takes input.
    void checkTheMainWindowPlays()
    {
        pressNewGame();
        const QImage shot = x_->shotOf(main_, [](const QImage& shown) { return dealt(readBoard(shown, 19, 12, 381), 7); });
        QVERIFY2(dealt(readBoard(shot, 19, 12, 381), 7), qPrintable(describe(readBoard(shot, 19, 12, 381))));
    }

private slots:
    void init()
    {
        // A test whose rows are screen sizes runs on a screen of that size.
        const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(QLatin1String(QTest::currentDataTag()));
        x_ = std::make_unique<X11Session>();
        QVERIFY(x_->startDisplay(size.hasMatch() ? QSize(size.captured(1).toInt(), size.captured(2).toInt()) : QSize(1024, 768)));
        QVERIFY(x_->startWindowManager(qEnvironmentVariable("IGRA_WINDOW_MANAGER")));
        QVERIFY(x_->startGame(igra_));
        main_ = x_->settledWindow(QStringLiteral("^Игра$"));
        QVERIFY(!main_.isEmpty());
    }

    void cleanup() { x_.reset(); }

    void theMainWindowOpensCentredTitledAndDarkGreen()
    {
        QCOMPARE(x_->title(main_), QString("Игра"));
        QCOMPARE(x_->clientArea(main_).size(), QSize(516, 524));
        checkCentred(main_);
        // The fourteen buttons, each as its face shows.
        const QRect buttons[] = {{6480, 2880, 975, 375},  {4920, 2880, 1455, 375}, {4920, 4440, 2535, 375},
                                 {4920, 6840, 1215, 495}, {6240, 5640, 1215, 495}, {4920, 5640, 1215, 495},
                                 {6360, 3840, 1095, 495}, {4920, 3840, 1335, 495}, {4920, 6240, 1215, 495},
                                 {6240, 6840, 1215, 495}, {6480, 3360, 975, 375},  {4920, 3360, 1455, 375},
                                 {4920, 5160, 2535, 375}, {6240, 6240, 1215, 495}};
        const auto painted = [&buttons](const QImage& shown) {
            return QColor(shown.pixel(510, 520)) == look::kWindowGround  // the window's ground
                && QColor(shown.pixel(470, 100)) == look::kWindowGround  // inside the counters' frame
                && QColor(shown.pixel(480, 25)) == Qt::white // the colour panel
                && QColor(shown.pixel(160, 250)) == Qt::white // the board before a game
                && std::all_of(std::begin(buttons), std::end(buttons),
                               [&shown](const QRect& button) { return faceOf(shown, button) == look::kButtonFace; });
        };
        const QImage shot = x_->shotOf(main_, painted);
        shot.save(QStringLiteral("start.png"));
        QVERIFY(painted(shot));
    }

    void everyWindowIsTitledAndPlacedAsThePlayerSeesIt()
    {
        // "Размер" and "Сложность" open their dialogs; "Отменить" and "Отмена" close them.
        const struct { int openerLeft; QString title; QSize client; int cancelLeft; } dialogs[] = {
            {6480, QStringLiteral("Выбор размера"), QSize(234, 90), 1800},
            {4920, QStringLiteral("Выбор сложности"), QSize(212, 85), 1560},
        };
        // The main window looks the same while it waits for a dialog, wherever the dialog leaves it on view.
        const QImage unused = x_->shotOf(main_);
        const auto checkWaitingLooksUnused = [&](const QString& dialog) {
            const QRect covered = x_->frame(dialog).translated(-x_->clientArea(main_).topLeft()).adjusted(-30, -30, 30, 30);
            const QImage waiting = x_->shotOf(main_, [&](const QImage& shown) { return changedOutside(unused, shown, covered) == 0; }, 3000);
            QVERIFY2(changedOutside(unused, waiting, covered) == 0, qPrintable(x_->title(dialog)));
        };
        for (const auto& dialog : dialogs) {
            const QString exactly = QLatin1Char('^') + dialog.title + QLatin1Char('$');
            press(dialog.openerLeft, 3360);
            const QString window = x_->settledWindow(exactly);
            QVERIFY2(!window.isEmpty(), qPrintable(dialog.title));
            QCOMPARE(x_->title(window), dialog.title);
            QCOMPARE(x_->clientArea(window).size(), dialog.client);
            checkCentred(window);
            checkWaitingLooksUnused(window);
            const QImage shown = x_->shotOf(window);
            QCOMPARE(faceOf(shown, QRect(dialog.cancelLeft, 720, 1455, 495)), look::kButtonFace);
            press(window, dialog.cancelLeft, 720);
            QVERIFY(x_->windowGone(exactly));
        }

        // The About box is not centred: its client area opens at one place.
        press(4920, 3840); // "О программе"
        const QString about = x_->settledWindow(QStringLiteral("^Игра ПЛОКС$"));
        QVERIFY(!about.isEmpty());
        QCOMPARE(x_->title(about), QString("Игра ПЛОКС"));
        QVERIFY2(x_->waitUntil([&] { return x_->clientArea(about) == QRect(156, 129, 382, 171); }, 3000),
                 qPrintable(QString("the About box's client area is at %1, %2").arg(x_->clientArea(about).x()).arg(x_->clientArea(about).y())));
        checkWaitingLooksUnused(about);
        QCOMPARE(faceOf(x_->shotOf(about), QRect(4320, 1920, 1215, 375)), look::kButtonFace);
        press(about, 4320, 1320); // "OK"
        QVERIFY(x_->windowGone(QStringLiteral("^Игра ПЛОКС$")));

        press(6360, 3840); // "Справка"
        const QString help = x_->settledWindow(QStringLiteral("^Помощь$"));
        QVERIFY(!help.isEmpty());
        QCOMPARE(x_->title(help), QString("Помощь"));

        x_->raise(main_);
        press(4920, 4440); // "В интернете"
        const QString browser = x_->settledWindow(QStringLiteral("^Игра ПЛОКС$"), 30000);
        QVERIFY(!browser.isEmpty());
        QCOMPARE(x_->title(browser), QString("Игра ПЛОКС"));
        checkCentred(browser);
    }

    // On a screen smaller than the main window, its title bar and close box stay on the screen, and every
    // window opened from it lies wholly on the screen.
    void everyWindowStaysWithinReachOnASmallScreen_data()
    {
        QTest::addColumn<int>("unused");
        QTest::newRow("800x480") << 0;
        QTest::newRow("1024x600") << 0;
    }

    void everyWindowStaysWithinReachOnASmallScreen()
    {
        if (!x_->hasWindowManager())
            QSKIP("with no window manager there is no frame to keep on the screen");
        const QRect screen(QPoint(0, 0), x_->screenSize());
        QVERIFY2(screen.contains(x_->frame(main_).topLeft()), qPrintable(QString("the main window's frame starts at %1, %2")
                                                                         .arg(x_->frame(main_).x()).arg(x_->frame(main_).y())));
        const struct { QPoint opener; QString title; QPoint closer; } windows[] = {
            {{6480, 3360}, QStringLiteral("^Выбор размера$"), {1800, 720}},
            {{4920, 3360}, QStringLiteral("^Выбор сложности$"), {1560, 720}},
            {{4920, 3840}, QStringLiteral("^Игра ПЛОКС$"), {4320, 1320}},
            {{6360, 3840}, QStringLiteral("^Помощь$"), {}},
        };
        for (const auto& window : windows) {
            press(window.opener.x(), window.opener.y());
            const QString opened = x_->settledWindow(window.title);
            QVERIFY2(!opened.isEmpty(), qPrintable(window.title));
            QVERIFY2(x_->waitUntil([&] { return screen.contains(x_->frame(opened)); }, 3000),
                     qPrintable(QString("%1 stands at %2, %3, %4 x %5").arg(window.title).arg(x_->frame(opened).x())
                                    .arg(x_->frame(opened).y()).arg(x_->frame(opened).width()).arg(x_->frame(opened).height())));
            if (!window.closer.isNull())
                press(opened, window.closer.x(), window.closer.y());
        }
    }

    void aClickOnTheWaitingWindowLeavesItsDialogInFront_data()
    {
        QTest::addColumn<QPoint>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QPoint>("accept");
        QTest::newRow("size") << QPoint(6480, 3360) << "^Выбор размера$" << "Action2=3" << QPoint(1800, 120);
        QTest::newRow("difficulty") << QPoint(4920, 3360) << "^Выбор сложности$" << "Action1=3" << QPoint(1560, 120);
        QTest::newRow("About") << QPoint(4920, 3840) << "^Игра ПЛОКС$" << "" << QPoint(4320, 1320);
    }

    void aClickOnTheWaitingWindowLeavesItsDialogInFront()
    {
        QFETCH(QPoint, button);
        QFETCH(QString, title);
        QFETCH(QString, setting);
        QFETCH(QPoint, accept);
        if (!x_->hasWindowManager())
            QSKIP("with no window manager nothing raises a window that is clicked");
        press(button.x(), button.y());
        const QString dialog = x_->settledWindow(title);
        QVERIFY(!dialog.isEmpty());
        QCOMPARE(x_->transientFor(dialog), main_);
        QVERIFY(x_->waitUntil([&] { return inFrontOfTheMainWindow(dialog); }));

        // Each time the dialog comes back, shown afresh.
        QVERIFY(takenIn(dialog, [&] { x_->click(main_, kBoardClearOfDialogs); }));
        QVERIFY2(x_->waitUntil([&] { return inFrontOfTheMainWindow(dialog); }, 3000), "after a click on the main window");

        QVERIFY(takenIn(dialog, [&] { x_->activate(main_); })); // as a task bar does
        QVERIFY2(x_->waitUntil([&] { return inFrontOfTheMainWindow(dialog); }, 3000), "after activating the main window");

        // Minimised, alone or with the main window, it comes back with the main window and loses nothing, even
        // where the player brings back the main window at the very moment the game brings back the dialog.
        for (int round = 0; round < 10; ++round)
            QVERIFY2(takenIn(dialog, [&] { x_->minimise(dialog); x_->activate(main_); })
                         && x_->waitUntil([&] { return x_->isMapped(dialog) && inFrontOfTheMainWindow(dialog); }, 3000),
                     "after minimising it");
        if (!setting.isEmpty())
            x_->click(dialog, QPoint(120 / kTwipsPerPixel + 6, 960 / kTwipsPerPixel + 6)); // the third option
        press(dialog, accept.x(), accept.y());                      // "Принять" or "OK"
        QVERIFY(x_->windowGone(title));
        if (!setting.isEmpty()) {
            QFile settings(x_->settingsDir() + QStringLiteral("/igra.conf"));
            QVERIFY(settings.open(QIODevice::ReadOnly));
            QVERIFY(settings.readAll().contains(setting.toLatin1()));
        } else {
            checkTheMainWindowPlays();
        }
    }

    void enterAndEscCloseTheAboutBoxButNotTheLevelDialogs()
    {
        press(6480, 3360); // "Размер"
        const QString size = x_->settledWindow(QStringLiteral("^Выбор размера$"));
        QVERIFY(!size.isEmpty());
        x_->pointAt(size, QPoint(10, 80));
        for (const char* key : {"Return", "Escape"}) {
            QVERIFY(takenIn(size, [&] { x_->key(QLatin1String(key)); }));
            QVERIFY2(x_->isMapped(size), key);
        }
        press(size, 1800, 720); // "Отменить"
        QVERIFY(x_->windowGone(QStringLiteral("^Выбор размера$")));

        for (const char* key : {"Return", "Escape"}) {
            press(4920, 3840); // "О программе"
            const QString about = x_->settledWindow(QStringLiteral("^Игра ПЛОКС$"));
            QVERIFY(!about.isEmpty());
            x_->pointAt(about, QPoint(10, 160));
            x_->key(QLatin1String(key));
            QVERIFY2(x_->windowGone(QStringLiteral("^Игра ПЛОКС$")), key);
        }
        checkTheMainWindowPlays();
    }

    void theWindowManagersCloseRequestWaitsForTheDialog()
    {
        if (!x_->hasWindowManager())
            QSKIP("with no window manager there is nobody to ask for closing");
        press(6480, 3360); // "Размер"
        const QString size = x_->settledWindow(QStringLiteral("^Выбор размера$"));
        QVERIFY(!size.isEmpty());
        // The window manager passes on the close request before the activation that brings the dialog back.
        QVERIFY(takenIn(size, [&] { x_->requestClose(main_); x_->activate(main_); }));
        QVERIFY(x_->isMapped(main_));
        QVERIFY(x_->waitUntil([&] { return inFrontOfTheMainWindow(size); })); // back where the click goes
        press(size, 1800, 720); // "Отменить"
        QVERIFY(x_->windowGone(QStringLiteral("^Выбор размера$")));

        press(6360, 3840); // "Справка"
        const QString help = x_->settledWindow(QStringLiteral("^Помощь$"));
        QVERIFY(!help.isEmpty());
        x_->requestClose(main_);
        QVERIFY(x_->windowGone(QStringLiteral("^Игра$")));
        QVERIFY(!x_->game().waitForFinished(500));
        x_->requestClose(help);
        QVERIFY(x_->game().waitForFinished(10000));
        QCOMPARE(x_->game().exitStatus(), QProcess::NormalExit);
        QCOMPARE(x_->game().exitCode(), 0);
    }

    void theHelpWindowFitsItsOuterSize()
    {
        press(6360, 3840); // "Справка"
        const QString help = x_->settledWindow(QStringLiteral("^Помощь$"));
        QVERIFY(!help.isEmpty());
        checkHelpArrangement(help, "first shown");
        // Dark text on the pale green, and green buttons.
        const QImage shown = x_->shotOf(help);
        QCOMPARE(QColor(shown.pixel(20, 20)), look::kPaleGreen);
        int ink = 0;
        for (int y = 10; y < 100; ++y)
            for (int x = 10; x < 300; ++x)
                ink += QColor(shown.pixel(x, y)).lightness() < 40;
        QVERIFY2(ink > 200, qPrintable(QString("%1 dark pixels of text").arg(ink)));
        QCOMPARE(faceOf(shown, QRect(120, x_->frame(help).height() * kTwipsPerPixel - 1000, 1215, 375)), look::kHelpButtonFace);
        // A frame record that another program writes, larger than the screen, is no frame.
        const QMargins frame = x_->frameExtents(help);
        for (const char* extents : {"2000, 2000, 2000, 2000", "4294967295, 4294967295, 4294967295, 4294967295"}) {
            // A click on the text reaches the game after the record's change.
            QVERIFY(takenIn(help, [&] { x_->setFrameExtents(help, QLatin1String(extents)); x_->click(help, QPoint(100, 100)); }));
            QVERIFY2(measureHelp(x_->shotOf(help)) == measureHelp(shown), extents);
        }
        x_->setFrameExtents(help, QStringLiteral("%1, %2, %3, %4").arg(frame.left()).arg(frame.right()).arg(frame.top()).arg(frame.bottom()));
        x_->resize(help, QSize(700, 450));
        QVERIFY(x_->waitUntil([&] { return x_->clientArea(help).size() == QSize(700, 450); }));
        checkHelpArrangement(help, "resized");
        if (!x_->hasWindowManager())
            return; // nobody to maximise it
        x_->setMaximised(help, true);
        QVERIFY(x_->waitUntil([&] { return x_->clientArea(help).width() > 900; }));
        checkHelpArrangement(help, "maximised");
        x_->setMaximised(help, false);
        QVERIFY(x_->waitUntil([&] { return x_->clientArea(help).size() == QSize(700, 450); }));
        checkHelpArrangement(help, "restored");
    }

    void aPlayerRemovesATripleAndTakesItBack()
    {
        pressNewGame();
        QImage shot = x_->shotOf(main_, [](const QImage& shown) { return dealt(readBoard(shown, 19, 12, 381), 7); });
        const Board start = readBoard(shot, 19, 12, 381);
        QVERIFY2(dealt(start, 7), qPrintable(describe(start)));
        const std::optional<Triple> pair = findPair(start);
        QVERIFY2(pair, qPrintable(describe(start)));
        const int colour = start[pair->first.y() - 1][pair->first.x() - 1];

        x_->click(main_, cellCentre(pair->first.y(), pair->first.x(), 381));
        shot = x_->shotOf(main_, [&](const QImage& shown) { return whitePixels(shown, pair->first.y(), pair->first.x(), 381) >= 2 * 20; });
        shot.save(QStringLiteral("main.png"));
        QVERIFY(whitePixels(shot, pair->first.y(), pair->first.x(), 381) >= 2 * 20);
        QCOMPARE(whitePixels(shot, pair->second.y(), pair->second.x(), 381), 0);
        QCOMPARE(QColor(shot.pixel(480, 25)), QColor(kPalette[colour].red, kPalette[colour].green, kPalette[colour].blue));

        x_->click(main_, cellCentre(pair->second.y(), pair->second.x(), 381));
        Board cleared = start;
        const int r = pair->first.y();
        for (int c = pair->first.x(); c <= pair->second.x(); ++c)
            cleared[r - 1][c - 1] = 15;
        shot = x_->shotOf(main_, [&](const QImage& shown) { return readBoard(shown, 19, 12, 381) == cleared; }, 900);
        shot.save(QStringLiteral("pause.png"));
        QCOMPARE(describe(readBoard(shot, 19, 12, 381)), describe(cleared));

        Board fallen = start;
        for (int c = pair->first.x(); c <= pair->second.x(); ++c) {
            for (int row = r; row >= 2; --row)
                fallen[row - 1][c - 1] = start[row - 2][c - 1];
            fallen[0][c - 1] = 15;
        }
        shot = x_->shotOf(main_, [&](const QImage& shown) { return readBoard(shown, 19, 12, 381) == fallen; });
        shot.save(QStringLiteral("fallen.png"));
        QCOMPARE(describe(readBoard(shot, 19, 12, 381)), describe(fallen));

        press(4920, 6240); // "Назад"
        shot = x_->shotOf(main_, [&](const QImage& shown) { return readBoard(shown, 19, 12, 381) == start; });
        QCOMPARE(describe(readBoard(shot, 19, 12, 381)), describe(start));

        press(6240, 5640); // "Вправо"
        Board turned = start;
        for (int row = 0; row < 19; ++row)
            for (int c = 0; c < 12; ++c)
                turned[row][(c + 1) % 12] = start[row][c];
        shot = x_->shotOf(main_, [&](const QImage& shown) { return readBoard(shown, 19, 12, 381) == turned; });
        QCOMPARE(describe(readBoard(shot, 19, 12, 381)), describe(turned));
    }

    void theSizeDialogChangesTheNextBoard()
    {
        press(6480, 3360); // "Размер"
        const QString dialog = x_->settledWindow(QStringLiteral("^Выбор размера$"));
        QVERIFY(!dialog.isEmpty());
        x_->click(dialog, QPoint(14, 70));  // "Большой"
        x_->click(dialog, QPoint(170, 24)); // "Принять"
        QVERIFY(x_->windowGone(QStringLiteral("^Выбор размера$")));
        QFile settings(x_->settingsDir() + QStringLiteral("/igra.conf"));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("Action2=3"));

        pressNewGame();
        const QImage shot = x_->shotOf(main_, [](const QImage& shown) { return dealt(readBoard(shown, 29, 18, 254), 7); });
        QVERIFY2(dealt(readBoard(shot, 29, 18, 254), 7), qPrintable(describe(readBoard(shot, 29, 18, 254))));
        // The board area now ends below the 29th row, 491 pixels tall.
        QCOMPARE(QColor(shot.pixel(100, 8 + 491 + 2)), look::kWindowGround);
        QVERIFY(QColor(shot.pixel(100, 8 + 489)) != look::kWindowGround);
    }

    void theWebEngineArrivesWithTheBrowserWindow()
    {
        QFile maps(QStringLiteral("/proc/%1/maps").arg(x_->game().processId()));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("libQt6WebEngineCore"));
        maps.close();
        press(4920, 4440); // "В интернете"
        const QString browser = x_->settledWindow(QStringLiteral("^Игра ПЛОКС$"), 30000);
        QVERIFY(!browser.isEmpty());
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(maps.readAll().contains("libQt6WebEngineCore"));
        // The engine's helpers get the environment as the player had it: the game chose X11 for itself alone.
        QList<qint64> helpers;
        QVERIFY(x_->waitUntil([&] { return !(helpers = childProcesses(x_->game().processId())).isEmpty(); }));
        for (const qint64 helper : helpers)
            QVERIFY2(!processRecord(helper, "environ").contains("QT_QPA_PLATFORM="), processRecord(helper, "cmdline").constData());
        x_->shotOf(browser, [](const QImage& shown) { return QColor(shown.pixel(4, 100)) == look::kWindowGround; })
            .save(QStringLiteral("browser.png"));
    }

    void theGameEndsWithItsLastWindow()
    {
        press(6360, 3840); // "Справка"
        const QString help = x_->settledWindow(QStringLiteral("^Помощь$"));
        QVERIFY(!help.isEmpty());
        x_->raise(main_);
        press(6480, 2880); // "Выход"
        QVERIFY(x_->windowGone(QStringLiteral("^Игра$")));
        QVERIFY(!x_->game().waitForFinished(500));
        press(help, 4080, x_->frame(help).height() * kTwipsPerPixel - 1000); // its "Выход", placed from the outer height
        QVERIFY(x_->game().waitForFinished(10000));
        QCOMPARE(x_->game().exitStatus(), QProcess::NormalExit);
        QCOMPARE(x_->game().exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(X11Test)
#include "test_x11.moc"
