#include "BookPubDataEdit.h"

#include "core/app/Prompt.h"
#include "core/catalogue/Publishers.h"
#include "core/db/DbError.h"
#include "core/db/Schema.h"

#include <QFocusEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmBookPubDataEdit::TFrmBookPubDataEdit(WindowContext &context, QWidget *parent)
    : TFrmBaseDataEdit(context, u"Bookpub"_s, parent)
    , EditCode(new QLineEdit(Panel1))
    , EditIsbn(new QLineEdit(Panel1))
{
    setObjectName(u"FrmBookPubDataEdit"_s);
    setWindowTitle(u"图书类别"_s);
    EditCode->setObjectName(u"EditCode"_s);
    EditIsbn->setObjectName(u"EditIsbn"_s);
    const TableDef *table = Schema::table(u"Bookpub");
    EditCode->setMaxLength(table->column(u"Code")->size);
    EditIsbn->setMaxLength(table->column(u"Isbn")->size);
    EditCode->setMinimumWidth(280);

    auto *fields = new QFormLayout(Panel1);
    fields->setContentsMargins(16, 16, 16, 8);
    fields->addRow(u"出版社:"_s, EditCode);
    fields->addRow(u"Isbn:"_s, EditIsbn);
    Bind(EditCode, u"Code"_s);
    Bind(EditIsbn, u"Isbn"_s);
    EditCode->installEventFilter(this);
    EditIsbn->installEventFilter(this);

    // After the base has saved and begun the next record.
    connect(BtSaveAdd, &QPushButton::clicked, this, &TFrmBookPubDataEdit::SetNameEditable);
}

void TFrmBookPubDataEdit::showEvent(QShowEvent *event)
{
    TFrmBaseDataEdit::showEvent(event);
    SetNameEditable();
}

void TFrmBookPubDataEdit::SetNameEditable()
{
    EditCode->setReadOnly(EditMode == 2);
    EditCode->setFocus();
}

bool TFrmBookPubDataEdit::CheckData()
{
    switch (Publishers::CheckData(db(), prompt(), AdoqEdit())) {
    case Publishers::Refusal::None:
        return true;
    case Publishers::Refusal::IsbnTaken:
        EditIsbn->clear();
        EditIsbn->setFocus();
        return false;
    case Publishers::Refusal::NoName:
    case Publishers::Refusal::NameTaken:
        EditCode->setFocus();
        return false;
    }
    return false;
}

void TFrmBookPubDataEdit::BeforeSave()
{
    Publishers::BeforeSave(AdoqEdit());
}

bool TFrmBookPubDataEdit::SaveData()
{
    if (!TFrmBaseDataEdit::SaveData())
        return false;
    SavedCode = AdoqEdit().text(u"Code"_s);
    return true;
}

void TFrmBookPubDataEdit::CheckIsbnOnLeaving()
{
    try {
        if (!Publishers::checkIsbn(db(), prompt(), EditIsbn->text()))
            EditIsbn->clear();
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
}

bool TFrmBookPubDataEdit::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == EditCode || watched == EditIsbn) && event->type() == QEvent::FocusOut && EditMode == 1) {
        // Not when a message box or a menu takes the focus for a moment.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            CheckIsbnOnLeaving();
    }
    return TFrmBaseDataEdit::eventFilter(watched, event);
}

} // namespace tarvo::gui
