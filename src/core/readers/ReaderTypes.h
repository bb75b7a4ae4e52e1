#pragma once

#include "core/framework/Lookup.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tarvo {

class Database;
class EditRecord;
class Prompt;

// The reader types (ReaderType): how many items a reader may hold and for how long.
// The name is the key readers store in SortCode, so it never changes once created.
namespace ReaderTypes {

struct ListQuery
{
    QString select;
    QString order;
};
ListQuery list();

// Every type name, for the drop-downs.
QStringList codes(Database &db);

// Leaving the name box of a new type: false after "该类别已有重码！请重新录入".
bool checkCode(Database &db, Prompt &prompt, const QString &code);

enum class Refusal { None, NoName, NameTaken };
// The dialog's CheckData: a name is required, and a new type's name must be new.
Refusal CheckData(Database &db, Prompt &prompt, const EditRecord &record);

// A type that readers still have cannot go: "该类型还有读者数据,不能删除!".
bool CheckDelete(Database &db, Prompt &prompt, const QString &code);

// What a type allows at the desks. A number left empty allows nothing.
struct Limits
{
    int books = 0;        // CeQty
    int bookDays = 0;     // LimitDay
    int renewals = 0;     // RenewTime
    bool limited = false; // IsLimit: no books marked 限制
    int magazines = 0;    // CeQty1
    int magazineDays = 0; // LimitDay1
    bool magazinesLimited = false;
};
std::optional<Limits> limits(Database &db, const QString &code);

// 选择读者类别: a plain pick list of the types, with a way to add one.
LookupDefinition lookup();

} // namespace ReaderTypes

} // namespace tarvo
