#include "Schema.h"

#include "Database.h"
#include "Transaction.h"

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

ColumnDef text(const QString &name, int size) { return {name, ColumnType::Text, size}; }
ColumnDef memo(const QString &name) { return {name, ColumnType::Memo}; }
ColumnDef int16(const QString &name) { return {name, ColumnType::Int16}; }
ColumnDef int32(const QString &name) { return {name, ColumnType::Int32}; }
ColumnDef autonumber(const QString &name) { return {name, ColumnType::AutoNumber}; }
ColumnDef real(const QString &name) { return {name, ColumnType::Double}; }
ColumnDef money(const QString &name) { return {name, ColumnType::Money}; }
ColumnDef date(const QString &name) { return {name, ColumnType::Date}; }
ColumnDef boolean(const QString &name) { return {name, ColumnType::Bool}; }
ColumnDef blob(const QString &name) { return {name, ColumnType::Blob}; }

QList<ColumnDef> inputCodes()
{
    return {text(u"Py"_s, 50), text(u"Wb"_s, 50), text(u"Wbh"_s, 50)};
}

// The descriptive columns that books, pre-catalogued books and magazines share.
QList<ColumnDef> wordListColumns()
{
    return {text(u"Attach"_s, 20), text(u"language"_s, 20), text(u"Print"_s, 20), text(u"Size"_s, 20),
            text(u"Grade"_s, 20), text(u"BookPosi"_s, 30), text(u"Supplier"_s, 100)};
}

QList<ColumnDef> bookColumns(bool catalogued)
{
    QList<ColumnDef> c{autonumber(u"Id"_s)};
    if (catalogued)
        c << text(u"Code"_s, 30);
    c << text(u"Name"_s, 100) << text(u"YName"_s, 100) << text(u"CodeSet"_s, 20) << text(u"Scode"_s, 20)
      << text(u"SortCode"_s, 20) << text(u"SortNum"_s, 30) << text(u"Publisher"_s, 100)
      << text(u"Writer"_s, 30) << text(u"Translator"_s, 50) << text(u"PubDate"_s, 20)
      << text(u"PubNum"_s, 50) << real(u"BookPrice"_s) << real(u"AvePrice"_s) << text(u"BookPage"_s, 20)
      << text(u"BookIsbn"_s, 20) << wordListColumns() << date(u"RegDate"_s);
    if (catalogued)
        c << text(u"IsOut"_s, 10);
    c << text(u"IsLimit"_s, 10);
    if (catalogued)
        c << text(u"Borrowman"_s, 50) << date(u"BorrowDate"_s) << int32(u"Times"_s);
    c << memo(u"Remarks"_s) << memo(u"Remarks1"_s) << inputCodes();
    return c;
}

QList<ColumnDef> magazineColumns()
{
    return QList<ColumnDef>{autonumber(u"Id"_s), text(u"Code"_s, 30), text(u"Name"_s, 100),
                            text(u"Scode"_s, 20), text(u"SortCode"_s, 20), text(u"SortNum"_s, 30),
                            text(u"Publisher"_s, 100), date(u"PubDate"_s), text(u"Writer"_s, 30),
                            real(u"BookPrice"_s), real(u"AvePrice"_s), text(u"BookPage"_s, 20),
                            text(u"BookIsbn"_s, 20)}
        + wordListColumns()
        + QList<ColumnDef>{date(u"RegDate"_s), text(u"IsOut"_s, 10), text(u"IsLimit"_s, 10),
                           text(u"Borrowman"_s, 50), date(u"BorrowDate"_s), int32(u"Times"_s),
                           memo(u"Remarks"_s)}
        + inputCodes()
        + QList<ColumnDef>{text(u"Pubfreq"_s, 20), text(u"PubNo"_s, 50), text(u"PeriodNo"_s, 10),
                           text(u"ZPeriodNo"_s, 10), text(u"Orderyear"_s, 4), text(u"PostNo"_s, 20),
                           text(u"PeriodSt"_s, 30), boolean(u"IsNew"_s)};
}

// Order lines of books and of magazine subscriptions share these columns.
QList<ColumnDef> orderColumns()
{
    return {text(u"Code"_s, 30), text(u"Name"_s, 100), text(u"Sortcode"_s, 20), text(u"Publisher"_s, 100),
            text(u"Language"_s, 20), text(u"Writer"_s, 30), money(u"BookPrice"_s), date(u"RegDate"_s),
            int32(u"RegQty"_s), int32(u"BeBuy"_s), text(u"BookIsbn"_s, 20), text(u"Tel"_s, 50),
            text(u"LinkMan"_s, 20), text(u"Bank"_s, 30), text(u"BankNo"_s, 30), text(u"Addr"_s, 200),
            memo(u"Remarks"_s), real(u"BookSum"_s)};
}

QList<ColumnDef> rejectColumns()
{
    return {text(u"Code"_s, 30), text(u"RCode"_s, 20), date(u"RejectDate"_s), money(u"Finesum"_s),
            text(u"Remarks"_s, 200)};
}

QList<ColumnDef> loanColumns()
{
    return {autonumber(u"Id"_s), text(u"Code"_s, 30), text(u"Rcode"_s, 20), text(u"State"_s, 4),
            date(u"BorrowDate"_s), date(u"ReturnDate"_s), date(u"RenewDate"_s), int32(u"RenewTimes"_s),
            real(u"ExceedDay"_s), money(u"ExceedFund"_s), text(u"Operator"_s, 20), boolean(u"IsPay"_s)};
}

QList<TableDef> makeTables()
{
    QList<TableDef> t;
    t.append({u"BookInfo"_s, bookColumns(true)});
    t.append({u"BookInfoPre"_s, bookColumns(false)});
    t.append({u"MagzInfo"_s, magazineColumns()});
    t.append({u"Type"_s, {text(u"sKey"_s, 60), text(u"ParentKey"_s, 60), text(u"SortCode"_s, 20),
                          text(u"SortName"_s, 100)}});
    t.append({u"Bookpub"_s, {text(u"Code"_s, 50), text(u"Isbn"_s, 50), text(u"PY"_s, 50), text(u"WB"_s, 50),
                             text(u"WBH"_s, 50)}});
    // Word lists: one word per row; each is as wide as the field it feeds.
    t.append({u"Booksupplier"_s, {text(u"Code"_s, 100)}});
    t.append({u"Bookattch"_s, {text(u"Code"_s, 20)}});
    t.append({u"Bookposi"_s, {text(u"Code"_s, 30)}});
    t.append({u"Bookgrade"_s, {text(u"Code"_s, 20)}});
    t.append({u"BookLang"_s, {text(u"Code"_s, 20)}});
    t.append({u"BookPrint"_s, {text(u"Code"_s, 20)}});
    t.append({u"BookSize"_s, {text(u"Code"_s, 20)}});
    t.append({u"Readerdept"_s, {text(u"Code"_s, 20)}});
    t.append({u"ReaderAddr"_s, {text(u"Code"_s, 100)}});
    t.append({u"BookRemark"_s, {text(u"Code"_s, 200)}});
    t.append({u"ReaderRemark"_s, {text(u"Code"_s, 200)}});
    t.append({u"BookShort"_s, orderColumns() + QList<ColumnDef>{text(u"YName"_s, 100), text(u"Translator"_s, 50)}});
    t.append({u"Magzorder"_s, orderColumns() + QList<ColumnDef>{text(u"Pubfreq"_s, 20), text(u"PubNo"_s, 50),
                                                              text(u"PostNo"_s, 20), text(u"OrderPeriod"_s, 30),
                                                              text(u"StartYear"_s, 4)}});
    t.append({u"BookReject"_s, rejectColumns()});
    t.append({u"Magzreject"_s, rejectColumns()});
    t.append({u"ReaderInfo"_s, {text(u"Code"_s, 20), text(u"Name"_s, 20), text(u"Sax"_s, 4),
                                text(u"SortCode"_s, 20), date(u"RegDate"_s), text(u"TelDay"_s, 30),
                                text(u"TelNight"_s, 30), text(u"HandTel"_s, 30), text(u"CardId"_s, 20),
                                text(u"BornDate"_s, 20), text(u"Department"_s, 20), text(u"E_mail"_s, 100),
                                text(u"Addr"_s, 100), text(u"Remarks"_s, 200), boolean(u"Isstop"_s),
                                real(u"DepoSum"_s), date(u"BorrowDate"_s), int32(u"Times"_s),
                                int32(u"BookQty"_s), int32(u"Overdue"_s), int32(u"Times1"_s),
                                int32(u"BookQty1"_s), int32(u"Overdue1"_s), blob(u"PhotoBmp"_s),
                                text(u"Photo"_s, 150), text(u"Py"_s, 50), text(u"Wb"_s, 50),
                                text(u"Wbh"_s, 50)}});
    t.append({u"ReaderType"_s, {text(u"Code"_s, 20), int16(u"CeQty"_s), int32(u"LimitDay"_s),
                                boolean(u"IsLimit"_s), int32(u"CeQty1"_s), int32(u"LimitDay1"_s),
                                boolean(u"IsLimit1"_s), int16(u"RenewTime"_s)}});
    t.append({u"BorrowInfo"_s, loanColumns()});
    t.append({u"BorrowInfo1"_s, loanColumns()});
    // A salted password hash is about 100 characters long.
    t.append({u"SystemUser"_s, {text(u"UseCode"_s, 20), text(u"UseName"_s, 20), text(u"Duty"_s, 20),
                                text(u"Passwords"_s, 200)}});
    t.append({u"UserModule"_s, {text(u"UseCode"_s, 20), int32(u"ModuleId"_s), boolean(u"IfCheck"_s)}});
    t.append({u"AcctInfo"_s, {autonumber(u"Id"_s), text(u"CorpName"_s, 100), text(u"Tel"_s, 20),
                              text(u"Fax"_s, 20), text(u"Addr"_s, 200), text(u"Remarks"_s, 200),
                              boolean(u"IfFine"_s), boolean(u"IfExcced"_s), boolean(u"Ifrepeat"_s),
                              money(u"PerFine"_s), real(u"PerFine1"_s), int32(u"InDay"_s),
                              memo(u"Rcardmemo"_s)}});
    t.append({u"ModuleTable"_s, {text(u"ModuleCode"_s, 50), text(u"TableCode"_s, 20)}});
    t.append({u"TableStructure"_s, {autonumber(u"Id"_s), text(u"TableCode"_s, 20), text(u"ColumnsCode"_s, 30),
                                    text(u"ColumnsName"_s, 20), int16(u"TableOrder"_s),
                                    int16(u"ColumnsLength"_s), boolean(u"IsKey"_s), boolean(u"IsVisible"_s)}});
    return t;
}

IndexDef index(const QString &table, const QStringList &columns)
{
    return {table, columns, false, {}};
}

QList<IndexDef> makeIndexes()
{
    QList<IndexDef> x;
    for (const QString &table : {u"BookInfo"_s, u"MagzInfo"_s}) {
        for (const QString &column : {u"Code"_s, u"Name"_s, u"Py"_s, u"Wb"_s, u"Wbh"_s, u"BookIsbn"_s,
                                      u"IsOut"_s, u"RegDate"_s})
            x << index(table, {column});
    }
    // A class's copies with their numbers within it: numbering a new copy reads the index alone.
    for (const QString &table : {u"BookInfo"_s, u"MagzInfo"_s, u"BookInfoPre"_s})
        x << index(table, {u"SortCode"_s, u"SortNum"_s});
    x << index(u"BookInfoPre"_s, {u"BookIsbn"_s}) << index(u"BookInfoPre"_s, {u"Name"_s});
    // The call number a quick search names, and the publisher a search or a delete asks for.
    x << index(u"BookInfo"_s, {u"Scode"_s}) << index(u"BookInfo"_s, {u"Publisher"_s});
    for (const QString &table : {u"BorrowInfo"_s, u"BorrowInfo1"_s}) {
        x << index(table, {u"Code"_s, u"State"_s}) << index(table, {u"Rcode"_s, u"State"_s})
          << index(table, {u"State"_s, u"ReturnDate"_s}) << index(table, {u"BorrowDate"_s});
        // One open loan per copy, whatever several desks do at once.
        x << IndexDef{table, {u"Code"_s}, true, u"State = '未还'"_s};
    }
    for (const QString &column : {u"Code"_s, u"Name"_s, u"Py"_s, u"Wb"_s, u"Wbh"_s, u"SortCode"_s,
                                  u"Department"_s})
        x << index(u"ReaderInfo"_s, {column});
    x << index(u"ReaderType"_s, {u"Code"_s});
    // A class key names one class, however many desks add classes at once.
    x << IndexDef{u"Type"_s, {u"sKey"_s}, true, {}};
    x << index(u"Type"_s, {u"ParentKey"_s}) << index(u"Type"_s, {u"SortCode"_s});
    x << index(u"Bookpub"_s, {u"Code"_s}) << index(u"Bookpub"_s, {u"Isbn"_s});
    for (const QString &table : {u"BookShort"_s, u"Magzorder"_s})
        x << index(table, {u"Code"_s}) << index(table, {u"Name"_s}) << index(table, {u"BookIsbn"_s});
    for (const QString &table : {u"BookReject"_s, u"Magzreject"_s})
        x << index(table, {u"Code"_s}) << index(table, {u"RCode"_s}) << index(table, {u"RejectDate"_s});
    x << index(u"SystemUser"_s, {u"UseCode"_s}) << index(u"UserModule"_s, {u"UseCode"_s, u"ModuleId"_s});
    x << index(u"ModuleTable"_s, {u"ModuleCode"_s}) << index(u"TableStructure"_s, {u"TableCode"_s});
    return x;
}

// The class key of a copy: the first class with the copy's class number.
QString classKeyOf(const QString &sortCodeExpression)
{
    return u"(select min(t.sKey) from Type t where t.SortCode = "_s + sortCodeExpression + u')';
}

QList<ViewDef> makeViews()
{
    const QString loanActivity =
        u" b.BorrowDate, 1 as BookQty,"
        " case when b.State = '已还' then 1 else 0 end as beQty,"
        " case when b.State = '未还' then 1 else 0 end as NotQty"_s;
    return {
        {u"QryBorrow"_s,
         u"select b.Id, b.Code, k.Name as BName, b.Rcode, r.Name as RName, b.State, b.BorrowDate, b.ReturnDate,"
         " b.RenewDate, b.RenewTimes, b.ExceedDay, b.ExceedFund, k.CodeSet, b.Operator, b.IsPay,"
         " r.Department, r.TelDay, r.HandTel"
         " from BorrowInfo b left join BookInfo k on k.Code = b.Code left join ReaderInfo r on r.Code = b.Rcode"_s},
        {u"QryBorrow1"_s,
         u"select b.Id, b.Code, m.Name as BName, b.Rcode, r.Name as RName, b.State, b.BorrowDate, b.ReturnDate,"
         " b.RenewDate, b.RenewTimes, b.ExceedDay, b.ExceedFund, b.Operator, b.IsPay, m.Orderyear, m.PeriodNo,"
         " m.ZPeriodNo, m.PeriodSt, m.Writer, m.Publisher, r.Department, r.TelDay, r.HandTel"
         " from BorrowInfo1 b left join MagzInfo m on m.Code = b.Code left join ReaderInfo r on r.Code = b.Rcode"_s},
        {u"QryReject"_s,
         u"select j.Code, k.Name as BName, k.YName, k.CodeSet, k.SortCode as Sortcode, k.Publisher, k.Writer,"
         " k.Translator, k.BookIsbn, j.RCode, r.Name as RName, r.SortCode as RSortcode, j.RejectDate,"
         " j.Finesum, j.Remarks"
         " from BookReject j left join BookInfo k on k.Code = j.Code left join ReaderInfo r on r.Code = j.RCode"_s},
        {u"QryReject1"_s,
         u"select j.Code, m.Name as BName, m.Writer, m.Publisher, m.SortCode as Sortcode, m.BookIsbn,"
         " m.Orderyear, m.PeriodNo, m.ZPeriodNo, j.RCode, r.Name as RName, r.SortCode as RSortcode,"
         " j.RejectDate, j.Finesum, j.Remarks"
         " from Magzreject j left join MagzInfo m on m.Code = j.Code left join ReaderInfo r on r.Code = j.RCode"_s},
        {u"QryBookInfo"_s, u"select b.*, "_s + classKeyOf(u"b.SortCode"_s) + u" as sKey from BookInfo b"_s},
        {u"QryMagzInfo"_s, u"select m.*, "_s + classKeyOf(u"m.SortCode"_s) + u" as sKey from MagzInfo m"_s},
        {u"QryBorrowSort"_s,
         u"select "_s + classKeyOf(u"(select k.SortCode from BookInfo k where k.Code = b.Code limit 1)"_s)
             + u" as sKey,"_s + loanActivity + u" from BorrowInfo b where b.State <> '预约'"_s},
        {u"QryBorrowqSort"_s,
         u"select "_s + classKeyOf(u"(select m.SortCode from MagzInfo m where m.Code = b.Code limit 1)"_s)
             + u" as sKey,"_s + loanActivity + u" from BorrowInfo1 b where b.State <> '预约'"_s},
    };
}

} // namespace

const ColumnDef *TableDef::column(QStringView name) const
{
    for (const ColumnDef &c : columns) {
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

namespace Schema {

const QList<TableDef> &tables()
{
    static const QList<TableDef> all = makeTables();
    return all;
}

const QList<IndexDef> &indexes()
{
    static const QList<IndexDef> all = makeIndexes();
    return all;
}

const QList<ViewDef> &views()
{
    static const QList<ViewDef> all = makeViews();
    return all;
}

const TableDef *table(QStringView name)
{
    for (const TableDef &t : tables()) {
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

QString indexName(const IndexDef &index)
{
    return (index.unique ? u"ux_"_s : u"ix_"_s) + index.table + u'_' + index.columns.join(u'_')
        + (index.where.isEmpty() ? QString() : u"_open"_s);
}

QStringList createStatements(const Dialect &dialect)
{
    QStringList statements;
    for (const TableDef &table : tables()) {
        QStringList columns;
        for (const ColumnDef &c : table.columns)
            columns << c.name + u' ' + dialect.columnDefinition(c.name, c.type, c.size);
        statements << u"CREATE TABLE "_s + table.name + u" (\n  "_s + columns.join(u",\n  "_s) + u"\n)"_s
                + dialect.tableOptions();
    }
    for (const IndexDef &index : indexes()) {
        statements << u"CREATE "_s + (index.unique ? u"UNIQUE "_s : QString()) + u"INDEX "_s + indexName(index)
                + u" ON "_s + index.table + u" ("_s + index.columns.join(u", "_s) + u')'
                + (index.where.isEmpty() ? QString() : u" WHERE "_s + index.where);
    }
    for (const ViewDef &view : views())
        statements << u"CREATE VIEW "_s + view.name + u" AS "_s + view.select;
    return statements + titleSearchStatements(dialect);
}

QStringList titleSearchStatements(const Dialect &dialect)
{
    if (dialect.engine() != Engine::SQLite)
        return {};
    const QString add = u"INSERT INTO BookInfoText(rowid, Code, Name) VALUES (new.Id, new.Code, new.Name);"_s;
    const QString remove =
        u"INSERT INTO BookInfoText(BookInfoText, rowid, Code, Name) VALUES ('delete', old.Id, old.Code, old.Name);"_s;
    return {u"CREATE VIRTUAL TABLE IF NOT EXISTS BookInfoText USING fts5(Code, Name, content='BookInfo', "
            "content_rowid='Id', tokenize='trigram')"_s,
            u"CREATE TRIGGER IF NOT EXISTS BookInfoText_ai AFTER INSERT ON BookInfo BEGIN "_s + add + u" END"_s,
            u"CREATE TRIGGER IF NOT EXISTS BookInfoText_ad AFTER DELETE ON BookInfo BEGIN "_s + remove + u" END"_s,
            u"CREATE TRIGGER IF NOT EXISTS BookInfoText_au AFTER UPDATE OF Code, Name ON BookInfo BEGIN "_s + remove
                + u' ' + add + u" END"_s};
}

void ensureTitleSearch(Database &db)
{
    if (db.engine() != Engine::SQLite
        || !db.scalar(u"select 1 from sqlite_master where name = 'BookInfoText'"_s).isNull())
        return;
    Transaction transaction(db);
    for (const QString &statement : titleSearchStatements(db.dialect()))
        db.execDirect(statement);
    db.execDirect(u"INSERT INTO BookInfoText(BookInfoText) VALUES ('rebuild')"_s);
    transaction.commit();
}

} // namespace Schema

} // namespace tarvo
