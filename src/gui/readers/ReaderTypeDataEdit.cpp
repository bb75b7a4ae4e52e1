#include "ReaderTypeDataEdit.h"

#include "core/app/Prompt.h"
#include "core/db/DbError.h"
#include "core/db/Schema.h"
#include "core/readers/ReaderTypes.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

QLineEdit *numberBox(QWidget *parent, const QString &name, int maximum)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setValidator(new QIntValidator(0, maximum, box));
    return box;
}

} // namespace

TFrmReaderTypeDataEdit::TFrmReaderTypeDataEdit(WindowContext &context, QWidget *parent)
    : TFrmBaseDataEdit(context, u"ReaderType"_s, parent)
    , EditCode(new QLineEdit(Panel1))
    , EditCeQty(numberBox(Panel1, u"EditCeQty"_s, 32767))
    , EditLimitDay(numberBox(Panel1, u"EditLimitDay"_s, 99999))
    , EditRenewTime(numberBox(Panel1, u"EditRenewTime"_s, 32767))
    , ChkIsLimit(new QCheckBox(u"限制借书"_s, Panel1))
    , EditCeQty1(numberBox(Panel1, u"EditCeQty1"_s, 99999))
    , EditLimitDay1(numberBox(Panel1, u"EditLimitDay1"_s, 99999))
    , ChkIsLimit1(new QCheckBox(u"限制借刊"_s, Panel1))
{
    setObjectName(u"FrmReaderTypeDataEdit"_s);
    setWindowTitle(u"读者类别"_s);
    EditCode->setObjectName(u"EditCode"_s);
    EditCode->setMaxLength(Schema::table(u"ReaderType")->column(u"Code")->size);
    ChkIsLimit->setObjectName(u"ChkIsLimit"_s);
    ChkIsLimit1->setObjectName(u"ChkIsLimit1"_s);

    auto *fields = new QGridLayout(Panel1);
    fields->setContentsMargins(16, 16, 16, 8);
    fields->setHorizontalSpacing(10);
    const auto row = [&](int r, int c, const QString &caption, QWidget *box) {
        fields->addWidget(new QLabel(caption, Panel1), r, c * 2, Qt::AlignRight);
        fields->addWidget(box, r, c * 2 + 1);
    };
    row(0, 0, u"类别名称:"_s, EditCode);
    row(1, 0, u"借书册数:"_s, EditCeQty);
    row(2, 0, u"借书天数:"_s, EditLimitDay);
    row(3, 0, u"续借次数:"_s, EditRenewTime);
    fields->addWidget(ChkIsLimit, 4, 1);
    row(1, 1, u"借刊册数:"_s, EditCeQty1);
    row(2, 1, u"借刊天数:"_s, EditLimitDay1);
    fields->addWidget(ChkIsLimit1, 4, 3);

    Bind(EditCode, u"Code"_s);
    Bind(EditCeQty, u"CeQty"_s);
    Bind(EditLimitDay, u"LimitDay"_s);
    Bind(EditRenewTime, u"RenewTime"_s);
    Bind(ChkIsLimit, u"IsLimit"_s);
    Bind(EditCeQty1, u"CeQty1"_s);
    Bind(EditLimitDay1, u"LimitDay1"_s);
    Bind(ChkIsLimit1, u"IsLimit1"_s);
    EditCode->installEventFilter(this);

    // After the base has saved and begun the next type.
    connect(BtSaveAdd, &QPushButton::clicked, this, &TFrmReaderTypeDataEdit::SetNameEditable);
}

void TFrmReaderTypeDataEdit::showEvent(QShowEvent *event)
{
    TFrmBaseDataEdit::showEvent(event);
    SetNameEditable();
}

void TFrmReaderTypeDataEdit::SetNameEditable()
{
    EditCode->setReadOnly(EditMode == 2);
    (EditMode == 2 ? EditLimitDay : EditCode)->setFocus();
}

bool TFrmReaderTypeDataEdit::CheckData()
{
    try {
        if (ReaderTypes::CheckData(db(), prompt(), AdoqEdit()) == ReaderTypes::Refusal::None)
            return true;
    } catch (const DbError &e) {
        prompt().error(e.message());
    }
    EditCode->setFocus();
    return false;
}

bool TFrmReaderTypeDataEdit::SaveData()
{
    if (!TFrmBaseDataEdit::SaveData())
        return false;
    SavedCode = AdoqEdit().text(u"Code"_s);
    return true;
}

bool TFrmReaderTypeDataEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == EditCode && event->type() == QEvent::FocusOut && EditMode == 1) {
        // Not when a message box or a menu takes the focus for a moment.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            try {
                if (!ReaderTypes::checkCode(db(), prompt(), EditCode->text()))
                    EditCode->clear();
            } catch (const DbError &e) {
                prompt().error(e.message());
            }
        }
    }
    return TFrmBaseDataEdit::eventFilter(watched, event);
}

} // namespace tarvo::gui
