#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace tarvo {

class Database;

// 读者信息: how to reach a reader, as the desks, the overdue lists and the
// reservation windows show it.
struct ReaderDetail
{
    QString Code;
    QString Name;
    QString E_mail;
    QString Addr;
    QString Department;
    QString TelDay;
    QString TelNight;
    QString HandTel;

    // The reader with the number; empty fields when there is none.
    static ReaderDetail read(Database &db, const QString &code);

    // The lines of the telephone box, captions also without numbers.
    QStringList phoneLines() const;
    // "发信": a new message to the address, also when it is empty.
    QUrl mailUrl() const;
};

} // namespace tarvo
