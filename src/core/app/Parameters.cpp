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

QString defaultCardRules()
{
    return QStringList{u"1、此证仅限个人使用，不得转于他人使"_s, u"用，一经发现立即没收。"_s,
                       u"2、此证仅作借阅凭证，不具有其它功能。"_s, u"3、此证遗失请立即挂失，否则一切后果自"_s,
                       u"负。"_s}
        .join(u'\n');
}

QString cardRules(Database &db)
{
    const QVariant stored = db.scalar(u"select Rcardmemo from AcctInfo order by Id"_s + db.dialect().limitClause(1));
    return stored.isNull() ? defaultCardRules() : stored.toString();
}

void saveCardRules(Database &db, const QString &rules)
{
    const qint64 id = loadOrCreate(db).Id;
    // An emptied box is kept empty: only a row that never had rules gets the designed ones.
    db.exec(u"update AcctInfo set Rcardmemo = ? where Id = ?"_s, {rules.isNull() ? u""_s : rules, id});
}

SysParams toSysParams(const AcctInfoRow &row)
{
    return {row.CorpName, row.PerFine, row.PerFine1, row.IfFine, row.IfExcced, row.Ifrepeat, row.InDay};
}

} // namespace tarvo::Parameters
