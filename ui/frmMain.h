// The main window: a name, a date of birth and a birth-time slot in, a reading out.
//
//   cmdProceed (or its menu entry, Enter, Esc) -> ValidateBirthDetails -> ShowNadirReading (ReadNadir, into
//   the result window) -> the result window replaces this one.
#pragma once

#include "WorkingWindow.h"

#include <memory>

class QLabel;

namespace Ui {
class frmMain;
}

class frmMain : public WorkingWindow
{
    Q_OBJECT
public:
    explicit frmMain(ProgramHost &host, QWidget *parent = nullptr);
    ~frmMain() override;

    // The two advertising labels that share one place; the one raised is the one seen.
    QLabel *coBrandLabel() const;
    QLabel *fullBrandLabel() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    bool txtName_KeyPress(QKeyEvent *event);
    bool txtName_InputMethod(QInputMethodEvent *event);
    void cmdProceed_Click();
    void cmdExit_Click();

    void ShowNadirReading();
    void forgetNameEdits();
    void refuseNameCharacter();

    std::unique_ptr<Ui::frmMain> ui;
};
