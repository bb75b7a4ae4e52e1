#include "BookMemo.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmBookMemo::TFrmBookMemo(const QString &caption, const QString &text, QWidget *parent)
    : QDialog(parent)
    , Memo1(new QPlainTextEdit(this))
{
    setObjectName(u"FrmBookMemo"_s);
    setWindowTitle(caption);
    resize(520, 360);
    Memo1->setObjectName(u"Memo1"_s);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(text);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(u"确定(&O)"_s, QDialogButtonBox::AcceptRole)->setObjectName(u"BtOk"_s);
    buttons->addButton(u"取消(&C)"_s, QDialogButtonBox::RejectRole)->setObjectName(u"BtCancel"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TFrmBookMemo::Text() const
{
    return Memo1->toPlainText();
}

} // namespace tarvo::gui
