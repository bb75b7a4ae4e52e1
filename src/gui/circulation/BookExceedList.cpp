#include "BookExceedList.h"

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmBookExceedList::TFrmBookExceedList(WindowContext &context, QWidget *parent)
    : TFrmExceedListBase(context, OverdueList::Items::Books, parent)
{
    setObjectName(u"FrmBookExceedList"_s);
    setWindowTitle(u"图书逾期未还"_s);
}

} // namespace tarvo::gui
