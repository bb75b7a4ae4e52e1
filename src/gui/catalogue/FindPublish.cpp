#include "FindPublish.h"

#include "BookPubDataEdit.h"

#include "core/framework/Lookups.h"

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmFindPublish::TFrmFindPublish(WindowContext &context, QWidget *parent)
    : TFrmFindCode(context, Lookups::publisher(), parent)
{
    setObjectName(u"FrmFindPublish"_s);
    // The base reads the list again once the editor is closed.
    connect(this, &TFrmFindCode::addRequested, this, [this] {
        TFrmBookPubDataEdit dialog(this->context(), this);
        dialog.EditMode = 1;
        dialog.exec();
    });
}

} // namespace tarvo::gui
