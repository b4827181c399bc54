// The exit promotion window: comes up when a working window is closed, stays on top, carries two links and
// the refer-a-friend form; closing it ends the program.
//
// The five refer-a-friend fields show their prompts as real text: focusing a field that still shows its
// prompt empties it, leaving it empty puts the prompt back. The hidden message field starts with its prompt
// and a line break, so an untouched message is sent as that text.
#pragma once

#include "modTellAFriend.h"

#include <QWidget>
#include <memory>

class ProgramHost;
class QInputMethodEvent;

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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();
    void cmdSubmit_Click();
    void Field_GotFocus(QWidget *field);
    void Field_LostFocus(QWidget *field);
    void EmailField_KeyPress(QWidget *field);
    void EmailField_InputMethod(QWidget *field, QInputMethodEvent *event);
    void txtMessage_Change();

    QString prompt(const QWidget *field) const;
    QString fieldText(const QWidget *field) const;
    void setFieldText(QWidget *field, const QString &text);
    void refuseSpace(QWidget *field);

    ProgramHost &m_host;
    int m_promotionText = 0;
    // The message as a Windows text box holds it, line breaks as CR LF; the editor keeps paragraphs only.
    QString m_messageText;
    bool m_settingMessage = false;
    modTellAFriend::Referral m_referral;
    std::unique_ptr<Ui::frmPromotion> ui;
};
