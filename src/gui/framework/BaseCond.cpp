#include "BaseCond.h"

#include "gui/controls/Colours.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmBaseCond::TFrmBaseCond(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
    , Label1(new QLabel(u"请输入查询条件(空格为所有):"_s, this))
    , Panel1(new QFrame(this))
    , BtConfirm(new QPushButton(u"确定"_s, this))
    , BtCancel(new QPushButton(u"取消"_s, this))
{
    setWindowTitle(u"查询条件"_s);
    resize(384, 279);
    Label1->setObjectName(u"Label1"_s);
    QFont font = Label1->font();
    font.setBold(true);
    font.setPixelSize(13);
    Label1->setFont(font);
    Label1->setStyleSheet(u"color: blue;"_s);
    Panel1->setObjectName(u"Panel1"_s);
    static_cast<QFrame *>(Panel1)->setFrameShape(QFrame::StyledPanel);
    static_cast<QFrame *>(Panel1)->setFrameShadow(QFrame::Raised);
    BtConfirm->setObjectName(u"BtConfirm"_s);
    BtCancel->setObjectName(u"BtCancel"_s);
    BtConfirm->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtConfirm);
    buttons->addWidget(BtCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Panel1, 1);
    layout->addLayout(buttons);

    connect(BtConfirm, &QPushButton::clicked, this, [this] {
        Condition = SqlCondition();
        BuildCondition();
        accept();
    });
    connect(BtCancel, &QPushButton::clicked, this, &TFrmBaseCond::reject);
}

void TFrmBaseCond::InitForm()
{
    TFrmBaseD::InitForm();
    paint(this, Colours::QueryPanel);
    paint(Panel1, Colours::QueryPanel);
}

} // namespace tarvo::gui
