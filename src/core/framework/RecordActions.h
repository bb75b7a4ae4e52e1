#pragma once

#include <QVariant>
#include <functional>

namespace tarvo {

class Database;
class EditRecord;
class Prompt;

// The save and delete of the list-and-edit pattern: the window's checks and
// dependent writes run inside one transaction with the record's own write.
namespace RecordActions {

// CheckData, then in one transaction BeforeSave and the post. A failure rolls all
// of it back, says "存盘失败！" and leaves the record as it was, still editable.
bool SaveRecord(Database &db, Prompt &prompt, EditRecord &record, const std::function<bool()> &checkData,
                const std::function<void()> &beforeSave);

enum class DeleteResult { Refused, Cancelled, Deleted, NothingToDelete, Failed };

// CheckDelete, the question "是否删除此记录？", then in one transaction BeforeDelete
// and the delete of the row whose key field holds the key (none when the key is
// null: the list was empty). A failure rolls back and says "删除出错！".
DeleteResult DeleteRecord(Database &db, Prompt &prompt, const QString &table, const QString &keyField,
                          const QVariant &key, const std::function<bool()> &checkDelete,
                          const std::function<void()> &beforeDelete);

} // namespace RecordActions

} // namespace tarvo
