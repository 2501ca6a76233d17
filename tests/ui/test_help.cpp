// The help window: its two texts byte for byte, switching between them, its layout, and its life
// beside the main window.
#include "ssiform5.h"
#include "support/playedwindow.h"
#include "support/temporarysettings.h"

#include <QFile>
#include <QPlainTextEdit>

namespace {

const char kRules[] =
    "Цель игры - убрать с игрового поля как можно больше кубиков. Удаляются кубики одного цвета, расположенные через "
    "один по вертикали или по горизонтали, и кубик любого цвета, расположенный между ними. При этом кубики, "
    "расположенные сверху, падают и занимают их место. Для этого необходимо отметить первый кубик мышкой, поставив на "
    "нем белый крестик. Затем отметить кубик того же цвета, расположенный через один от первого. Возможно сдвигать все "
    "кубики влево или в право, прокручивая игровое поле. При полном  освобождении любого вертикального ряда можно "
    "передвигать кубики, расположенные от свободной вертикали до правого края игрового поля или другой свободной "
    "вертикали влево на один шаг. Для упрощения просмотра сложившейся на игровом поле ситуации можно сделать "
    "невидимыми все кубики, кроме имеющих выбранный цвет. А также возможно поочередный просмотр кубиков каждого цвета "
    "по-отдельности. Это позволяет проще ориентироваться на многоцветном игровом поле. В случае ошибочного действия Вы "
    "можете отменить один последний ход\r\n"
    ". Перед началом игры Вы можете выбрать размер игрового поля и сложность, которая определяется количеством цветов "
    "для раскраски кубиков. Имеется три размерности ( 12*19, 15*24, 18*29 кубиков соответственно ) и три режима "
    "сложности ( 8, 11, 14 цветов ). \r\n";

const char kButtons[] =
    "Правее игрового поля располагаются органы управления игрой и информационные элементы. В верху расположено табло, "
    "показывающее цвет последнего выбранного кубика, а также текущий цвет при поочередном просмотре при обзоре. Ниже "
    "находится табло, показывающее общее количество кубиков в начале игры, количество оставшихся и количество "
    "удаленных кубиков. Ниже следуют следующие кнопки:\r\n"
    "\"Новая игра\"- для начала новой игры.\r\n"
    "\"Выход\"- для выхода из игры в \"Windows\".\r\n"
    "\"Сложность\"- вызов окна выбора режима сложности.\r\n"
    "\"Размер\"- вызов окна выбора размера.\r\n"
    "\"О программе\"- описание программы.\r\n"
    "\"Справка\"- вызов справки.\r\n"
    "\"В Интернете\"- вызов окна браузера и загрузка в него сайта \"virdon.example\".\r\n"
    "\"Новый ход\"- сброс выбора и дополнительных сервисов для нового хода.\r\n"
    "\"Влево\"- сдвиг всех кубиков влево по игровому полю.\r\n"
    "\"Вправо\"- сдвиг всех кубиков вправо по игровому полю.\r\n"
    "\"Назад\"- отмена последнего хода.\r\n"
    "\"Сдвиг\"- заполнение пустого столбца со сдвигом остальных кубиков влево.\r\n"
    "\"Глаз\"- просмотр кубиков выбранного цвета.\r\n"
    "\"Обзор\"- поочередный просмотр одноцветных кубиков.\r\n";

QByteArray resource(const char* name)
{
    QFile file(QStringLiteral(":/igra/%1").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings settings_;


    static QPlainTextEdit* text(ssiForm5* help, const char* name) { return child<QPlainTextEdit>(help, name); }

private slots:
    void cleanup() { closeAllWindows(); }

    void theTextsAreTheGamesOwnByteForByte()
    {
        QCOMPARE(resource("help-rules.txt"), QByteArray(kRules));
        QCOMPARE(resource("help-buttons.txt"), QByteArray(kButtons));
        QCOMPARE(QByteArray(kButtons).count("\r\n"), 15);

        PlayedWindow w;
        ssiForm5* help = w.open<ssiForm5>("Command7", ssiForm5::kName);
        QVERIFY(help);
        // Shown with their line breaks, and nothing else where the carriage returns stood.
        QCOMPARE(text(help, "Text1")->toPlainText(), QString::fromUtf8(kRules).replace("\r\n", "\n"));
        QCOMPARE(text(help, "Text2")->toPlainText(), QString::fromUtf8(kButtons).replace("\r\n", "\n"));
        QCOMPARE(text(help, "Text1")->document()->blockCount(), 3);
    }

    void textBoxesAreReadOnlyAndWrap()
    {
        PlayedWindow w;
        ssiForm5* help = w.open<ssiForm5>("Command7", ssiForm5::kName);
        QCOMPARE(help->windowTitle(), QString("Помощь"));
        QCOMPARE(help->size(), QSize(666, 485));
        QVERIFY(!help->parentWidget());
        for (const char* name : {"Text1", "Text2"}) {
            QPlainTextEdit* box = text(help, name);
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
            QCOMPARE(box->font().pointSizeF(), 9.75);
            QVERIFY(!box->font().bold());
            QCOMPARE(box->pos(), QPoint(8, 8));
        }
        QTest::keyClicks(text(help, "Text1"), "abc");
        QCOMPARE(text(help, "Text1")->toPlainText(), QString::fromUtf8(kRules).replace("\r\n", "\n"));
        const char* captions[] = {"Правила игры", "Кнопки", "В интернете", "Выход"};
        for (int i = 0; i < 4; ++i) {
            auto* button = child<QPushButton>(help, QStringLiteral("Command%1").arg(i + 1).toLatin1().constData());
            QCOMPARE(button->text(), QString::fromUtf8(captions[i]));
            QCOMPARE(button->x(), 8 + 88 * i);
            QCOMPARE(button->size(), QSize(81, 25));
        }
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(text(help, "Text1")));
    }

    void theButtonsSwitchTheText()
    {
        PlayedWindow w;
        ssiForm5* help = w.open<ssiForm5>("Command7", ssiForm5::kName);
        QVERIFY(text(help, "Text1")->isVisible());
        QVERIFY(!text(help, "Text2")->isVisible());
        for (int press = 0; press < 2; ++press) {
            click(help, "Command2");
            QVERIFY(text(help, "Text2")->isVisible());
            QVERIFY(!text(help, "Text1")->isVisible());
        }
        // The text on view stays the chosen one through a resize.
        help->resize(800, 600);
        QVERIFY(text(help, "Text2")->isVisible());
        click(help, "Command1");
        QVERIFY(text(help, "Text1")->isVisible());
        QVERIFY(!text(help, "Text2")->isVisible());
    }

    void theArrangementFollowsTheOuterSizeAboveItsThresholds()
    {
        QVERIFY(!arrangeHelp(5500, 4000));
        QVERIFY(!arrangeHelp(8000, 2000));
        const HelpArrangement least = *arrangeHelp(5501, 2001);
        QCOMPARE(least.textWidth, 5101.f);
        QCOMPARE(least.textHeight, 701.f);
        QCOMPARE(least.buttonsTop, 1001.f);
        const HelpArrangement example = *arrangeHelp(8000, 6000);
        QCOMPARE(example.textWidth, 7600.f);
        QCOMPARE(example.textHeight, 4700.f);
        QCOMPARE(example.buttonsTop, 5000.f);
        const HelpArrangement framed = *arrangeHelp(10110, 7785);
        QCOMPARE(framed.textWidth, 9710.f);
        QCOMPARE(framed.textHeight, 6485.f);
        QCOMPARE(framed.buttonsTop, 6785.f);
    }

    void theWindowIsArrangedFromItsOuterSize()
    {
        PlayedWindow w;
        ssiForm5* help = w.open<ssiForm5>("Command7", ssiForm5::kName);
        const QSize frame = help->frameGeometry().size() - help->size();
        const auto resizeOuter = [help, frame](int width, int height) { help->resize(QSize(width, height) - frame); };
        // 8010 x 6000 twips outside: text boxes of 7610 x 4700, buttons at 5000.
        resizeOuter(534, 400);
        for (const char* name : {"Text1", "Text2"})
            QCOMPARE(text(help, name)->size(), QSize(507, 313));
        for (const char* name : {"Command1", "Command2", "Command3", "Command4"})
            QCOMPARE(child(help, name)->y(), 333);
        // 5490 twips wide: too narrow, so everything stays where the last passing size put it.
        resizeOuter(366, 600);
        QCOMPARE(text(help, "Text1")->size(), QSize(507, 313));
        QCOMPARE(child(help, "Command4")->y(), 333);
        resizeOuter(367, 600); // 5505 twips wide
        QCOMPARE(text(help, "Text1")->size(), QSize(340, 513));
        QCOMPARE(child(help, "Command4")->y(), 533);
        QCOMPARE(child(help, "Command4")->x(), 8 + 3 * 88);
    }

    void oneHelpWindowBesideAPlayableMainWindow()
    {
        PlayedWindow w;
        w.newGame();
        ssiForm5* help = w.open<ssiForm5>("Command7", ssiForm5::kName);
        click(help, "Command2");
        QCOMPARE(w.open<ssiForm5>("Command7", ssiForm5::kName), help);
        QVERIFY(text(help, "Text2")->isVisible()); // not loaded again
        int helps = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            helps += qobject_cast<ssiForm5*>(window) != nullptr;
        QCOMPARE(helps, 1);
        QVERIFY(w.form->isEnabled());
        w.releaseOn(3, 3);
        QCOMPARE(w.move().hod, 1);

        // "Выход" closes the help window only; the next one shows the rules again.
        click(help, "Command4");
        QTRY_VERIFY(!findOpenWindow<ssiForm5>(ssiForm5::kName));
        QVERIFY(w.form->isVisible());
        help = w.open<ssiForm5>("Command7", ssiForm5::kName);
        QVERIFY(text(help, "Text1")->isVisible());
    }

    void theHelpWindowOutlivesTheMainWindow()
    {
        PlayedWindow w;
        ssiForm5* help = w.open<ssiForm5>("Command7", ssiForm5::kName);
        w.press("Command1");
        QTRY_VERIFY(w.form.isNull());
        QVERIFY(help->isVisible());
        click(help, "Command2");
        QVERIFY(text(help, "Text2")->isVisible());
    }
};

GAME_TEST_MAIN(HelpTest)
#include "test_help.moc"
