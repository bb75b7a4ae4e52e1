#include "DemoLibrary.h"

#include "AppState.h"
#include "Parameters.h"
#include "Prompt.h"
#include "core/catalogue/BookRecords.h"
#include "core/circulation/BorrowDesk.h"
#include "core/db/Database.h"
#include "core/db/Transaction.h"
#include "core/framework/EditRecord.h"
#include "core/readers/Readers.h"

#include <QRandomGenerator>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace tarvo::DemoLibrary {

namespace {

// The reader at the demo desk borrows a book again when asked, and now and then
// reserves one that is out.
class DeskPrompt : public Prompt
{
public:
    explicit DeskPrompt(QRandomGenerator &random)
        : m_random(random)
    {
    }
    void info(const QString &) override {}
    Button question(const QString &text, const QString &, Buttons buttons, Button) override
    {
        const bool yes = !text.contains(u"预约") || m_random.bounded(100) < 15;
        if (!yes)
            return buttons.testFlag(Button::No) ? Button::No : Button::Cancel;
        return buttons.testFlag(Button::Yes) ? Button::Yes : Button::Ok;
    }
    void error(const QString &) override {}

private:
    QRandomGenerator &m_random;
};

// A class number of the scheme with the subjects its titles are made of.
struct Subject
{
    QString sortCode;
    QStringList topics;
};

const QList<Subject> kSubjects{
    {u"A8"_s, {u"马克思主义哲学"_s, u"毛泽东思想"_s}},
    {u"B2"_s, {u"中国哲学"_s, u"先秦诸子"_s, u"宋明理学"_s}},
    {u"B8"_s, {u"心理学"_s, u"逻辑学"_s, u"伦理学"_s}},
    {u"D6"_s, {u"中国政治"_s, u"基层治理"_s}},
    {u"F2"_s, {u"经济管理"_s, u"企业管理"_s, u"会计学"_s}},
    {u"G4"_s, {u"教育学"_s, u"课堂教学"_s, u"班主任工作"_s}},
    {u"G8"_s, {u"体育运动"_s, u"篮球"_s, u"田径"_s}},
    {u"H1"_s, {u"汉语"_s, u"现代汉语语法"_s, u"古代汉语"_s}},
    {u"H3"_s, {u"英语"_s, u"英语写作"_s, u"英语听力"_s}},
    {u"I2"_s, {u"中国文学"_s, u"唐诗"_s, u"宋词"_s, u"现代散文"_s, u"小说"_s}},
    {u"I3"_s, {u"亚洲文学"_s, u"日本小说"_s}},
    {u"I5"_s, {u"欧洲文学"_s, u"法国小说"_s, u"俄罗斯文学"_s}},
    {u"J2"_s, {u"绘画"_s, u"国画"_s, u"素描"_s}},
    {u"J6"_s, {u"音乐"_s, u"钢琴"_s, u"合唱"_s}},
    {u"K2"_s, {u"中国史"_s, u"中国古代史"_s, u"近代史"_s, u"明清史"_s}},
    {u"K9"_s, {u"地理"_s, u"中国地理"_s, u"旅行"_s}},
    {u"N4"_s, {u"自然科学"_s, u"科普"_s}},
    {u"O1"_s, {u"数学"_s, u"高等数学"_s, u"线性代数"_s, u"概率论"_s}},
    {u"O4"_s, {u"物理学"_s, u"力学"_s, u"电磁学"_s}},
    {u"O6"_s, {u"化学"_s, u"有机化学"_s}},
    {u"Q9"_s, {u"生物学"_s, u"动物学"_s, u"植物学"_s}},
    {u"R1"_s, {u"卫生保健"_s, u"营养学"_s}},
    {u"S6"_s, {u"园艺"_s, u"花卉栽培"_s}},
    {u"T3"_s, {u"计算机"_s, u"程序设计"_s, u"数据库"_s, u"网络技术"_s}},
    {u"TP"_s, {u"自动化技术"_s, u"人工智能"_s}},
};

const QStringList kForms{u"导论"_s, u"概论"_s, u"教程"_s, u"基础"_s, u"十讲"_s, u"简史"_s, u"入门"_s,
                         u"研究"_s, u"通识读本"_s, u"百题"_s, u"精读"_s, u"读本"_s};
const QStringList kSurnames{u"王"_s, u"李"_s, u"张"_s, u"刘"_s, u"陈"_s, u"杨"_s, u"黄"_s, u"赵"_s, u"周"_s,
                            u"吴"_s, u"徐"_s, u"孙"_s, u"马"_s, u"朱"_s, u"胡"_s, u"郭"_s, u"何"_s, u"林"_s,
                            u"高"_s, u"罗"_s, u"郑"_s, u"梁"_s, u"谢"_s, u"宋"_s, u"唐"_s, u"许"_s};
const QStringList kGiven{u"伟"_s,   u"芳"_s,   u"娜"_s,   u"敏"_s,   u"静"_s,   u"丽"_s,   u"强"_s,
                         u"磊"_s,   u"军"_s,   u"洋"_s,   u"勇"_s,   u"艳"_s,   u"杰"_s,   u"涛"_s,
                         u"明"_s,   u"超"_s,   u"秀英"_s, u"华"_s,   u"建国"_s, u"晓东"_s, u"子涵"_s,
                         u"雨轩"_s, u"浩然"_s, u"欣怡"_s, u"思远"_s, u"佳怡"_s, u"文博"_s, u"一鸣"_s};
const QStringList kTypes{u"学生"_s, u"学生"_s, u"学生"_s, u"教师"_s, u"职工"_s};

class Filler
{
public:
    Filler(Database &db, const QDate &businessDate, quint32 seed)
        : m_db(db)
        , m_random(seed)
        , m_end(businessDate)
    {
    }

    QString pick(const QStringList &list) { return list.at(m_random.bounded(int(list.size()))); }
    QString personName() { return pick(kSurnames) + pick(kGiven); }

    void addBooks(int count, int days)
    {
        const QStringList publishers = column(u"select Code from Bookpub order by Code"_s);
        const QStringList classes = column(u"select SortCode from Type"_s);
        Transaction transaction(m_db);
        for (int i = 0; i < count; ++i) {
            const Subject &subject = kSubjects.at(m_random.bounded(int(kSubjects.size())));
            EditRecord book(m_db, u"BookInfo"_s);
            book.append(u"Id"_s);
            book.setValue(u"Code"_s, u"T%1"_s.arg(i + 1, 6, 10, QChar(u'0')));
            book.setValue(u"Name"_s, QString(pick(subject.topics) + pick(kForms)));
            book.setValue(u"SortCode"_s, classes.contains(subject.sortCode) ? subject.sortCode : pick(classes));
            book.setValue(u"Writer"_s, personName());
            book.setValue(u"Publisher"_s, pick(publishers));
            book.setValue(u"BookPrice"_s, double(m_random.bounded(1500, 9800)) / 100.0);
            book.setValue(u"PubDate"_s, QString::number(m_random.bounded(1995, 2026)));
            book.setValue(u"BookPage"_s, QString::number(m_random.bounded(120, 680)));
            book.setValue(u"language"_s, u"中文"_s);
            book.setValue(u"BookPosi"_s, u"%1楼%2架"_s.arg(m_random.bounded(1, 4)).arg(m_random.bounded(1, 20)));
            book.setValue(u"RegDate"_s, m_end.addDays(-days - m_random.bounded(0, 400)));
            BookRecords::numberCopy(m_db, BookTable::Catalogue, book);
            BookRecords::BeforeSave(m_db, BookTable::Catalogue, book);
            book.post();
            m_books << book.text(u"Code"_s);
        }
        transaction.commit();
    }

    void addReaders(int count)
    {
        const QStringList departments = column(u"select Code from Readerdept order by Code"_s);
        Transaction transaction(m_db);
        for (int i = 0; i < count; ++i) {
            EditRecord reader(m_db, u"ReaderInfo"_s);
            reader.append(u"Code"_s);
            reader.setValue(u"Code"_s, u"R%1"_s.arg(i + 1, 4, 10, QChar(u'0')));
            reader.setValue(u"Name"_s, personName());
            reader.setValue(u"SortCode"_s, pick(kTypes));
            reader.setValue(u"Sax"_s, m_random.bounded(2) ? u"男"_s : u"女"_s);
            reader.setValue(u"Department"_s, pick(departments));
            reader.setValue(u"HandTel"_s, u"139%1"_s.arg(m_random.bounded(10000000, 99999999)));
            reader.setValue(u"RegDate"_s, m_end.addYears(-1).addDays(-m_random.bounded(0, 200)));
            Readers::BeforeSave(m_db, reader);
            reader.post();
            m_readers << reader.text(u"Code"_s);
        }
        transaction.commit();
    }

    // Each day some readers come to the desk: most to borrow, some to bring books
    // back (not always in time), a few to renew.
    void circulate(int days, int visitsPerDay)
    {
        AppState app;
        app.OperatorName = u"系统管理员"_s;
        app.sysParams = Parameters::toSysParams(Parameters::loadOrCreate(m_db));
        DeskPrompt prompt(m_random);
        BorrowDesk desk(m_db, prompt, app);
        for (QDate day = m_end.addDays(-days); day <= m_end; day = day.addDays(1)) {
            app.BusinessDate = day;
            // Most readers come back the day before their books are due.
            for (const QString &reader : column(
                     u"select distinct Rcode from BorrowInfo where State = '未还' and ReturnDate = ?"_s,
                     {day.addDays(1)})) {
                if (m_random.bounded(100) < 85)
                    bringBack(desk, reader, day);
            }
            for (int v = 0; v < visitsPerDay; ++v) {
                const QString reader = pick(m_readers);
                const int what = m_random.bounded(10);
                if (what < 5)
                    visit(desk, BorrowDesk::Mode::Borrow, reader, m_random.bounded(1, 4));
                else if (what < 9)
                    bringBack(desk, reader, day);
                else
                    visit(desk, BorrowDesk::Mode::Renew, reader, 0);
            }
        }
    }

private:
    void visit(BorrowDesk &desk, BorrowDesk::Mode mode, const QString &reader, int books)
    {
        desk.setMode(mode);
        if (!desk.LoadReader(reader))
            return;
        if (mode == BorrowDesk::Mode::Borrow) {
            for (int b = 0; b < books; ++b)
                desk.AddBorrow(pick(m_books));
        } else {
            for (const QString &code : heldBy(reader))
                desk.AddRenew(code);
        }
        if (desk.EditQty() > 0)
            desk.Confirm();
        desk.clear();
    }

    // The books due soon, and now and then one read early; what a reader forgets
    // stays out until a later visit, late.
    void bringBack(BorrowDesk &desk, const QString &reader, const QDate &day)
    {
        desk.setMode(BorrowDesk::Mode::Return);
        if (!desk.LoadReader(reader))
            return;
        const ResultSet loans = m_db.query(
            u"select Code, ReturnDate from BorrowInfo where Rcode = ? and State = '未还'"_s, {reader});
        for (qsizetype r = 0; r < loans.count(); ++r) {
            const QDate due = loans.at(r, 1).toDate().isValid()
                ? loans.at(r, 1).toDate()
                : QDate::fromString(loans.at(r, 1).toString(), Qt::ISODate);
            // What is due soon comes back; of the rest, now and then a book read early.
            if (due <= day.addDays(2) || m_random.bounded(100) < 20)
                desk.AddReturn(loans.at(r, 0).toString());
        }
        if (desk.EditQty() > 0)
            desk.Confirm();
        desk.clear();
    }

    QStringList heldBy(const QString &reader)
    {
        return column(u"select Code from BorrowInfo where Rcode = ? and State = '未还'"_s, {reader});
    }

    QStringList column(const QString &sql, const QVariantList &params = {})
    {
        QStringList values;
        const ResultSet rs = m_db.query(sql, params);
        for (qsizetype r = 0; r < rs.count(); ++r)
            values << rs.at(r, 0).toString();
        return values;
    }

    Database &m_db;
    QRandomGenerator m_random;
    QDate m_end;
    QStringList m_books;
    QStringList m_readers;
};

int count(Database &db, const QString &sql, const QVariantList &params = {})
{
    return db.scalar(sql, params).toInt();
}

} // namespace

Summary fill(Database &db, const QDate &businessDate, const Size &size, quint32 seed)
{
    // Fines on, a dime a day, so that late returns leave fines to collect.
    AcctInfoRow account = Parameters::loadOrCreate(db);
    account.IfFine = true;
    account.PerFine = 0.10;
    account.PerFine1 = 0.10;
    Parameters::save(db, account);

    Filler filler(db, businessDate, seed);
    filler.addReaders(size.readers);
    filler.addBooks(size.books, size.days);
    filler.circulate(size.days, size.visitsPerDay);

    Summary s;
    s.books = count(db, u"select count(*) from BookInfo"_s);
    s.readers = count(db, u"select count(*) from ReaderInfo"_s);
    s.loans = count(db, u"select count(*) from BorrowInfo where State <> '预约'"_s);
    s.openLoans = count(db, u"select count(*) from BorrowInfo where State = '未还'"_s);
    s.overdueLoans =
        count(db, u"select count(*) from BorrowInfo where State = '未还' and ReturnDate < ?"_s, {businessDate});
    s.reservations = count(db, u"select count(*) from BorrowInfo where State = '预约'"_s);
    s.unpaidFines = count(db, u"select count(*) from BorrowInfo where ExceedFund > 0 and IsPay = ?"_s, {false});
    return s;
}

} // namespace tarvo::DemoLibrary
