#include "ReaderDetail.h"

#include "core/db/Database.h"

using namespace Qt::StringLiterals;

namespace tarvo {

ReaderDetail ReaderDetail::read(Database &db, const QString &code)
{
    ReaderDetail d;
    ResultSet rs = db.query(u"select Code, Name, E_mail, Addr, Department, TelDay, TelNight, HandTel"
                            " from ReaderInfo where Code = ?"_s,
                            {code});
    if (rs.isEmpty())
        return d;
    d.Code = rs.text(u"Code");
    d.Name = rs.text(u"Name");
    d.E_mail = rs.text(u"E_mail");
    d.Addr = rs.text(u"Addr");
    d.Department = rs.text(u"Department");
    d.TelDay = rs.text(u"TelDay");
    d.TelNight = rs.text(u"TelNight");
    d.HandTel = rs.text(u"HandTel");
    return d;
}

QStringList ReaderDetail::phoneLines() const
{
    return {u"电话(日):"_s + TelDay, u"电话(夜):"_s + TelNight, u"手机:"_s + HandTel};
}

QUrl ReaderDetail::mailUrl() const
{
    return QUrl(u"mailto:"_s + E_mail.trimmed());
}

} // namespace tarvo
