// The help window: the rules of the game, or what each button does.
#pragma once

#include <QWidget>

#include <optional>

class QPlainTextEdit;
class QPushButton;

// Where the texts end and the buttons stand for the window's outer size W x H, frame and title bar
// included, in twips; below the thresholds the controls keep their last places.
struct HelpArrangement {
    float textWidth;
    float textHeight;
    float buttonsTop;
};

inline std::optional<HelpArrangement> arrangeHelp(float w, float h)
{
    if (!(w > 5500 && h > 2000))
        return std::nullopt;
    return HelpArrangement{w - 400, h - 1300, h - 1000};
}

class ssiForm5 : public QWidget {
    Q_OBJECT

public:
    static constexpr char kName[] = "ssiForm5";

    ssiForm5();

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    QPlainTextEdit* addText(const char* name, const QString& resource);
    void ArrangeHelpWindow();

    QPlainTextEdit* Text1;
    QPlainTextEdit* Text2;
    QPushButton* buttons_[4];
};
