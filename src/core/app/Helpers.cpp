#include "Helpers.h"

using namespace Qt::StringLiterals;

namespace tarvo {

QString AppTitle()
{
    return u"塔沃图书馆管理系统普及版7"_s;
}

bool IsAllDigits(QStringView text)
{
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString WeekdayName(int dayOfWeek)
{
    static const QString names[] = {u"一"_s, u"二"_s, u"三"_s, u"四"_s, u"五"_s, u"六"_s, u"日"_s};
    if (dayOfWeek < 1 || dayOfWeek > 7)
        return {};
    return names[dayOfWeek - 1];
}

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(u"yyyy-MM-dd") : QString();
}

QDate dateFromText(QStringView text)
{
    return QDate::fromString(text.left(10).toString(), u"yyyy-MM-dd");
}

} // namespace tarvo
