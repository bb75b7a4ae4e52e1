#include "MagzDest.h"

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmMagzDest::TFrmMagzDest(WindowContext &context, QWidget *parent)
    : TFrmDestBase(context, ReservationList::Items::Magazines, u"FrmMagzDest"_s, parent)
{
}

} // namespace tarvo::gui
