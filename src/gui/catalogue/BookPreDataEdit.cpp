#include "BookPreDataEdit.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmBookPreDataEdit::TFrmBookPreDataEdit(WindowContext &context, QWidget *parent)
    : TFrmBookEditBase(context, BookTable::PreCatalogue, parent)
{
    setObjectName(u"FrmBookPreDataEdit"_s);
    setWindowTitle(u"图书预编"_s);
}

QWidget *TFrmBookPreDataEdit::FirstControl() const
{
    return EditIsbn;
}

void TFrmBookPreDataEdit::IsbnLeft()
{
    FindPublisherByIsbn();
}

} // namespace tarvo::gui
