#pragma once

#include <QDate>

namespace tarvo::DueDate {

// A loan or a renewal made on `day` is due `limitDay` days later.
QDate dueDate(const QDate &day, int limitDay);
// Whole days a loan due on `due` and returned on `returned` is late; 0 on the due date itself.
int overdueDays(const QDate &due, const QDate &returned);
// The fine for those days, exact to the fourth decimal; 0 when fines are off.
double fine(int days, double perDay, bool finesOn);

} // namespace tarvo::DueDate
