#include "FindHuanDate.h"

#include "core/app/Helpers.h"

#include <QCalendarWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmFindHuanDate::TFrmFindHuanDate(WindowContext &context, QWidget *parent)
    : TFrmBaseD(context, parent)
    , MonthCalendar1(new QCalendarWidget(this))
{
    setObjectName(u"FrmFindHuanDate"_s);
    setWindowTitle(u"选择应还日期"_s);
    MonthCalendar1->setObjectName(u"MonthCalendar1"_s);
    MonthCalendar1->setGridVisible(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MonthCalendar1);
    // A double click on a day or Enter.
    connect(MonthCalendar1, &QCalendarWidget::activated, this, &TFrmFindHuanDate::MonthCalendar1DblClick);
}

void TFrmFindHuanDate::InitForm()
{
    TFrmBaseD::InitForm();
    const QDate shown = dateFromText(DueDateText);
    MonthCalendar1->setSelectedDate(shown.isValid() ? shown : QDate::currentDate());
    MonthCalendar1->setFocus();
}

void TFrmFindHuanDate::MonthCalendar1DblClick()
{
    DueDateText = dateText(MonthCalendar1->selectedDate());
    accept();
}

} // namespace tarvo::gui
