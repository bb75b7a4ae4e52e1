#include "core/db/DbError.h"
#include "core/db/Schema.h"
#include "core/db/Transaction.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

class SchemaTest : public test::DatabaseTest
{
protected:
    QStringList columnsOf(const QString &relation)
    {
        return db().query(u"select * from "_s + relation + db().dialect().limitClause(0)).fieldNames();
    }
};

// Every table of the library database with every column the windows read and write.
TEST_F(SchemaTest, everyTableHasItsColumns)
{
    const std::pair<QString, QStringList> expected[] = {
        {u"BookInfo"_s,
         {u"Id"_s, u"Code"_s, u"Name"_s, u"YName"_s, u"CodeSet"_s, u"Scode"_s, u"SortCode"_s, u"SortNum"_s,
          u"Publisher"_s, u"Writer"_s, u"Translator"_s, u"PubDate"_s, u"PubNum"_s, u"BookPrice"_s, u"AvePrice"_s,
          u"BookPage"_s, u"BookIsbn"_s, u"Attach"_s, u"language"_s, u"Print"_s, u"Size"_s, u"Grade"_s,
          u"BookPosi"_s, u"Supplier"_s, u"RegDate"_s, u"IsOut"_s, u"IsLimit"_s, u"Borrowman"_s, u"BorrowDate"_s,
          u"Times"_s, u"Remarks"_s, u"Remarks1"_s, u"Py"_s, u"Wb"_s, u"Wbh"_s}},
        {u"BookInfoPre"_s,
         {u"Id"_s, u"Name"_s, u"YName"_s, u"CodeSet"_s, u"Scode"_s, u"SortCode"_s, u"SortNum"_s, u"Publisher"_s,
          u"Writer"_s, u"Translator"_s, u"PubDate"_s, u"PubNum"_s, u"BookPrice"_s, u"AvePrice"_s, u"BookPage"_s,
          u"BookIsbn"_s, u"Attach"_s, u"language"_s, u"Print"_s, u"Size"_s, u"Grade"_s, u"BookPosi"_s,
          u"Supplier"_s, u"RegDate"_s, u"IsLimit"_s, u"Remarks"_s, u"Remarks1"_s, u"Py"_s, u"Wb"_s, u"Wbh"_s}},
        {u"MagzInfo"_s,
         {u"Id"_s, u"Code"_s, u"Name"_s, u"Scode"_s, u"SortCode"_s, u"SortNum"_s, u"Publisher"_s, u"PubDate"_s,
          u"Writer"_s, u"BookPrice"_s, u"AvePrice"_s, u"BookPage"_s, u"BookIsbn"_s, u"Attach"_s, u"language"_s,
          u"Print"_s, u"Size"_s, u"Grade"_s, u"BookPosi"_s, u"Supplier"_s, u"RegDate"_s, u"IsOut"_s,
          u"IsLimit"_s, u"Borrowman"_s, u"BorrowDate"_s, u"Times"_s, u"Remarks"_s, u"Py"_s, u"Wb"_s, u"Wbh"_s,
          u"Pubfreq"_s, u"PubNo"_s, u"PeriodNo"_s, u"ZPeriodNo"_s, u"Orderyear"_s, u"PostNo"_s, u"PeriodSt"_s,
          u"IsNew"_s}},
        {u"Type"_s, {u"sKey"_s, u"ParentKey"_s, u"SortCode"_s, u"SortName"_s}},
        {u"Bookpub"_s, {u"Code"_s, u"Isbn"_s, u"PY"_s, u"WB"_s, u"WBH"_s}},
        {u"Booksupplier"_s, {u"Code"_s}},
        {u"Bookattch"_s, {u"Code"_s}},
        {u"Bookposi"_s, {u"Code"_s}},
        {u"Bookgrade"_s, {u"Code"_s}},
        {u"BookLang"_s, {u"Code"_s}},
        {u"BookPrint"_s, {u"Code"_s}},
        {u"BookSize"_s, {u"Code"_s}},
        {u"Readerdept"_s, {u"Code"_s}},
        {u"ReaderAddr"_s, {u"Code"_s}},
        {u"BookRemark"_s, {u"Code"_s}},
        {u"ReaderRemark"_s, {}},
        {u"BookShort"_s,
         {u"Code"_s, u"Name"_s, u"YName"_s, u"Sortcode"_s, u"Publisher"_s, u"Translator"_s, u"Language"_s,
          u"Writer"_s, u"BookPrice"_s, u"RegDate"_s, u"RegQty"_s, u"BeBuy"_s, u"BookIsbn"_s, u"Tel"_s,
          u"LinkMan"_s, u"Bank"_s, u"BankNo"_s, u"Addr"_s, u"Remarks"_s, u"BookSum"_s}},
        {u"Magzorder"_s,
         {u"Code"_s, u"Name"_s, u"Sortcode"_s, u"Publisher"_s, u"Language"_s, u"Writer"_s, u"BookPrice"_s,
          u"RegDate"_s, u"RegQty"_s, u"BeBuy"_s, u"Remarks"_s, u"BookIsbn"_s, u"Tel"_s, u"LinkMan"_s, u"Bank"_s,
          u"BankNo"_s, u"Addr"_s, u"BookSum"_s, u"Pubfreq"_s, u"PubNo"_s, u"PostNo"_s, u"OrderPeriod"_s,
          u"StartYear"_s}},
        {u"BookReject"_s, {u"Code"_s, u"RCode"_s, u"RejectDate"_s, u"Finesum"_s, u"Remarks"_s}},
        {u"Magzreject"_s, {u"Code"_s, u"RCode"_s, u"RejectDate"_s, u"Finesum"_s, u"Remarks"_s}},
        {u"ReaderInfo"_s,
         {u"Code"_s, u"Name"_s, u"Sax"_s, u"SortCode"_s, u"RegDate"_s, u"TelDay"_s, u"TelNight"_s, u"HandTel"_s,
          u"CardId"_s, u"BornDate"_s, u"Department"_s, u"E_mail"_s, u"Addr"_s, u"Remarks"_s, u"Isstop"_s,
          u"DepoSum"_s, u"BorrowDate"_s, u"Times"_s, u"BookQty"_s, u"Overdue"_s, u"Times1"_s, u"BookQty1"_s,
          u"Overdue1"_s, u"PhotoBmp"_s, u"Photo"_s, u"Py"_s, u"Wb"_s, u"Wbh"_s}},
        {u"ReaderType"_s,
         {u"Code"_s, u"CeQty"_s, u"LimitDay"_s, u"IsLimit"_s, u"CeQty1"_s, u"LimitDay1"_s, u"IsLimit1"_s,
          u"RenewTime"_s}},
        {u"BorrowInfo"_s,
         {u"Id"_s, u"Code"_s, u"Rcode"_s, u"State"_s, u"BorrowDate"_s, u"ReturnDate"_s, u"RenewDate"_s,
          u"RenewTimes"_s, u"ExceedDay"_s, u"ExceedFund"_s, u"Operator"_s, u"IsPay"_s}},
        {u"BorrowInfo1"_s,
         {u"Id"_s, u"Code"_s, u"Rcode"_s, u"State"_s, u"BorrowDate"_s, u"ReturnDate"_s, u"RenewDate"_s,
          u"RenewTimes"_s, u"ExceedDay"_s, u"ExceedFund"_s, u"Operator"_s, u"IsPay"_s}},
        {u"SystemUser"_s, {u"UseCode"_s, u"UseName"_s, u"Duty"_s, u"Passwords"_s}},
        {u"UserModule"_s, {u"UseCode"_s, u"ModuleId"_s, u"IfCheck"_s}},
        {u"AcctInfo"_s,
         {u"Id"_s, u"CorpName"_s, u"Tel"_s, u"Fax"_s, u"Addr"_s, u"Remarks"_s, u"IfFine"_s, u"IfExcced"_s,
          u"Ifrepeat"_s, u"PerFine"_s, u"PerFine1"_s, u"InDay"_s, u"Rcardmemo"_s}},
        {u"ModuleTable"_s, {u"ModuleCode"_s, u"TableCode"_s}},
        {u"TableStructure"_s,
         {u"Id"_s, u"TableCode"_s, u"ColumnsCode"_s, u"ColumnsName"_s, u"TableOrder"_s, u"ColumnsLength"_s,
          u"IsKey"_s, u"IsVisible"_s}},
    };
    for (const auto &[table, columns] : expected) {
        // Asked for in lower case: names match without regard to case.
        const ResultSet rs = db().query(u"select * from "_s + table.toLower() + db().dialect().limitClause(0));
        for (const QString &column : columns)
            EXPECT_TRUE(rs.hasField(column)) << table.toStdString() << '.' << column.toStdString();
    }
}

TEST_F(SchemaTest, everyStoredQueryReturnsTheColumnsTheWindowsRead)
{
    const std::pair<QString, QStringList> expected[] = {
        {u"QryBorrow"_s,
         {u"Code"_s, u"BName"_s, u"Rcode"_s, u"RName"_s, u"State"_s, u"BorrowDate"_s, u"ReturnDate"_s,
          u"RenewDate"_s, u"RenewTimes"_s, u"ExceedDay"_s, u"ExceedFund"_s, u"CodeSet"_s, u"Operator"_s,
          u"IsPay"_s, u"Department"_s, u"TelDay"_s, u"HandTel"_s}},
        {u"QryBorrow1"_s,
         {u"Code"_s, u"BName"_s, u"Rcode"_s, u"RName"_s, u"State"_s, u"BorrowDate"_s, u"ReturnDate"_s,
          u"ExceedDay"_s, u"ExceedFund"_s, u"Operator"_s, u"IsPay"_s, u"Orderyear"_s, u"PeriodNo"_s,
          u"ZPeriodNo"_s, u"PeriodSt"_s, u"Writer"_s, u"Publisher"_s, u"Department"_s, u"TelDay"_s,
          u"HandTel"_s}},
        {u"QryReject"_s,
         {u"Code"_s, u"BName"_s, u"YName"_s, u"CodeSet"_s, u"Sortcode"_s, u"Publisher"_s, u"Writer"_s,
          u"Translator"_s, u"BookIsbn"_s, u"RCode"_s, u"RName"_s, u"RSortcode"_s, u"RejectDate"_s, u"Finesum"_s,
          u"Remarks"_s}},
        {u"QryReject1"_s,
         {u"Code"_s, u"BName"_s, u"Writer"_s, u"Publisher"_s, u"Sortcode"_s, u"BookIsbn"_s, u"Orderyear"_s,
          u"PeriodNo"_s, u"ZPeriodNo"_s, u"RCode"_s, u"RName"_s, u"RSortcode"_s, u"RejectDate"_s, u"Finesum"_s,
          u"Remarks"_s}},
        {u"QryBookInfo"_s,
         {u"Code"_s, u"Name"_s, u"SortCode"_s, u"IsOut"_s, u"BookPrice"_s, u"RegDate"_s, u"Py"_s, u"sKey"_s}},
        {u"QryMagzInfo"_s,
         {u"Code"_s, u"Name"_s, u"SortCode"_s, u"IsOut"_s, u"BookPrice"_s, u"Orderyear"_s, u"sKey"_s}},
        {u"QryBorrowSort"_s, {u"sKey"_s, u"BorrowDate"_s, u"BookQty"_s, u"beQty"_s, u"NotQty"_s}},
        {u"QryBorrowqSort"_s, {u"sKey"_s, u"BorrowDate"_s, u"BookQty"_s, u"beQty"_s, u"NotQty"_s}},
    };
    for (const auto &[view, columns] : expected) {
        const ResultSet rs = db().query(u"select * from "_s + view + db().dialect().limitClause(0));
        for (const QString &column : columns)
            EXPECT_TRUE(rs.hasField(column)) << view.toStdString() << '.' << column.toStdString();
    }
}

// The views join loans, copies, readers and classes as the windows expect.
TEST_F(SchemaTest, storedQueriesJoinTheirRows)
{
    db().exec(u"insert into ReaderInfo (Code, Name, SortCode, Department) values ('R1', '张三', '教师', '语文组')"_s);
    db().exec(u"insert into BookInfo (Code, Name, SortCode, BookPrice, CodeSet) values ('B1', '红楼梦', 'I2', 30, '上')"_s);
    db().exec(u"insert into BookInfo (Code, Name, SortCode, BookPrice) values ('B2', '三体', 'I2', 20)"_s);
    db().exec(u"insert into BorrowInfo (Code, Rcode, State, BorrowDate, ReturnDate) values"
              " ('B1', 'R1', '未还', ?, ?), ('B2', 'r1', '已还', ?, ?), ('B2', 'R1', '预约', ?, ?)"_s,
              {QDate(2024, 5, 1), QDate(2024, 6, 1), QDate(2024, 4, 1), QDate(2024, 4, 20), QDate(2024, 5, 2),
               QDate(2024, 5, 2)});

    ResultSet loans = db().query(u"select * from QryBorrow where State = '未还'"_s);
    ASSERT_EQ(loans.count(), 1);
    EXPECT_EQ(loans.text(u"BName"), u"红楼梦"_s);
    EXPECT_EQ(loans.text(u"RName"), u"张三"_s);
    EXPECT_EQ(loans.text(u"Department"), u"语文组"_s);
    EXPECT_EQ(loans.text(u"CodeSet"), u"上"_s);
    EXPECT_EQ(loans.date(u"ReturnDate"), QDate(2024, 6, 1));
    // The reader's number was typed in another case on the returned loan.
    EXPECT_EQ(db().query(u"select * from QryBorrow where State = '已还'"_s).text(u"RName"), u"张三"_s);

    const QString classKey = db().scalar(u"select sKey from Type where SortCode = 'I2'"_s).toString();
    ASSERT_FALSE(classKey.isEmpty());
    ResultSet books = db().query(u"select sKey, count(*) as n, sum(BookPrice) as total from QryBookInfo group by sKey"_s);
    ASSERT_EQ(books.count(), 1);
    EXPECT_EQ(books.text(u"sKey"), classKey);
    EXPECT_EQ(books.integer(u"n"), 2);
    EXPECT_DOUBLE_EQ(books.real(u"total"), 50.0);

    ResultSet activity = db().query(u"select sKey, sum(BookQty) as lent, sum(beQty) as back, sum(NotQty) as out"
                                    " from QryBorrowSort group by sKey"_s);
    ASSERT_EQ(activity.count(), 1); // the reservation is not loan activity
    EXPECT_EQ(activity.text(u"sKey"), classKey);
    EXPECT_EQ(activity.integer(u"lent"), 2);
    EXPECT_EQ(activity.integer(u"back"), 1);
    EXPECT_EQ(activity.integer(u"out"), 1);
}

// Every sized text column takes exactly its size in Chinese characters and refuses one more.
TEST_F(SchemaTest, textSizesAreEnforcedInCharacters)
{
    int checked = 0;
    for (const TableDef &table : Schema::tables()) {
        for (const ColumnDef &column : table.columns) {
            if (column.type != ColumnType::Text)
                continue;
            const QString sql = u"insert into "_s + table.name + u" ("_s + column.name + u") values (?)"_s;
            EXPECT_NO_THROW(db().exec(sql, {QString(column.size, QChar(u'书'))}))
                << table.name.toStdString() << '.' << column.name.toStdString();
            EXPECT_THROW(db().exec(sql, {QString(column.size + 1, QChar(u'书'))}), DbError)
                << table.name.toStdString() << '.' << column.name.toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 150);
}

TEST_F(SchemaTest, wrongValuesAreRefused)
{
    const std::pair<QString, QVariant> wrong[] = {
        {u"insert into BorrowInfo (RenewTimes) values (?)"_s, u"三次"_s},
        {u"insert into ReaderType (CeQty) values (?)"_s, 40000},
        {u"insert into BorrowInfo (BorrowDate) values (?)"_s, u"2024-02-30"_s},
        {u"insert into BorrowInfo (BorrowDate) values (?)"_s, u"明天"_s},
        {u"insert into BookInfo (BookPrice) values (?)"_s, u"很贵"_s},
    };
    for (const auto &[sql, value] : wrong)
        EXPECT_THROW(db().exec(sql, {value}), DbError) << sql.toStdString();
    EXPECT_EQ(db().scalar(u"select count(*) from BorrowInfo"_s).toInt(), 0);
    EXPECT_EQ(db().scalar(u"select count(*) from ReaderType where CeQty = 40000"_s).toInt(), 0);
}

TEST_F(SchemaTest, namesAndTextCompareWithoutCase)
{
    db().exec(u"insert into ReaderInfo (Code, Name, DepoSum) values (?, ?, ?)"_s, {u"ab12"_s, u"Li Lei"_s, 50.0});
    ResultSet rs = db().query(u"select DEPOSUM, deposum as Again from READERINFO where CODE = ? and name like ?"_s,
                              {u"AB12"_s, u"li%"_s});
    ASSERT_EQ(rs.count(), 1);
    EXPECT_DOUBLE_EQ(rs.real(u"DepoSum"), 50.0);
    EXPECT_EQ(db().scalar(u"select UseName from SystemUser where UseCode = ?"_s, {u"admin"_s}).toString(),
              u"系统管理员"_s);
    EXPECT_EQ(db().scalar(u"select count(*) from ReaderInfo where Name = 'LI LEI'"_s).toInt(), 1);
}

TEST_F(SchemaTest, autonumbersAreAssignedByTheDatabase)
{
    const qint64 first = db().insertReturningId(u"insert into BorrowInfo (Code, State) values (?, ?)"_s,
                                                {u"B1"_s, u"已还"_s});
    const qint64 second = db().insertReturningId(u"insert into BorrowInfo (Code, State) values (?, ?)"_s,
                                                 {u"B1"_s, u"已还"_s});
    EXPECT_GT(first, 0);
    EXPECT_GT(second, first);
    EXPECT_EQ(db().scalar(u"select Code from BorrowInfo where Id = ?"_s, {second}).toString(), u"B1"_s);
}

// Two desks can never both hold an open loan of one copy.
TEST_F(SchemaTest, oneOpenLoanPerCopy)
{
    for (const QString &table : {u"BorrowInfo"_s, u"BorrowInfo1"_s}) {
        const QString sql = u"insert into "_s + table + u" (Code, Rcode, State) values (?, ?, ?)"_s;
        db().exec(sql, {u"C1"_s, u"R1"_s, u"已还"_s});
        db().exec(sql, {u"C1"_s, u"R1"_s, u"已还"_s});
        db().exec(sql, {u"C1"_s, u"R2"_s, u"预约"_s});
        db().exec(sql, {u"C1"_s, u"R1"_s, u"未还"_s});
        EXPECT_THROW(db().exec(sql, {u"c1"_s, u"R2"_s, u"未还"_s}), DbError) << table.toStdString();
        EXPECT_EQ(db().scalar(u"select count(*) from "_s + table + u" where State = '未还'"_s).toInt(), 1);
    }
}

// Two desks adding a class under one parent cannot both take the next key.
TEST_F(SchemaTest, oneClassPerKey)
{
    const QString key = db().scalar(u"select sKey from Type where SortCode = 'I2'"_s).toString();
    ASSERT_FALSE(key.isEmpty());
    EXPECT_THROW(db().exec(u"insert into Type (sKey, ParentKey, SortCode, SortName) values (?, '00', 'X9', '重复')"_s,
                           {key}),
                 DbError);
}

} // namespace
