#include "core/catalogue/BookRecords.h"
#include "core/catalogue/Books.h"
#include "core/catalogue/Isbn.h"
#include "core/catalogue/PreCatalogue.h"
#include "core/db/Transaction.h"
#include "core/framework/EditRecord.h"
#include "core/framework/RecordActions.h"
#include "support/Printers.h"
#include "support/RealInputCodes.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

class BooksTest : public test::DatabaseTest
{
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        // Code, title, class, call number, state, registered, shelf, publisher, ISBN
        const struct
        {
            QString code, name, sortCode, scode, isOut, regDate, posi, publisher, isbn;
        } books[] = {
            {u"0100"_s, u"中国历史"_s, u"K2"_s, u"K2/1"_s, {}, u"2024-03-01"_s, u"一楼"_s, u"人民出版社"_s,
             u"978-7-01-000001-5"_s},
            {u"01000"_s, u"中国地理"_s, u"K9"_s, u"K9/1"_s, u"外借"_s, u"2024-01-15"_s, u"一楼"_s,
             u"人民文学出版社"_s, {}},
            {u"0150"_s, u"世界历史"_s, u"K1"_s, u"K1/1"_s, u"报废"_s, u"2023-12-01"_s, u"二楼"_s, u"人民出版社"_s, {}},
            {u"0199"_s, u"数学分析"_s, u"O17"_s, u"O17/1"_s, u""_s, u"2024-02-20"_s, u"二楼"_s, u"科学出版社"_s, {}},
            {u"0200"_s, u"线性代数"_s, u"O15"_s, u"O15/1"_s, u"在馆"_s, u"2024-03-05"_s, u"一楼"_s, u"科学出版社"_s,
             u"9787030000000"_s},
        };
        for (const auto &b : books)
            insertBook(b.code, b.name, b.sortCode,
                       {{u"Scode"_s, b.scode}, {u"IsOut"_s, b.isOut}, {u"RegDate"_s, b.regDate},
                        {u"BookPosi"_s, b.posi}, {u"Publisher"_s, b.publisher}, {u"BookIsbn"_s, b.isbn}});
        db().exec(u"update BookInfo set Writer = '张三', Remarks = '通史', Remarks1 = '摘录' where Code = '0100'"_s);
        // An empty state, as an older database may hold it, rather than null.
        db().exec(u"update BookInfo set IsOut = '' where Code = '0199'"_s);
    }

    void insertBook(const QString &code, const QString &name, const QString &sortCode,
                    const QList<std::pair<QString, QVariant>> &more = {})
    {
        EditRecord record(db(), u"BookInfo"_s);
        record.append(u"Id"_s);
        record.setValue(u"Code"_s, code);
        record.setValue(u"Name"_s, name);
        record.setValue(u"SortCode"_s, sortCode);
        for (const auto &[field, value] : more)
            record.setValue(field, value);
        BookRecords::fillInputCodes(record);
        record.post();
    }
    bool save(EditRecord &record, BookTable table = BookTable::Catalogue)
    {
        return RecordActions::SaveRecord(
            db(), prompt, record,
            [&] { return BookRecords::CheckData(db(), prompt, table, record) == BookRecords::Refusal::None; },
            [&] { BookRecords::BeforeSave(db(), table, record); });
    }
    QStringList found(const SqlCondition &condition, BookTable table = BookTable::Catalogue)
    {
        const Books::ListQuery q = Books::list(table, condition);
        QStringList out;
        for (ResultSet rs = db().query(q.select + u" order by Code"_s, q.params); !rs.eof(); rs.next())
            out << rs.text(u"Code");
        return out;
    }
    QString codeOfLoan(qint64 id)
    {
        return db().scalar(u"select Code from BorrowInfo where Id = ?"_s, {id}).toString();
    }

    test::RealInputCodes inputCodes;
    test::ScriptedPrompt prompt;
};

TEST_F(BooksTest, QuickSearchByNumberTitleCallNumberInitialsOrClass)
{
    const struct
    {
        QString code, sort;
        QStringList expected;
    } cases[] = {
        {u"0100"_s, {}, {u"0100"_s, u"01000"_s}},        // number contains
        {u"历史"_s, {}, {u"0100"_s, u"0150"_s}},         // title contains
        {u"zgls"_s, {}, {u"0100"_s}},                    // initials of 中国历史
        {u"K2/1"_s, {}, {u"0100"_s}},                    // the call number, whole
        {u"K2/"_s, {}, {}},                              // not part of it
        {{}, u"O1"_s, {u"0199"_s, u"0200"_s}},           // class contains
        {u"0199"_s, u"K"_s, {u"0199"_s}},                // the number box wins
        {{}, {}, {u"0100"_s, u"01000"_s, u"0150"_s, u"0199"_s, u"0200"_s}},
        {u"国历史"_s, {}, {u"0100"_s}},                   // three characters and more: the trigram index
        {u"ZGLS"_s, {}, {u"0100"_s}},                      // without regard to case
        {u"'%"_s, {}, {}},
        {u"a\"b*"_s, {}, {}},
    };
    const auto search = [this](const QString &code, const QString &sort) {
        return found(Books::quickSearch(db().engine(), BookTable::Catalogue, code, sort));
    };
    for (const auto &c : cases)
        EXPECT_EQ(search(c.code, c.sort), c.expected) << c.code.toStdString() << '|' << c.sort.toStdString();

    // The index follows a new title and number, and a deleted copy.
    EditRecord edit(db(), u"BookInfo"_s);
    ASSERT_TRUE(edit.load(u"Code"_s, u"0150"_s));
    edit.setValue(u"Name"_s, u"欧洲通史"_s);
    edit.setValue(u"Code"_s, u"X0150"_s);
    edit.post();
    db().exec(u"delete from BookInfo where Code = '0100'"_s);
    EXPECT_EQ(search(u"欧洲通"_s, {}), QStringList{u"X0150"_s});
    EXPECT_EQ(search(u"x015"_s, {}), QStringList{u"X0150"_s});
    EXPECT_TRUE(search(u"界历史"_s, {}).isEmpty());
    EXPECT_EQ(search(u"国历史"_s, {}), QStringList());
}

TEST(BookTitleSearch, AnOlderLibraryFileGetsItsIndexWhenOpened)
{
    if (test::testEngine() != Engine::SQLite)
        GTEST_SKIP() << "the trigram index is SQLite's";
    test::TestDatabase fresh;
    {
        Database db;
        db.open(fresh.target());
        db.exec(u"insert into BookInfo (Code, Name) values ('0100', '中国历史')"_s);
        for (const QString &drop : {u"DROP TRIGGER BookInfoText_ai"_s, u"DROP TRIGGER BookInfoText_ad"_s,
                                    u"DROP TRIGGER BookInfoText_au"_s, u"DROP TABLE BookInfoText"_s})
            db.execDirect(drop);
    }
    Database db;
    db.open(fresh.target());
    const SqlCondition found = Books::quickSearch(Engine::SQLite, BookTable::Catalogue, u"国历史"_s, {});
    EXPECT_EQ(db.scalar(u"select Code from BookInfo"_s + found.whereClause(), found.params()).toString(), u"0100"_s);
}

TEST_F(BooksTest, EverySearchDialogEntryRestricts)
{
    const QDate today(2024, 3, 10);
    const auto input = [](auto fill) {
        Books::SearchInput in;
        fill(in);
        return in;
    };
    const struct
    {
        const char *entry;
        Books::SearchInput in;
        QStringList expected;
    } cases[] = {
        {"code", input([](auto &i) { i.code = u"015"_s; }), {u"0150"_s}},
        {"name+initials", input([](auto &i) { i.name = u"sx"_s; }), {u"0199"_s}},
        {"name with class", input([](auto &i) { i.name = u"历史"_s, i.sortCode = u"K1"_s; }), {u"0150"_s}},
        {"yname", input([](auto &i) { i.yName = u"x"_s; }), {}},
        {"scode", input([](auto &i) { i.scode = u"O1"_s; }), {u"0199"_s, u"0200"_s}},
        {"publisher", input([](auto &i) { i.publisher = u"文学"_s; }), {u"01000"_s}},
        {"isbn without hyphens", input([](auto &i) { i.isbn = u"9787010000"_s; }), {u"0100"_s}},
        {"isbn with hyphens", input([](auto &i) { i.isbn = u"978-7-03"_s; }), {u"0200"_s}},
        {"writer", input([](auto &i) { i.writer = u"张"_s; }), {u"0100"_s}},
        {"translator", input([](auto &i) { i.translator = u"李"_s; }), {}},
        {"shelf", input([](auto &i) { i.bookPosi = u"二楼"_s; }), {u"0150"_s, u"0199"_s}},
        {"remarks", input([](auto &i) { i.remarks = u"通"_s; }), {u"0100"_s}},
        {"remarks1", input([](auto &i) { i.remarks1 = u"摘"_s; }), {u"0100"_s}},
        {"in the library", input([](auto &i) { i.state = u"在馆"_s; }), {u"0100"_s, u"0199"_s, u"0200"_s}},
        {"lent", input([](auto &i) { i.state = u"外借"_s; }), {u"01000"_s}},
        {"discarded", input([](auto &i) { i.state = u"报废"_s; }), {u"0150"_s}},
        {"other state", input([](auto &i) { i.state = u"丢失"_s; }),
         {u"0100"_s, u"01000"_s, u"0150"_s, u"0199"_s, u"0200"_s}},
        // 30 days before 2024-03-10 is 2024-02-09.
        {"new books", input([](auto &i) { i.newBooksOnly = true; }), {u"0100"_s, u"0199"_s, u"0200"_s}},
        {"range as text", input([](auto &i) { i.codeRange = true, i.codeFrom = u"0100"_s, i.codeTo = u"0199"_s; }),
         {u"0100"_s, u"01000"_s, u"0150"_s, u"0199"_s}},
        {"range unchecked", input([](auto &i) { i.codeFrom = u"0100"_s, i.codeTo = u"0100"_s; }),
         {u"0100"_s, u"01000"_s, u"0150"_s, u"0199"_s, u"0200"_s}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(found(Books::searchCondition(c.in, today, 30)), c.expected) << c.entry;
}

TEST_F(BooksTest, TheInitialListHoldsTheFirstThousandById)
{
    for (int i = 0; i < 1000; ++i)
        db().exec(u"insert into BookInfo (Code, Name, SortCode) values (?, '书', 'K2')"_s, {u"X%1"_s.arg(i)});
    const Books::ListQuery q = Books::initialList(BookTable::Catalogue);
    EXPECT_EQ(db().countRows(q.select, q.params), 1000);
    const ResultSet last = db().query(q.select + u" order by Id desc"_s + db().dialect().limitClause(1), q.params);
    EXPECT_EQ(last.text(u"Code"), u"X994"_s);
}

TEST_F(BooksTest, NumberingWithinTheClass)
{
    const struct
    {
        QString sortCode;
        QStringList numbers; // of the copies already in the class
        QString expected;
    } cases[] = {
        {u"A1"_s, {}, u"1"_s},
        {u"A2"_s, {u"1"_s, u"2"_s, u"7"_s}, u"8"_s},
        {u"A3"_s, {u""_s, u""_s}, u"1"_s},
        {u"A4"_s, {u"2"_s, u"12a"_s, u" 10 "_s}, u"11"_s},
    };
    int n = 0;
    for (const auto &c : cases) {
        for (const QString &number : c.numbers)
            db().exec(u"insert into BookInfo (Code, Name, SortCode, SortNum) values (?, '书', ?, ?)"_s,
                      {u"N%1"_s.arg(++n), c.sortCode, number.isEmpty() ? QVariant() : QVariant(number)});
        EXPECT_EQ(BookRecords::nextSortNum(db(), BookTable::Catalogue, c.sortCode), c.expected)
            << c.sortCode.toStdString();
    }
    EditRecord record(db(), u"BookInfo"_s);
    record.append(u"Id"_s);
    record.setValue(u"SortCode"_s, u"A2"_s);
    BookRecords::numberCopy(db(), BookTable::Catalogue, record);
    EXPECT_EQ(record.text(u"SortNum"_s), u"8"_s);
    EXPECT_EQ(record.text(u"Scode"_s), u"A2/8"_s);
    // The pre-catalogue numbers its own titles.
    EXPECT_EQ(BookRecords::nextSortNum(db(), BookTable::PreCatalogue, u"A2"_s), u"1"_s);
}

TEST_F(BooksTest, PublisherFoundByTheShortestUniquePrefix)
{
    db().exec(u"delete from Bookpub"_s);
    for (const auto &[name, prefix] : {std::pair{u"甲"_s, u"9789"_s}, {u"乙"_s, u"9789"_s}, {u"丙"_s, u"97891"_s},
                                       {u"丁"_s, u"97891"_s}, {u"戊"_s, u"978912"_s}, {u"己"_s, u"978-7-5366"_s}})
        db().exec(u"insert into Bookpub (Code, Isbn) values (?, ?)"_s, {name, prefix});
    const struct
    {
        QString isbn, expected;
    } cases[] = {
        {u"9789123456786"_s, u"戊"_s},     // 4 and 5 characters name two publishers each
        {u"978-912-34567-8-6"_s, u"戊"_s}, // hyphens do not count
        {u"9123456789"_s, u"戊"_s},        // an ISBN-10 is looked up in its 978 form
        {u"9787536612340"_s, u"己"_s},     // a prefix kept with hyphens
        {u"9789012345678"_s, {}},          // only ambiguous prefixes
        {u"12"_s, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BookRecords::publisherByIsbn(db(), c.isbn), c.expected) << c.isbn.toStdString();
}

TEST_F(BooksTest, IsbnFormsAndCheckDigits)
{
    EXPECT_EQ(Isbn::toIsbn13(u"7-5366-1234-6"_s), u"9787536612341"_s);
    EXPECT_EQ(Isbn::toIsbn10(u"978-7-5366-1234-1"_s), u"7536612346"_s);
    EXPECT_EQ(Isbn::toIsbn10(u"9791234567896"_s), QString());
    const struct
    {
        QString isbn;
        bool mistyped;
    } cases[] = {{u"978-7-5366-1234-1"_s, false}, {u"9787536612340"_s, true}, {u"080442957x"_s, false},
                 {u"7536612346"_s, false},         {u"753661234X"_s, true},    {u"12345"_s, false},
                 {u""_s, false}};
    for (const auto &c : cases)
        EXPECT_EQ(Isbn::looksMistyped(c.isbn), c.mistyped) << c.isbn.toStdString();
}

TEST_F(BooksTest, CopyCataloguingCopiesTheDescriptionNeverTheNumber)
{
    ASSERT_EQ(BookRecords::copyFields().size(), 26);
    EXPECT_FALSE(BookRecords::copyFields().contains(u"Code"_s, Qt::CaseInsensitive));
    db().exec(u"update BookInfo set BookPrice = 25.5, CodeSet = '上册', PubNum = '2' where Code = '0100'"_s);

    // Found under any spelling of the ISBN, hyphenated or not, 13 or 10 digits.
    for (const QString &typed : {u"978-7-01-000001-5"_s, u"9787010000015"_s, u"7-01-000001-8"_s}) {
        const ResultSet sources = BookRecords::copySources(db(), BookTable::Catalogue, typed);
        ASSERT_EQ(sources.count(), 1) << typed.toStdString();
    }
    db().exec(u"update BookInfo set BookIsbn = '9787030000000' where Code = '0100'"_s);
    const ResultSet two = BookRecords::copySources(db(), BookTable::Catalogue, u"978-7-03-000000-0"_s);
    ASSERT_EQ(two.count(), 2);

    EditRecord record(db(), u"BookInfo"_s);
    record.append(u"Id"_s);
    record.setValue(u"Code"_s, u"0300"_s);
    BookRecords::copyDescription(record, two, 0);
    EXPECT_EQ(record.text(u"Code"_s), u"0300"_s);
    EXPECT_EQ(record.text(u"Name"_s), u"中国历史"_s);
    EXPECT_EQ(record.text(u"CodeSet"_s), u"上册"_s);
    EXPECT_EQ(record.text(u"Remarks1"_s), u"摘录"_s);
    EXPECT_DOUBLE_EQ(record.value(u"BookPrice"_s).toDouble(), 25.5);
    EXPECT_EQ(record.value(u"RegDate"_s).toDate(), QDate(2024, 3, 1));
    EXPECT_TRUE(record.value(u"IsOut"_s).isNull());
    EXPECT_TRUE(save(record));
}

TEST_F(BooksTest, RequiredFieldsTakenNumbersAndUnknownClassesAreRefused)
{
    EditRecord record(db(), u"BookInfo"_s);
    record.append(u"Id"_s);
    record.setValue(u"Code"_s, u"0300"_s);
    record.setValue(u"SortCode"_s, u"K2"_s);
    EXPECT_FALSE(save(record));
    record.setValue(u"Name"_s, u"新书"_s);
    record.setValue(u"Code"_s, u"0200"_s);
    EXPECT_FALSE(save(record));
    record.setValue(u"Code"_s, u"0300"_s);
    record.setValue(u"SortCode"_s, u"没有这类"_s);
    EXPECT_FALSE(save(record));
    EXPECT_EQ(prompt.texts(), (QStringList{u"图书编号、中文名称和类别必须填写！"_s, u"该图书已有重码！请重新录入"_s,
                                           u"无此分类号!"_s}));
    record.setValue(u"SortCode"_s, u"K2"_s);
    EXPECT_TRUE(save(record));
    EXPECT_EQ(db().scalar(u"select Py from BookInfo where Code = '0300'"_s).toString(), u"xs"_s);

    // A copy keeps its own number; another's is refused on edit too.
    EditRecord edit(db(), u"BookInfo"_s);
    ASSERT_TRUE(edit.load(u"Code"_s, u"0300"_s));
    edit.setValue(u"Writer"_s, u"王五"_s);
    EXPECT_TRUE(save(edit));
    edit.setValue(u"Code"_s, u"0100"_s);
    prompt.shown.clear();
    EXPECT_FALSE(save(edit));
    EXPECT_EQ(prompt.texts(), QStringList{u"该图书已有重码！请重新录入"_s});

    // The pre-catalogue asks for title and class only.
    EditRecord pre(db(), u"BookInfoPre"_s);
    pre.append(u"Id"_s);
    pre.setValue(u"Name"_s, u"待编"_s);
    pre.setValue(u"SortCode"_s, u"不存在"_s);
    EXPECT_TRUE(save(pre, BookTable::PreCatalogue));
}

TEST_F(BooksTest, ANewNumberTakesTheLoansAlongAndANewCopyIsCountedAsBought)
{
    const qint64 loan = db().insertReturningId(
        u"insert into BorrowInfo (Code, Rcode, State) values ('0100', 'R1', '未还')"_s);
    const qint64 orphan = db().insertReturningId(
        u"insert into BorrowInfo (Code, Rcode, State) values ('0400', 'R1', '已还')"_s);
    for (const auto &[code, name, isbn, bought] :
         {std::tuple{u"S1"_s, u"新书"_s, QVariant(), QVariant(2)}, {u"S2"_s, u"别的书"_s, QVariant(u"9787111111111"_s), QVariant()},
          {u"S3"_s, u"无关"_s, QVariant(), QVariant(5)}})
        db().exec(u"insert into BookShort (Code, Name, BookIsbn, BeBuy) values (?, ?, ?, ?)"_s,
                  {code, name, isbn, bought});

    EditRecord edit(db(), u"BookInfo"_s);
    ASSERT_TRUE(edit.load(u"Code"_s, u"0100"_s));
    edit.setValue(u"Code"_s, u"0101"_s);
    ASSERT_TRUE(save(edit));
    EXPECT_EQ(codeOfLoan(loan), u"0101"_s);

    // A new copy moves no loans, even one typed over a number whose loans remain.
    EditRecord add(db(), u"BookInfo"_s);
    add.append(u"Id"_s);
    add.setValue(u"Code"_s, u"0400"_s);
    add.setValue(u"Code"_s, u"0401"_s);
    add.setValue(u"Name"_s, u"新书"_s);
    add.setValue(u"SortCode"_s, u"K2"_s);
    add.setValue(u"BookIsbn"_s, u"9787111111111"_s);
    ASSERT_TRUE(save(add));
    EXPECT_EQ(codeOfLoan(orphan), u"0400"_s);
    const ResultSet bought = db().query(u"select Code, BeBuy from BookShort order by Code"_s);
    EXPECT_EQ(bought.at(0, 1).toInt(), 3); // by title
    EXPECT_EQ(bought.at(1, 1).toInt(), 1); // by ISBN, from nothing
    EXPECT_EQ(bought.at(2, 1).toInt(), 5);
}

TEST_F(BooksTest, ACopyOnLoanCannotBeDeleted)
{
    EXPECT_FALSE(Books::CheckDelete(db(), prompt, u"01000"_s));
    db().exec(u"insert into BorrowInfo (Code, Rcode, State) values ('0200', 'R1', '未还')"_s);
    EXPECT_FALSE(Books::CheckDelete(db(), prompt, u"0200"_s));
    EXPECT_TRUE(Books::CheckDelete(db(), prompt, u"0100"_s));
    EXPECT_EQ(prompt.texts(), QStringList(2, u"该书籍正在外借,不能删除!"_s));
}

TEST_F(BooksTest, TransferMakesACopyAndKeepsOrDropsTheDescription)
{
    const qint64 pre = db().insertReturningId(
        u"insert into BookInfoPre (Name, SortCode, Scode, BookPrice, Remarks1, BookIsbn) "
        "values ('中国历史', 'K2', 'K2/5', 12.5, '摘要', '9787010000011')"_s);
    EXPECT_EQ(PreCatalogue::transfer(db(), prompt, pre, u"  "_s, true), PreCatalogue::TransferResult::Refused);
    EXPECT_EQ(PreCatalogue::transfer(db(), prompt, pre, u"0100"_s, true), PreCatalogue::TransferResult::Refused);
    EXPECT_EQ(prompt.texts(), (QStringList{u"图书编号(条码号)不能为空!"_s, u"图书编号有重复,请重新录入!"_s}));

    EXPECT_EQ(PreCatalogue::transfer(db(), prompt, pre, u"0500"_s, true), PreCatalogue::TransferResult::Transferred);
    EXPECT_EQ(PreCatalogue::transfer(db(), prompt, pre, u"0501"_s, false), PreCatalogue::TransferResult::Transferred);
    EXPECT_EQ(db().scalar(u"select count(*) from BookInfoPre"_s).toInt(), 0);
    const ResultSet copies = db().query(u"select * from BookInfo where Code in ('0500', '0501') order by Code"_s);
    ASSERT_EQ(copies.count(), 2);
    EXPECT_EQ(copies.text(u"Scode"), u"K2/5"_s);
    EXPECT_DOUBLE_EQ(copies.real(u"BookPrice"), 12.5);
    EXPECT_TRUE(copies.isNull(u"Remarks1"));
    EXPECT_EQ(copies.text(u"Py"), u"zgls"_s);
    // Nothing to transfer once the description is gone.
    EXPECT_EQ(PreCatalogue::transfer(db(), prompt, pre, u"0502"_s, true), PreCatalogue::TransferResult::Refused);
}

TEST_F(BooksTest, BulkDeleteRemovesWhatTheSearchFoundAfterSayingHowMany)
{
    for (const QString &name : {u"甲书"_s, u"乙书"_s, u"甲集"_s})
        db().exec(u"insert into BookInfoPre (Name, SortCode) values (?, 'K2')"_s, {name});
    const SqlCondition condition = Books::quickSearch(db().engine(), BookTable::PreCatalogue, u"甲"_s, {});
    prompt.answers = {Prompt::Button::Cancel, Prompt::Button::Ok, Prompt::Button::Ok};
    EXPECT_EQ(PreCatalogue::bulkDelete(db(), prompt, condition), -1);
    EXPECT_EQ(PreCatalogue::bulkDelete(db(), prompt, condition), 2);
    EXPECT_EQ(prompt.shown.at(1).text, u"是否删除显示的全部记录？\n共 2 条记录将被删除。"_s);
    EXPECT_EQ(prompt.shown.at(1).caption, u"询问"_s);
    EXPECT_EQ(PreCatalogue::bulkDelete(db(), prompt, {}), 1);
    EXPECT_EQ(db().scalar(u"select count(*) from BookInfoPre"_s).toInt(), 0);
}

} // namespace
