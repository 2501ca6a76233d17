#include "ssiform1.h"

#include "boardpicture.h"
#include "browseropener.h"
#include "fixedwindow.h"
#include "frmabout.h"
#include "leveldialog.h"
#include "look.h"
#include "openwindow.h"
#include "placement.h"
#include "ssiform5.h"
#include "twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

ssiForm1::ssiForm1(std::unique_ptr<RandomSource> random)
    : random_(std::move(random)), game_(*this, *random_)
{
    setObjectName(QStringLiteral("ssiForm1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Игра"));
    makeFixed(this, Qt::Window, rectFromTwips(0, 0, 7740, 7860).size());
    look::setWindowLook(this);

    // The frames come first so that the buttons lying over them are drawn on top.
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

    const QFont captionFont = look::font(9.75);
    const auto button = [this, &captionFont](const char* name, const QString& caption, const QRect& twips) {
        return look::addButton(this, name, caption, twips, captionFont, look::kButtonFace);
    };

    Picture1 = new BoardPicture(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(rectFromTwips(120, 120, 4575, 7335));

    QPushButton* Command1 = button("Command1", QStringLiteral("Выход"), QRect(6480, 2880, 975, 375));
    QPushButton* Command2 = button("Command2", QStringLiteral("Новая игра"), QRect(4920, 2880, 1455, 375));
    QPushButton* Command3 = button("Command3", QStringLiteral("В интернете"), QRect(4920, 4440, 2535, 375));
    QPushButton* Command4 = button("Command4", QStringLiteral("Глаз"), QRect(4920, 6840, 1215, 495));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Picture2"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(rectFromTwips(6960, 120, 495, 495));
    look::setGround(panel, Qt::white);
    // A picture box takes the focus in its turn, as every control with a place in the tab order does.
    panel->setFocusPolicy(Qt::StrongFocus);
    Picture2 = panel;

    QPushButton* Command5 = button("Command5", QStringLiteral("Вправо"), QRect(6240, 5640, 1215, 495));
    QPushButton* Command6 = button("Command6", QStringLiteral("Влево"), QRect(4920, 5640, 1215, 495));
    look::addLabel(this, "Label4", QStringLiteral("Цвет выбранного кубика"), QRect(4800, 120, 2175, 495), captionFont,
                   QColor(0, 0, 64));
    QPushButton* Command7 = button("Command7", QStringLiteral("Справка"), QRect(6360, 3840, 1095, 495));
    QPushButton* Command8 = button("Command8", QStringLiteral("О программе"), QRect(4920, 3840, 1335, 495));
    QPushButton* Command9 = button("Command9", QStringLiteral("Назад"), QRect(4920, 6240, 1215, 495));
    QPushButton* Command10 = button("Command10", QStringLiteral("Обзор"), QRect(6240, 6840, 1215, 495));
    QPushButton* Command11 = button("Command11", QStringLiteral("Размер"), QRect(6480, 3360, 975, 375));
    QPushButton* Command12 = button("Command12", QStringLiteral("Сложность"), QRect(4920, 3360, 1455, 375));
    QPushButton* Command13 = button("Command13", QStringLiteral("Новый ход"), QRect(4920, 5160, 2535, 375));
    QPushButton* Command14 = button("Command14", QStringLiteral("Сдвиг"), QRect(6240, 6240, 1215, 495));

    const QColor counterText(128, 0, 128);
    Label1 = look::addLabel(Frame3, "Label1", QString(), QRect(120, 360, 2535, 375), captionFont, counterText);
    Label2 = look::addLabel(Frame3, "Label2", QString(), QRect(120, 960, 2535, 375), captionFont, counterText);
    Label3 = look::addLabel(Frame3, "Label3", QString(), QRect(120, 1560, 2535, 375), captionFont, counterText);

    QWidget* tabOrder[] = {Picture1, Command1, Command2,  Command3,  Command4,  Picture2,  Command5, Command6,
                           Command7, Command8, Command9, Command10, Command11, Command12, Command13, Command14};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(50);

    connect(Command1, &QPushButton::clicked, this, &ssiForm1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ssiForm1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &ssiForm1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &ssiForm1::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &ssiForm1::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &ssiForm1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &ssiForm1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &ssiForm1::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &ssiForm1::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &ssiForm1::Command10_Click);
    connect(Command13, &QPushButton::clicked, this, &ssiForm1::Command13_Click);
    connect(Command11, &QPushButton::clicked, this, &ssiForm1::Command11_Click);
    connect(Command12, &QPushButton::clicked, this, &ssiForm1::Command12_Click);
    connect(Command14, &QPushButton::clicked, this, &ssiForm1::Command14_Click);
    connect(Picture1, &BoardPicture::mouseUp, this, &ssiForm1::Picture1_MouseUp);
    connect(Timer1, &QTimer::timeout, this, &ssiForm1::Timer1_Timer);
    Timer1->start();

    // The game starts on the primary screen; every other window opens on the screen of the one it comes from.
    placement::onScreen(this, QGuiApplication::primaryScreen());
    placement::centreOnScreen(this);
}

void ssiForm1::Command1_Click()
{
    close();
}

void ssiForm1::Command2_Click()
{
    game_.newGame(settings_);
}

void ssiForm1::Command3_Click()
{
    openBrowserWindow(this);
}

void ssiForm1::Command4_Click()
{
    game_.eye();
}

void ssiForm1::Command5_Click()
{
    game_.scrollRight();
}

void ssiForm1::Command6_Click()
{
    game_.scrollLeft();
}

void ssiForm1::Command7_Click()
{
    openWindow<ssiForm5>(QStringLiteral("ssiForm5"), this);
}

// The About box acts as a modal one: the main window waits, disabled, until it closes.
void ssiForm1::Command8_Click()
{
    setEnabled(false);
    openWindow<frmAbout>(QStringLiteral("frmAbout"), this, this);
}

void ssiForm1::Command9_Click()
{
    game_.undo();
}

void ssiForm1::Command10_Click()
{
    game_.overview();
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
    game_.newMove();
}

void ssiForm1::Command14_Click()
{
    game_.shiftColumn();
}

void ssiForm1::Picture1_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    // Every mouse button marks alike.
    game_.mouseUp(x, y);
}

void ssiForm1::Timer1_Timer()
{
    game_.timerTick();
}

void ssiForm1::closeEvent(QCloseEvent* event)
{
    // While a dialog has disabled the window, its close box does nothing either.
    if (isEnabled())
        event->accept();
    else
        event->ignore();
}

int ssiForm1::areaWidth() const
{
    return Picture1->width() * kTwipsPerPixel;
}

int ssiForm1::areaHeight() const
{
    return Picture1->height() * kTwipsPerPixel;
}

void ssiForm1::resizeArea(int width, int height)
{
    Picture1->resize(pixelsFromTwips(width), pixelsFromTwips(height));
}

bool ssiForm1::areaEnabled() const
{
    return Picture1->isEnabledTo(this);
}

void ssiForm1::setAreaEnabled(bool enabled)
{
    Picture1->setEnabled(enabled);
}

void ssiForm1::clear()
{
    Picture1->clear();
}

void ssiForm1::fillBox(int x1, int y1, int x2, int y2, ColourIndex colour)
{
    Picture1->fillBox(x1, y1, x2, y2, look::paletteColour(colour));
}

void ssiForm1::drawLine(int x1, int y1, int x2, int y2, ColourIndex colour)
{
    Picture1->drawLine(x1, y1, x2, y2, look::paletteColour(colour));
}

void ssiForm1::setPanelColour(ColourIndex colour)
{
    look::setGround(Picture2, look::paletteColour(colour));
}

void ssiForm1::setCounters(const std::string& total, const std::string& remaining, const std::string& removed)
{
    Label1->setText(QString::fromStdString(total));
    Label2->setText(QString::fromStdString(remaining));
    Label3->setText(QString::fromStdString(removed));
}
