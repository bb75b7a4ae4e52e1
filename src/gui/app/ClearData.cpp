#include "ClearData.h"

#include "core/app/AppState.h"
#include "core/app/ClearData.h"
#include "gui/controls/Colours.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

QDateEdit *datePicker(QWidget *parent, const QString &name)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setDisplayFormat(u"yyyy-MM-dd"_s);
    picker->setCalendarPopup(true);
    picker->setMinimumWidth(130);
    return picker;
}

} // namespace

TFrmClearData::TFrmClearData(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
    , RadioAll(new QRadioButton(u"清理全部数据资料(包括基础资料和借还数据)"_s, this))
    , RadioCirculation(new QRadioButton(u"清理全部业务数据(仅借还数据)"_s, this))
    , RadioReturned(new QRadioButton(u"清理指定日期段的还书数据"_s, this))
    , DateFrom(datePicker(this, u"DateFrom"_s))
    , DateTo(datePicker(this, u"DateTo"_s))
    , ProgressBar1(new QProgressBar(this))
    , BtOk(new QPushButton(u"确定"_s, this))
    , BtCancel(new QPushButton(u"取消"_s, this))
{
    setObjectName(u"FrmClearData"_s);
    setWindowTitle(u"清理数据"_s);
    paint(this, Colours::QueryPanel);
    RadioAll->setObjectName(u"RadioAll"_s);
    RadioCirculation->setObjectName(u"RadioCirculation"_s);
    RadioReturned->setObjectName(u"RadioReturned"_s);
    RadioReturned->setChecked(true);
    ProgressBar1->setObjectName(u"ProgressBar1"_s);
    ProgressBar1->setVisible(false);
    BtOk->setObjectName(u"BtOk"_s);
    BtCancel->setObjectName(u"BtCancel"_s);

    auto *note = new QLabel(u"注意：  清理数据前请先备份数据。"_s, this);
    note->setStyleSheet(u"color: #1f3fbf; font-weight: bold;"_s);
    auto *choices = new QGroupBox(u"清理内容"_s, this);
    auto *choiceRows = new QVBoxLayout(choices);
    choiceRows->setSpacing(10);
    choiceRows->addWidget(RadioAll);
    choiceRows->addWidget(RadioCirculation);
    choiceRows->addWidget(RadioReturned);
    auto *range = new QHBoxLayout;
    range->setContentsMargins(22, 0, 0, 0);
    range->addWidget(new QLabel(u"还书日期 从："_s));
    range->addWidget(DateFrom);
    range->addSpacing(8);
    range->addWidget(new QLabel(u"到："_s));
    range->addWidget(DateTo);
    range->addStretch();
    choiceRows->addLayout(range);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtOk);
    buttons->addWidget(BtCancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(note);
    layout->addWidget(choices);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);

    // The period counts for the third choice only.
    for (QDateEdit *picker : {DateFrom, DateTo})
        connect(RadioReturned, &QRadioButton::toggled, picker, &QWidget::setEnabled);
    connect(BtOk, &QPushButton::clicked, this, &TFrmClearData::BtOkClick);
    connect(BtCancel, &QPushButton::clicked, this, &TFrmClearData::reject);
}

void TFrmClearData::InitForm()
{
    TFrmBaseD::InitForm();
    const ClearData::Range range = ClearData::defaultRange(state().BusinessDate);
    DateFrom->setDate(range.from);
    DateTo->setDate(range.to);
}

void TFrmClearData::BtOkClick()
{
    const ClearData::Choice choice = RadioAll->isChecked()           ? ClearData::Choice::Everything
                                     : RadioCirculation->isChecked() ? ClearData::Choice::Circulation
                                                                     : ClearData::Choice::ReturnedBetween;
    ProgressBar1->setVisible(true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool cleared =
        ClearData::run(db(), prompt(), choice, {DateFrom->date(), DateTo->date()}, [this](int percent) {
            ProgressBar1->setValue(percent);
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    QApplication::restoreOverrideCursor();
    if (cleared)
        accept();
}

} // namespace tarvo::gui
