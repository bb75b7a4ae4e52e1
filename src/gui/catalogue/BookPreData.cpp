#include "BookPreData.h"

#include "BookPreDataEdit.h"
#include "MarcIn.h"
#include "gui/controls/DataGrid.h"
#include "gui/controls/ToolButtons.h"

#include "core/app/Prompt.h"
#include "core/catalogue/PreCatalogue.h"
#include "core/db/DbError.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmBookPreData::TFrmBookPreData(WindowContext &context, QWidget *parent)
    : TFrmBookListBase(context, BookTable::PreCatalogue, parent)
    , BtMarc(addToolButton(ToolBar1, u"BtMarc"_s, u"Marc导入"_s, u"从Marc文件导入预编数据"_s, BtExcel))
    , BtTransfer(addToolButton(ToolBar1, u"BtTransfer"_s, u"转库(&Z)"_s, u"把当前预编记录转入图书库"_s, BtExcel))
    , ChkKeep(new QCheckBox(u"保留副本"_s, ToolBar1))
    , BtBulkDelete(addToolButton(ToolBar1, u"BtBulkDelete"_s, u"批量删除"_s, u"删除列表中显示的全部记录"_s, BtExcel))
{
    setObjectName(u"FrmBookPreData"_s);
    setWindowTitle(u"图书预编"_s);
    ChkKeep->setObjectName(u"ChkKeep"_s);
    ChkKeep->setChecked(true);
    insertBefore(ToolBar1, BtBulkDelete, ChkKeep);
    connect(BtMarc, &QToolButton::clicked, this, &TFrmBookPreData::MarcImport);
    connect(BtTransfer, &QToolButton::clicked, this, &TFrmBookPreData::Transfer);
    connect(BtBulkDelete, &QToolButton::clicked, this, &TFrmBookPreData::BulkDelete);
}

void TFrmBookPreData::InitForm()
{
    TFrmBookListBase::InitForm();
    if (SetUpStopped())
        return;
    Panel2->setText(u"图书预编"_s);
    ReportFile = u"BookDataPre.rmf"_s;
}

void TFrmBookPreData::BtAddClick()
{
    RunBookEditor<TFrmBookPreDataEdit>(1);
}

void TFrmBookPreData::BtEditClick()
{
    RunBookEditor<TFrmBookPreDataEdit>(2);
}

void TFrmBookPreData::MarcImport()
{
    TFrmMarcIn dialog(context(), this);
    dialog.exec();
    Requery(u"Id"_s, CurrentValue(u"Id"_s));
    ShowTotals();
}

void TFrmBookPreData::Transfer()
{
    if (!data() || data()->count() == 0)
        return;
    bool ok = false;
    const QString barcode =
        QInputDialog::getText(this, u"请输入图书编号(条码号)"_s, QString(), QLineEdit::Normal, QString(), &ok);
    const qint64 id = CurrentValue(u"Id"_s).toLongLong();
    if (PreCatalogue::transfer(db(), prompt(), id, ok ? barcode : QString(), ChkKeep->isChecked())
        != PreCatalogue::TransferResult::Transferred)
        return;
    // Without a kept copy the description is gone: back to the row that took its place.
    const int row = DBGrid1->currentRow();
    Requery(u"Id"_s, ChkKeep->isChecked() ? QVariant(id) : QVariant());
    DBGrid1->setCurrentRow(qMin(row, int(data()->count()) - 1));
    ShowTotals();
}

void TFrmBookPreData::BulkDelete()
{
    try {
        PreCatalogue::bulkDelete(db(), prompt(), ListCondition());
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
    Requery();
    ShowTotals();
}

} // namespace tarvo::gui
