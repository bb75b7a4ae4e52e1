#include "ReaderTypeData.h"

#include "ReaderTypeDataEdit.h"

#include "core/app/Prompt.h"
#include "core/db/DbError.h"
#include "core/framework/PagedResult.h"
#include "core/readers/ReaderTypes.h"

#include <QLabel>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmReaderTypeData::TFrmReaderTypeData(WindowContext &context, QWidget *parent)
    : TMDIBaseData(context, parent)
{
    setObjectName(u"FrmReaderTypeData"_s);
    setWindowTitle(u"读者类别"_s);
    DataTable = u"ReaderType"_s;
    BtFind->setText(u" 查询(&F)"_s);
}

void TFrmReaderTypeData::InitForm()
{
    TMDIBaseData::InitForm();
    if (SetUpStopped())
        return;
    Panel2->setText(u"读者类别"_s);
    const ReaderTypes::ListQuery query = ReaderTypes::list();
    OpenData(query.select, {}, query.order);
    ReportFile = u"ReadertypeData.rmf"_s;
    HelpTopic = u"tszl.htm"_s;
}

bool TFrmReaderTypeData::CheckDelete()
{
    try {
        return ReaderTypes::CheckDelete(db(), prompt(), CurrentValue(u"Code"_s).toString());
    } catch (const DbError &e) {
        prompt().error(e.message());
        return false;
    }
}

void TFrmReaderTypeData::RunEditor(int editMode)
{
    RunEditDialog<TFrmReaderTypeDataEdit>(editMode, u"Code"_s);
}

void TFrmReaderTypeData::BtAddClick()
{
    RunEditor(1);
}

void TFrmReaderTypeData::BtEditClick()
{
    if (!data() || data()->count() == 0)
        return;
    RunEditor(2);
}

} // namespace tarvo::gui
