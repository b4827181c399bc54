#include "frmAbout.h"
#include "ui_frmAbout.h"

frmAbout::frmAbout(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
}

frmAbout::~frmAbout() = default;

void frmAbout::cmdOK_Click() { accept(); }
void frmAbout::Label5_Click() {}
void frmAbout::lblHomePage_Click() {}
