#include "Login.h"

#include "Guarded.h"
#include "core/app/Operators.h"
#include "gui/controls/Colours.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmLogin::TFrmLogin(WindowContext &context, QString result, QWidget *parent)
    : TFrmBaseD(context, parent)
    , ResultCode(std::move(result))
    , CmbCode(new QComboBox(this))
    , EditName(new QLineEdit(this))
    , EditPassword(new QLineEdit(this))
    , BtOk(new QPushButton(u"确定"_s, this))
    , BtCancel(new QPushButton(u"取消"_s, this))
{
    setObjectName(u"FrmLogin"_s);
    setWindowTitle(u"用户登陆"_s);
    CmbCode->setObjectName(u"CmbCode"_s);
    EditName->setObjectName(u"EditName"_s);
    EditName->setReadOnly(true);
    EditPassword->setObjectName(u"EditPassword"_s);
    EditPassword->setEchoMode(QLineEdit::Password);
    BtOk->setObjectName(u"BtOk"_s);
    BtCancel->setObjectName(u"BtCancel"_s);
    for (QWidget *field :
         {static_cast<QWidget *>(CmbCode), static_cast<QWidget *>(EditName), static_cast<QWidget *>(EditPassword)})
        field->setMinimumWidth(190);

    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(u":/images/login.png"_s));
    picture->setFixedSize(150, 200);
    picture->setScaledContents(true);

    auto *panel = new QWidget(this);
    paint(panel, Colours::QueryPanel);
    auto *title = new QLabel(u"欢迎使用图书馆管理系统"_s, panel);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 3);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(u"color: #1d4e6b;"_s);
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(10);
    form->addRow(u"用户编号："_s, CmbCode);
    form->addRow(u"用户名称："_s, EditName);
    form->addRow(u"用户密码："_s, EditPassword);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtOk);
    buttons->addWidget(BtCancel);
    auto *right = new QVBoxLayout;
    right->addWidget(title);
    right->addSpacing(8);
    right->addLayout(form);
    right->addStretch();
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(16, 16, 18, 14);
    layout->setSpacing(18);
    layout->addWidget(picture);
    layout->addLayout(right);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);

    setTabOrder(CmbCode, EditName);
    setTabOrder(EditName, EditPassword);
    setTabOrder(EditPassword, BtOk);
    setTabOrder(BtOk, BtCancel);
    connect(CmbCode, &QComboBox::currentIndexChanged, this, &TFrmLogin::CmbCodeChange);
    connect(BtOk, &QPushButton::clicked, this, &TFrmLogin::BtOkClick);
    connect(BtCancel, &QPushButton::clicked, this, &TFrmLogin::BtCancelClick);
}

void TFrmLogin::InitForm()
{
    TFrmBaseD::InitForm();
    Guarded(prompt(), [this] { CmbCode->addItems(Operators(db()).codes()); });
    CmbCode->setFocus();
}

void TFrmLogin::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    TFrmBaseD::keyPressEvent(event);
}

void TFrmLogin::CmbCodeChange()
{
    Guarded(prompt(), [this] {
        const QString name = Operators(db()).nameOf(CmbCode->currentText());
        if (!name.isEmpty())
            EditName->setText(name);
    });
}

void TFrmLogin::BtOkClick()
{
    if (CmbCode->currentIndex() < 0)
        return;
    QString code;
    Guarded(prompt(), [&] { code = Operators(db()).logIn(prompt(), CmbCode->currentText(), EditPassword->text()); });
    if (code.isEmpty()) {
        EditPassword->setFocus();
        EditPassword->selectAll();
        return;
    }
    ResultCode = code;
    accept();
}

void TFrmLogin::BtCancelClick()
{
    ResultCode.clear();
    reject();
}

QString ShowLogin(WindowContext &context, const QString &current, QWidget *parent)
{
    TFrmLogin login(context, current, parent);
    login.exec();
    return login.ResultCode;
}

} // namespace tarvo::gui
