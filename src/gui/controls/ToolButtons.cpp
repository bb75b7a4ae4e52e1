#include "ToolButtons.h"

#include <QToolBar>
#include <QToolButton>

namespace tarvo::gui {

QToolButton *addToolButton(QToolBar *bar, const QString &name, const QString &caption, const QString &hint)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumSize(61, 20);
    bar->addWidget(button);
    return button;
}

} // namespace tarvo::gui
