#include "windows/HelpMenus.h"

#include "windows/PageLinks.h"
#include "windows/frmAbout.h"

#include <QMainWindow>
#include <QMenuBar>

QAction* AddNamedAction(QMenu* menu, const QString& name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

HelpMenus BuildHelpMenus(QMainWindow& window, const QString& updateCaption, const QString& firstSeparator,
                         const QString& secondSeparator) {
    using modHelp::Page;
    QMenuBar* bar = window.menuBar();
    HelpMenus menus{};
    menus.mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    menus.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    menus.mnuOnline = AddNamedAction(menus.mnuHelp, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"));
    menus.mnuVisit = AddNamedAction(menus.mnuHelp, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"));
    menus.mnuHelp->addSeparator()->setObjectName(firstSeparator);
    menus.mnuUpdate = AddNamedAction(menus.mnuHelp, QStringLiteral("mnuUpdate"), updateCaption);
    menus.mnuHelp->addSeparator()->setObjectName(secondSeparator);
    menus.mnuAbout = AddNamedAction(menus.mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("&About Software"));

    // Commands on the bar itself.
    menus.mnuDonate = bar->addAction(QStringLiteral("&Donate"));
    menus.mnuDonate->setObjectName(QStringLiteral("mnuDonate"));
    // Switched off and never switched on, so it is left off the bar: the
    // bar would claim its access key even hidden, and Alt+O belongs to the
    // main window's import button.
    menus.mnuMakeMoney = new QAction(QStringLiteral("Make Money &Online"), &window);
    menus.mnuMakeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    menus.mnuMakeMoney->setVisible(false);

    OpenPageOn(menus.mnuOnline, &QAction::triggered, Page::HelpWebPage);
    OpenPageOn(menus.mnuVisit, &QAction::triggered, Page::HomePage);
    OpenPageOn(menus.mnuUpdate, &QAction::triggered, Page::DownloadWebPage);
    OpenPageOn(menus.mnuDonate, &QAction::triggered, Page::Donate);
    OpenPageOn(menus.mnuMakeMoney, &QAction::triggered, Page::FullyBranded);
    QMainWindow* owner = &window;
    QObject::connect(menus.mnuAbout, &QAction::triggered, owner,
                     [owner] { RunStep([owner] { frmAbout::ShowModal(owner); }); });
    return menus;
}
