// The main window: the board, the counters, the colour panel and the fourteen buttons.
#pragma once

#include "canvas.h"
#include "game.h"
#include "settingsstore.h"

#include <QWidget>

#include <memory>

class BoardPicture;
class QLabel;
class QPushButton;
class QTimer;

class ssiForm1 : public QWidget, private Canvas {
    Q_OBJECT

public:
    explicit ssiForm1(std::unique_ptr<RandomSource> random = std::make_unique<ClockSeededRandom>());

    Game& game() { return game_; }

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
    // The board area and the panels beside it, as the rules paint them.
    int areaWidth() const override;
    int areaHeight() const override;
    void resizeArea(int width, int height) override;
    bool areaEnabled() const override;
    void setAreaEnabled(bool enabled) override;
    void clear() override;
    void fillBox(int x1, int y1, int x2, int y2, ColourIndex colour) override;
    void drawLine(int x1, int y1, int x2, int y2, ColourIndex colour) override;
    void setPanelColour(ColourIndex colour) override;
    void setCounters(const std::string& total, const std::string& remaining, const std::string& removed) override;

    BoardPicture* Picture1;
    QWidget* Picture2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QTimer* Timer1;

    std::unique_ptr<RandomSource> random_;
    SettingsStore settings_;
    Game game_;
};
