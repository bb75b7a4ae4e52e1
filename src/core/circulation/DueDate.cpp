#include "DueDate.h"

#include <QtMath>

namespace tarvo::DueDate {

QDate dueDate(const QDate &day, int limitDay)
{
    return day.addDays(limitDay);
}

int overdueDays(const QDate &due, const QDate &returned)
{
    if (!due.isValid() || due >= returned)
        return 0;
    return int(due.daysTo(returned));
}

double fine(int days, double perDay, bool finesOn)
{
    if (!finesOn)
        return 0;
    // Money columns hold four decimals: 4 x 0.10 is 0.4000, not 0.40000000000000002.
    return double(qRound64(days * perDay * 10000.0)) / 10000.0;
}

} // namespace tarvo::DueDate
