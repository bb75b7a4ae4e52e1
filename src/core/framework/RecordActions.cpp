#include "RecordActions.h"

#include "EditRecord.h"
#include "core/app/Prompt.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Schema.h"
#include "core/db/Transaction.h"

using namespace Qt::StringLiterals;

namespace tarvo::RecordActions {

bool SaveRecord(Database &db, Prompt &prompt, EditRecord &record, const std::function<bool()> &checkData,
                const std::function<void()> &beforeSave)
{
    if (checkData && !checkData())
        return false;
    const EditRecord::Snapshot before = record.snapshot();
    try {
        Transaction transaction(db);
        if (beforeSave)
            beforeSave();
        record.post();
        transaction.commit();
        return true;
    } catch (const DbError &) {
        record.restore(before);
        prompt.info(u"存盘失败！"_s);
        return false;
    }
}

DeleteResult DeleteRecord(Database &db, Prompt &prompt, const QString &table, const QString &keyField,
                          const QVariant &key, const std::function<bool()> &checkDelete,
                          const std::function<void()> &beforeDelete)
{
    if (checkDelete && !checkDelete())
        return DeleteResult::Refused;
    if (prompt.question(u"是否删除此记录？"_s, u"询问"_s, Prompt::Button::Ok | Prompt::Button::Cancel,
                        Prompt::Button::Ok)
        != Prompt::Button::Ok)
        return DeleteResult::Cancelled;
    const TableDef *def = Schema::table(table);
    const ColumnDef *column = def ? def->column(keyField) : nullptr;
    if (!column)
        throw DbError(u"字段不存在: "_s + table + u'.' + keyField);
    try {
        Transaction transaction(db);
        if (key.isNull()) {
            transaction.commit();
            return DeleteResult::NothingToDelete;
        }
        if (beforeDelete)
            beforeDelete();
        db.exec(u"delete from "_s + def->name + u" where "_s + column->name + u" = ?"_s, {key});
        transaction.commit();
        return DeleteResult::Deleted;
    } catch (const DbError &) {
        prompt.info(u"删除出错！"_s);
        return DeleteResult::Failed;
    }
}

} // namespace tarvo::RecordActions
