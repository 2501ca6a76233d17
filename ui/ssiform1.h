// The main window: the board, the counters, the colour panel and the fourteen buttons.
#pragma once

#include "game/game.h"
#include "game/randomsource.h"
#include "settingsstore.h"

#include <QWidget>

#include <memory>

class BoardCanvas;
class BoardPicture;
class QTimer;

class ssiForm1 : public QWidget {
    Q_OBJECT

public:
    static constexpr char kName[] = "ssiForm1";

    explicit ssiForm1(std::unique_ptr<RandomSource> random = std::make_unique<ClockSeededRandom>());
    ~ssiForm1() override;

    Game& game() { return *game_; }

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Picture1_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void Timer1_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    BoardPicture* Picture1;
    QTimer* Timer1;

    std::unique_ptr<RandomSource> random_;
    SettingsStore settings_;
    std::unique_ptr<BoardCanvas> canvas_;
    std::unique_ptr<Game> game_;
};
