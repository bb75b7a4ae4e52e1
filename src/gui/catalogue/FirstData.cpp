#include "FirstData.h"

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmFirstData::TFrmFirstData(WindowContext &context, QWidget *parent)
    : TWordListWindow(context, WordList::bookTables(), u"Bt"_s, ButtonCaptions::AsWritten, parent)
{
    setObjectName(u"FrmFirstData"_s);
    setWindowTitle(u"图书词库"_s);
}

} // namespace tarvo::gui
