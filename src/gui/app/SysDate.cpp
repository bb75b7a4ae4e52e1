#include "SysDate.h"

#include "gui/controls/Colours.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmSysDate::TFrmSysDate(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
    , DateTimePicker1(new QDateEdit(this))
    , BtOk(new QPushButton(u"确认"_s, this))
{
    setObjectName(u"FrmSysDate"_s);
    setWindowTitle(u"业务日期"_s);
    paint(this, Colours::QueryPanel);
    DateTimePicker1->setObjectName(u"DateTimePicker1"_s);
    DateTimePicker1->setDisplayFormat(u"yyyy-MM-dd"_s);
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setMinimumWidth(160);
    DateTimePicker1->setDate(QDate::currentDate());
    BtOk->setObjectName(u"BtOk"_s);
    BtOk->setMinimumWidth(90);

    auto *caption = new QLabel(u"请确认业务日期："_s, this);
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    auto *row = new QHBoxLayout;
    row->addWidget(DateTimePicker1, 1);
    row->addWidget(BtOk);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 22);
    layout->setSpacing(12);
    layout->addWidget(caption);
    layout->addLayout(row);
    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));

    connect(BtOk, &QPushButton::clicked, this, &TFrmSysDate::accept);
}

void TFrmSysDate::InitForm()
{
    TFrmBaseD::InitForm();
    DateTimePicker1->setFocus();
}

void TFrmSysDate::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        BtOk->setFocus();
        return;
    }
    TFrmBaseD::keyPressEvent(event);
}

QDate TFrmSysDate::date() const
{
    return DateTimePicker1->date();
}

QDate ShowSysDate(WindowContext &context, QWidget *parent)
{
    TFrmSysDate dialog(context, parent);
    dialog.exec();
    return dialog.date();
}

} // namespace tarvo::gui
