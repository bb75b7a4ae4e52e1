#include "PreCatalogue.h"

#include "BookRecords.h"
#include "core/app/Prompt.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Transaction.h"
#include "core/framework/EditRecord.h"

using namespace Qt::StringLiterals;

namespace tarvo::PreCatalogue {

TransferResult transfer(Database &db, Prompt &prompt, qint64 preId, const QString &barcode, bool keepCopy)
{
    const QString code = barcode.trimmed();
    if (code.isEmpty()) {
        prompt.error(u"图书编号(条码号)不能为空!"_s);
        return TransferResult::Refused;
    }
    try {
        Transaction transaction(db);
        if (!db.scalar(u"select 1 from BookInfo where Code = ?"_s + db.dialect().limitClause(1), {code}).isNull()) {
            prompt.error(u"图书编号有重复,请重新录入!"_s);
            return TransferResult::Refused;
        }
        EditRecord copy(db, u"BookInfo"_s);
        copy.append(u"Id"_s);
        if (!BookRecords::copySaved(db, BookTable::PreCatalogue, preId, copy))
            return TransferResult::Refused;
        // The summary stays with the description; the copy gets its own input codes
        // so that it is found by its initials like every other copy.
        copy.setValue(u"Remarks1"_s, QVariant());
        copy.setValue(u"Code"_s, code);
        BookRecords::fillInputCodes(copy);
        copy.post();
        if (!keepCopy)
            db.exec(u"delete from BookInfoPre where Id = ?"_s, {preId});
        transaction.commit();
        return TransferResult::Transferred;
    } catch (const DbError &e) {
        prompt.error(e.message());
        return TransferResult::Failed;
    }
}

int bulkDelete(Database &db, Prompt &prompt, const SqlCondition &condition)
{
    const QString where = condition.whereClause();
    const qint64 count = db.countRows(u"select Id from BookInfoPre"_s + where, condition.params());
    if (prompt.question(u"是否删除显示的全部记录？\n共 %1 条记录将被删除。"_s.arg(count), u"询问"_s,
                        Prompt::Button::Ok | Prompt::Button::Cancel, Prompt::Button::Cancel)
        != Prompt::Button::Ok)
        return -1;
    Transaction transaction(db);
    const int deleted = db.exec(u"delete from BookInfoPre"_s + where, condition.params());
    transaction.commit();
    return deleted;
}

} // namespace tarvo::PreCatalogue
