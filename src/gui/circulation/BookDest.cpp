#include "BookDest.h"

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmBookDest::TFrmBookDest(WindowContext &context, QWidget *parent)
    : TFrmDestBase(context, ReservationList::Items::Books, u"FrmBookDest"_s, parent)
{
}

} // namespace tarvo::gui
