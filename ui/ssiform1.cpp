#include "ssiform1.h"

#include "boardcanvas.h"
#include "boardpicture.h"
#include "browser/browseropener.h"
#include "frmabout.h"
#include "leveldialog.h"
#include "look/look.h"
#include "look/twips.h"
#include "ssiform5.h"
#include "windowsystem/fixedwindow.h"
#include "windowsystem/openwindow.h"
#include "windowsystem/placement.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// The fourteen buttons in the order of their names, which is their order between the board and the colour
// panel and after it; places in twips.
struct ButtonDesign {
    const char* name;
    const char* caption;
    QRect twips;
    void (ssiForm1::*click)();
};

const ButtonDesign kButtons[] = {
    {"Command1", "Выход", {6480, 2880, 975, 375}, &ssiForm1::Command1_Click},
    {"Command2", "Новая игра", {4920, 2880, 1455, 375}, &ssiForm1::Command2_Click},
    {"Command3", "В интернете", {4920, 4440, 2535, 375}, &ssiForm1::Command3_Click},
    {"Command4", "Глаз", {4920, 6840, 1215, 495}, &ssiForm1::Command4_Click},
    {"Command5", "Вправо", {6240, 5640, 1215, 495}, &ssiForm1::Command5_Click},
    {"Command6", "Влево", {4920, 5640, 1215, 495}, &ssiForm1::Command6_Click},
    {"Command7", "Справка", {6360, 3840, 1095, 495}, &ssiForm1::Command7_Click},
    {"Command8", "О программе", {4920, 3840, 1335, 495}, &ssiForm1::Command8_Click},
    {"Command9", "Назад", {4920, 6240, 1215, 495}, &ssiForm1::Command9_Click},
    {"Command10", "Обзор", {6240, 6840, 1215, 495}, &ssiForm1::Command10_Click},
    {"Command11", "Размер", {6480, 3360, 975, 375}, &ssiForm1::Command11_Click},
    {"Command12", "Сложность", {4920, 3360, 1455, 375}, &ssiForm1::Command12_Click},
    {"Command13", "Новый ход", {4920, 5160, 2535, 375}, &ssiForm1::Command13_Click},
    {"Command14", "Сдвиг", {6240, 6240, 1215, 495}, &ssiForm1::Command14_Click},
};

// The colour panel comes between these two buttons in the tab order.
constexpr std::size_t kButtonsBeforePanel = 4;

} // namespace

ssiForm1::ssiForm1(std::unique_ptr<RandomSource> random)
    : random_(std::move(random))
{
    look::setUpWindow(this, kName, QStringLiteral("Игра"), QSize(7740, 7860));
    makeFixed(this, Qt::Window);
    // Every caption and counter in one font and every button in one face: the window's own.
    const QFont captionFont = look::font(9.75);
    setFont(captionFont);
    look::setButtonFace(this, look::kButtonFace);

    // The frames come first so that the controls lying over them are drawn on top.
    const auto addFrame = [this](const char* name, int left, int top, int width, int height) {
        auto* frame = new QFrame(this);
        frame->setObjectName(QLatin1String(name));
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        frame->setGeometry(rectFromTwips(left, top, width, height));
        return frame;
    };
    addFrame("Frame1", 4800, 2640, 2775, 2295);
    addFrame("Frame2", 4800, 4920, 2775, 2535);
    QFrame* Frame3 = addFrame("Frame3", 4800, 600, 2775, 2055);

    Picture1 = new BoardPicture(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(rectFromTwips(120, 120, 4575, 7335));

    auto* Picture2 = new QFrame(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture2->setGeometry(rectFromTwips(6960, 120, 495, 495));
    look::setGround(Picture2, Qt::white);
    // A picture box takes the focus in its turn, as every control with a place in the tab order does.
    Picture2->setFocusPolicy(Qt::StrongFocus);

    // Drawn over the colour panel's left edge.
    look::addLabel(this, "Label4", QStringLiteral("Цвет выбранного кубика"), QRect(4800, 120, 2175, 495), captionFont,
                   look::kDarkBlue);

    QWidget* previous = Picture1;
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        const ButtonDesign& design = kButtons[i];
        QPushButton* button = look::addButton(this, design.name, QString::fromUtf8(design.caption), design.twips,
                                              captionFont, look::kButtonFace);
        connect(button, &QPushButton::clicked, this, design.click);
        setTabOrder(previous, button);
        previous = button;
        if (i + 1 == kButtonsBeforePanel) {
            setTabOrder(previous, Picture2);
            previous = Picture2;
        }
    }

    QLabel* counters[3];
    for (int i = 0; i < 3; ++i)
        counters[i] = look::addLabel(Frame3, QStringLiteral("Label%1").arg(i + 1).toLatin1().constData(), QString(),
                                     QRect(120, 360 + 600 * i, 2535, 375), captionFont, look::kPurple);

    canvas_ = std::make_unique<BoardCanvas>(Picture1, Picture2, counters[0], counters[1], counters[2]);
    game_ = std::make_unique<Game>(*canvas_, *random_);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(50);
    connect(Picture1, &BoardPicture::mouseUp, this, &ssiForm1::Picture1_MouseUp);
    connect(Timer1, &QTimer::timeout, this, &ssiForm1::Timer1_Timer);
    Timer1->start();

    // The game starts on the primary screen; every other window opens on the screen of the one it comes from.
    placement::onScreen(this, QGuiApplication::primaryScreen());
    placement::centreOnScreen(this);
    look::setIconAfterFirstFrame(this);
}

// Where the canvas is known whole.
ssiForm1::~ssiForm1() = default;

void ssiForm1::Command1_Click()
{
    close();
}

void ssiForm1::Command2_Click()
{
    game_->newGame(settings_);
}

void ssiForm1::Command3_Click()
{
    openBrowserWindow(this);
}

void ssiForm1::Command4_Click()
{
    game_->eye();
}

void ssiForm1::Command5_Click()
{
    game_->scrollRight();
}

void ssiForm1::Command6_Click()
{
    game_->scrollLeft();
}

void ssiForm1::Command7_Click()
{
    openWindow<ssiForm5>(ssiForm5::kName, this);
}

// The About box acts as a modal one: the main window waits, disabled, until it closes.
void ssiForm1::Command8_Click()
{
    setEnabled(false);
    openWindow<frmAbout>(frmAbout::kName, this, this);
}

void ssiForm1::Command9_Click()
{
    game_->undo();
}

void ssiForm1::Command10_Click()
{
    game_->overview();
}

// The level dialogs act as modal ones: the main window waits, disabled, until they close.
void ssiForm1::Command11_Click()
{
    setEnabled(false);
    openWindow<LevelDialog>(kSizeDialog.name, this, kSizeDialog, this);
}

void ssiForm1::Command12_Click()
{
    setEnabled(false);
    openWindow<LevelDialog>(kDifficultyDialog.name, this, kDifficultyDialog, this);
}

void ssiForm1::Command13_Click()
{
    game_->newMove();
}

void ssiForm1::Command14_Click()
{
    game_->shiftColumn();
}

void ssiForm1::Picture1_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    // Every mouse button marks alike.
    game_->mouseUp(x, y);
}

void ssiForm1::Timer1_Timer()
{
    game_->timerTick();
}

void ssiForm1::closeEvent(QCloseEvent* event)
{
    // While a dialog has disabled the window, its close box does nothing either.
    if (isEnabled())
        event->accept();
    else
        event->ignore();
}
