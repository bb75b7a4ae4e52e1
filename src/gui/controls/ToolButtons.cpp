#include "ToolButtons.h"

#include <QToolBar>
#include <QToolButton>

namespace tarvo::gui {

QToolButton *addToolButton(QToolBar *bar, const QString &name, const QString &caption, const QString &hint,
                           QWidget *before)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumSize(61, 20);
    insertBefore(bar, before, button);
    return button;
}

void insertBefore(QToolBar *bar, QWidget *before, QWidget *widget)
{
    for (QAction *action : bar->actions()) {
        if (bar->widgetForAction(action) == before) {
            bar->insertWidget(action, widget);
            return;
        }
    }
    bar->addWidget(widget);
}

} // namespace tarvo::gui
