#include "leveldialog.h"

#include "game/levels.h"
#include "look/look.h"
#include "look/twips.h"
#include "windowsystem/fixedwindow.h"
#include "windowsystem/placement.h"
#include "windowsystem/waiting.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Twips.
constexpr int kOptionHeight = 195;

} // namespace

LevelDialog::LevelDialog(const LevelDialogDesign& design, QWidget* mainWindow)
    : design_(design), mainWindow_(mainWindow)
{
    look::setUpWindow(this, design.name, QString::fromUtf8(design.caption), QSize(design.width, design.height));
    makeFixed(this, Qt::Dialog);

    using Handler = void (LevelDialog::*)();
    const Handler handlers[3] = {&LevelDialog::Option1_Click, &LevelDialog::Option2_Click, &LevelDialog::Option3_Click};
    for (int i = 0; i < 3; ++i) {
        QRadioButton* option = new QRadioButton(QString::fromUtf8(design.options[i]), this);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        option->setGeometry(rectFromTwips(120, 240 + 360 * i, design.optionWidth, kOptionHeight));
        option->setFont(look::font(9.75));
        look::setGround(option, look::kWindowGround);
        look::setTextColour(option, look::kDarkBlue);
        // A selection by mouse, by keyboard or by Form_Load runs the option's handler.
        connect(option, &QRadioButton::toggled, this, [this, handler = handlers[i]](bool selected) {
            if (selected)
                (this->*handler)();
        });
        options_[i] = option;
    }

    const auto addButton = [this, &design](const char* name, const QString& caption, int top) {
        QPushButton* button = look::addButton(this, name, caption, QRect(design.buttonLeft, top, design.buttonWidth, 495),
                                              look::font(12), look::kButtonFace);
        // Neither is the dialog's default or cancel button: Enter and Esc do nothing.
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* Command1 = addButton("Command1", QStringLiteral("Принять"), 120);
    QPushButton* Command2 = addButton("Command2", QString::fromUtf8(design.cancelCaption), 720);
    connect(Command1, &QPushButton::clicked, this, &LevelDialog::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &LevelDialog::Command2_Click);

    belongsTo(this, mainWindow);
    placement::centreOnScreen(this);
    Form_Load();
}

void LevelDialog::Form_Load()
{
    const std::optional<std::int16_t> stored = dialogLevel(settings_.value(design_.key));
    vybor = stored.value_or(0);
    keepStored_ = !stored;
    if (vybor >= 1 && vybor <= 3)
        options_[vybor - 1]->setChecked(true);
}

void LevelDialog::Option1_Click()
{
    vybor = 1;
    keepStored_ = false;
}

void LevelDialog::Option2_Click()
{
    vybor = 2;
    keepStored_ = false;
}

void LevelDialog::Option3_Click()
{
    vybor = 3;
    keepStored_ = false;
}

void LevelDialog::Command1_Click()
{
    // Only a choice of the player changes a level: a stored text the dialog cannot show stays as it was.
    if (keepStored_) {
        close();
        return;
    }
    // A level the player believes stored must be stored: a failed write keeps the dialog open.
    if (!settings_.setValue(design_.key, std::to_string(vybor))) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Не удалось сохранить выбор: файл настроек недоступен для записи."));
        return;
    }
    close();
}

void LevelDialog::Command2_Click()
{
    close();
}

// Form_Unload: however the dialog closes, the main window takes input again.
void LevelDialog::closeEvent(QCloseEvent* event)
{
    if (mainWindow_)
        mainWindow_->setEnabled(true);
    event->accept();
}
