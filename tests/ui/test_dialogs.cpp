// The size and difficulty dialogs: what they show, what they store, and the main window waiting for them.
#include "game/levels.h"
#include "leveldialog.h"
#include "look/look.h"
#include "look/twips.h"
#include "support/playedwindow.h"
#include "support/temporarysettings.h"
#include "windowsystem/platform.h"

#include <QDir>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>

class DialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TemporarySettings> settings_;


    static int selected(LevelDialog* dialog)
    {
        for (int i = 1; i <= 3; ++i)
            if (child<QRadioButton>(dialog, QStringLiteral("Option%1").arg(i).toLatin1().constData())->isChecked())
                return i;
        return 0;
    }

    static void choose(LevelDialog* dialog, int option)
    {
        QTest::mouseClick(child<QRadioButton>(dialog, QStringLiteral("Option%1").arg(option).toLatin1().constData()),
                          Qt::LeftButton);
    }

private slots:
    void init() { settings_ = std::make_unique<TemporarySettings>(); }

    void bothDialogsFollowOneDesign_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("optionWidth");
        QTest::addColumn<QRect>("command1");
        QTest::newRow("size") << "Command11" << kSizeDialog.name << "Выбор размера"
                              << QStringList{"Маленький", "Средний", "Большой", "Принять", "Отменить"}
                              << QSize(234, 90) << 105 << QRect(120, 8, 105, 33);
        QTest::newRow("difficulty") << "Command12" << kDifficultyDialog.name << "Выбор сложности"
                                    << QStringList{"Низкая", "Средняя", "Высокая", "Принять", "Отмена"}
                                    << QSize(212, 85) << 121 << QRect(104, 8, 97, 33);
    }

    void bothDialogsFollowOneDesign()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QStringList, captions);
        QFETCH(QSize, size);
        QFETCH(int, optionWidth);
        QFETCH(QRect, command1);
        PlayedWindow w;
        LevelDialog* dialog = w.open<LevelDialog>(button.toLatin1().constData(), name.toLatin1().constData());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(dialog->size(), size);
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(!dialog->parentWidget());
        QVERIFY(!(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(dialog->windowFlags() & Qt::WindowCloseButtonHint);
        for (int i = 1; i <= 3; ++i) {
            auto* option = child<QRadioButton>(dialog, QStringLiteral("Option%1").arg(i).toLatin1().constData());
            QCOMPARE(option->text(), captions[i - 1]);
            QCOMPARE(option->geometry(), QRect(8, 16 + 24 * (i - 1), optionWidth, 13));
            QCOMPARE(shownAt(option, optionWidth * kTwipsPerPixel - 30, 90), look::kWindowGround);
            QCOMPARE(option->font().pointSizeF(), 9.75);
            QVERIFY(option->font().bold());
            option->setChecked(true);
            QVERIFY2(showsAllItDraws(option, look::kWindowGround), "the indicator or the caption is cut");
        }
        auto* accept = child<QPushButton>(dialog, "Command1");
        auto* cancel = child<QPushButton>(dialog, "Command2");
        QCOMPARE(accept->text(), captions[3]);
        QCOMPARE(cancel->text(), captions[4]);
        QCOMPARE(accept->geometry(), command1);
        QCOMPARE(cancel->geometry(), command1.translated(0, 40));
        QCOMPARE(accept->font().pointSizeF(), 12.0);
        QVERIFY(!accept->isDefault() && !accept->autoDefault() && !cancel->autoDefault());
        // Tab order: the three options, then the two buttons.
        QCOMPARE(tabOrder(child(dialog, "Option1")), QStringList({"Option1", "Option2", "Option3", "Command1", "Command2"}));
        // Enter and Esc do nothing.
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTest::keyClick(dialog, Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        dialog->close();
    }

    void firstRunStoresZeroAndTheNextGameIsTheSmallest()
    {
        PlayedWindow w;
        LevelDialog* size = w.open<LevelDialog>("Command11", kSizeDialog.name);
        QVERIFY(!w.form->isEnabled());
        QCOMPARE(selected(size), 0);
        QCOMPARE(size->level(), 0);
        click(size, "Command1");
        QTRY_VERIFY(!findOpenWindow<LevelDialog>(kSizeDialog.name));
        QVERIFY(w.form->isEnabled());
        QCOMPARE(settings_->get(kSizeKey), QVariant("0"));

        LevelDialog* difficulty = w.open<LevelDialog>("Command12", kDifficultyDialog.name);
        click(difficulty, "Command1");
        QCOMPARE(settings_->get(kDifficultyKey), QVariant("0"));

        w.newGame();
        QCOMPARE(w.game().board.gorkor, 9);
        QCOMPARE(w.game().board.vertkor, 14);
        QCOMPARE(w.game().board.cvet, 4);
        QCOMPARE(w.counter("Label1"), QString("Всего кубиков  126"));
    }

    // Each option stores its own level under its dialog's key only, and the next board follows it.
    void everyOptionStoresItsLevel_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("otherKey");
        QTest::addColumn<int>("option");
        for (int option = 1; option <= 3; ++option) {
            QTest::addRow("size, option %d", option) << "Command11" << kSizeDialog.name << kSizeKey << kDifficultyKey << option;
            QTest::addRow("difficulty, option %d", option) << "Command12" << kDifficultyDialog.name << kDifficultyKey << kSizeKey << option;
        }
    }

    void everyOptionStoresItsLevel()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, key);
        QFETCH(QString, otherKey);
        QFETCH(int, option);
        PlayedWindow w;
        LevelDialog* dialog = w.open<LevelDialog>(button.toLatin1().constData(), name.toLatin1().constData());
        choose(dialog, option);
        click(dialog, "Command1");
        QCOMPARE(settings_->get(key), QVariant(QString::number(option)));
        QCOMPARE(settings_->get(otherKey), QVariant());
        w.newGame();
        const BoardState& board = w.game().board;
        QCOMPARE(key == kSizeKey ? board.gorkor : board.cvet, key == kSizeKey ? 3 * option + 9 : 3 * option + 4);
    }

    void aStoredLevelIsPreselectedAndWrittenBack()
    {
        settings_->set(kDifficultyKey, "2");
        PlayedWindow w;
        LevelDialog* dialog = w.open<LevelDialog>("Command12", kDifficultyDialog.name);
        QCOMPARE(selected(dialog), 2);
        QCOMPARE(dialog->level(), 2);
        click(dialog, "Command1");
        QCOMPARE(settings_->get(kDifficultyKey), QVariant("2"));
    }

    void cancelAndTheCloseBoxStoreNothing()
    {
        settings_->set(kSizeKey, "1");
        PlayedWindow w;
        LevelDialog* dialog = w.open<LevelDialog>("Command11", kSizeDialog.name);
        choose(dialog, 3);
        QCOMPARE(dialog->level(), 3);
        click(dialog, "Command2");
        QTRY_VERIFY(!findOpenWindow<LevelDialog>(kSizeDialog.name));
        QVERIFY(w.form->isEnabled());
        QCOMPARE(settings_->get(kSizeKey), QVariant("1"));

        dialog = w.open<LevelDialog>("Command11", kSizeDialog.name);
        QCOMPARE(selected(dialog), 1);
        choose(dialog, 3);
        dialog->close(); // the close box
        QVERIFY(w.form->isEnabled());
        QCOMPARE(settings_->get(kSizeKey), QVariant("1"));
        w.press("Command2");
        QCOMPARE(w.game().board.gorkor, 12);
    }

    void acceptedLevelWaitsForTheNextNewGame()
    {
        PlayedWindow w;
        w.newGame();
        const Grid board = w.pole();
        const QImage shown = w.picture()->grab().toImage();
        LevelDialog* dialog = w.open<LevelDialog>("Command11", kSizeDialog.name);
        choose(dialog, 3);
        click(dialog, "Command1");
        QCOMPARE(settings_->get(kSizeKey), QVariant("3"));
        QCOMPARE(w.pole(), board);
        QCOMPARE(w.picture()->grab().toImage(), shown);
        QCOMPARE(w.counter("Label1"), QString("Всего кубиков  228"));
        w.newGame();
        QCOMPARE(w.game().board.gorkor, 18);
        QCOMPARE(w.game().board.vertkor, 29);
    }

    void otherStoredTextsAreShownWithNoOption_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("written");
        QTest::newRow("seven") << "7" << "7";
        QTest::newRow("negative") << "-1" << "-1";
        // Texts the dialog cannot show stay as they were.
        QTest::newRow("not a number") << "abc" << "abc";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("beyond 16 bits") << "99999" << "99999";
    }

    void otherStoredTextsAreShownWithNoOption()
    {
        QFETCH(QString, stored);
        QFETCH(QString, written);
        settings_->set(kSizeKey, stored);
        PlayedWindow w;
        LevelDialog* dialog = w.open<LevelDialog>("Command11", kSizeDialog.name);
        QCOMPARE(selected(dialog), 0);
        click(dialog, "Command1");
        QCOMPARE(settings_->get(kSizeKey), QVariant(written));
        // A choice of the player is stored whatever stood there.
        QTRY_VERIFY(w.form->isEnabled());
        choose(w.open<LevelDialog>("Command11", kSizeDialog.name), 3);
        click(findOpenWindow<LevelDialog>(kSizeDialog.name), "Command1");
        QCOMPARE(settings_->get(kSizeKey), QVariant("3"));
    }

    // Whatever a hand-damaged file holds, a new game deals a sound board and both dialogs store a level
    // without reporting a failure, since the level does reach the file.
    void aDamagedSettingsFileStillServes_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("gorkor");
        QTest::newRow("binary bytes") << QByteArray("[Options]\nAction2=3\n") + QByteArray(1, '\0')
                                             + QByteArray("\x01\x02\xff\xfe\xc0 garbage\nAction1=2\n")
                                      << 18;
        QTest::newRow("binary value") << QByteArray("[Options]\nAction2=\x01\xff\n") << 12;
        QTest::newRow("a line without =") << QByteArray("[Options]\nno equals sign\nAction2=2\n") << 15;
        QTest::newRow("broken section header") << QByteArray("[Opti\nAction2=3\n") << 12;
        QTest::newRow("a key twice") << QByteArray("[Options]\nAction2=3\nAction2=0\n") << 9;
        QTest::newRow("huge file") << QByteArray("[Options]\nAction2=2\n") + QByteArray("junk line\n").repeated(400000)
                                   << 15;
    }

    void aDamagedSettingsFileStillServes()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, gorkor);
        // Damaged afresh, with a size of its own, so that the store reads it again and meets the damage.
        const auto damage = [this, &content](int blankLines) {
            QFile file(settings_->filePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content + QByteArray(blankLines, '\n'));
        };
        damage(0);

        PlayedWindow w;
        w.newGame();
        const BoardState& board = w.game().board;
        QCOMPARE(board.gorkor, gorkor);
        QVERIFY(board.vertkor > 0);
        for (int c = 1; c <= board.gorkor; ++c)
            for (int r = 1; r <= board.vertkor; ++r)
                QVERIFY(board.pole(r, c) >= 0 && board.pole(r, c) <= board.cvet);

        for (const LevelDialogDesign* design : {&kSizeDialog, &kDifficultyDialog}) {
            const bool size = design == &kSizeDialog;
            LevelDialog* dialog = w.open<LevelDialog>(size ? "Command11" : "Command12", design->name);
            QVERIFY(dialog);
            choose(dialog, 1);
            damage(size ? 1 : 2);
            QString reported;
            QTimer::singleShot(0, [&reported] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    reported = box->text();
                    box->accept();
                }
            });
            click(dialog, "Command1");
            QCOMPARE(reported, QString());
            QTRY_VERIFY(w.form->isEnabled());
            QCOMPARE(settings_->get(design->key), QVariant("1"));
        }
        w.newGame();
        QCOMPARE(w.game().board.gorkor, gorkor);
        QCOMPARE(w.game().board.cvet, 7);
    }

    // A store that cannot be written says so, keeps the dialog and leaves nothing behind: written again, it holds
    // and shows what it held. A read-only store binds only an ordinary user (test_ui_dialogs_as_user).
    void aRefusedSaveSaysSoAndLeavesNothingBehind_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::newRow("a plain file where the directory goes") << "file";
        QTest::newRow("a lock that cannot be taken") << "lock";
        QTest::newRow("a read-only directory and file") << "read-only";
    }

    void aRefusedSaveSaysSoAndLeavesNothingBehind()
    {
        QFETCH(QString, refusal);
        if (refusal == "read-only" && runsAsSuperuser())
            QSKIP("the superuser may write any file");
        settings_->set(kSizeKey, "3");
        const QString file = settings_->filePath(), dir = QFileInfo(file).absolutePath();
        const auto refuse = [&](bool refused) {
            const auto permissions = QFileDevice::ReadOwner | QFileDevice::ExeOwner | (refused ? QFileDevice::Permissions() : QFileDevice::WriteOwner);
            if (refusal == "file")
                QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, refused ? file : dir);
            else if (refusal == "lock")
                refused ? QDir(dir).mkdir("igra.conf.lock") : QDir(dir).rmdir("igra.conf.lock");
            else
                QFile::setPermissions(file, permissions), QFile::setPermissions(dir, permissions);
        };
        refuse(true);
        PlayedWindow w;
        LevelDialog* dialog = w.open<LevelDialog>("Command11", kSizeDialog.name);
        choose(dialog, 1);
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        click(dialog, "Command1");
        QCOMPARE(shown, QString("Не удалось сохранить выбор: файл настроек недоступен для записи."));
        QVERIFY(dialog->isVisible());
        QVERIFY(!w.form->isEnabled());
        click(dialog, "Command2");
        QTRY_VERIFY(!findOpenWindow<LevelDialog>(kSizeDialog.name));
        QVERIFY(w.form->isEnabled());

        refuse(false);
        LevelDialog* again = w.open<LevelDialog>("Command11", kSizeDialog.name);
        QCOMPARE(selected(again), 3);
        click(again, "Command2");
        QFile stored(file);
        QVERIFY(stored.open(QIODevice::ReadOnly) && stored.readAll().contains("Action2=3"));
    }

    void theWaitingMainWindowTakesNoInput()
    {
        PlayedWindow w;
        w.newGame();
        const Grid board = w.pole();
        LevelDialog* dialog = w.open<LevelDialog>("Command11", kSizeDialog.name);
        w.releaseOn(5, 5);
        QCOMPARE(w.move().hod, 0);
        w.press("Command2");
        w.press("Command5");
        QCOMPARE(w.pole(), board);
        // A second "Размер" or "Сложность" opens nothing more.
        w.press("Command11");
        w.press("Command12");
        QCOMPARE(findOpenWindow<LevelDialog>(kDifficultyDialog.name), nullptr);
        int dialogs = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            dialogs += qobject_cast<LevelDialog*>(window) && window->isVisible();
        QCOMPARE(dialogs, 1);
        // Its close box does nothing either.
        QVERIFY(!w.form->close());
        QVERIFY(w.form->isVisible());
        dialog->close();
        w.releaseOn(5, 5);
        QCOMPARE(w.move().hod, 1);
    }

    // The dialog stays within the player's reach: minimised on its own it comes back, and the waiting
    // main window, activated, brings it to the front.
    void theDialogStaysWithinReachOfTheWaitingWindow()
    {
        PlayedWindow w;
        LevelDialog* dialog = w.open<LevelDialog>("Command12", kDifficultyDialog.name);
        dialog->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!dialog->isMinimized());
        QVERIFY(dialog->isVisible());
        w.form->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(dialog));
        dialog->close();
        QVERIFY(w.form->isEnabled());
    }

    void theStoreIsAPlainPerUserSettingsFile()
    {
        PlayedWindow w;
        LevelDialog* dialog = w.open<LevelDialog>("Command12", kDifficultyDialog.name);
        choose(dialog, 3);
        click(dialog, "Command1");
        QFile file(settings_->filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY2(content.contains("[Options]\nAction1=3\n"), content.constData());
    }
};

GAME_TEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
