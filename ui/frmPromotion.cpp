#include "frmPromotion.h"
#include "ui_frmPromotion.h"

#include "Messages.h"
#include "ProgramHost.h"
#include "SiteAddresses.h"
#include "WindowLook.h"
#include "modHelp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>
#include <array>

namespace {

const std::array<const char *, 4> PromotionTexts = {
    QT_TRANSLATE_NOOP("frmPromotion",
    "Pellmark Softwares, such as this can be created and maintained only with your support. The best way "
    "to support Pellmark is to visit Pellmark regularly and take part in the discussions and other "
    "activities on the board."),
    QT_TRANSLATE_NOOP("frmPromotion",
    "Visit Pellmark regularly. Support Pellmark by taking part in the discussions and other activities. "
    "These softwares cannot be supported and maintained, without you regularly visiting Pellmark"),
    QT_TRANSLATE_NOOP("frmPromotion",
    "Pellmark is a FREE online discussion forum on astrology, psychic, tarot, numerology and the occult. "
    "Visit Pellmark regularly to help us develop and maintain this software."),
    QT_TRANSLATE_NOOP("frmPromotion",
    "Pellmark needs your help. All you need to do is visit Pellmark regularly and take part in the various "
    "discussions and activites to help us maintain and develop more Pellmark Softwares."),
};

// A message box or a menu taking the focus for a moment is not the user moving on to another field.
bool movesBetweenFields(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

} // namespace

frmPromotion::frmPromotion(ProgramHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_host(host),
      ui(std::make_unique<Ui::frmPromotion>())
{
    PreferNarrowStandIns();
    ui->setupUi(this);
    ui->Label1->setText(ProgramTitleText());
    Form_Load();
    PrepareWindow(this);
    ui->cmdClose->setFocus();

    connect(ui->Check1, &QAbstractButton::toggled, this, &frmPromotion::Check1_Click);
    connect(ui->lblGoToHome, &LinkLabel::clicked, this, &frmPromotion::lblGoToHome_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmPromotion::cmdClose_Click);
    connect(ui->cmdSubmit, &QPushButton::clicked, this, &frmPromotion::cmdSubmit_Click);
    connect(ui->txtMessage, &QPlainTextEdit::textChanged, this, &frmPromotion::txtMessage_Change);
    const QList<QWidget *> fields = {ui->txtName, ui->txtEmail, ui->txtMessage, ui->txtFriendName,
                                     ui->txtFriendEmail};
    for (QWidget *field : fields)
        field->installEventFilter(this);
}

frmPromotion::~frmPromotion() = default;

void frmPromotion::Form_Load()
{
    const int drawn = m_host.randomNumber(0, int(PromotionTexts.size()) - 1);
    m_promotionText = std::clamp(drawn, 0, int(PromotionTexts.size()) - 1);
    ui->Label2->setText(tr(PromotionTexts[std::size_t(m_promotionText)]));
    QStringList texts; // the window is fitted to the longest of them
    for (const char *text : PromotionTexts)
        texts << tr(text);
    ui->Label2->setProperty("fitTexts", texts);

    ui->Check1->setText(tr("Click Here To Visit %1 Now").arg(QLatin1String(MakerSiteHost)));
    ui->Picture1->setBackgroundRole(QPalette::Base);
    ui->Picture1->setPixmap(ProgramIcon().pixmap(32, 32));
    for (QWidget *field : {ui->txtName, ui->txtEmail, ui->txtFriendName, ui->txtFriendEmail})
        setFieldText(field, prompt(field));
    setFieldText(ui->txtMessage, prompt(ui->txtMessage) + QLatin1String("\r\n"));

    // A frame paints its caption in its Text colour, which its children would inherit with its navy
    // background; the form's own controls keep the standard colours.
    for (QWidget *control : ui->Frame2->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->setPalette(CompletePalette(QApplication::palette(control)));
}

void frmPromotion::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void frmPromotion::Form_Unload()
{
    m_host.windowUnloaded(this);
    m_host.ExitProgram();
}

void frmPromotion::Check1_Click()
{
    // The box only ever flashes: a tick is taken back at once and opens the page.
    if (!ui->Check1->isChecked())
        return;
    ui->Check1->setChecked(false);
    modHelp::OpenHomePage();
}

void frmPromotion::lblGoToHome_Click() { modHelp::OpenSoftwaresPage(); }

void frmPromotion::cmdClose_Click() { m_host.ExitProgram(); }

void frmPromotion::cmdSubmit_Click()
{
    using modTellAFriend::TrimSpaces;
    m_referral = {TrimSpaces(fieldText(ui->txtName)), TrimSpaces(fieldText(ui->txtEmail)),
                  TrimSpaces(fieldText(ui->txtMessage)), TrimSpaces(fieldText(ui->txtFriendName)),
                  TrimSpaces(fieldText(ui->txtFriendEmail))};
    if (const QString problem = modTellAFriend::EmailProblem(m_referral); !problem.isEmpty()) {
        ShowMessage(this, problem, QMessageBox::Critical);
        return;
    }
    modTellAFriend::TellAFriend(this, m_referral);
}

bool frmPromotion::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QWidget *>(watched);
    const bool emailField = watched == ui->txtEmail || watched == ui->txtFriendEmail;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (movesBetweenFields(static_cast<QFocusEvent *>(event)))
            Field_GotFocus(field);
        break;
    case QEvent::FocusOut:
        if (movesBetweenFields(static_cast<QFocusEvent *>(event)))
            Field_LostFocus(field);
        break;
    case QEvent::KeyPress:
        if (emailField && static_cast<QKeyEvent *>(event)->text() == QLatin1String(" ")) {
            EmailField_KeyPress(field);
            return true;
        }
        break;
    case QEvent::InputMethod:
        if (emailField)
            EmailField_InputMethod(field, static_cast<QInputMethodEvent *>(event));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmPromotion::Field_GotFocus(QWidget *field)
{
    if (modTellAFriend::TrimSpaces(fieldText(field)) == prompt(field))
        setFieldText(field, QString());
}

void frmPromotion::Field_LostFocus(QWidget *field)
{
    if (modTellAFriend::TrimSpaces(fieldText(field)).isEmpty())
        setFieldText(field, prompt(field));
}

void frmPromotion::EmailField_KeyPress(QWidget *field) { refuseSpace(field); }

void frmPromotion::EmailField_InputMethod(QWidget *field, QInputMethodEvent *event)
{
    // Text composed by an input method arrives in one piece; its spaces are refused like typed ones.
    QString commit = event->commitString();
    if (!commit.contains(u' '))
        return;
    commit.remove(u' ');
    event->setCommitString(commit, event->replacementStart(), event->replacementLength());
    refuseSpace(field);
}

void frmPromotion::txtMessage_Change()
{
    if (m_settingMessage)
        return;
    m_messageText = ui->txtMessage->toPlainText();
    m_messageText.replace(u'\n', QLatin1String("\r\n"));
}

QString frmPromotion::prompt(const QWidget *field) const
{
    using modTellAFriend::Prompt;
    if (field == ui->txtName)
        return Prompt(modTellAFriend::PromptName);
    if (field == ui->txtEmail)
        return Prompt(modTellAFriend::PromptEmail);
    if (field == ui->txtMessage)
        return Prompt(modTellAFriend::PromptMessage);
    if (field == ui->txtFriendName)
        return Prompt(modTellAFriend::PromptFriendName);
    return Prompt(modTellAFriend::PromptFriendEmail);
}

QString frmPromotion::fieldText(const QWidget *field) const
{
    if (field == ui->txtMessage)
        return m_messageText;
    if (const auto *line = qobject_cast<const QLineEdit *>(field))
        return line->text();
    return {};
}

void frmPromotion::setFieldText(QWidget *field, const QString &text)
{
    if (field == ui->txtMessage) {
        m_messageText = text;
        m_settingMessage = true;
        ui->txtMessage->setPlainText(text);
        m_settingMessage = false;
        return;
    }
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->setText(text);
}

void frmPromotion::refuseSpace(QWidget *field)
{
    ShowMessage(this, tr("Email Address Cannot Contain Space"), QMessageBox::Critical);
    // Back to typing in the same field, in this window, wherever the message box left the activation.
    activateWindow();
    field->setFocus(Qt::OtherFocusReason);
}
