#include "ReaderData.h"

#include "PrintReaderCard.h"
#include "ReaderCond.h"
#include "ReaderDataEdit.h"
#include "gui/controls/DataGrid.h"
#include "gui/controls/ToolButtons.h"

#include "core/app/Prompt.h"
#include "core/db/DbError.h"
#include "core/framework/PagedResult.h"
#include "core/readers/Readers.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmReaderData::TFrmReaderData(WindowContext &context, QWidget *parent)
    : TMDIBaseData(context, parent)
    , Editcode(new QLineEdit(Panel1))
    , SbtFind(new QPushButton(u"查询"_s, Panel1))
    , SBtCard(new QPushButton(u"打印借书证"_s, Panel3))
    , EditQty(new QLineEdit(Panel3))
    , BtExcel(new QToolButton(ToolBar1))
{
    setObjectName(u"FrmReaderData"_s);
    setWindowTitle(u"读者管理"_s);
    DataTable = u"ReaderInfo"_s;
    BtFind->setText(u" 查询(&F)"_s);
    Editcode->setObjectName(u"Editcode"_s);
    Editcode->setToolTip(u"支持简拼/五笔码查询,输入后回车"_s);
    Editcode->setPlaceholderText(u"支持简拼/五笔码查询,输入后回车"_s);
    SbtFind->setObjectName(u"SbtFind"_s);
    SbtFind->setAutoDefault(false);
    SBtCard->setObjectName(u"SBtCard"_s);
    SBtCard->setAutoDefault(false);
    EditQty->setObjectName(u"EditQty"_s);
    EditQty->setReadOnly(true);
    EditQty->setFocusPolicy(Qt::NoFocus);
    EditQty->setMaximumWidth(80);
    EditQty->setAlignment(Qt::AlignRight);
    BtExcel->setObjectName(u"BtExcel"_s);
    BtExcel->setText(u"从Excel导入"_s);
    BtExcel->setToolButtonStyle(Qt::ToolButtonTextOnly);
    BtExcel->setEnabled(false); // the import comes with the data import
    insertBefore(ToolBar1, BtPrint, BtExcel);

    auto *search = new QHBoxLayout(Panel1);
    search->setContentsMargins(8, 4, 8, 4);
    search->addWidget(new QLabel(u"编号/姓名:"_s, Panel1));
    search->addWidget(Editcode, 1);
    search->addWidget(SbtFind);
    search->addStretch(1);
    Panel3->setFixedHeight(28);
    auto *footer = new QHBoxLayout(Panel3);
    footer->setContentsMargins(8, 2, 8, 2);
    footer->addWidget(SBtCard);
    footer->addStretch(1);
    footer->addWidget(new QLabel(u"共计:"_s, Panel3));
    footer->addWidget(EditQty);
    footer->addWidget(new QLabel(u"人"_s, Panel3));

    connect(Editcode, &QLineEdit::returnPressed, SbtFind, &QPushButton::click);
    connect(SbtFind, &QPushButton::clicked, this, &TFrmReaderData::SbtFindClick);
    connect(SBtCard, &QPushButton::clicked, this, &TFrmReaderData::SBtCardClick);
}

void TFrmReaderData::InitForm()
{
    TMDIBaseData::InitForm();
    if (SetUpStopped())
        return;
    Panel2->setText(u"读者管理"_s);
    Open({});
    ReportFile = u"ReaderData.rmf"_s;
    HelpTopic = u"tszl.htm"_s;
}

void TFrmReaderData::Open(const SqlCondition &condition)
{
    const Readers::ListQuery query = Readers::list(condition);
    OpenData(query.select, query.params, query.order);
    ShowCount();
}

void TFrmReaderData::ShowCount()
{
    EditQty->setText(QString::number(data() ? data()->count() : 0));
}

void TFrmReaderData::SbtFindClick()
{
    Open(Readers::quickSearch(Editcode->text()));
}

void TFrmReaderData::SBtCardClick()
{
    // The list's own rows: the cards follow its search and its order, read a page at a time.
    TFrmPrintReaderCard dialog(context(), data(), data() ? data()->fieldNames() : QStringList(), this);
    dialog.exec();
}

void TFrmReaderData::BtFindClick()
{
    TFrmReaderCond dialog(context(), this);
    if (dialog.exec() == QDialog::Accepted)
        Open(dialog.Condition);
}

void TFrmReaderData::RunEditor(int editMode)
{
    RunEditDialog<TFrmReaderDataEdit>(editMode, u"Code"_s);
    ShowCount();
}

void TFrmReaderData::BtAddClick()
{
    RunEditor(1);
}

void TFrmReaderData::BtEditClick()
{
    if (!data() || data()->count() == 0)
        return;
    RunEditor(2);
}

void TFrmReaderData::BtDeleteClick()
{
    const int row = DBGrid1->currentRow();
    if (!data() || row < 0 || row >= data()->count())
        return;
    try {
        if (Readers::DeleteReader(db(), prompt(), CurrentValue(u"Code"_s).toString()) ==
            Readers::DeleteResult::Deleted) {
            // Back to the row that took the deleted one's place (the new last row at the end).
            const qsizetype after = row + 1 < data()->count() ? row + 1 : row - 1;
            CurrentKey = after >= 0 ? data()->value(after, u"Code"_s).toString() : QString();
            Requery(u"Code"_s, CurrentKey);
        }
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
    ShowCount();
}

} // namespace tarvo::gui
