#include "BookPubData.h"

#include "BookPubDataEdit.h"
#include "gui/controls/DataGrid.h"

#include "core/app/Prompt.h"
#include "core/catalogue/Publishers.h"
#include "core/db/DbError.h"
#include "core/framework/PagedResult.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmBookPubData::TFrmBookPubData(WindowContext &context, QWidget *parent)
    : TMDIBaseData(context, parent)
    , EditFind(new QLineEdit(Panel1))
    , BtQuery(new QPushButton(u"查询"_s, Panel1))
{
    setObjectName(u"FrmBookPubData"_s);
    setWindowTitle(u"出版社"_s);
    DataTable = u"Bookpub"_s;
    EditFind->setObjectName(u"EditFind"_s);
    EditFind->setToolTip(u"支持拼音五笔码查询,输入后回车"_s);
    EditFind->setPlaceholderText(u"支持拼音五笔码查询,输入后回车"_s);
    BtQuery->setObjectName(u"BtQuery"_s);
    BtQuery->setAutoDefault(false);

    auto *search = new QHBoxLayout(Panel1);
    search->setContentsMargins(8, 4, 8, 4);
    search->addWidget(new QLabel(u"出版社/Isbn:"_s, Panel1));
    search->addWidget(EditFind, 1);
    search->addWidget(BtQuery);
    search->addStretch(1);

    connect(EditFind, &QLineEdit::returnPressed, this, &TFrmBookPubData::Search);
    connect(BtQuery, &QPushButton::clicked, this, &TFrmBookPubData::Search);
}

void TFrmBookPubData::InitForm()
{
    TMDIBaseData::InitForm();
    if (SetUpStopped())
        return;
    Panel2->setText(u"出版社"_s);
    Search();
    ReportFile = u"BookPubData.rmf"_s;
    HelpTopic = u"tszl.htm"_s;
}

void TFrmBookPubData::Search()
{
    const Publishers::ListQuery query = Publishers::list(EditFind->text());
    OpenData(query.select, query.params, query.order);
}

bool TFrmBookPubData::CheckDelete()
{
    try {
        return Publishers::CheckDelete(db(), prompt(), CurrentValue(u"Code"_s).toString());
    } catch (const DbError &e) {
        prompt().error(e.message());
        return false;
    }
}

void TFrmBookPubData::RunEditor(int editMode)
{
    CurrentKey = CurrentValue(u"Code"_s).toString();
    TFrmBookPubDataEdit dialog(context(), this);
    dialog.EditMode = editMode;
    if (editMode == 2) {
        dialog.KeyField = KeyField;
        dialog.KeyValue = CurrentKey;
    }
    dialog.exec();
    if (!dialog.SavedCode.isEmpty())
        CurrentKey = dialog.SavedCode;
    Requery(u"Code"_s, CurrentKey);
}

void TFrmBookPubData::BtAddClick()
{
    RunEditor(1);
}

void TFrmBookPubData::BtEditClick()
{
    if (!data() || data()->count() == 0)
        return;
    RunEditor(2);
}

void TFrmBookPubData::BtFindClick()
{
    EditFind->setFocus();
    EditFind->selectAll();
}

} // namespace tarvo::gui
