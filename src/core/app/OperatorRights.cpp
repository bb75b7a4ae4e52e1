#include "OperatorRights.h"

#include "core/db/Database.h"
#include "core/db/Transaction.h"

using namespace Qt::StringLiterals;

namespace tarvo::OperatorRights {

QHash<int, bool> stored(Database &db, const QString &code)
{
    ResultSet rows =
        db.query(u"select ModuleId, IfCheck from UserModule where UseCode = ? order by ModuleId"_s, {code});
    QHash<int, bool> rights;
    for (rows.first(); !rows.eof(); rows.next())
        rights.insert(int(rows.integer(u"ModuleId")), rows.boolean(u"IfCheck"));
    return rights;
}

ModuleRights load(Database &db, const QString &code)
{
    ModuleRights rights{};
    const QHash<int, bool> rows = stored(db, code);
    for (auto it = rows.cbegin(); it != rows.cend(); ++it) {
        if (it.key() >= 0 && it.key() < kModuleCount)
            rights[size_t(it.key())] = it.value();
    }
    return rights;
}

void write(Database &db, const QString &code, const ModuleRights &rights)
{
    db.exec(u"delete from UserModule where UseCode = ?"_s, {code});
    for (int module = 0; module < kModuleCount; ++module) {
        db.exec(u"insert into UserModule (UseCode, ModuleId, IfCheck) values (?, ?, ?)"_s,
                {code, module, rights[size_t(module)]});
    }
}

void grant(Database &db, const QString &code, const ModuleRights &rights)
{
    Transaction transaction(db);
    write(db, code, rights);
    transaction.commit();
}

} // namespace tarvo::OperatorRights
