#include "frmabout.h"

#include "browseropener.h"
#include "fixedwindow.h"
#include "look.h"
#include "placement.h"
#include "studio.h"
#include "twips.h"
#include "waiting.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout(QWidget* mainWindow)
    : mainWindow_(mainWindow)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Игра ПЛОКС"));
    look::setWindowLook(this);

    QPushButton* cmdOK = look::addButton(this, "cmdOK", QStringLiteral("OK"), QRect(4320, 1320, 1260, 465),
                                         look::font(9.75), look::kButtonFace);
    cmdOK->setDefault(true);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(rectFromTwips(240, 240, 540, 540));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(look::gameIcon().pixmap(QSize(32, 32), devicePixelRatioF()));
    picIcon->setFocusPolicy(Qt::StrongFocus);

    const QColor navy(0, 0, 128);
    look::addLabel(this, "lblDescription",
             QStringLiteral("Экспериментальная студия \"Вирдон\", %1").arg(QLatin1String(kStudioHost)),
             QRect(960, 480, 3885, 690), look::font(12, QFont::Bold, true), QColor(0, 0, 255));
    look::addLabel(this, "lblDisclaimer",
             QStringLiteral("© Экспериментальная студия \"Вирдон\". Игра свободно распространяется на условиях "
                            "лицензии GNU GPL версии 3 или более поздней, без каких-либо гарантий."),
             QRect(240, 1320, 3960, 1125), look::font(8.25, QFont::Normal), QColor(192, 255, 192));
    look::addLabel(this, "lblTitle", QStringLiteral("Игра \"Плокс\"."), QRect(1050, 240, 1725, 240), look::font(9.75), navy);
    look::addLabel(this, "lblVersion", QStringLiteral("Версия 1. 0. 0."), QRect(3120, 240, 1725, 225), look::font(9.75),
             navy);

    auto* Line1 = new QWidget(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(rectFromTwips(120, 1200, 5550, 30));
    look::setGround(Line1, Qt::white);

    QPushButton* Command1 = look::addButton(this, "Command1", QStringLiteral("В интернете"),
                                            QRect(4320, 1920, 1215, 375), look::font(8.25), look::kButtonFace);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    // Not centred: the box's client area opens at one place, measured from the top-left corner of the screen.
    const QRect client = rectFromTwips(2340, 1935, 5730, 2565);
    makeFixed(this, Qt::Dialog, client.size());
    belongsTo(this, mainWindow);
    placement::clientAt(this, client.topLeft());
    cmdOK->setFocus();
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::Command1_Click()
{
    openBrowserWindow(this);
}

// The box closes by "OK", Enter or the close box as a window, and by Esc as a dialog; each way unloads it.
void frmAbout::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmAbout::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void frmAbout::Form_Unload()
{
    if (mainWindow_)
        mainWindow_->setEnabled(true);
}
