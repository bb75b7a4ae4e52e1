#include "ReaderCond.h"

#include "core/app/Prompt.h"
#include "core/db/DbError.h"
#include "core/readers/ReaderTypes.h"
#include "core/readers/Readers.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

QComboBox *listBox(QWidget *parent, const QString &name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    return box;
}

} // namespace

TFrmReaderCond::TFrmReaderCond(WindowContext &context, QWidget *parent)
    : TFrmBaseCond(context, parent)
    , EditCode(new QLineEdit(Panel1))
    , EditName(new QLineEdit(Panel1))
    , CmbSort(listBox(Panel1, u"CmbSort"_s))
    , CmbDepartment(listBox(Panel1, u"CmbDepartment"_s))
    , EditTel(new QLineEdit(Panel1))
    , EditAddr(new QLineEdit(Panel1))
{
    setObjectName(u"FrmReaderCond"_s);
    Label1->setText(u"注意:姓名支持按简拼/五笔码查询!"_s);
    BtConfirm->setText(u"确定(&C)"_s);
    BtCancel->setText(u"取消(&E)"_s);
    EditCode->setObjectName(u"EditCode"_s);
    EditName->setObjectName(u"EditName"_s);
    EditTel->setObjectName(u"EditTel"_s);
    EditAddr->setObjectName(u"EditAddr"_s);

    auto *fields = new QFormLayout(Panel1);
    fields->setContentsMargins(24, 12, 24, 12);
    fields->addRow(u"编  号："_s, EditCode);
    fields->addRow(u"姓  名："_s, EditName);
    fields->addRow(u"类  别："_s, CmbSort);
    fields->addRow(u"部  门："_s, CmbDepartment);
    fields->addRow(u"电  话："_s, EditTel);
    fields->addRow(u"地  址："_s, EditAddr);
}

void TFrmReaderCond::InitForm()
{
    TFrmBaseCond::InitForm();
    try {
        // An empty first item: a list left empty means every type, every department.
        CmbSort->addItems(QStringList{QString()} + ReaderTypes::codes(db()));
        CmbDepartment->addItems(QStringList{QString()} + Readers::departments(db()));
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
    EditCode->setFocus();
}

void TFrmReaderCond::BuildCondition()
{
    Condition = Readers::searchCondition({EditCode->text(), EditName->text(), CmbSort->currentText(),
                                          CmbDepartment->currentText(), EditTel->text(), EditAddr->text()});
}

} // namespace tarvo::gui
