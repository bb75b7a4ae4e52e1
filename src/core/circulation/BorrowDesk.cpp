#include "BorrowDesk.h"

#include "DueDate.h"
#include "core/app/AppState.h"
#include "core/app/Helpers.h"
#include "core/app/Prompt.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Transaction.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

const QString kReserved = u"预约"_s;
const QString kNewLoan = u"新借"_s;
const QString kRenewal = u"续借"_s;
const QString kNewReturn = u"新还"_s;

bool sameCode(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QVariant nullDate()
{
    return QVariant(QMetaType::fromType<QDate>());
}

bool exists(Database &db, const QString &select, const QVariantList &params)
{
    return !db.scalar(select + db.dialect().limitClause(1), params).isNull();
}

} // namespace

BorrowDesk::BorrowDesk(Database &db, Prompt &prompt, const AppState &app, BorrowDeskTables tables)
    : m_db(db)
    , m_prompt(prompt)
    , m_app(app)
    , m_tables(std::move(tables))
{
}

void BorrowDesk::setMode(Mode mode)
{
    m_mode = mode;
    clear();
}

QString BorrowDesk::TableCode() const
{
    switch (m_mode) {
    case Mode::Renew:
        return m_tables.renewCode;
    case Mode::Return:
        return m_tables.returnCode;
    case Mode::Borrow:
        break;
    }
    return m_tables.borrowCode;
}

void BorrowDesk::clear()
{
    resetReader();
}

bool BorrowDesk::canClose()
{
    return m_rows.isEmpty() || ConfirmDiscard(m_prompt);
}

void BorrowDesk::resetReader()
{
    m_reader = {};
    m_typeIsLimit = false;
    m_typeCeQty = 0;
    m_typeLimitDay = 0;
    m_typeRenewTimes = 0;
    m_loanCount = 0;
    m_editQty = 0;
    m_rows.clear();
}

std::optional<int> BorrowDesk::shownCeQty() const
{
    if (!hasReader() || m_mode == Mode::Return)
        return std::nullopt;
    return m_typeCeQty;
}

bool BorrowDesk::LoadReader(const QString &code)
{
    resetReader();
    ResultSet r = m_db.query(u"select Code, Name, SortCode, Department, Photo, PhotoBmp, DepoSum, Isstop, "_s
                                 + m_tables.heldCount + u" as Held from ReaderInfo where Code = ?"_s,
                             {code.trimmed()});
    if (r.isEmpty())
        return false;
    // A suspended reader may still bring books back.
    if (m_mode != Mode::Return && r.boolean(u"Isstop")) {
        m_prompt.info(u"此读者已经被停用!"_s);
        return false;
    }
    m_reader.Code = r.text(u"Code");
    m_reader.Name = r.text(u"Name");
    m_reader.SortCode = r.text(u"SortCode");
    m_reader.Department = r.text(u"Department");
    m_reader.Photo = r.text(u"Photo");
    m_reader.PhotoBmp = r.value(u"PhotoBmp").toByteArray();
    m_reader.BookQty = int(r.integer(u"Held"));
    m_reader.DepoSum = r.real(u"DepoSum");

    ResultSet type = m_db.query(u"select RenewTime, "_s + m_tables.typeCount + u" as CeQty, "_s + m_tables.typeDays
                                    + u" as LimitDay, "_s + m_tables.typeLimited
                                    + u" as IsLimit from ReaderType where Code = ?"_s,
                                {m_reader.SortCode});
    if (!type.isEmpty()) {
        m_typeRenewTimes = int(type.integer(u"RenewTime"));
        if (m_mode != Mode::Return) {
            m_typeIsLimit = type.boolean(u"IsLimit");
            m_typeCeQty = int(type.integer(u"CeQty"));
            m_typeLimitDay = int(type.integer(u"LimitDay"));
        }
    }
    loadRows();
    m_loanCount = int(m_rows.size());
    return true;
}

QString BorrowDesk::itemSelect(const QString &alias) const
{
    QString columns;
    for (const QString &column : m_tables.itemColumns)
        columns += u", "_s + alias + u'.' + column;
    return columns;
}

// Loans (a) with their items' columns (b).
QString BorrowDesk::loanSelect() const
{
    return u"select a.Code, a.Rcode, a.State, a.BorrowDate, a.ReturnDate, a.RenewDate, a.RenewTimes, a.ExceedDay,"
           " a.ExceedFund"_s
        + itemSelect(u"b"_s) + u" from "_s + m_tables.loans + u" a left join "_s + m_tables.items
        + u" b on a.Code = b.Code"_s;
}

namespace {

LoanRow rowFrom(const ResultSet &rs, const QStringList &itemColumns)
{
    LoanRow row;
    row.Code = rs.text(u"Code");
    row.Rcode = rs.text(u"Rcode");
    row.State = rs.text(u"State");
    row.BorrowDate = rs.date(u"BorrowDate");
    row.ReturnDate = rs.date(u"ReturnDate");
    row.RenewDate = rs.date(u"RenewDate");
    row.RenewTimes = int(rs.integer(u"RenewTimes"));
    row.ExceedDay = rs.real(u"ExceedDay");
    row.ExceedFund = rs.money(u"ExceedFund");
    for (const QString &column : itemColumns)
        row.item.insert(column, rs.value(column));
    return row;
}

} // namespace

void BorrowDesk::loadRows()
{
    const QString select = loanSelect() + u" where a.Rcode = ? and a.State = '未还' order by a.BorrowDate, a.Id"_s;
    for (ResultSet rs = m_db.query(select, {m_reader.Code}); !rs.eof(); rs.next())
        m_rows.append(rowFrom(rs, m_tables.itemColumns));
}

void BorrowDesk::sortRows()
{
    // "State DESC" in Chinese order: reservations and pending work above the loans held.
    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [&](const LoanRow &a, const LoanRow &b) { return collator.compare(a.State, b.State) > 0; });
}

int BorrowDesk::findRow(const QString &code) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (sameCode(m_rows.at(i).Code, code))
            return i;
    }
    return -1;
}

bool BorrowDesk::refuse(const QString &message)
{
    m_prompt.info(message);
    return false;
}

bool BorrowDesk::checkReaderFirst()
{
    if (m_mode == Mode::Borrow && !hasReader())
        return refuse(u"请先输入读者编号!"_s);
    return true;
}

bool BorrowDesk::AddDetail(const QString &code)
{
    const QString b = code.trimmed();
    if (!checkReaderFirst() || b.isEmpty())
        return false;
    switch (m_mode) {
    case Mode::Borrow:
        return AddBorrow(b);
    case Mode::Renew:
        return AddRenew(b);
    case Mode::Return:
        return AddReturn(b);
    }
    return false;
}

bool BorrowDesk::AddBorrow(const QString &code)
{
    if (m_loanCount >= m_typeCeQty)
        return refuse(u"借书数量超出"_s + QString::number(m_typeCeQty) + u"本,不能再借!"_s);
    if (findRow(code) >= 0)
        return false;
    ResultSet book = m_db.query(u"select Code, IsOut, IsLimit"_s + itemSelect(u"b"_s) + u" from "_s + m_tables.items
                                    + u" b where b.Code = ?"_s,
                                {code});
    if (book.isEmpty())
        return refuse(u"无此编号图书,请重新输入!"_s);
    if (book.text(u"IsLimit") == u"限制" && m_typeIsLimit)
        return refuse(u"此读者被限制借出此书!"_s);
    if (book.text(u"IsOut") == u"报废")
        return refuse(u"此书已经报废,不能借出!"_s);

    LoanRow row;
    row.Code = book.text(u"Code");
    row.Rcode = m_reader.Code;
    row.BorrowDate = m_app.BusinessDate;
    for (const QString &column : m_tables.itemColumns)
        row.item.insert(column, book.value(column));

    ResultSet loan = m_db.query(u"select ReturnDate from "_s + m_tables.loans + u" where Code = ? and State = '未还'"_s
                                    + m_db.dialect().limitClause(1),
                                {row.Code});
    if (loan.isEmpty()) {
        if (exists(m_db, u"select 1 from "_s + m_tables.loans + u" where Code = ? and State = '预约' and Rcode <> ?"_s,
                   {row.Code, m_reader.Code}))
            return refuse(u"此书已经被他人预约,不能借出!"_s);
        // An earlier loan, or the reader's own reservation.
        if (exists(m_db, u"select 1 from "_s + m_tables.loans + u" where Code = ? and Rcode = ?"_s,
                   {row.Code, m_reader.Code})
            && m_prompt.question(u"这本书已经借过了,是否再借一次？"_s, u"提示！"_s,
                                 Prompt::Button::Ok | Prompt::Button::Cancel, Prompt::Button::Ok)
                != Prompt::Button::Ok)
            return false;
        row.State = kNewLoan;
        row.ReturnDate = DueDate::dueDate(m_app.BusinessDate, m_typeLimitDay);
        m_rows.append(row);
        ++m_loanCount;
        ++m_editQty;
        sortRows();
        return true;
    }

    // Lent to another reader: the reader may queue for it.
    if (m_prompt.question(u"这本书被借出了,应还日为"_s + dateText(loan.date(u"ReturnDate")) + u",是否预约？"_s, u"询问"_s,
                          Prompt::Button::Yes | Prompt::Button::No, Prompt::Button::Yes)
        != Prompt::Button::Yes)
        return false;
    row.State = kReserved;
    m_rows.append(row);
    sortRows();
    return true;
}

std::optional<LoanRow> BorrowDesk::openLoan(const QString &code, const QString &notLentMessage)
{
    const QString select = loanSelect() + u" where a.Code = ? and a.State = '未还'"_s;
    if (hasReader()) {
        ResultSet rs = m_db.query(select + u" and a.Rcode = ?"_s, {code, m_reader.Code});
        if (rs.isEmpty()) {
            refuse(u"此读者还未借出此书,请重新输入!"_s);
            return std::nullopt;
        }
        return rowFrom(rs, m_tables.itemColumns);
    }
    ResultSet rs = m_db.query(select, {code});
    if (rs.isEmpty()) {
        refuse(notLentMessage);
        return std::nullopt;
    }
    // The borrower is found from the book alone.
    const LoanRow loan = rowFrom(rs, m_tables.itemColumns);
    if (!LoadReader(loan.Rcode))
        return std::nullopt;
    return loan;
}

bool BorrowDesk::checkRenewal(const QString &code, const QString &reservedMessage)
{
    ResultSet first = m_db.query(u"select Rcode from "_s + m_tables.loans
                                     + u" where Code = ? and State = '预约' order by BorrowDate, Id"_s
                                     + m_db.dialect().limitClause(1),
                                 {code});
    if (!first.isEmpty() && !sameCode(first.text(u"Rcode"), m_reader.Code))
        return refuse(reservedMessage);
    ResultSet loan = m_db.query(u"select ReturnDate, RenewTimes from "_s + m_tables.loans
                                    + u" where Code = ? and State = '未还'"_s + m_db.dialect().limitClause(1),
                                {code});
    if (loan.isEmpty())
        return refuse(u"此读者还未借出此书,请重新输入!"_s);
    // A loan is renewed only before its due date.
    const QDate due = loan.date(u"ReturnDate");
    if (!due.isValid() || due <= m_app.BusinessDate)
        return refuse(u"此书已经超期,不能续借!"_s);
    const int times = int(loan.integer(u"RenewTimes"));
    if (times + 1 > m_typeRenewTimes)
        return refuse(u"此书已经续借"_s + QString::number(times) + u"次,不能续借了!"_s);
    return true;
}

void BorrowDesk::markRenewal(LoanRow &row)
{
    row.State = kRenewal;
    row.RenewDate = m_app.BusinessDate;
    // The new due date counts from the renewal day.
    row.ReturnDate = DueDate::dueDate(m_app.BusinessDate, m_typeLimitDay);
    ++m_editQty;
    sortRows();
}

void BorrowDesk::markReturn(LoanRow &row)
{
    row.State = kNewReturn;
    const int days = DueDate::overdueDays(row.ReturnDate, m_app.BusinessDate);
    row.ExceedDay = days;
    row.ExceedFund = DueDate::fine(days, m_app.sysParams.*m_tables.perFine, m_app.sysParams.IfFine);
    row.ReturnDate = m_app.BusinessDate;
    ++m_editQty;
    sortRows();
}

bool BorrowDesk::AddRenew(const QString &code)
{
    const std::optional<LoanRow> loan = openLoan(code, u"此书未被借出,请重新输入!"_s);
    if (!loan || !checkRenewal(loan->Code, u"此书已经被他人预约,不能续借!"_s))
        return false;
    int i = findRow(loan->Code);
    if (i >= 0 && m_rows.at(i).State == kRenewal)
        return false;
    if (i < 0) {
        // Lent after the reader was loaded, at another desk.
        m_rows.append(*loan);
        i = int(m_rows.size()) - 1;
    }
    markRenewal(m_rows[i]);
    return true;
}

bool BorrowDesk::AddReturn(const QString &code)
{
    const std::optional<LoanRow> loan = openLoan(code, u"此书还未借出,请重新输入!"_s);
    if (!loan)
        return false;
    int i = findRow(loan->Code);
    if (i >= 0 && m_rows.at(i).State == kNewReturn)
        return false;
    if (i < 0) {
        m_rows.append(*loan);
        i = int(m_rows.size()) - 1;
    }
    markReturn(m_rows[i]);
    return true;
}

void BorrowDesk::DeleteDetail(int row)
{
    if (m_mode != Mode::Borrow || row < 0 || row >= m_rows.size())
        return;
    if (m_rows.at(row).State == kNewLoan) {
        --m_editQty;
        --m_loanCount;
    }
    m_rows.removeAt(row);
}

void BorrowDesk::DeleteRow(int row)
{
    if (row >= 0 && row < m_rows.size())
        m_rows.removeAt(row);
}

void BorrowDesk::DoubleClick(int row, const DueDateChooser &chooseDueDate)
{
    if (row < 0 || row >= m_rows.size() || m_rows.at(row).State == kReserved)
        return;
    LoanRow &r = m_rows[row];
    switch (m_mode) {
    case Mode::Borrow:
        // Only new loans are written, so a changed date of a loan already held is dropped.
        if (chooseDueDate) {
            if (const std::optional<QDate> date = chooseDueDate(r.ReturnDate); date && date->isValid())
                r.ReturnDate = *date;
        }
        return;
    case Mode::Renew:
        if (r.State != kRenewal && checkRenewal(r.Code, u"此书已经被预约,不能续借!"_s))
            markRenewal(r);
        return;
    case Mode::Return:
        if (r.State != kNewReturn)
            markReturn(r);
        return;
    }
}

bool BorrowDesk::CheckBill()
{
    if (!hasReader())
        return refuse(u"请输入读者编号,否则不能存盘!"_s);
    if (m_rows.isEmpty())
        return refuse(u"请输入借书明细资料,否则不能存盘!"_s);
    return true;
}

bool BorrowDesk::Confirm()
{
    m_returned.clear();
    if (!CheckBill())
        return false;
    bool saved = false;
    switch (m_mode) {
    case Mode::Borrow:
        saved = SaveBorrow();
        break;
    case Mode::Renew:
        saved = SaveRenew();
        break;
    case Mode::Return:
        saved = SaveReturn();
        break;
    }
    if (saved)
        clear();
    return saved;
}

QString BorrowDesk::lendRefusal(const QString &code)
{
    ResultSet item = m_db.query(u"select IsOut from "_s + m_tables.items + u" where Code = ?"_s, {code});
    if (item.isEmpty())
        return u"图书"_s + code + u"已经不存在,不能借出!"_s;
    if (item.text(u"IsOut") == u"报废")
        return u"图书"_s + code + u"已经报废,不能借出!"_s;
    if (exists(m_db, u"select 1 from "_s + m_tables.loans + u" where Code = ? and State = '未还'"_s, {code}))
        return u"图书"_s + code + u"已经被借出,不能借出!"_s;
    if (exists(m_db, u"select 1 from "_s + m_tables.loans + u" where Code = ? and State = '预约' and Rcode <> ?"_s,
               {code, m_reader.Code}))
        return u"图书"_s + code + u"已经被他人预约,不能借出!"_s;
    return {};
}

QString BorrowDesk::loanText(const QString &what, int count) const
{
    return m_reader.Name + what + QString::number(count) + u"本！"_s;
}

bool BorrowDesk::SaveBorrow()
{
    int lent = 0;
    try {
        Transaction transaction(m_db);
        // Another desk may have lent, discarded or reserved a copy since it was scanned.
        for (const LoanRow &row : std::as_const(m_rows)) {
            if (row.State != kNewLoan)
                continue;
            if (const QString why = lendRefusal(row.Code); !why.isEmpty())
                return refuse(why);
        }
        for (const LoanRow &row : std::as_const(m_rows)) {
            if (row.State == kNewLoan) {
                m_db.exec(u"delete from "_s + m_tables.loans + u" where Rcode = ? and Code = ? and State = '预约'"_s,
                          {m_reader.Code, row.Code});
                m_db.exec(u"insert into "_s + m_tables.loans
                              + u" (Code, Rcode, State, BorrowDate, ReturnDate, RenewTimes, ExceedDay, ExceedFund,"
                                " Operator, IsPay) values (?, ?, '未还', ?, ?, 0, 0, 0, ?, ?)"_s,
                          {row.Code, m_reader.Code, row.BorrowDate, row.ReturnDate, m_app.OperatorName, false});
                m_db.exec(u"update "_s + m_tables.items
                              + u" set IsOut = '外借', Times = coalesce(Times, 0) + 1, Borrowman = ?, BorrowDate = ?"
                                " where Code = ?"_s,
                          {m_reader.Name, row.BorrowDate, row.Code});
                m_db.exec(u"update ReaderInfo set "_s + m_tables.heldCount + u" = coalesce("_s + m_tables.heldCount
                              + u", 0) + 1 where Code = ?"_s,
                          {m_reader.Code});
                ++lent;
            } else if (row.State == kReserved) {
                m_db.exec(u"insert into "_s + m_tables.loans
                              + u" (Code, Rcode, State, BorrowDate, ReturnDate, RenewTimes, ExceedDay, ExceedFund,"
                                " Operator, IsPay) values (?, ?, '预约', ?, ?, 0, 0, 0, ?, ?)"_s,
                          {row.Code, m_reader.Code, row.BorrowDate, nullDate(), m_app.OperatorName, false});
            }
        }
        // One visit, however many books.
        m_db.exec(u"update ReaderInfo set "_s + m_tables.visits + u" = coalesce("_s + m_tables.visits
                      + u", 0) + 1, BorrowDate = ? where Code = ?"_s,
                  {m_app.BusinessDate, m_reader.Code});
        transaction.commit();
    } catch (const DbError &) {
        // A desk that committed the same copy meanwhile trips the unique index: say which copy.
        for (const LoanRow &row : std::as_const(m_rows)) {
            if (row.State != kNewLoan)
                continue;
            try {
                if (const QString why = lendRefusal(row.Code); !why.isEmpty())
                    return refuse(why);
            } catch (const DbError &) {
                break;
            }
        }
        return refuse(u"存盘失败！"_s);
    }
    m_prompt.info(loanText(u"借书成功,本次借出"_s, lent));
    return true;
}

bool BorrowDesk::SaveRenew()
{
    int renewed = 0;
    try {
        Transaction transaction(m_db);
        for (const LoanRow &row : std::as_const(m_rows)) {
            if (row.State != kRenewal)
                continue;
            // A loan returned meanwhile at another desk is neither renewed nor counted.
            const int changed = m_db.exec(u"update "_s + m_tables.loans
                                              + u" set RenewDate = ?, ReturnDate = ?,"
                                                " RenewTimes = coalesce(RenewTimes, 0) + 1"
                                                " where Code = ? and Rcode = ? and State = '未还'"_s,
                                          {row.RenewDate, row.ReturnDate, row.Code, m_reader.Code});
            if (changed == 0)
                continue;
            m_db.exec(u"update "_s + m_tables.items + u" set Times = coalesce(Times, 0) + 1 where Code = ?"_s,
                      {row.Code});
            ++renewed;
        }
        transaction.commit();
    } catch (const DbError &) {
        return refuse(u"存盘失败！"_s);
    }
    m_prompt.info(loanText(u"续借成功,本次续借"_s, renewed));
    return true;
}

bool BorrowDesk::SaveReturn()
{
    QStringList returned;
    try {
        Transaction transaction(m_db);
        for (const LoanRow &row : std::as_const(m_rows)) {
            if (row.State != kNewReturn)
                continue;
            // A loan another desk already took back moves no counter a second time.
            const int changed = m_db.exec(u"update "_s + m_tables.loans
                                              + u" set State = '已还', ReturnDate = ?, ExceedDay = ?, ExceedFund = ?"
                                                " where Code = ? and Rcode = ? and State = '未还'"_s,
                                          {row.ReturnDate, row.ExceedDay, row.ExceedFund, row.Code, m_reader.Code});
            if (changed == 0)
                continue;
            m_db.exec(u"update "_s + m_tables.items + u" set IsOut = '', Borrowman = '' where Code = ?"_s, {row.Code});
            m_db.exec(u"update ReaderInfo set "_s + m_tables.heldCount + u" = coalesce("_s + m_tables.heldCount
                          + u", 0) - 1 where Code = ?"_s,
                      {m_reader.Code});
            if (row.ExceedDay > 0) {
                m_db.exec(u"update ReaderInfo set "_s + m_tables.overdue + u" = coalesce("_s + m_tables.overdue
                              + u", 0) + 1 where Code = ?"_s,
                          {m_reader.Code});
            }
            returned << row.Code;
        }
        transaction.commit();
    } catch (const DbError &) {
        return refuse(u"存盘失败！"_s);
    }
    m_returned = returned;
    m_prompt.info(loanText(u"还书成功,本次还书"_s, int(returned.size())));
    return true;
}

std::optional<ReservationList::Query> BorrowDesk::waitingReservations()
{
    if (m_returned.isEmpty())
        return std::nullopt;
    ReservationList::Query waiting = ReservationList::ofItems(m_tables.reservations, m_returned);
    if (m_db.query(waiting.select + m_db.dialect().limitClause(1), waiting.params).isEmpty())
        return std::nullopt;
    return waiting;
}

ReservationList::Query BorrowDesk::reservations() const
{
    if (!hasReader())
        return ReservationList::all(m_tables.reservations);
    return ReservationList::ofReader(m_tables.reservations, m_reader.Code);
}

} // namespace tarvo
