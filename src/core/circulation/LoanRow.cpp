#include "LoanRow.h"

using namespace Qt::StringLiterals;

namespace tarvo {

QVariant LoanRow::value(const QString &field) const
{
    const QString f = field.toLower();
    if (f == u"code")
        return Code;
    if (f == u"rcode")
        return Rcode;
    if (f == u"state")
        return State;
    if (f == u"borrowdate")
        return BorrowDate;
    if (f == u"returndate")
        return ReturnDate;
    if (f == u"renewdate")
        return RenewDate;
    if (f == u"renewtimes")
        return RenewTimes;
    if (f == u"exceedday")
        return qRound(ExceedDay); // whole days, though the column keeps a real
    if (f == u"exceedfund")
        return ExceedFund;
    for (auto it = item.cbegin(); it != item.cend(); ++it) {
        if (it.key().compare(field, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}

} // namespace tarvo
