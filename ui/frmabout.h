// The About box: the game's title, version and studio, with a notice of its licence.
#pragma once

#include <QDialog>
#include <QPointer>

class frmAbout : public QDialog {
    Q_OBJECT

public:
    static constexpr char kName[] = "frmAbout";

    // The main window waits, disabled, while the box is open; the box gives it back its input when it closes.
    explicit frmAbout(QWidget* mainWindow);

public slots:
    void cmdOK_Click();
    void Command1_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void Form_Unload();

    QPointer<QWidget> mainWindow_;
};
