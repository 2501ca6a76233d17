// The size dialog and the difficulty dialog: one design, two members, each storing one level.
#pragma once

#include "game/levels.h"
#include "settingsstore.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>

class QRadioButton;

struct LevelDialogDesign {
    const char* name;
    const char* caption;
    const char* key;
    const char* options[3];
    const char* cancelCaption;
    // Twips.
    int width;
    int height;
    int optionWidth;
    int buttonLeft;
    int buttonWidth;
};

// "Размер" opens ssiForm3, "Сложность" opens ssiForm4.
inline constexpr LevelDialogDesign kSizeDialog{
    "ssiForm3", "Выбор размера", kSizeKey, {"Маленький", "Средний", "Большой"}, "Отменить", 3510, 1350, 1575, 1800, 1575};
inline constexpr LevelDialogDesign kDifficultyDialog{
    "ssiForm4", "Выбор сложности", kDifficultyKey, {"Низкая", "Средняя", "Высокая"}, "Отмена", 3180, 1275, 1815, 1560, 1455};

class LevelDialog : public QWidget {
    Q_OBJECT

public:
    // The main window is disabled while the dialog is open; the dialog gives it back its input when it closes.
    LevelDialog(const LevelDialogDesign& design, QWidget* mainWindow);

    std::int16_t level() const { return vybor; }

public slots:
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Command1_Click();
    void Command2_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();

    const LevelDialogDesign& design_;
    QPointer<QWidget> mainWindow_;
    SettingsStore settings_;
    QRadioButton* options_[3];
    std::int16_t vybor = 0;
    // The stored text is none the dialog can show, and no option has been chosen.
    bool keepStored_ = false;
};
