#include "frmDisplay.h"
#include "ui_frmDisplay.h"

#include "ProgramHost.h"
#include "Translated.h"
#include "WindowLook.h"
#include "frmMain.h"
#include "reading.h"

#include <QKeyEvent>

frmDisplay::frmDisplay(ProgramHost &host, QWidget *parent)
    : WorkingWindow(host, parent), ui(std::make_unique<Ui::frmDisplay>())
{
    PreferNarrowStandIns();
    ui->setupUi(this);
    ui->Label61->setText(BoardAdvertText());
    ui->lblFullBrand->raise();
    // Any sign and interpretation may come to be shown: the window is fitted to the longest.
    QStringList signs, interpretations;
    for (std::size_t sign = 0; sign < quorvis::ZodiacSigns.size(); ++sign) {
        signs << Translated("ZodiacSign", quorvis::ZodiacSigns[sign]);
        interpretations << Translated("Interpretation", quorvis::Interpretations[sign]);
    }
    ui->lblYourNadirSign->setProperty("fitTexts", signs);
    ui->lblNadirDesc->setProperty("fitTexts", interpretations);
    ui->lblYourNadirSign->setProperty("designGeometry", ui->lblYourNadirSign->geometry());
    PrepareWindow(this);
    ShareControlPalettes(this); // a result window is made for every reading
    m_signNameDesign = ui->lblYourNadirSign->property("designGeometry").toRect();

    connect(ui->cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
    connect(ui->mnuFileBack, &QAction::triggered, ui->cmdBack, &QPushButton::click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(ui->mnuExit, &QAction::triggered, ui->cmdExit, &QPushButton::click);
    wireSharedMenus(*ui);
}

frmDisplay::~frmDisplay() = default;

QString frmDisplay::nadirSign() const
{
    return m_nadirSign.isNull() ? ui->lblYourNadirSign->text() : m_nadirSign;
}

void frmDisplay::setNadirSign(const QString &sign)
{
    // The label sizes to its text and stays centred on its design rectangle, under the heading.
    m_nadirSign = sign;
    const QString shown = Translated("ZodiacSign", sign.toStdString());
    ui->lblYourNadirSign->setText(shown);
    ui->lblYourNadirSign->setGeometry(m_signNameDesign);
    SizeLabelToText(ui->lblYourNadirSign);
    ui->picSign->setAccessibleName(shown);
}

void frmDisplay::setNadirDescription(const QString &text) { ui->lblNadirDesc->setText(text); }

void frmDisplay::setSignPicture(const QPixmap &picture)
{
    if (picture.isNull())
        return;
    ui->picSign->setPixmap(picture);
    // The box fits its picture, plus its one-pixel border.
    const QSize size = picture.deviceIndependentSize().toSize() + QSize(2, 2);
    ui->picSign->resize(size);
}

void frmDisplay::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    ui->cmdBack->setFocus(Qt::OtherFocusReason);
}

// Back: unload this window without bringing up the promotion window, show the main window with its inputs as
// they were, and put away a promotion window that is on screen already.
void frmDisplay::cmdBack_Click()
{
    ProgramHost &host = m_host;
    closeQuietly();
    host.mainWindow().show();
    host.hidePromotionWindow();
}

void frmDisplay::cmdExit_Click() { close(); }

// Enter presses the focused button, and Exit when the picture has the focus; Esc always presses Exit.
void frmDisplay::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
    if (plain && event->key() == Qt::Key_Escape) {
        event->accept();
        ui->cmdExit->click();
        return;
    }
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        else
            ui->cmdExit->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
