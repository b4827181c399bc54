#include "frmPromotion.h"
#include "ui_frmPromotion.h"

#include "ProgramHost.h"

#include <QCloseEvent>

frmPromotion::frmPromotion(ProgramHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_host(host), ui(std::make_unique<Ui::frmPromotion>())
{
    ui->setupUi(this);
}

frmPromotion::~frmPromotion() = default;

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
