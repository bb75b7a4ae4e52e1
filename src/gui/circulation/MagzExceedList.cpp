#include "MagzExceedList.h"

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmMagzExceedList::TFrmMagzExceedList(WindowContext &context, QWidget *parent)
    : TFrmExceedListBase(context, OverdueList::Items::Magazines, parent)
{
    setObjectName(u"FrmMagzExceedList"_s);
    setWindowTitle(u"期刊逾期未还"_s);
}

} // namespace tarvo::gui
