#pragma once

#include "Commands.h"

#include <QHash>
#include <QObject>

class QAction;
class QMenuBar;

namespace tarvo::gui {

// The main menu built from the command table. A command is enabled when its
// window is part of the program and the operator's right allows it; its keyboard
// shortcut follows, so a disabled command's keys do nothing.
class MainMenu : public QObject
{
    Q_OBJECT
public:
    MainMenu(QMenuBar *bar, const QList<Command> &commands, QObject *parent = nullptr);

    QAction *action(const QString &name) const { return m_actions.value(name); }
    bool isEnabled(const QString &name) const;

    // Sets one module's right: every command it gates follows.
    void setRight(int module, bool allowed);
    // Runs a command by name, as a click on its menu item would; nothing when it is disabled.
    void trigger(const QString &name);

signals:
    void commandRequested(const Command &command);

private:
    void refresh();

    QList<Command> m_commands;
    QHash<QString, QAction *> m_actions;
    QHash<int, bool> m_rights; // modules without an entry are allowed
    QList<QAction *> m_submenus;
};

} // namespace tarvo::gui
