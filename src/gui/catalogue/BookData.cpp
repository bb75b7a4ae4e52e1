#include "BookData.h"

#include "BookDataEdit.h"

#include "core/app/Prompt.h"
#include "core/catalogue/Books.h"
#include "core/db/DbError.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmBookData::TFrmBookData(WindowContext &context, QWidget *parent)
    : TFrmBookListBase(context, BookTable::Catalogue, parent)
{
    setObjectName(u"FrmBookData"_s);
    setWindowTitle(u"图书编目"_s);
}

void TFrmBookData::InitForm()
{
    TFrmBookListBase::InitForm();
    if (SetUpStopped())
        return;
    Panel2->setText(u"图书编目"_s);
    ReportFile = u"BookData.rmf"_s;
}

bool TFrmBookData::CheckDelete()
{
    try {
        return Books::CheckDelete(db(), prompt(), CurrentValue(u"Code"_s).toString());
    } catch (const DbError &e) {
        prompt().error(e.message());
        return false;
    }
}

void TFrmBookData::BtAddClick()
{
    RunBookEditor<TFrmBookDataEdit>(1);
}

void TFrmBookData::BtEditClick()
{
    RunBookEditor<TFrmBookDataEdit>(2);
}

} // namespace tarvo::gui
