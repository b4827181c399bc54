#include "frmAbout.h"
#include "ui_frmAbout.h"

#include "SiteAddresses.h"
#include "WindowLook.h"
#include "modHelp.h"

frmAbout::frmAbout(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmAbout>())
{
    PreferNarrowStandIns();
    ui->setupUi(this);
    ui->picIcon->setBackgroundRole(QPalette::Base);
    ui->picIcon->setPixmap(ProgramIcon().pixmap(32, 32));
    ui->Label2->setText(ProgramTitleText());
    ui->lblHomePage->setText(tr("Click here to visit %1").arg(QLatin1String(MakerSiteAddress)));
    PrepareWindow(this); // a dialog frame: no task-bar entry of its own
    ShareControlPalettes(this); // made again at every opening
    ui->cmdOK->setFocus();

    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui->Label5, &LinkLabel::clicked, this, &frmAbout::Label5_Click);
    connect(ui->lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
}

frmAbout::~frmAbout() = default;

// Closing goes through the close handling, as Esc and the close box do.
void frmAbout::cmdOK_Click() { close(); }

void frmAbout::Label5_Click() { modHelp::OpenFullyBrandedPage(); }

void frmAbout::lblHomePage_Click() { modHelp::OpenHomePage(); }
