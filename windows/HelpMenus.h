#pragma once
// The part of the menu bar that the main and result windows share: the
// "Help" menu, "Donate" and the switched-off "Make Money Online", each wired
// to its page or to the about window.

#include <QString>

class QAction;
class QMainWindow;
class QMenu;

struct HelpMenus {
    QMenu* mnuHelp;
    QAction* mnuOnline;
    QAction* mnuVisit;
    QAction* mnuUpdate;
    QAction* mnuAbout;
    QAction* mnuDonate;
    QAction* mnuMakeMoney;
};

// Adds the menus to the window's menu bar, after what is there already.
HelpMenus BuildHelpMenus(QMainWindow& window, const QString& updateCaption, const QString& firstSeparator,
                         const QString& secondSeparator);

// A menu entry with its name.
QAction* AddNamedAction(QMenu* menu, const QString& name, const QString& caption);
