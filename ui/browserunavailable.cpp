#include "browserunavailable.h"

#include "look.h"
#include "placement.h"
#include "studio.h"
#include "twips.h"

#include <QLabel>
#include <QVBoxLayout>

BrowserUnavailable::BrowserUnavailable(const QString& why)
{
    setObjectName(QStringLiteral("ssiForm2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Игра ПЛОКС"));
    resize(rectFromTwips(0, 0, 10050, 7350).size());
    look::setWindowLook(this);

    auto* message = new QLabel(
        QStringLiteral("%1<br><br>Сайт студии можно открыть в обычном браузере: "
                       "<a href=\"%2\" style=\"color: #c0ffc0\">%2</a>")
            .arg(why.toHtmlEscaped(), QLatin1String(kStudioUrl)),
        this);
    message->setObjectName(QStringLiteral("Label1"));
    message->setFont(look::font(12));
    look::setTextColour(message, QColor(192, 255, 192));
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(true);
    message->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);

    placement::centreOnScreen(this);
}
