#include "frmMain.h"
#include "ui_frmMain.h"

#include "Language.h"
#include "Messages.h"
#include "ProgramHost.h"
#include "SignImageList.h"
#include "Translated.h"
#include "WindowLook.h"
#include "frmDisplay.h"
#include "reading.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>

namespace {

// What the name field takes from typing: in English letters A-Z (small ones as capitals) and spaces; in a
// translated window the letters of every script with their accents (combining marks) and spaces, turned into
// capitals by the rules of the window's language ("müller" to "MÜLLER", "анна" to "АННА"), and the hyphens
// and apostrophes that join the parts of a name (Anna-Lena, O'Brien, D’Angelo). Digits, other punctuation,
// symbols and control characters are refused in every language.
// Returns the text to insert, or a null string when any character is refused.
bool isNameJoiner(char32_t c) { return c == U'-' || c == U'\u2010' || c == U'\'' || c == U'\u2019'; }

QString acceptedNameText(const QString &typed)
{
    if (Language::SpeaksEnglish()) {
        QString out;
        out.reserve(typed.size());
        for (const QChar c : typed) {
            const char16_t u = c.unicode();
            if ((u >= u'A' && u <= u'Z') || u == u' ')
                out += c;
            else if (u >= u'a' && u <= u'z')
                out += QChar(u - 32);
            else
                return {};
        }
        return out;
    }
    for (const char32_t c : typed.toUcs4())
        if (c != U' ' && !QChar::isLetter(c) && !QChar::isMark(c) && !isNameJoiner(c))
            return {};
    return QLocale(Language::Current()).toUpper(typed);
}

// A joiner stands between two parts of a name: a name that starts with one, or has two in a row, is refused
// when it is read (one typed last is the next part's beginning).
bool joinsBadly(const QString &name)
{
    bool lastJoined = true; // as if the name began after a joiner
    for (const char32_t c : name.toUcs4()) {
        const bool joiner = isNameJoiner(c);
        if (joiner && lastJoined)
            return true;
        lastJoined = joiner;
    }
    return false;
}

} // namespace

frmMain::frmMain(ProgramHost &host, QWidget *parent)
    : WorkingWindow(host, parent), ui(std::make_unique<Ui::frmMain>())
{
    PreferNarrowStandIns();
    ui->setupUi(this);
    ui->Label61->setText(BoardAdvertText());
    Form_Load(); // the lists are filled before the window is fitted to its texts
    PrepareWindow(this);
    ui->txtName->installEventFilter(this);

    connect(ui->cmdProceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
    connect(ui->mnuFindZodiacRisingSign, &QAction::triggered, this, &frmMain::cmdProceed_Click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMain::cmdExit_Click);
    wireSharedMenus(*ui);
}

frmMain::~frmMain() = default;

QLabel *frmMain::coBrandLabel() const { return ui->lblCobrand; }
QLabel *frmMain::fullBrandLabel() const { return ui->lblFullBrand; }

void frmMain::Form_Load()
{
    QStringList months, days, years, slots;
    for (std::string_view month : quorvis::MonthNames)
        months << Translated("Month", month);
    for (int day = 1; day <= quorvis::DaysInList; ++day)
        days << QString::number(day);
    for (int year = quorvis::FirstYear; year <= quorvis::LastYear; ++year)
        years << QString::number(year);
    for (std::string_view slot : quorvis::TimeSlots)
        slots << Translated("TimeSlot", slot);
    ui->cmbMonth->addItems(Language::MonthNames(months));
    ui->cmbDate->addItems(days);
    ui->cmbYear->addItems(years);
    ui->cmbTime->addItems(slots);

    ui->cmbDate->setCurrentIndex(0);
    ui->cmbMonth->setCurrentIndex(0);
    ui->cmbYear->setCurrentIndex(0);
    ui->cmbTime->setCurrentIndex(0);
    ui->txtName->setFocus();
}

void frmMain::cmdProceed_Click()
{
    if (!Language::SpeaksEnglish() && joinsBadly(ui->txtName->text())) {
        refuseNameCharacter();
        ui->txtName->setFocus();
        return;
    }
    const auto check = quorvis::ValidateBirthDetails(
        ui->txtName->text().isEmpty(), static_cast<std::int16_t>(ui->cmbDate->currentIndex()),
        static_cast<std::int16_t>(ui->cmbMonth->currentIndex()), ui->cmbYear->currentText().toInt());
    if (!check.ok()) {
        const bool nameMissing = check.problem == quorvis::BirthDetailsProblem::MissingName;
        ShowMessage(this, Translated("BirthDetails", check.message),
                    nameMissing ? QMessageBox::NoIcon : QMessageBox::Information);
        if (nameMissing)
            ui->txtName->setFocus();
        return;
    }

    ShowNadirReading();
    forgetNameEdits();
    hide();
    m_host.hidePromotionWindow();
    m_host.displayWindow().show();
}

// Runs the reading and writes its nadir sign, picture and interpretation into the result window (created
// hidden if it does not exist); what the reading leaves open, the window keeps.
void frmMain::ShowNadirReading()
{
    frmDisplay &display = m_host.displayWindow();
    const std::string shown = display.nadirSign().toStdString();
    // The reading takes the slot's English label, whatever language the list shows it in.
    const int slot = ui->cmbTime->currentIndex();
    const std::string birthTime = slot >= 0 && slot < int(quorvis::TimeSlots.size())
                                      ? std::string(quorvis::TimeSlots[std::size_t(slot)])
                                      : ui->cmbTime->currentText().toStdString();
    const quorvis::NadirReading reading =
        quorvis::ReadNadir(m_host.readingValues(), static_cast<std::int16_t>(ui->cmbDate->currentIndex()),
                           static_cast<std::int16_t>(ui->cmbMonth->currentIndex()), birthTime, shown);
    if (!reading.sign.empty()) {
        display.setNadirSign(QString::fromUtf8(reading.sign));
        display.setSignPicture(SignImageList::picture(reading.pictureNumber, display.devicePixelRatioF()));
    }
    if (!reading.interpretation.empty())
        display.setNadirDescription(Translated("Interpretation", reading.interpretation));
}

// The name field keeps every edit for its Undo, as long as the window lives: a long session of readings would
// hold every letter ever typed and erased. A reading starts the history afresh; the name stays as it was.
void frmMain::forgetNameEdits()
{
    const int cursor = ui->txtName->cursorPosition();
    ui->txtName->setText(ui->txtName->text());
    ui->txtName->setCursorPosition(cursor);
}

void frmMain::cmdExit_Click() { close(); }

// Enter (when no button has the focus) and Esc run the reading, as the window's default and cancel button.
// Buttons take their own Enter; an open list takes Enter and Esc itself.
void frmMain::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        if (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) {
            QMainWindow::keyPressEvent(event);
            return;
        }
        event->accept();
        ui->cmdProceed->click();
        return;
    default:
        QMainWindow::keyPressEvent(event);
    }
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->txtName) {
        if (event->type() == QEvent::KeyPress)
            return txtName_KeyPress(static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::InputMethod)
            return txtName_InputMethod(static_cast<QInputMethodEvent *>(event));
        // Dropped text would bypass the filter above, so the field takes no drops at all.
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
            event->type() == QEvent::Drop) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// The name takes letters, which become capitals, and spaces; Backspace and Enter pass on. Every other typed
// character is refused with a message, control characters of shortcuts (copy, paste, ...) included. Keys that
// type nothing (arrows, Home, End, Delete, Tab) edit and move the focus as usual.
bool frmMain::txtName_KeyPress(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    default:
        break;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool control = mods & (Qt::ControlModifier | Qt::MetaModifier);
    const bool alt = mods & Qt::AltModifier;
    QString typed = event->text();
    if (control && !alt) {
        // A shortcut such as Ctrl+V types its control character.
        if (typed.isEmpty() && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
            typed = QChar(event->key() - Qt::Key_A + 1);
        if (!typed.isEmpty()) {
            refuseNameCharacter();
            return true;
        }
        return false;
    }
    if (alt && !control)
        return false; // menu access keys are not typed characters
    // Backspace and carriage return pass on unchanged, however they arrive.
    if (typed.isEmpty() || typed == QLatin1String("\b") || typed == QLatin1String("\r"))
        return false;
    const QString accepted = acceptedNameText(typed);
    if (accepted.isNull()) {
        refuseNameCharacter();
        return true;
    }
    ui->txtName->insert(accepted);
    return true;
}

// Text committed by an input method (composed or accented letters) goes through the same filter.
bool frmMain::txtName_InputMethod(QInputMethodEvent *event)
{
    if (event->commitString().isEmpty())
        return false;
    const QString accepted = acceptedNameText(event->commitString());
    if (accepted.isNull()) {
        QInputMethodEvent cleared; // drop the composition as well
        QCoreApplication::sendEvent(ui->txtName, &cleared);
        refuseNameCharacter();
        return true;
    }
    if (accepted == event->commitString())
        return false;
    QInputMethodEvent replaced(event->preeditString(), event->attributes());
    replaced.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    QCoreApplication::sendEvent(ui->txtName, &replaced);
    return true;
}

void frmMain::refuseNameCharacter()
{
    //: In a translated window the name takes the letters of every script, and spaces: say that.
    ShowMessage(this, tr("Please Enter Only Alphabet !"), QMessageBox::Information);
}
