#include "ReaderFine1.h"

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmReaderFine1::TFrmReaderFine1(WindowContext &context, QWidget *parent)
    : TFrmReaderFineBase(context, FineDesk::Items::Magazines, u"FrmReaderFine1"_s, parent)
{
}

} // namespace tarvo::gui
