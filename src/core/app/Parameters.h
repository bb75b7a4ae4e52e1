#pragma once

#include "AppState.h"

namespace tarvo {

class Database;

// The single AcctInfo row as the parameter dialog edits it.
struct AcctInfoRow
{
    qint64 Id = 0;
    QString CorpName;
    QString Tel;
    QString Fax;
    QString Addr;
    QString Remarks;
    bool IfFine = false;
    bool IfExcced = true;
    bool Ifrepeat = true;
    double PerFine = 0;
    double PerFine1 = 0;
    int InDay = 30;
};

// The system parameters: read at start-up, edited by the parameter dialog.
namespace Parameters {

// The row, made with the defaults ("塔沃图书馆管理系统7", fines off, overdue
// warning and repeat prompt on, 30 days) when the table is empty.
AcctInfoRow loadOrCreate(Database &db);
// Writes the row back; a value the table refuses throws DbError.
void save(Database &db, const AcctInfoRow &row);
// The part of the row the rest of the run works with.
SysParams toSysParams(const AcctInfoRow &row);

// The rules of use printed on the back of reader cards (AcctInfo.Rcardmemo), one
// rule after another on their lines. The three designed rules until some are stored.
QString cardRules(Database &db);
void saveCardRules(Database &db, const QString &rules);
QString defaultCardRules();

} // namespace Parameters

} // namespace tarvo
