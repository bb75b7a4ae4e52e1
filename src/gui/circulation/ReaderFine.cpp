#include "ReaderFine.h"

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmReaderFine::TFrmReaderFine(WindowContext &context, QWidget *parent)
    : TFrmReaderFineBase(context, FineDesk::Items::Books, u"FrmReaderFine"_s, parent)
{
}

} // namespace tarvo::gui
