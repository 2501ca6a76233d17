#include "ssiform5.h"

#include "browser/browseropener.h"
#include "look/look.h"
#include "look/twips.h"
#include "windowsystem/placement.h"
#include "windowsystem/windowframe.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString helpText(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the help text %s is missing from the game", qPrintable(resource));
    // The texts keep Windows line ends; a text box breaks its lines at the line feeds alone.
    return QString::fromUtf8(file.readAll()).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

ssiForm5::ssiForm5()
{
    look::setUpWindow(this, kName, QStringLiteral("Помощь"), QSize(9990, 7275));

    Text1 = addText("Text1", QStringLiteral(":/igra/help-rules.txt"));
    const char* captions[4] = {"Правила игры", "Кнопки", "В интернете", "Выход"};
    for (int i = 0; i < 4; ++i) {
        // The window's own font, as a form's default.
        buttons_[i] = look::addButton(this, QStringLiteral("Command%1").arg(i + 1).toLatin1().constData(),
                                      QString::fromUtf8(captions[i]), QRect(120 + 1320 * i, 6720, 1215, 375),
                                      look::font(8.25, QFont::Normal), look::kHelpButtonFace);
    }
    Text2 = addText("Text2", QStringLiteral(":/igra/help-buttons.txt"));
    Text2->hide();

    connect(buttons_[0], &QPushButton::clicked, this, &ssiForm5::Command1_Click);
    connect(buttons_[1], &QPushButton::clicked, this, &ssiForm5::Command2_Click);
    connect(buttons_[2], &QPushButton::clicked, this, &ssiForm5::Command3_Click);
    connect(buttons_[3], &QPushButton::clicked, this, &ssiForm5::Command4_Click);

    Text1->setFocus();
    placement::systemDefault(this);
    followOuterSize(this, [this] { ArrangeHelpWindow(); });
    ArrangeHelpWindow();
}

QPlainTextEdit* ssiForm5::addText(const char* name, const QString& resource)
{
    auto* text = new QPlainTextEdit(helpText(resource), this);
    text->setObjectName(QLatin1String(name));
    text->setGeometry(rectFromTwips(120, 120, 9615, 6495));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setFont(look::font(9.75, QFont::Normal));
    // Its scroll bar on the classic grey, not on the window's ground.
    QPalette palette = look::palette(look::kClassicGrey);
    palette.setColor(QPalette::Base, look::kPaleGreen);
    text->setPalette(palette);
    return text;
}

void ssiForm5::Command1_Click()
{
    Text1->show();
    Text2->hide();
}

void ssiForm5::Command2_Click()
{
    Text2->show();
    Text1->hide();
}

void ssiForm5::Command3_Click()
{
    openBrowserWindow(this);
}

void ssiForm5::Command4_Click()
{
    close();
}

void ssiForm5::ArrangeHelpWindow()
{
    const QSizeF outer = QSizeF(outerSize(this)) * kTwipsPerPixel;
    const std::optional<HelpArrangement> arranged = arrangeHelp(float(outer.width()), float(outer.height()));
    if (!arranged)
        return;
    for (QPlainTextEdit* text : {Text1, Text2})
        text->resize(pixelsFromTwips(arranged->textWidth), pixelsFromTwips(arranged->textHeight));
    for (QPushButton* button : buttons_)
        button->move(button->x(), pixelsFromTwips(arranged->buttonsTop));
}
