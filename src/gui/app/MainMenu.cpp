#include "MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

MainMenu::MainMenu(QMenuBar *bar, const QList<Command> &commands, QObject *parent)
    : QObject(parent)
    , m_commands(commands)
{
    QHash<QString, QMenu *> menus;
    for (const Command &command : std::as_const(m_commands)) {
        QMenu *&menu = menus[command.menu];
        if (!menu)
            menu = bar->addMenu(command.menu);
        QMenu *target = menu;
        if (!command.submenu.isEmpty()) {
            const QString key = command.menu + u'/' + command.submenu;
            QMenu *&submenu = menus[key];
            if (!submenu) {
                if (command.separatorBefore)
                    menu->addSeparator();
                submenu = menu->addMenu(command.submenu);
                m_submenus << submenu->menuAction();
            }
            target = submenu;
        } else if (command.separatorBefore) {
            menu->addSeparator();
        }
        QAction *action = target->addAction(command.caption);
        action->setObjectName(command.name);
        action->setShortcut(command.keys);
        // The frame's keys work in every child window, not only while the menu has focus.
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, command] { emit commandRequested(command); });
        m_actions.insert(command.name, action);
    }
    refresh();
}

bool MainMenu::isEnabled(const QString &name) const
{
    const QAction *action = m_actions.value(name);
    return action && action->isEnabled();
}

void MainMenu::setRight(int module, bool allowed)
{
    m_rights.insert(module, allowed);
    refresh();
}

void MainMenu::trigger(const QString &name)
{
    if (isEnabled(name))
        m_actions.value(name)->trigger();
}

void MainMenu::refresh()
{
    for (const Command &command : std::as_const(m_commands)) {
        const bool allowed = command.module < 0 || m_rights.value(command.module, true);
        m_actions.value(command.name)->setEnabled(bool(command.run) && allowed);
    }
    // A submenu is open while any of its commands is.
    for (QAction *submenu : std::as_const(m_submenus)) {
        const QList<QAction *> items = submenu->menu()->actions();
        submenu->setEnabled(std::any_of(items.begin(), items.end(), [](QAction *a) { return a->isEnabled(); }));
    }
}

} // namespace tarvo::gui
