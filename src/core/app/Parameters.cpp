#include "Parameters.h"

#include "core/db/Database.h"
#include "core/db/Transaction.h"

using namespace Qt::StringLiterals;

namespace tarvo::Parameters {

namespace {

const QString kColumns =
    u"Id, CorpName, Tel, Fax, Addr, Remarks, IfFine, IfExcced, Ifrepeat, PerFine, PerFine1, InDay"_s;

std::optional<AcctInfoRow> read(Database &db)
{
    const ResultSet r =
        db.query(u"select "_s + kColumns + u" from AcctInfo order by Id"_s + db.dialect().limitClause(1));
    if (r.isEmpty())
        return std::nullopt;
    return AcctInfoRow{r.integer(u"Id"),       r.text(u"CorpName"), r.text(u"Tel"),       r.text(u"Fax"),
                       r.text(u"Addr"),        r.text(u"Remarks"),  r.boolean(u"IfFine"), r.boolean(u"IfExcced"),
                       r.boolean(u"Ifrepeat"), r.money(u"PerFine"), r.real(u"PerFine1"),  int(r.integer(u"InDay"))};
}

} // namespace

AcctInfoRow loadOrCreate(Database &db)
{
    if (std::optional<AcctInfoRow> row = read(db))
        return *row;
    Transaction transaction(db);
    // Another desk may have made the row since the first look.
    if (std::optional<AcctInfoRow> row = read(db))
        return *row;
    AcctInfoRow row;
    row.CorpName = u"塔沃图书馆管理系统7"_s;
    row.Id = db.insertReturningId(
        u"insert into AcctInfo (CorpName, IfFine, IfExcced, Ifrepeat, PerFine, PerFine1, InDay)"
        " values (?, ?, ?, ?, ?, ?, ?)"_s,
        {row.CorpName, row.IfFine, row.IfExcced, row.Ifrepeat, row.PerFine, row.PerFine1, row.InDay});
    transaction.commit();
    return row;
}

void save(Database &db, const AcctInfoRow &row)
{
    db.exec(u"update AcctInfo set CorpName = ?, Tel = ?, Fax = ?, Addr = ?, Remarks = ?, IfFine = ?,"
            " IfExcced = ?, Ifrepeat = ?, PerFine = ?, PerFine1 = ?, InDay = ? where Id = ?"_s,
            {row.CorpName, row.Tel, row.Fax, row.Addr, row.Remarks, row.IfFine, row.IfExcced, row.Ifrepeat, row.PerFine,
             row.PerFine1, row.InDay, row.Id});
}

SysParams toSysParams(const AcctInfoRow &row)
{
    return {row.CorpName, row.PerFine, row.PerFine1, row.IfFine, row.IfExcced, row.Ifrepeat, row.InDay};
}

} // namespace tarvo::Parameters
