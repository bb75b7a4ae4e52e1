#include "FindReaderSort.h"

#include "ReaderTypeDataEdit.h"

#include "core/readers/ReaderTypes.h"

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmFindReaderSort::TFrmFindReaderSort(WindowContext &context, QWidget *parent)
    : TFrmFindCode(context, ReaderTypes::lookup(), parent)
{
    setObjectName(u"FrmFindReaderSort"_s);
    // The base reads the list again once the editor is closed.
    connect(this, &TFrmFindCode::addRequested, this, [this] {
        TFrmReaderTypeDataEdit dialog(this->context(), this);
        dialog.EditMode = 1;
        dialog.exec();
    });
}

} // namespace tarvo::gui
