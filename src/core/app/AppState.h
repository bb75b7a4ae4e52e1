#pragma once

#include <QDate>
#include <QString>

namespace tarvo {

// In-memory copy of the single AcctInfo row.
struct SysParams
{
    QString CorpName;
    double PerFine = 0;
    double PerFine1 = 0;
    bool IfFine = false;
    bool IfExcced = false;
    bool Ifrepeat = false;
    int InDay = 0;
};

// What the whole run shares: where the data is, who works and on which day.
struct AppState
{
    QString DBPath;
    QString OperatorCode;
    QString OperatorName;
    QDate BusinessDate;
    SysParams sysParams;
};

} // namespace tarvo
