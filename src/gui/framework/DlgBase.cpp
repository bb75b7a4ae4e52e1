#include "DlgBase.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmDlgBase::TFrmDlgBase(QWidget *parent)
    : TFrmBase(parent)
    , PnlTop(new QWidget(this))
    , PnlLeft(new QWidget(PnlTop))
    , Pnlcenter(new QWidget(PnlTop))
    , PnlRight(new QWidget(PnlTop))
    , BtnClose(new QPushButton(u"退出"_s, PnlRight))
    , Body(new QWidget(this))
{
    PnlTop->setObjectName(u"PnlTop"_s);
    PnlTop->setFixedHeight(39);
    BtnClose->setObjectName(u"BtnClose"_s);
    BtnClose->setToolTip(u"退出当前模块"_s);
    BtnClose->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    BtnClose->setAutoDefault(false);
    auto *right = new QHBoxLayout(PnlRight);
    right->setContentsMargins(0, 0, 4, 0);
    right->addWidget(BtnClose);
    auto *top = new QHBoxLayout(PnlTop);
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(PnlLeft);
    top->addWidget(Pnlcenter, 1);
    top->addWidget(PnlRight);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PnlTop);
    layout->addWidget(Body, 1);
    connect(BtnClose, &QPushButton::clicked, this, &TFrmDlgBase::close);
}

} // namespace tarvo::gui
