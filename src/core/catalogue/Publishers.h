#pragma once

#include "core/framework/SqlCondition.h"

#include <QString>

namespace tarvo {

class Database;
class EditRecord;
class Prompt;

// The publishers in table Bookpub: a name (Code, the key books store in Publisher)
// and the ISBN publisher prefix by which the book editors find it.
namespace Publishers {

// The quick search "出版社/Isbn:": part of the name, the whole prefix, or the
// beginning of the name's pinyin, wubi or stroke initials. Empty: every publisher.
SqlCondition quickSearch(const QString &text);

// What the publisher list shows: the publishers the quick search finds, by prefix.
struct ListQuery
{
    QString select;
    QVariantList params;
    QString order;
};
ListQuery list(const QString &search);

// A publisher that books still name cannot go: "该出版社还有图书数据,不能删除!".
bool CheckDelete(Database &db, Prompt &prompt, const QString &code);

// Whether another publisher than exceptCode already holds the prefix; an empty
// prefix belongs to nobody.
bool isbnTaken(Database &db, const QString &isbn, const QString &exceptCode = {});
// The check when leaving the editor's fields: false after "该出版社Isbn已有重复！请重新录入".
bool checkIsbn(Database &db, Prompt &prompt, const QString &isbn, const QString &exceptCode = {});

enum class Refusal { None, NoName, NameTaken, IsbnTaken };

// The editor's CheckData: a name is required, a new name must be new (the name is
// the key every edit and delete goes by), and the prefix must be the publisher's own.
// Says why and returns the refusal.
Refusal CheckData(Database &db, Prompt &prompt, const EditRecord &record);

// Fills PY, WBH and WB from the name; an empty name leaves them as they are.
void BeforeSave(EditRecord &record);

} // namespace Publishers

} // namespace tarvo
