// Desktops unlike the tests' own. Two screens side by side (screens.json), a large primary one and a small
// one at twice the density: the game opens on the primary screen, and every window opened from the main
// window opens on the screen the main window has been moved to, within reach on a screen smaller than
// itself. A window manager that puts a window's frame, not its client area, where it is asked still gets
// the window placed right; and a compositor that maximises every window it shows still shows the game.
#include "browser/browserwindow.h"
#include "frmabout.h"
#include "leveldialog.h"
#include "ssiform5.h"
#include "support/playedwindow.h"
#include "support/temporarysettings.h"
#include "windowsystem/fixedwindow.h"
#include "windowsystem/placement.h"

#include <QScreen>
#include <QWindow>

namespace {

QScreen* screenNamed(const char* name)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == QLatin1String(name))
            return screen;
    qFatal("no screen named %s", name);
}

// Each time the window is asked to move, it is moved on by its frame's top-left corner, as a window manager
// does that puts the frame, not the client area, where it is asked.
class FrameAtRequest : public QObject {
public:
    explicit FrameAtRequest(QWidget* window) : window_(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QPoint asked = window_->geometry().topLeft();
        if (event->type() == QEvent::Move && window_->isVisible() && asked != placed_) {
            placed_ = asked + (asked - window_->frameGeometry().topLeft());
            QMetaObject::invokeMethod(window_, [window = window_, placed = placed_] {
                window->setGeometry(QRect(placed, window->size()));
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* window_;
    QPoint placed_;
};

// Maximises the window every time it is shown, before it is first drawn, as a kiosk or a phone shell does.
class MaximisesEveryWindow : public QObject {
public:
    explicit MaximisesEveryWindow(QWidget* window) : window_(window) { window->installEventFilter(this); }
    int shown = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            ++shown;
            window_->windowHandle()->setWindowStates(Qt::WindowMaximized);
        }
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

class DesktopsTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings settings_;

    // The whole window, frame included, within the free area of the screen.
    static void checkWithin(QWidget* window, const char* screen)
    {
        QTRY_COMPARE(window->screen()->name(), QString(screen));
        const QRect area = window->screen()->availableGeometry();
        QTRY_VERIFY2(area.contains(window->frameGeometry()),
                 qPrintable(QString("%1 stands at %2, %3, %4 x %5").arg(window->objectName()).arg(window->frameGeometry().x())
                                .arg(window->frameGeometry().y()).arg(window->frameGeometry().width()).arg(window->frameGeometry().height())));
    }

    static void checkCentred(QWidget* window)
    {
        const QPoint offCentre = window->frameGeometry().center() - window->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(window->objectName()));
    }

private slots:
    void theGameOpensCentredOnThePrimaryScreen()
    {
        PlayedWindow w;
        QCOMPARE(w.form->screen(), QGuiApplication::primaryScreen());
        checkWithin(w.form, "primary");
        checkCentred(w.form);
    }

    // On the small screen the dialogs are centred, the About box is moved the least from its place, and the
    // help window is no larger than the screen.
    void windowsOpenOnTheScreenOfTheMainWindow()
    {
        PlayedWindow w;
        w.form->move(screenNamed("small")->geometry().topLeft() + QPoint(10, 10));
        QTRY_COMPARE(w.form->screen()->name(), QString("small"));
        for (const auto& [button, name] : {std::pair("Command11", kSizeDialog.name), std::pair("Command12", kDifficultyDialog.name)}) {
            auto* dialog = w.open<LevelDialog>(button, name);
            QVERIFY(dialog);
            checkWithin(dialog, "small");
            checkCentred(dialog);
            QCOMPARE(dialog->devicePixelRatioF(), 2.0);
            dialog->close();
        }

        auto* about = w.open<frmAbout>("Command8", frmAbout::kName);
        QVERIFY(about);
        checkWithin(about, "small");
        // 156, 129 from the screen's corner would leave it 22 pixels past its right edge and 4 past its bottom.
        QCOMPARE(about->frameGeometry().bottomRight(), screenNamed("small")->availableGeometry().bottomRight());
        about->close();

        auto* help = w.open<ssiForm5>("Command7", ssiForm5::kName);
        QVERIFY(help);
        checkWithin(help, "small");
        QCOMPARE(help->frameGeometry().topLeft(), screenNamed("small")->availableGeometry().topLeft());
        help->close();

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^igra: no built-in browser: .*"));
        w.press("Command3");
        QWidget* browser = findOpenWindow<QWidget>(kBrowserWindowName);
        QVERIFY(browser);
        checkWithin(browser, "small");
        browser->close();
    }

    void aWindowManagerThatPutsTheFrameWhereAskedStillCentresTheWindow()
    {
        QWidget window;
        window.setFixedSize(300, 200);
        placement::centreOnScreen(&window);
        FrameAtRequest windowManager(&window);
        window.show();
        // Each round the window manager answers one request, and the window answers it.
        for (int round = 0; round < 10; ++round)
            QCoreApplication::processEvents();
        QCOMPARE(window.frameGeometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
    }

    // A maximised window of fixed size is shown afresh once; shown maximised again at once, it stays so.
    void aCompositorThatMaximisesEveryWindowIsAnsweredOnce()
    {
        PlayedWindow w;
        w.form->hide();
        showAfreshWhenMaximisedOrMinimised(w.form);
        MaximisesEveryWindow compositor(w.form);
        w.form->show();
        for (int round = 0; round < 20; ++round)
            QCoreApplication::processEvents();
        QCOMPARE(compositor.shown, 2);
        QVERIFY(w.form->isVisible());
        w.newGame();
        QCOMPARE(w.game().board.gorkor, 12);
    }
};

GAME_TEST_MAIN(DesktopsTest)
#include "test_desktops.moc"
