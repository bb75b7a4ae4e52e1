#include "ChangePassword.h"

#include "Guarded.h"
#include "core/app/AppState.h"
#include "core/app/Operators.h"
#include "gui/controls/Colours.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmChangePassword::TFrmChangePassword(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
    , EditOld(new QLineEdit(this))
    , EditNew(new QLineEdit(this))
    , EditConfirm(new QLineEdit(this))
    , BtOk(new QPushButton(u"确定"_s, this))
    , BtCancel(new QPushButton(u"取消"_s, this))
{
    setObjectName(u"FrmChangePassword"_s);
    setWindowTitle(u"更改口令"_s);
    paint(this, Colours::QueryPanel);
    const std::pair<QLineEdit *, QString> fields[] = {
        {EditOld, u"EditOld"_s}, {EditNew, u"EditNew"_s}, {EditConfirm, u"EditConfirm"_s}};
    for (const auto &[edit, name] : fields) {
        edit->setObjectName(name);
        edit->setEchoMode(QLineEdit::Password);
        edit->setMinimumWidth(200);
    }
    BtOk->setObjectName(u"BtOk"_s);
    BtCancel->setObjectName(u"BtCancel"_s);

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setVerticalSpacing(10);
    form->addRow(u"旧密码："_s, EditOld);
    form->addRow(u"新密码："_s, EditNew);
    form->addRow(u"确认密码："_s, EditConfirm);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtOk);
    buttons->addWidget(BtCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(16);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(BtOk, &QPushButton::clicked, this, &TFrmChangePassword::BtOkClick);
    connect(BtCancel, &QPushButton::clicked, this, &TFrmChangePassword::reject);
}

void TFrmChangePassword::InitForm()
{
    TFrmBaseD::InitForm();
    EditOld->setFocus();
}

void TFrmChangePassword::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    TFrmBaseD::keyPressEvent(event);
}

void TFrmChangePassword::BtOkClick()
{
    using Change = Operators::PasswordChange;
    Guarded(prompt(), [this] {
        switch (Operators(db()).changePassword(prompt(), state().OperatorCode, EditOld->text(), EditNew->text(),
                                               EditConfirm->text())) {
        case Change::Mismatch:
            EditNew->setFocus();
            break;
        case Change::WrongOld:
            EditOld->setFocus();
            break;
        case Change::Changed:
            accept();
            break;
        }
    });
}

} // namespace tarvo::gui
