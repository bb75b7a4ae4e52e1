#pragma once

#include "BookTable.h"
#include "core/db/ConnectionTarget.h"
#include "core/framework/SqlCondition.h"

#include <QDate>
#include <QString>

namespace tarvo {

class Database;
class Prompt;

// The book catalogue as its list windows search it: the rows listed, the quick
// search and the search dialog, and the delete rule of a copy.
namespace Books {

// The rows a book list shows.
struct ListQuery
{
    QString select;
    QVariantList params;
    QString order;
};
// The rows of a search; without a condition every row.
ListQuery list(BookTable table, const SqlCondition &condition = {});
// What a list shows when it opens: the first 1000 rows by Id.
ListQuery initialList(BookTable table);

// The quick search: "编号/名称" (a copy's number or title contains the text, the call
// number is the text, or an input code of the title begins with it), else "分类号"
// (the class number contains the text). The pre-catalogue has no numbers. On SQLite
// the catalogue's numbers and titles are searched through their trigram index.
SqlCondition quickSearch(Engine engine, BookTable table, const QString &codeOrName, const QString &sortCode);

// A copy's number or title (fields, of "Code" and "Name") contains the text; prefix
// names the table in a join ("a."). On SQLite, from three characters on, through the
// trigram index of numbers and titles, which matches text anywhere and, like the
// columns, without regard to letter case.
SqlCondition copyTextContains(Engine engine, const QString &prefix, const QStringList &fields, const QString &text);

// The boxes of the search dialog; every one filled restricts the result.
struct SearchInput
{
    QString code;
    QString name;
    QString yName;
    QString scode;
    QString publisher;
    QString isbn;
    QString sortCode;
    QString writer;
    QString translator;
    QString bookPosi;
    QString remarks;
    QString remarks1;
    QString state; // 在馆 / 外借 / 报废; anything else adds nothing
    bool newBooksOnly = false;
    bool codeRange = false;
    QString codeFrom;
    QString codeTo;
};
// New books are those registered at most newBookDays before the business date.
SqlCondition searchCondition(const SearchInput &input, const QDate &businessDate, int newBookDays);

// A copy on loan cannot go: "该书籍正在外借,不能删除!".
bool CheckDelete(Database &db, Prompt &prompt, const QString &code);

} // namespace Books

} // namespace tarvo
