// The About window: program name and version, what the nadir stands for, and two link labels.
// Created for each opening and shown modally over the window that opened it; OK, Enter, Esc and the close box
// all close it the same way.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmAbout;
}

class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

private:
    void cmdOK_Click();
    void Label5_Click();
    void lblHomePage_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};
