// The help window: the rules of the game, or what each button does.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

class ssiForm5 : public QWidget {
    Q_OBJECT

public:
    ssiForm5();

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    QPlainTextEdit* addText(const char* name, const QString& resource);
    void ArrangeHelpWindow();

    QPlainTextEdit* Text1;
    QPlainTextEdit* Text2;
    QPushButton* buttons_[4];
};
