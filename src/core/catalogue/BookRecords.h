#pragma once

#include "BookTable.h"
#include "core/db/ResultSet.h"

#include <QString>
#include <QStringList>

namespace tarvo {

class Database;
class EditRecord;
class Prompt;

// The rules of the book editors: one copy (or pre-catalogued title) being added
// or changed: its number, its class and number within the class, the publisher
// found by ISBN, copying a description, and what a save writes besides the record.
namespace BookRecords {

// The number the copy has in the table; empty for a copy not yet saved.
QString storedCode(const EditRecord &record);

// Leaving the number box: false after "该图书已有重码！请重新录入" when a copy other
// than exceptCode (the copy's own stored number) has the number.
bool checkCode(Database &db, Prompt &prompt, const QString &code, const QString &exceptCode = {});
// Leaving the class box: false after "无此分类号!" when no class has the number
// (an empty box included).
bool checkClass(Database &db, Prompt &prompt, const QString &sortCode);

// The next number within a class: one more than the largest number the class's
// copies carry ("1" for a class without numbered copies).
QString nextSortNum(Database &db, BookTable table, const QString &sortCode);
// A new record's number within its class and its call number SortCode/SortNum.
void numberCopy(Database &db, BookTable table, EditRecord &record);

// The publisher whose ISBN prefix the ISBN begins with: the shortest prefix length
// (4 to 10) that names exactly one publisher wins. Empty when none does.
QString publisherByIsbn(Database &db, const QString &isbn);

// The descriptions that carry the ISBN, in the catalogue or the pre-catalogue.
ResultSet copySources(Database &db, BookTable source, const QString &isbn);
// The 26 fields a description is copied by; never the number of a copy.
const QStringList &copyFields();
// Copies the description at the row into the record.
void copyDescription(EditRecord &record, const ResultSet &sources, qsizetype row);
// The description of the record saved under the Id, for "新增时是否复制上一本书信息";
// false when it is gone.
bool copySaved(Database &db, BookTable table, qint64 id, EditRecord &record);

enum class Refusal { None, Missing, CodeTaken, NoSuchClass };

// The editor's CheckData: number (catalogue only), title and class are required;
// a copy's number must be its own and its class must exist. Says why.
Refusal CheckData(Database &db, Prompt &prompt, BookTable table, const EditRecord &record);

// The title's input codes (Py, Wb, Wbh); an empty title leaves them as they are.
void fillInputCodes(EditRecord &record);

// Inside the save's transaction: the title's input codes; for a copy whose number
// changed, its loans and reservations follow it; a new copy is counted as bought
// against the order lines of its title or ISBN.
void BeforeSave(Database &db, BookTable table, EditRecord &record);

} // namespace BookRecords

} // namespace tarvo
