#include "browserunavailable.h"

#include "browser/browserwindow.h"
#include "browser/studio.h"
#include "look/look.h"
#include "windowsystem/placement.h"

#include <QLabel>
#include <QVBoxLayout>

BrowserUnavailable::BrowserUnavailable(const QString& why)
{
    setUpBrowserWindow(this);

    auto* message = new QLabel(
        QStringLiteral("%1<br><br>Сайт студии можно открыть в обычном браузере: "
                       "<a href=\"%2\" style=\"color: #c0ffc0\">%2</a>")
            .arg(why.toHtmlEscaped(), QLatin1String(kStudioUrl)),
        this);
    message->setObjectName(QStringLiteral("Label1"));
    message->setFont(look::font(12));
    look::setTextColour(message, look::kPaleGreen);
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    message->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);

    placement::centreOnScreen(this);
}
