#include "BusinessDate.h"

#include "Helpers.h"

using namespace Qt::StringLiterals;

namespace tarvo::BusinessDate {

QString statusLine(const QDate &date)
{
    return u"今天是 %1年%2月%3日  星期%4"_s.arg(date.year(), 4, 10, QChar(u'0'))
        .arg(date.month())
        .arg(date.day())
        .arg(WeekdayName(date.dayOfWeek()));
}

} // namespace tarvo::BusinessDate
