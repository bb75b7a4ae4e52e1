#pragma once

#include "gui/framework/BaseD.h"

class QCalendarWidget;

namespace tarvo::gui {

// 选择应还日期: one month calendar. The caller sets DueDateText and reads it back;
// Esc leaves it as it was.
class TFrmFindHuanDate : public TFrmBaseD
{
    Q_OBJECT
public:
    explicit TFrmFindHuanDate(WindowContext &context, QWidget *parent = nullptr);

    QString DueDateText;
    QCalendarWidget *calendar() const { return MonthCalendar1; }

protected:
    void InitForm() override;

private:
    void MonthCalendar1DblClick();

    QCalendarWidget *MonthCalendar1;
};

} // namespace tarvo::gui
