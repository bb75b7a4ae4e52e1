#include "BaseDataEdit.h"

#include "gui/controls/Colours.h"

#include "core/app/AppState.h"
#include "core/app/Helpers.h"
#include "core/framework/RecordActions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmBaseDataEdit::TFrmBaseDataEdit(WindowContext &context, const QString &table, QWidget *parent)
    : TFrmBaseD(context, parent)
    , Panel1(new QWidget(this))
    , BtSaveAdd(new QPushButton(u"保存增加(&A)"_s, this))
    , BtSaveExit(new QPushButton(u"保存退出(&S)"_s, this))
    , BtCancelExit(new QPushButton(u"取消退出(&E)"_s, this))
    , m_record(std::make_unique<EditRecord>(context.db, table))
{
    Panel1->setObjectName(u"Panel1"_s);
    BtSaveAdd->setObjectName(u"BtSaveAdd"_s);
    BtSaveExit->setObjectName(u"BtSaveExit"_s);
    BtCancelExit->setObjectName(u"BtCancelExit"_s);
    BtSaveAdd->setToolTip(u"保存操作并新增一条记录"_s);
    BtSaveExit->setToolTip(u"保存操作并退出"_s);
    BtCancelExit->setToolTip(u"取消操作并退出"_s);
    // Enter walks the fields; it must never press a button by itself.
    for (QPushButton *b : {BtSaveAdd, BtSaveExit, BtCancelExit}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtSaveAdd);
    buttons->addWidget(BtSaveExit);
    buttons->addWidget(BtCancelExit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Panel1, 1);
    layout->addLayout(buttons);

    connect(BtSaveAdd, &QPushButton::clicked, this, [this] {
        if (!SaveData())
            return;
        EditMode = 1;
        StartRecord();
    });
    connect(BtSaveExit, &QPushButton::clicked, this, [this] {
        if (SaveData())
            accept();
    });
    connect(BtCancelExit, &QPushButton::clicked, this, [this] {
        m_record->cancel();
        reject();
    });
}

void TFrmBaseDataEdit::InitForm()
{
    TFrmBaseD::InitForm();
    paint(this, Colours::EditDialog);
    paint(Panel1, Colours::EditDialog);
}

void TFrmBaseDataEdit::showEvent(QShowEvent *event)
{
    TFrmBaseD::showEvent(event);
    StartRecord();
}

void TFrmBaseDataEdit::StartRecord()
{
    if (EditMode == 1 || !m_record->load(KeyField, KeyValue))
        m_record->append(KeyField);
    ShowRecord();
    if (QWidget *first = m_bindings.isEmpty() ? nullptr : m_bindings.first().first)
        first->setFocus();
}

bool TFrmBaseDataEdit::SaveData()
{
    TakeInput();
    return RecordActions::SaveRecord(db(), prompt(), *m_record, [this] { return CheckData(); },
                                     [this] { BeforeSave(); });
}

void TFrmBaseDataEdit::Bind(QWidget *control, const QString &field)
{
    m_bindings.append({control, field});
}

void TFrmBaseDataEdit::TakeLookupResult(QLineEdit *box, const QString &field, const QString &result)
{
    if (!result.isEmpty()) {
        box->setText(result);
        m_record->setValue(field, result);
    }
    box->setFocus();
}

void TFrmBaseDataEdit::ShowRecord()
{
    for (const auto &[control, field] : m_bindings) {
        const QVariant value = m_record->value(field);
        if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            edit->setText(value.toString());
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            combo->setCurrentText(value.toString());
        } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
            check->setChecked(value.toBool());
        } else if (auto *date = qobject_cast<QDateEdit *>(control)) {
            const QDate d = value.typeId() == QMetaType::QDate ? value.toDate() : dateFromText(value.toString());
            date->setDate(d.isValid() ? d : state().BusinessDate);
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
            memo->setPlainText(value.toString());
        } else if (auto *spin = qobject_cast<QSpinBox *>(control)) {
            spin->setValue(value.toInt());
        } else if (auto *real = qobject_cast<QDoubleSpinBox *>(control)) {
            real->setValue(value.toDouble());
        }
    }
}

void TFrmBaseDataEdit::TakeInput()
{
    for (const auto &[control, field] : m_bindings) {
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            m_record->setValue(field, edit->text().trimmed());
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            m_record->setValue(field, combo->currentText().trimmed());
        else if (auto *check = qobject_cast<QCheckBox *>(control))
            m_record->setValue(field, check->isChecked());
        else if (auto *date = qobject_cast<QDateEdit *>(control))
            m_record->setValue(field, date->date());
        else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
            m_record->setValue(field, memo->toPlainText());
        else if (auto *spin = qobject_cast<QSpinBox *>(control))
            m_record->setValue(field, spin->value());
        else if (auto *real = qobject_cast<QDoubleSpinBox *>(control))
            m_record->setValue(field, real->value());
    }
}

void TFrmBaseDataEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    TFrmBaseD::keyPressEvent(event);
}

} // namespace tarvo::gui
