#pragma once

#include "core/catalogue/WordList.h"
#include "core/framework/SqlCondition.h"

#include <QString>
#include <QStringList>

namespace tarvo {

class Database;
class EditRecord;
class Prompt;

// The register of readers (ReaderInfo): who may borrow, found by number, name or
// the name's initials. The loan counters belong to the circulation desks.
namespace Readers {

// The rows a reader list shows.
struct ListQuery
{
    QString select;
    QVariantList params;
    QString order;
};
ListQuery list(const SqlCondition &condition = {});

// "编号/姓名:": the number or the name contains the text, or one of the name's
// initials begins with it. Empty: every reader.
SqlCondition quickSearch(const QString &text);

// The boxes of the search dialog; every one filled restricts the result.
struct SearchInput
{
    QString code;
    QString name;
    QString sortCode;
    QString department;
    QString tel;
    QString addr;
};
SqlCondition searchCondition(const SearchInput &input);

// The number the record has in the table; empty for a reader not yet saved.
QString storedCode(const EditRecord &record);

// Leaving the number box: false after "该读者已有重码！请重新录入" when a reader other
// than exceptCode (the reader's own stored number) has the number.
bool checkCode(Database &db, Prompt &prompt, const QString &code, const QString &exceptCode = {});
// Leaving the type box: false after "无此类别!" when no reader type has the name
// (an empty box included).
bool checkType(Database &db, Prompt &prompt, const QString &sortCode);

enum class Refusal { None, Missing, CodeTaken, NoSuchType };

// The dialog's CheckData: number, name and type are required, the number must be
// the reader's own and the type must exist. Says why and returns the refusal.
Refusal CheckData(Database &db, Prompt &prompt, const EditRecord &record);

// Inside the save's transaction: the name's input codes, and, when an existing
// reader's number changed, its book and magazine loans (reservations and fines
// too) follow it to the new number.
void BeforeSave(Database &db, EditRecord &record);

// "连接相片": the path and the picture itself go into the record; false when the
// file cannot be read. "取消" takes both out again.
bool linkPhoto(EditRecord &record, const QString &file);
void removePhoto(EditRecord &record);

// A reader who still holds books or magazines cannot go.
bool CheckDelete(Database &db, Prompt &prompt, const QString &code);

enum class DeleteResult { Refused, Cancelled, Deleted, Failed };
// CheckDelete, the question naming the loan data, then in one transaction the
// reader's loan rows of both tables and the reader.
DeleteResult DeleteReader(Database &db, Prompt &prompt, const QString &code);

// The departments of the drop-downs (word list Readerdept).
QStringList departments(Database &db);
// 读者词库: the word tables behind the reader forms, in the order of their buttons.
const QList<WordList::Table> &wordTables();

} // namespace Readers

} // namespace tarvo
