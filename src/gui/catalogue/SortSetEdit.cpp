#include "SortSetEdit.h"

#include "gui/controls/Colours.h"

#include "core/db/Schema.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

int sizeOf(const QString &field)
{
    const ColumnDef *column = Schema::table(u"Type")->column(field);
    return column ? column->size : 0;
}

} // namespace

TFrmSortSetEdit::TFrmSortSetEdit(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
    , EditCode(new QLineEdit(this))
    , EditName(new QLineEdit(this))
    , BtOk(new QPushButton(u"确定"_s, this))
    , BtCancel(new QPushButton(u"取消"_s, this))
{
    setObjectName(u"FrmSortSetEdit"_s);
    setWindowTitle(u"图书类目"_s);
    EditCode->setObjectName(u"EditCode"_s);
    EditName->setObjectName(u"EditName"_s);
    BtOk->setObjectName(u"BtOk"_s);
    BtCancel->setObjectName(u"BtCancel"_s);
    EditCode->setMaxLength(sizeOf(u"SortCode"_s));
    EditName->setMaxLength(sizeOf(u"SortName"_s));
    EditName->setMinimumWidth(260);
    // Enter walks from the number to the name and confirms there.
    for (QPushButton *b : {BtOk, BtCancel})
        b->setAutoDefault(false);
    EditCode->installEventFilter(this);
    EditName->installEventFilter(this);

    auto *fields = new QFormLayout;
    fields->addRow(u"类目分类号："_s, EditCode);
    fields->addRow(u"类目名称："_s, EditName);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtOk);
    buttons->addWidget(BtCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(BtOk, &QPushButton::clicked, this, &TFrmSortSetEdit::BtOkClick);
    connect(BtCancel, &QPushButton::clicked, this, &TFrmSortSetEdit::reject);
}

void TFrmSortSetEdit::InitForm()
{
    TFrmBaseD::InitForm();
    paint(this, Colours::EditDialog);
}

void TFrmSortSetEdit::showEvent(QShowEvent *event)
{
    TFrmBaseD::showEvent(event);
    EditCode->setText(CodeText);
    EditName->setText(NameText);
    EditCode->setFocus();
}

void TFrmSortSetEdit::BtOkClick()
{
    CodeText = EditCode->text();
    NameText = EditName->text();
    accept();
}

bool TFrmSortSetEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == EditCode)
                EditName->setFocus();
            else
                BtOk->click();
            return true;
        }
    }
    return TFrmBaseD::eventFilter(watched, event);
}

} // namespace tarvo::gui
