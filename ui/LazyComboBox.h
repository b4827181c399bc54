// A drop-down list whose list window is made when it is first opened, not at start-up.
//
// A plain combo box makes its list window (a popup with a list view) at its first font change, which the
// form's font settings cause while the window is being set up; for the main window's four lists that was a
// noticeable share of start-up. Until the list is first opened, font changes only reach the box itself; the
// list then takes the box's font as a plain combo box's would.
#pragma once

#include <QComboBox>

class LazyComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit LazyComboBox(QWidget *parent = nullptr);

    void showPopup() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    bool m_listReady = false;
};
