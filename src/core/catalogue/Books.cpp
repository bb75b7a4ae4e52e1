#include "Books.h"

#include "Isbn.h"
#include "core/app/Prompt.h"
#include "core/db/Database.h"

using namespace Qt::StringLiterals;

namespace tarvo::Books {

namespace {

// The title contains the text, or one of its input codes begins with it.
SqlCondition nameOrInitials(const QString &text)
{
    return SqlCondition().anyOf({SqlCondition().contains(u"Name"_s, text), SqlCondition().beginsWith(u"Py"_s, text),
                                 SqlCondition().beginsWith(u"Wb"_s, text), SqlCondition().beginsWith(u"Wbh"_s, text)});
}

// An ISBN is found with or without its hyphens.
SqlCondition isbnContains(const QString &typed)
{
    const QString isbn = typed.trimmed();
    if (isbn.isEmpty())
        return {};
    const QString compact = Isbn::compact(isbn);
    if (compact == isbn)
        return SqlCondition().contains(u"replace(BookIsbn, '-', '')"_s, compact);
    return SqlCondition().anyOf({SqlCondition().contains(u"BookIsbn"_s, isbn),
                                 SqlCondition().contains(u"replace(BookIsbn, '-', '')"_s, compact)});
}

SqlCondition stateCondition(const QString &state)
{
    if (state == u"在馆")
        return SqlCondition().fixed(u"(IsOut is null or (IsOut <> '外借' and IsOut <> '报废'))"_s);
    if (state == u"外借" || state == u"报废")
        return SqlCondition().equals(u"IsOut"_s, state);
    return {};
}

} // namespace

ListQuery list(BookTable table, const SqlCondition &condition)
{
    return {u"select * from "_s + tableName(table) + condition.whereClause(), condition.params(), u"Id"_s};
}

ListQuery initialList(BookTable table)
{
    // The Ids of the first 1000 rows, as a range the Id index answers at once.
    return {u"select * from %1 where Id <= (select max(Id) from (select Id from %1 order by Id limit 1000) f)"_s.arg(
                tableName(table)),
            {},
            u"Id"_s};
}

SqlCondition quickSearch(Engine engine, BookTable table, const QString &codeOrName, const QString &sortCode)
{
    const QString text = codeOrName.trimmed();
    if (!text.isEmpty()) {
        QList<SqlCondition> alternatives;
        if (table == BookTable::Catalogue)
            alternatives << copyTextContains(engine, {}, {u"Code"_s, u"Name"_s}, text);
        else
            alternatives << SqlCondition().contains(u"Name"_s, text);
        alternatives << SqlCondition().equals(u"Scode"_s, text)
                     << SqlCondition().beginsWith(u"Py"_s, text) << SqlCondition().beginsWith(u"Wb"_s, text)
                     << SqlCondition().beginsWith(u"Wbh"_s, text);
        return SqlCondition().anyOf(alternatives);
    }
    return SqlCondition().contains(u"SortCode"_s, sortCode.trimmed());
}

SqlCondition copyTextContains(Engine engine, const QString &prefix, const QStringList &fields, const QString &text)
{
    if (text.isEmpty())
        return {};
    if (engine != Engine::SQLite || text.size() < 3) {
        QList<SqlCondition> alternatives;
        for (const QString &field : fields)
            alternatives << SqlCondition().contains(prefix + field, text);
        return SqlCondition().anyOf(alternatives);
    }
    QString phrase = text;
    phrase.replace(u'"', u"\"\""_s);
    return SqlCondition(prefix + u"Id in (select rowid from BookInfoText where BookInfoText match ?)"_s,
                        {QString(u'{' + fields.join(u' ') + u"} : \""_s + phrase + u'"')});
}

SqlCondition searchCondition(const SearchInput &in, const QDate &businessDate, int newBookDays)
{
    SqlCondition c;
    c.contains(u"Code"_s, in.code.trimmed());
    if (!in.name.trimmed().isEmpty())
        c.also(nameOrInitials(in.name.trimmed()));
    c.contains(u"YName"_s, in.yName.trimmed())
        .contains(u"Scode"_s, in.scode.trimmed())
        .contains(u"Publisher"_s, in.publisher.trimmed())
        .also(isbnContains(in.isbn))
        .contains(u"SortCode"_s, in.sortCode.trimmed())
        .contains(u"Writer"_s, in.writer.trimmed())
        .contains(u"Translator"_s, in.translator.trimmed())
        .equals(u"BookPosi"_s, in.bookPosi.trimmed())
        .also(stateCondition(in.state.trimmed()))
        .contains(u"Remarks"_s, in.remarks.trimmed())
        .contains(u"Remarks1"_s, in.remarks1.trimmed());
    if (in.newBooksOnly)
        c.also(SqlCondition(u"RegDate >= ?"_s, {businessDate.addDays(-newBookDays)}));
    if (in.codeRange)
        c.also(SqlCondition(u"Code >= ? and Code <= ?"_s, {in.codeFrom, in.codeTo}));
    return c;
}

bool CheckDelete(Database &db, Prompt &prompt, const QString &code)
{
    const bool onLoan =
        !db.scalar(u"select 1 from BookInfo where Code = ? and IsOut = '外借'"_s + db.dialect().limitClause(1), {code})
             .isNull()
        || !db.scalar(u"select 1 from BorrowInfo where Code = ? and State = '未还'"_s + db.dialect().limitClause(1),
                      {code})
                .isNull();
    if (!onLoan)
        return true;
    prompt.info(u"该书籍正在外借,不能删除!"_s);
    return false;
}

} // namespace tarvo::Books
