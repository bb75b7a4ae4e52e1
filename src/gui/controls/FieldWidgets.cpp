#include "FieldWidgets.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

QToolButton *lookupButton(QWidget *parent, const QString &name)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(u"…"_s);
    button->setToolTip(u"点击按钮或按F5键选择设定数据"_s);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QWidget *withButton(QWidget *parent, QWidget *box, QWidget *button)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(box, 1);
    layout->addWidget(button);
    return row;
}

bool leftBox(QWidget *window, QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && window->isVisible();
}

} // namespace tarvo::gui
