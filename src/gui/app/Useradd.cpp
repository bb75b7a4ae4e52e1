#include "Useradd.h"

#include "Guarded.h"
#include "core/app/Operators.h"
#include "gui/controls/Colours.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmUseradd::TFrmUseradd(WindowContext &context, Mode mode, QString code, QWidget *parent)
    : TFrmBaseD(context, parent)
    , m_mode(mode)
    , m_code(std::move(code))
    , EditCode(new QLineEdit(this))
    , EditName(new QLineEdit(this))
    , CmbDuty(new QComboBox(this))
    , EditPassword(new QLineEdit(this))
    , EditConfirm(new QLineEdit(this))
    , BtOk(new QPushButton(u"确定"_s, this))
    , BtCancel(new QPushButton(u"取消"_s, this))
{
    setObjectName(u"FrmUseradd"_s);
    setWindowTitle(mode == Mode::Add ? u"用户新增"_s : u"用户修改"_s);
    paint(this, Colours::EditDialog);
    EditCode->setObjectName(u"EditCode"_s);
    EditCode->setMaxLength(20);
    EditName->setObjectName(u"EditName"_s);
    EditName->setMaxLength(20);
    CmbDuty->setObjectName(u"CmbDuty"_s);
    CmbDuty->setEditable(true);
    CmbDuty->addItems(Operators::duties());
    CmbDuty->setCurrentIndex(-1);
    EditPassword->setObjectName(u"EditPassword"_s);
    EditConfirm->setObjectName(u"EditConfirm"_s);
    for (QLineEdit *edit : {EditPassword, EditConfirm}) {
        edit->setEchoMode(QLineEdit::Password);
        if (mode == Mode::Edit)
            edit->setPlaceholderText(u"不修改请留空"_s);
    }
    EditCode->setMinimumWidth(200);
    BtOk->setObjectName(u"BtOk"_s);
    BtCancel->setObjectName(u"BtCancel"_s);

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setVerticalSpacing(9);
    form->addRow(u"用户代码："_s, EditCode);
    form->addRow(u"用户名称："_s, EditName);
    form->addRow(u"职　　务："_s, CmbDuty);
    form->addRow(u"密　　码："_s, EditPassword);
    form->addRow(u"密码确认："_s, EditConfirm);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtOk);
    buttons->addWidget(BtCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(16);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(EditConfirm, &QLineEdit::editingFinished, this, &TFrmUseradd::EditConfirmExit);
    connect(BtOk, &QPushButton::clicked, this, &TFrmUseradd::BtOkClick);
    connect(BtCancel, &QPushButton::clicked, this, [this] {
        SavedUserCode.clear();
        reject();
    });
}

void TFrmUseradd::InitForm()
{
    TFrmBaseD::InitForm();
    if (m_mode == Mode::Add) {
        EditCode->setFocus();
        return;
    }
    Guarded(prompt(), [this] {
        const OperatorRecord current = Operators(db()).find(m_code);
        EditCode->setText(current.UseCode);
        EditName->setText(current.UseName);
        CmbDuty->setCurrentText(current.Duty);
        EditCode->setEnabled(!Operators::codeLocked(current));
        CmbDuty->setEnabled(!Operators::dutyLocked(current));
    });
    (EditCode->isEnabled() ? EditCode : EditName)->setFocus();
}

void TFrmUseradd::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    TFrmBaseD::keyPressEvent(event);
}

void TFrmUseradd::EditConfirmExit()
{
    Operators::confirmationDiffers(prompt(), EditPassword->text(), EditConfirm->text());
}

void TFrmUseradd::BtOkClick()
{
    using Save = Operators::SaveResult;
    Guarded(prompt(), [this] {
        const OperatorRecord edited{EditCode->text(), EditName->text(), CmbDuty->currentText()};
        Operators operators(db());
        const Save result = m_mode == Mode::Add
                                ? operators.add(prompt(), edited, EditPassword->text(), EditConfirm->text())
                                : operators.update(prompt(), m_code, edited, EditPassword->text(), EditConfirm->text());
        switch (result) {
        case Save::Cancelled:
            break;
        case Save::Incomplete:
        case Save::PasswordMismatch:
            EditPassword->setFocus();
            break;
        case Save::DuplicateCode:
            EditCode->setFocus();
            break;
        case Save::Saved:
            SavedUserCode = EditCode->isEnabled() ? edited.UseCode.trimmed() : m_code;
            accept();
            break;
        }
    });
}

} // namespace tarvo::gui
