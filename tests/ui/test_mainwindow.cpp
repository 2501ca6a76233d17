// The main window as the player meets it: its layout, a new game, the board's picture, closing.
#include "boardpicture.h"
#include "game/levels.h"
#include "game/rounding.h"
#include "look/look.h"
#include "look/twips.h"
#include "ssiform1.h"
#include "support/boardtext.h"
#include "support/fakes.h"
#include "support/temporarysettings.h"
#include "support/windowtest.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    TemporarySettings settings_;
    QPointer<ssiForm1> form_;

    BoardPicture* picture() { return child<BoardPicture>(form_, "Picture1"); }
    QString labelText(const char* name) { return child<QLabel>(form_, name)->text(); }

    // The colour the picture shows at the centre of a cell.
    QColor cellColour(int row, int column)
    {
        const int razmer = form_->game().board.razmer;
        return shownAt(picture(), (column - 1) * razmer + razmer / 2, (row - 1) * razmer + razmer / 2);
    }

    void checkPictureShowsTheBoard()
    {
        const BoardState& board = form_->game().board;
        for (int c = 1; c <= board.gorkor; ++c)
            for (int r = 1; r <= board.vertkor; ++r)
                QCOMPARE(cellColour(r, c), look::paletteColour(board.pole(r, c)));
    }

private slots:
    void init()
    {
        settings_.clear();
        form_ = new ssiForm1(std::make_unique<FixedSeedRandom>());
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
    }

    void cleanup() { delete form_; }

    void windowIsFixedDarkGreenAndTitled()
    {
        QCOMPARE(form_->windowTitle(), QString("Игра"));
        QCOMPARE(form_->size(), QSize(516, 524));
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        const Qt::WindowFlags flags = form_->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(shownAt(form_, 7700, 7800), look::kWindowGround);
    }

    void controlsStandAtTheirPlacesWithTheirCaptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("Command1") << "Command1" << "Выход" << QRect(6480, 2880, 975, 375);
        QTest::newRow("Command2") << "Command2" << "Новая игра" << QRect(4920, 2880, 1455, 375);
        QTest::newRow("Command3") << "Command3" << "В интернете" << QRect(4920, 4440, 2535, 375);
        QTest::newRow("Command4") << "Command4" << "Глаз" << QRect(4920, 6840, 1215, 495);
        QTest::newRow("Command5") << "Command5" << "Вправо" << QRect(6240, 5640, 1215, 495);
        QTest::newRow("Command6") << "Command6" << "Влево" << QRect(4920, 5640, 1215, 495);
        QTest::newRow("Command7") << "Command7" << "Справка" << QRect(6360, 3840, 1095, 495);
        QTest::newRow("Command8") << "Command8" << "О программе" << QRect(4920, 3840, 1335, 495);
        QTest::newRow("Command9") << "Command9" << "Назад" << QRect(4920, 6240, 1215, 495);
        QTest::newRow("Command10") << "Command10" << "Обзор" << QRect(6240, 6840, 1215, 495);
        QTest::newRow("Command11") << "Command11" << "Размер" << QRect(6480, 3360, 975, 375);
        QTest::newRow("Command12") << "Command12" << "Сложность" << QRect(4920, 3360, 1455, 375);
        QTest::newRow("Command13") << "Command13" << "Новый ход" << QRect(4920, 5160, 2535, 375);
        QTest::newRow("Command14") << "Command14" << "Сдвиг" << QRect(6240, 6240, 1215, 495);
        QTest::newRow("Label4") << "Label4" << "Цвет выбранного кубика" << QRect(4800, 120, 2175, 495);
        QTest::newRow("Picture1") << "Picture1" << "" << QRect(120, 120, 4575, 7335);
        QTest::newRow("Picture2") << "Picture2" << "" << QRect(6960, 120, 495, 495);
        QTest::newRow("Frame1") << "Frame1" << "" << QRect(4800, 2640, 2775, 2295);
        QTest::newRow("Frame2") << "Frame2" << "" << QRect(4800, 4920, 2775, 2535);
        QTest::newRow("Frame3") << "Frame3" << "" << QRect(4800, 600, 2775, 2055);
        // The counters are placed inside Frame3.
        QTest::newRow("Label1") << "Label1" << "" << QRect(120, 360, 2535, 375);
        QTest::newRow("Label2") << "Label2" << "" << QRect(120, 960, 2535, 375);
        QTest::newRow("Label3") << "Label3" << "" << QRect(120, 1560, 2535, 375);
    }

    void controlsStandAtTheirPlacesWithTheirCaptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        QWidget* control = child(form_, name.toLatin1().constData());
        QCOMPARE(control->geometry(), QRect(twips.x() / kTwipsPerPixel, twips.y() / kTwipsPerPixel, twips.width() / kTwipsPerPixel, twips.height() / kTwipsPerPixel));
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QCOMPARE(button->text(), caption);
            QVERIFY(!button->isDefault() && !button->autoDefault());
        }
        if (auto* label = qobject_cast<QLabel*>(control))
            QCOMPARE(label->text(), caption);
        if (name.startsWith("Label")) {
            QCOMPARE(control->parentWidget()->objectName(), name == "Label4" ? QString(ssiForm1::kName) : QString("Frame3"));
        }
        if (qobject_cast<QPushButton*>(control) || qobject_cast<QLabel*>(control)) {
            QCOMPARE(control->font().pointSizeF(), 9.75);
            QVERIFY(control->font().bold());
            QVERIFY(QFontInfo(control->font()).family() != QString());
        }
    }

    void tabOrderFollowsTheTable()
    {
        const QStringList order = {"Picture1", "Command1",  "Command2",  "Command3",  "Command4",  "Picture2",
                                   "Command5", "Command6",  "Command7",  "Command8",  "Command9",  "Command10",
                                   "Command11", "Command12", "Command13", "Command14"};
        QCOMPARE(tabOrder(child(form_, "Picture1")), order);
    }

    void startsBlankWithTheTimerRunning()
    {
        QCOMPARE(labelText("Label1"), QString());
        QCOMPARE(labelText("Label2"), QString());
        QCOMPARE(labelText("Label3"), QString());
        QCOMPARE(shownAt(child(form_, "Picture2"), 247, 247), QColor(Qt::white));
        QCOMPARE(shownAt(picture(), 2000, 3000), QColor(Qt::white));
        QCOMPARE(form_->game().board.razmer, 0);
        auto* timer = child<QTimer>(form_, "Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 50);
        // No game yet: a release on the board does nothing.
        releaseAt(picture(), 2000, 3000);
        QCOMPARE(form_->game().move.hod, 0);
        QCOMPARE(shownAt(picture(), 2000, 3000), QColor(Qt::white));
    }

    void newGameWithNothingStoredShowsTwelveByNineteen()
    {
        click(form_, "Command2");
        const BoardState& board = form_->game().board;
        QCOMPARE(board.gorkor, 12);
        QCOMPARE(board.vertkor, 19);
        QCOMPARE(picture()->size(), QSize(305, 483));
        QCOMPARE(labelText("Label1"), QString("Всего кубиков  228"));
        QCOMPARE(labelText("Label2"), QString("Осталось кубиков  228"));
        QCOMPARE(labelText("Label3"), QString("Удалено кубиков  0"));
        checkPictureShowsTheBoard();
        // Nothing was written by the new game.
        QVERIFY(!QFile::exists(settings_.filePath()));
    }

    void newGameReadsTheStoredLevels()
    {
        settings_.set(kSizeKey, "3");
        settings_.set(kDifficultyKey, "3");
        click(form_, "Command2");
        QCOMPARE(form_->game().board.gorkor, 18);
        QCOMPARE(form_->game().board.vertkor, 29);
        QCOMPARE(form_->game().board.cvet, 13);
        QCOMPARE(picture()->size(), QSize(305, 491));
        QCOMPARE(labelText("Label1"), QString("Всего кубиков  522"));
        checkPictureShowsTheBoard();

        settings_.set(kSizeKey, "abc");
        settings_.set(kDifficultyKey, "99999");
        click(form_, "Command2");
        QCOMPARE(form_->game().board.gorkor, 12);
        QCOMPARE(form_->game().board.cvet, 13);
        checkPictureShowsTheBoard();
    }

    // Boards do not drift however the levels follow one another; only right after a level-0 game do the
    // two largest levels have a row less.
    void boardSizesSettleInARunOfGames()
    {
        const struct {
            const char* level;
            QSize board;
        } games[] = {{"0", {9, 14}},  {"2", {15, 23}}, {"1", {12, 19}}, {"3", {18, 29}}, {"2", {15, 24}},
                     {"0", {9, 14}},  {"3", {18, 28}}, {"1", {12, 19}}, {"0", {9, 14}},  {"0", {9, 14}}};
        for (const auto& game : games) {
            settings_.set(kSizeKey, game.level);
            click(form_, "Command2");
            const BoardState& board = form_->game().board;
            QCOMPARE(QSize(board.gorkor, board.vertkor), game.board);
            QCOMPARE(picture()->size() * kTwipsPerPixel, QSize(4575, int(roundHalfEven(board.razmer * board.vertkor / double(kTwipsPerPixel))) * kTwipsPerPixel));
        }
    }

    void pictureSurvivesHidingAndShowing()
    {
        click(form_, "Command2");
        releaseAt(picture(), 400, 400); // a cross on cell (2, 2)
        QCOMPARE(form_->game().move.hod, 1);
        const QImage before = picture()->grab().toImage();
        form_->hide();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
        QCOMPARE(picture()->grab().toImage(), before);
        QCOMPARE(shownAt(picture(), 381 + 190, 381 + 190), QColor(Qt::white));
    }

    void exitClosesTheWindowUnlessItIsDisabled()
    {
        form_->setEnabled(false);
        QVERIFY(!form_->close());
        QVERIFY(form_->isVisible());
        form_->setEnabled(true);
        click(form_, "Command1");
        QTRY_VERIFY(form_.isNull());
    }
};

GAME_TEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
