#include "ReaderFirstData.h"

#include "core/readers/Readers.h"

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmReaderFirstData::TFrmReaderFirstData(WindowContext &context, QWidget *parent)
    : TWordListWindow(context, Readers::wordTables(), u"SBt"_s, ButtonCaptions::Spaced, parent)
{
    setObjectName(u"FrmReaderFirstData"_s);
    setWindowTitle(u"读者词库"_s);
}

} // namespace tarvo::gui
