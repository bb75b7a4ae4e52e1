#pragma once

#include "core/db/ResultSet.h"

#include <QString>
#include <optional>

namespace tarvo {

class Database;
class Prompt;
struct SysParams;

// 罚款管理: collecting the fines of a reader's late returns. A fine is a returned
// loan row with IsPay false and an ExceedFund; collecting stores the amount paid
// and marks the row paid, once only, whatever other desks do.
class FineDesk
{
public:
    enum class Items { Books, Magazines };

    struct Reader
    {
        QString Code;
        QString Name;
        QString Sax;
        QString SortCode;
        QString TelDay;
        QString Department;
    };

    // The fine picked from the list, with the amounts the boxes show.
    struct Selection
    {
        qint64 Id = 0;
        QString Code;
        QString Name;
        QString Orderyear;
        QString PeriodNo;
        double ExceedDay = 0;
        double Price = 0;      // the daily fine in force now
        double ExceedFund = 0; // ExceedDay × Price
        double MinDay = 0;     // days waived
        double MinFund = 0;    // MinDay × Price
        double RealFund = 0;   // ExceedFund − MinFund: what is collected
    };

    enum class CollectResult { Collected, Refused, AlreadyCollected, Failed };

    FineDesk(Database &db, Prompt &prompt, const SysParams &params, Items items);

    // Loads the reader and the unpaid fines; "没有此读者,请重新输入!" when unknown.
    // A new reader starts a new running total and has nothing selected.
    bool loadReader(const QString &code);
    const std::optional<Reader> &reader() const { return m_reader; }

    // Fields: Id, Code, Name, (Orderyear, PeriodNo,) BorrowDate, ReturnDate, ExceedDay, ExceedFund.
    const ResultSet &fines() const { return m_fines; }

    // Picks the fine in a row of the list: the amount due is the overdue days times
    // today's daily fine; no days waived yet. False when there is no such row.
    bool select(qsizetype row);
    const std::optional<Selection> &selection() const { return m_selection; }

    // Waives days of the selected fine. A deduction below nothing or beyond the
    // amount due is refused and leaves the fine as it was.
    bool applyDeduction(double days);

    // "罚款(&O)": stores the amount paid and marks the fine paid in one transaction,
    // adds it to the running total and reloads the list.
    CollectResult collect();
    // 罚金合计: the payments since the reader was loaded; nothing before the first.
    const std::optional<double> &total() const { return m_total; }

    // An amount as the boxes show it: two decimals, more when a daily fine has them.
    static QString amountText(double amount);

private:
    void reloadFines();

    Database &m_db;
    Prompt &m_prompt;
    const SysParams &m_params;
    Items m_items;
    std::optional<Reader> m_reader;
    ResultSet m_fines;
    std::optional<Selection> m_selection;
    std::optional<double> m_total;
};

} // namespace tarvo
