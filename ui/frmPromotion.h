// The exit promotion window: comes up when a working window is closed, stays on top, carries two links
// and the refer-a-friend form; closing it ends the program.
#pragma once

#include <QWidget>
#include <memory>

class ProgramHost;

namespace Ui {
class frmPromotion;
}

class frmPromotion : public QWidget
{
    Q_OBJECT
public:
    explicit frmPromotion(ProgramHost &host, QWidget *parent = nullptr);
    ~frmPromotion() override;

    // Which of the four promotion texts this window drew when it was created (0..3).
    int promotionTextNumber() const { return m_promotionText; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Unload();

    ProgramHost &m_host;
    int m_promotionText = 0;
    std::unique_ptr<Ui::frmPromotion> ui;
};
