#pragma once

#include <QDate>
#include <QString>

namespace tarvo::BusinessDate {

// The status bar's date line, e.g. "今天是 2024年5月6日  星期一".
QString statusLine(const QDate &date);

} // namespace tarvo::BusinessDate
