// The result window: one reading's nadir sign, its interpretation and its picture, written in from outside
// while the window is hidden. Back returns to the main window; closing leads to the promotion window.
#pragma once

#include "WorkingWindow.h"

#include <memory>

namespace Ui {
class frmDisplay;
}

class frmDisplay : public WorkingWindow
{
    Q_OBJECT
public:
    explicit frmDisplay(ProgramHost &host, QWidget *parent = nullptr);
    ~frmDisplay() override;

    // The sign by its English name, as the engine knows it; the window shows it in its own language.
    QString nadirSign() const;
    void setNadirSign(const QString &sign);
    void setNadirDescription(const QString &text);
    void setSignPicture(const QPixmap &picture);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void cmdBack_Click();
    void cmdExit_Click();

    QString m_nadirSign; // the English name, as the engine knows it; null before a reading
    QRect m_signNameDesign; // the sign name keeps its centre here as its width follows the text
    std::unique_ptr<Ui::frmDisplay> ui;
};
