#pragma once

#include <QDate>
#include <QString>

namespace tarvo {

// The system's title: caption of the main window and of plain message boxes.
QString AppTitle();

// True when every character is one of 0 to 9; true for an empty text.
bool IsAllDigits(QStringView text);

// The Chinese weekday character for a Qt day number (1 = Monday ... 7 = Sunday).
QString WeekdayName(int dayOfWeek);

// Every date the system turns into text uses this one form, whatever the locale.
QString dateText(const QDate &date);
QDate dateFromText(QStringView text);

} // namespace tarvo
