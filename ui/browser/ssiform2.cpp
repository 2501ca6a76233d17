#include "ssiform2.h"

#include "arrangement.h"
#include "look.h"
#include "placement.h"
#include "studio.h"
#include "studiopage.h"
#include "twips.h"
#include "windowframe.h"

#include <QEvent>
#include <QPushButton>
#include <QWebEngineProfile>
#include <QWebEngineView>

ssiForm2::ssiForm2()
{
    setObjectName(QStringLiteral("ssiForm2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Игра ПЛОКС"));
    resize(rectFromTwips(0, 0, 10050, 7350).size());
    look::setWindowLook(this);

    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(rectFromTwips(600, 120, 1695, 2055));
    // A profile of the window's own with no name keeps nothing on disk. Made after the view, it goes after
    // the view and its page when the window closes.
    WebBrowser1->setPage(new StudioPage(new QWebEngineProfile(this), WebBrowser1));

    QPushButton* Command1 =
        look::addButton(this, "Command1", QString(), QRect(120, 120, 375, 735), font(), look::kWindowGround);
    Command1->setToolTip(QStringLiteral("Обновить"));
    Command1->setIcon(QIcon(QStringLiteral(":/igra/refresh.bmp")));
    Command1->setIconSize(QSize(28, 49));
    connect(Command1, &QPushButton::clicked, this, &ssiForm2::Command1_Click);

    placement::centreOnScreen(this);
    watchFrame(this, this, [this] { ArrangeBrowserWindow(); });
    ArrangeBrowserWindow();
}

void ssiForm2::navigateToStudio()
{
    WebBrowser1->load(QUrl(QString::fromLatin1(kStudioUrl)));
}

void ssiForm2::Command1_Click()
{
    navigateToStudio();
}

void ssiForm2::resizeEvent(QResizeEvent*)
{
    ArrangeBrowserWindow();
}

// The frame around the window becomes known only once the window system has put the window on the screen.
void ssiForm2::moveEvent(QMoveEvent*)
{
    ArrangeBrowserWindow();
}

void ssiForm2::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ArrangeBrowserWindow();
    QWidget::changeEvent(event);
}

void ssiForm2::ArrangeBrowserWindow()
{
    const QSizeF outer = outerSizeInTwips(this);
    const std::optional<BrowserArrangement> arranged = arrangeBrowser(float(outer.width()), float(outer.height()));
    if (arranged)
        WebBrowser1->resize(pixelsFromTwips(arranged->viewWidth), pixelsFromTwips(arranged->viewHeight));
}
