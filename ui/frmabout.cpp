#include "frmabout.h"

#include "browser/browseropener.h"
#include "browser/studio.h"
#include "look/look.h"
#include "look/twips.h"
#include "windowsystem/fixedwindow.h"
#include "windowsystem/placement.h"
#include "windowsystem/waiting.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout(QWidget* mainWindow)
    : mainWindow_(mainWindow)
{
    look::setUpWindow(this, kName, QStringLiteral("Игра ПЛОКС"), QSize(5730, 2565));
    makeFixed(this, Qt::Dialog);

    QPushButton* cmdOK = look::addButton(this, "cmdOK", QStringLiteral("OK"), QRect(4320, 1320, 1260, 465),
                                         look::font(9.75), look::kButtonFace);
    cmdOK->setDefault(true);

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(rectFromTwips(240, 240, 540, 540));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setPixmap(look::gameIcon().pixmap(QSize(32, 32), devicePixelRatioF()));
    picIcon->setFocusPolicy(Qt::StrongFocus);

    look::addLabel(this, "lblDescription",
                   QStringLiteral("Экспериментальная студия \"Вирдон\", %1").arg(QLatin1String(kStudioHost)),
                   QRect(960, 480, 3885, 690), look::font(12, QFont::Bold, true), look::kBlue);
    look::addLabel(this, "lblDisclaimer",
                   QStringLiteral("© Экспериментальная студия \"Вирдон\". Игра свободно распространяется на условиях "
                                  "лицензии GNU GPL версии 3 или более поздней, без каких-либо гарантий."),
                   QRect(240, 1320, 3960, 1125), look::font(8.25, QFont::Normal), look::kPaleGreen);
    look::addLabel(this, "lblTitle", QStringLiteral("Игра \"Плокс\"."), QRect(1050, 240, 1725, 240), look::font(9.75),
                   look::kNavy);
    look::addLabel(this, "lblVersion", QStringLiteral("Версия 1. 0. 0."), QRect(3120, 240, 1725, 225), look::font(9.75),
                   look::kNavy);

    auto* Line1 = new QWidget(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(rectFromTwips(120, 1200, 5550, 30));
    look::setGround(Line1, Qt::white);

    QPushButton* Command1 = look::addButton(this, "Command1", QStringLiteral("В интернете"),
                                            QRect(4320, 1920, 1215, 375), look::font(8.25), look::kButtonFace);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    belongsTo(this, mainWindow);
    // Not centred: the box's client area opens at one place, measured from the top-left corner of the screen.
    placement::clientAt(this, QPoint(pixelsFromTwips(2340), pixelsFromTwips(1935)));
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
