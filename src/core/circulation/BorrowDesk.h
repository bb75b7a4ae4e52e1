#pragma once

#include "BorrowDeskTables.h"
#include "LoanRow.h"
#include "ReservationList.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <optional>

namespace tarvo {

class Database;
class Prompt;
struct AppState;

// The circulation desk (借还图书) without its window: the reader being served, the
// visit's pending rows, the type's limits and every check of lending, renewing and
// returning. Nothing reaches the database before a confirmation, which writes the
// whole visit in one transaction; a refused or failed confirmation keeps the rows.
class BorrowDesk
{
public:
    enum class Mode { Borrow, Renew, Return };

    // The reader panel's values.
    struct Reader
    {
        QString Code;
        QString Name;
        QString SortCode;
        QString Department;
        QString Photo;
        QByteArray PhotoBmp; // the picture itself, kept with the reader
        int BookQty = 0; // held count of this desk's items (现已借出)
        double DepoSum = 0;
    };

    // The due-date dialog: shown with the row's due date, returns the date chosen or nothing.
    using DueDateChooser = std::function<std::optional<QDate>(const QDate &current)>;

    BorrowDesk(Database &db, Prompt &prompt, const AppState &app,
               BorrowDeskTables tables = BorrowDeskTables::books());

    Mode mode() const { return m_mode; }
    // F9, F10, F11: a new mode starts with an empty desk.
    void setMode(Mode mode);
    // The mode's grid layout code: "Borrowinfo", "Renewinfo" or "Returninfo".
    QString TableCode() const;

    // F3: the reader and every pending row are dropped.
    void clear();
    // Closing the window: at once when the grid is empty, otherwise after
    // "数据未存盘，是否退出？" is answered Yes (asked for loans already held too).
    bool canClose();

    // The reader number entered or picked. False when the number is unknown (no
    // message) or, except in return mode, the reader is suspended; the desk then
    // holds no reader.
    bool LoadReader(const QString &code);
    bool hasReader() const { return !m_reader.Code.isEmpty(); }
    const Reader &reader() const { return m_reader; }

    bool TypeIsLimit() const { return m_typeIsLimit; }
    int TypeCeQty() const { return m_typeCeQty; }
    int TypeLimitDay() const { return m_typeLimitDay; }
    int TypeRenewTimes() const { return m_typeRenewTimes; }
    // The limit shown in 允许借出, only in borrow and renew mode.
    std::optional<int> shownCeQty() const;
    // Items the reader holds: loans when loaded plus the new loans of this visit.
    int LoanCount() const { return m_loanCount; }
    // Rows added or marked in this visit (本次借书/续借/还书).
    int EditQty() const { return m_editQty; }

    const QList<LoanRow> &rows() const { return m_rows; }

    // In borrow mode an item needs a reader first: "请先输入读者编号!" and false.
    bool checkReaderFirst();
    // An item number entered (Enter in the item box or the book lookup), by mode.
    // Each returns whether the grid changed; the item box is emptied in every case.
    bool AddDetail(const QString &code);
    bool AddBorrow(const QString &code);
    bool AddRenew(const QString &code);
    bool AddReturn(const QString &code);

    // 删除明细: only in borrow mode; a "新借" row gives its place back.
    void DeleteDetail(int row);
    // The Delete key: the row leaves the grid in any mode, no counter changes.
    void DeleteRow(int row);

    // Double click on a row: borrow mode asks for the due date, renew and return
    // mode mark the row.
    void DoubleClick(int row, const DueDateChooser &chooseDueDate);

    // F2 or Enter: "CheckBill", then the confirmation of the mode. True when it was
    // written; the desk is then empty for the next reader.
    bool Confirm();
    bool CheckBill();
    bool SaveBorrow();
    bool SaveRenew();
    bool SaveReturn();

    // After a return confirmation: the reservations waiting for the copies just
    // returned, earliest first; nothing when nobody waits.
    std::optional<ReservationList::Query> waitingReservations();
    // F6: the reader's reservations, or every reservation when no reader is entered.
    ReservationList::Query reservations() const;

private:
    bool refuse(const QString &message);
    void resetReader();
    void loadRows();
    void sortRows();
    int findRow(const QString &code) const;
    std::optional<LoanRow> openLoan(const QString &code, const QString &notLentMessage);
    bool checkRenewal(const QString &code, const QString &reservedMessage);
    void markRenewal(LoanRow &row);
    void markReturn(LoanRow &row);
    QString lendRefusal(const QString &code);
    QString itemSelect(const QString &alias) const;
    QString loanSelect() const;
    QString loanText(const QString &what, int count) const;

    Database &m_db;
    Prompt &m_prompt;
    const AppState &m_app;
    BorrowDeskTables m_tables;

    Mode m_mode = Mode::Borrow;
    Reader m_reader;
    bool m_typeIsLimit = false;
    int m_typeCeQty = 0;
    int m_typeLimitDay = 0;
    int m_typeRenewTimes = 0;
    int m_loanCount = 0;
    int m_editQty = 0;
    QList<LoanRow> m_rows;
    QStringList m_returned;
};

} // namespace tarvo
