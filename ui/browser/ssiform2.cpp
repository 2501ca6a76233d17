#include "ssiform2.h"

#include "browser/browserwindow.h"
#include "browser/studio.h"
#include "browser/studiopage.h"
#include "look/look.h"
#include "look/twips.h"
#include "windowsystem/placement.h"
#include "windowsystem/windowframe.h"

#include <QPushButton>
#include <QWebEngineProfile>
#include <QWebEngineView>

ssiForm2::ssiForm2()
{
    setUpBrowserWindow(this);

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
    followOuterSize(this, [this] { ArrangeBrowserWindow(); });
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

void ssiForm2::ArrangeBrowserWindow()
{
    const QSizeF outer = QSizeF(outerSize(this)) * kTwipsPerPixel;
    const std::optional<BrowserArrangement> arranged = arrangeBrowser(float(outer.width()), float(outer.height()));
    if (arranged)
        WebBrowser1->resize(pixelsFromTwips(arranged->viewWidth), pixelsFromTwips(arranged->viewHeight));
}
