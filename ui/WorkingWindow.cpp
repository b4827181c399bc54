#include "WorkingWindow.h"

#include <QCloseEvent>

void WorkingWindow::closeQuietly()
{
    m_quietUnload = true;
    close();
}

void WorkingWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void WorkingWindow::mnuAbout_Click() { m_host.showAboutWindow(this); }

void WorkingWindow::Form_Unload()
{
    m_host.windowUnloaded(this);
    if (!m_quietUnload)
        m_host.showPromotionWindow();
}
