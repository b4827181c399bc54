// What the main and the result window share: File, Find My Exact Nadir, the Help and "Make Money" menus, the
// three advertising links, the About window, and an unload that brings up the promotion window (unless the
// window is left by Back). New shared entries are wired in `wireSharedMenus`, once for both windows.
#pragma once

#include "LinkLabel.h"
#include "ProgramHost.h"
#include "modHelp.h"

#include <QAction>
#include <QMainWindow>

class WorkingWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit WorkingWindow(ProgramHost &host, QWidget *parent = nullptr) : QMainWindow(parent), m_host(host)
    {
    }

protected:
    // `Form` is a window's generated form class; both forms name the shared controls alike.
    template <class Form> void wireSharedMenus(Form &form)
    {
        connect(form.mnuFindExactNadir, &QAction::triggered, this, [this] { m_host.showExactWindow(this); });
        connect(form.mnuOnline, &QAction::triggered, this, &modHelp::OpenHelpPage);
        connect(form.mnuVisit, &QAction::triggered, this, &modHelp::OpenHomePage);
        connect(form.mnuUpdate, &QAction::triggered, this, &modHelp::OpenDownloadPage);
        connect(form.mnuAbout, &QAction::triggered, this, &WorkingWindow::mnuAbout_Click);
        connect(form.mnuDonate, &QAction::triggered, this, &modHelp::OpenDonatePage);
        connect(form.mnuMakeMoneyOnline, &QAction::triggered, this, &modHelp::OpenFullyBrandedPage);
        connect(form.Label61, &LinkLabel::clicked, this, &modHelp::OpenHomePage);
        connect(form.lblCobrand, &LinkLabel::clicked, this, &modHelp::OpenCoBrandPage);
        connect(form.lblFullBrand, &LinkLabel::clicked, this, &modHelp::OpenFullyBrandedPage);
    }

    // Closes the window without bringing up the promotion window.
    void closeQuietly();

    void closeEvent(QCloseEvent *event) final;

    ProgramHost &m_host;

private:
    void mnuAbout_Click();
    void Form_Unload();

    bool m_quietUnload = false;
};
