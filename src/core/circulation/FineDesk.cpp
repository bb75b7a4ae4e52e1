#include "FineDesk.h"

#include "core/app/AppState.h"
#include "core/app/Prompt.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Transaction.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

// Money is kept to four decimals, as the database stores it.
double roundMoney(double amount)
{
    return std::round(amount * 10000.0) / 10000.0;
}

} // namespace

FineDesk::FineDesk(Database &db, Prompt &prompt, const SysParams &params, Items items)
    : m_db(db)
    , m_prompt(prompt)
    , m_params(params)
    , m_items(items)
{
}

bool FineDesk::loadReader(const QString &code)
{
    ResultSet rs = m_db.query(u"select Code, Name, Sax, SortCode, TelDay, Department from ReaderInfo where Code = ?"_s,
                              {code.trimmed()});
    if (rs.isEmpty()) {
        m_prompt.info(u"没有此读者,请重新输入!"_s);
        return false;
    }
    m_reader = Reader{rs.text(u"Code"), rs.text(u"Name"), rs.text(u"Sax"), rs.text(u"SortCode"), rs.text(u"TelDay"),
                      rs.text(u"Department")};
    m_selection.reset();
    m_total.reset();
    reloadFines();
    return true;
}

void FineDesk::reloadFines()
{
    const bool books = m_items == Items::Books;
    m_fines = m_db.query(u"select a.Id, a.Code, b.Name, "_s + (books ? QString() : u"b.Orderyear, b.PeriodNo, "_s)
                             + u"a.BorrowDate, a.ReturnDate, a.ExceedDay, a.ExceedFund from "_s
                             + (books ? u"BorrowInfo a left join BookInfo b"_s : u"BorrowInfo1 a left join MagzInfo b"_s)
                             + u" on a.Code = b.Code where a.Rcode = ? and a.State = '已还'"
                               " and (a.IsPay = ? or a.IsPay is null) and a.ExceedFund <> 0 order by a.ReturnDate, a.Id"_s,
                         {m_reader->Code, false});
}

bool FineDesk::select(qsizetype row)
{
    if (row < 0 || row >= m_fines.count())
        return false;
    m_fines.setPosition(row);
    Selection s;
    s.Id = m_fines.integer(u"Id");
    s.Code = m_fines.text(u"Code");
    s.Name = m_fines.text(u"Name");
    if (m_items == Items::Magazines) {
        s.Orderyear = m_fines.text(u"Orderyear");
        s.PeriodNo = m_fines.text(u"PeriodNo");
    }
    s.ExceedDay = m_fines.real(u"ExceedDay");
    // Offered at today's daily fine; the stored amount is only shown in the list.
    s.Price = m_items == Items::Books ? m_params.PerFine : m_params.PerFine1;
    s.ExceedFund = roundMoney(s.ExceedDay * s.Price);
    s.RealFund = s.ExceedFund;
    m_selection = s;
    return true;
}

bool FineDesk::applyDeduction(double days)
{
    if (!m_selection)
        return false;
    Selection &s = *m_selection;
    const double deduction = roundMoney(days * s.Price);
    if (days < 0 || deduction > s.ExceedFund) {
        m_prompt.info(u"扣减天数不能超过逾期天数，也不能为负数！"_s);
        return false;
    }
    s.MinDay = days;
    s.MinFund = deduction;
    s.RealFund = roundMoney(s.ExceedFund - deduction);
    return true;
}

FineDesk::CollectResult FineDesk::collect()
{
    if (!m_reader) {
        m_prompt.info(u"会员卡号必须填写！"_s);
        return CollectResult::Refused;
    }
    if (!m_selection) {
        m_prompt.info(u"书籍编码必须填写！"_s);
        return CollectResult::Refused;
    }
    if (m_selection->ExceedFund == 0) {
        m_prompt.info(u"应罚金额不能为空或零！"_s);
        return CollectResult::Refused;
    }
    const double paid = m_selection->RealFund;
    int changed = 0;
    try {
        Transaction transaction(m_db);
        // Only an unpaid fine of this reader changes: a fine collected meanwhile at
        // another desk changes no row and is not taken twice.
        changed = m_db.exec(u"update "_s + (m_items == Items::Books ? u"BorrowInfo"_s : u"BorrowInfo1"_s)
                                + u" set IsPay = ?, ExceedFund = ? where Id = ? and Rcode = ? and State = '已还'"
                                  " and (IsPay = ? or IsPay is null)"_s,
                            {true, paid, m_selection->Id, m_reader->Code, false});
        if (changed == 1)
            transaction.commit();
    } catch (const DbError &) {
        m_prompt.info(u"存盘失败！"_s);
        return CollectResult::Failed;
    }
    m_selection.reset();
    reloadFines();
    if (changed != 1) {
        m_prompt.info(u"这笔罚款已在别处收取，本次未收款！"_s);
        return CollectResult::AlreadyCollected;
    }
    m_prompt.info(u"罚款成功!"_s);
    m_total = roundMoney(m_total.value_or(0) + paid);
    return CollectResult::Collected;
}

QString FineDesk::amountText(double amount)
{
    const double cents = std::round(amount * 100.0) / 100.0;
    return QString::number(amount, 'f', std::abs(amount - cents) < 1e-9 ? 2 : 4);
}

} // namespace tarvo
