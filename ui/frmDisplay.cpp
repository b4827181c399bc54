#include "frmDisplay.h"
#include "ui_frmDisplay.h"

#include "ProgramHost.h"
#include "WindowLook.h"
#include "frmMain.h"

#include <QKeyEvent>

frmDisplay::frmDisplay(ProgramHost &host, QWidget *parent)
    : WorkingWindow(host, parent), ui(std::make_unique<Ui::frmDisplay>())
{
    PreferNarrowStandIns();
    ui->setupUi(this);
    ui->Label61->setText(BoardAdvertText());
    ui->lblFullBrand->raise();
    m_signNameDesign = ui->lblYourNadirSign->geometry();
    PrepareWindow(this);

    connect(ui->cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
    connect(ui->mnuFileBack, &QAction::triggered, ui->cmdBack, &QPushButton::click);
    connect(ui->cmdExit, &QPushButton::clicked, this, &frmDisplay::cmdExit_Click);
    connect(ui->mnuExit, &QAction::triggered, ui->cmdExit, &QPushButton::click);
    wireSharedMenus(*ui);
}

frmDisplay::~frmDisplay() = default;

QString frmDisplay::nadirSign() const { return ui->lblYourNadirSign->text(); }

void frmDisplay::setNadirSign(const QString &sign)
{
    // The label sizes to its text and stays centred on its design rectangle, under the heading.
    ui->lblYourNadirSign->setText(sign);
    ui->lblYourNadirSign->setGeometry(m_signNameDesign);
    SizeLabelToText(ui->lblYourNadirSign);
    ui->picSign->setAccessibleName(sign);
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
