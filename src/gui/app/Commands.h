#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

namespace tarvo::gui {

class TFrmMain;

// What a command does, given the main window.
using CommandRun = std::function<void(TFrmMain &)>;

// One command of the main menu: where it sits, the right that gates it, its keys
// and what it runs. A command whose window is not part of the program yet has no
// run: it stays in the menu, disabled.
struct Command
{
    QString name;    // the menu item's object name, e.g. NBookData
    QString menu;    // the menu group, e.g. 【基本资料】
    QString submenu; // a submenu of the group, or empty
    QString caption;
    int module = -1; // the right (UserModule.ModuleId) that gates it; -1: every operator
    QKeySequence keys;
    CommandRun run;
    bool separatorBefore = false;
};

// Every command of the main menu, in menu order. Giving a command its window is
// one line here.
QList<Command> mainCommands();

// The overdue lists of books and magazines that the set-up opens when
// 逾期不还警告提示 is on, each centred in the frame by its run; empty until those
// windows are part of the program.
QList<CommandRun> overdueLists();

} // namespace tarvo::gui
