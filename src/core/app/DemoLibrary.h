#pragma once

#include <QDate>

namespace tarvo {

class Database;

// A library to try the program with: books across the classes with plausible
// Chinese titles, authors and publishers, readers of three types in several
// departments, and a year of loans, renewals, returns and reservations made at the
// circulation desk day by day up to the business date, with fines on, so that every
// counter is as the desk keeps it and some loans are overdue and some fines unpaid.
namespace DemoLibrary {

struct Size
{
    int books = 2000;
    int readers = 300;
    int days = 365;
    int visitsPerDay = 12;
};

struct Summary
{
    int books = 0;
    int readers = 0;
    int loans = 0;        // rows of BorrowInfo, returned ones included
    int openLoans = 0;
    int overdueLoans = 0; // open and due before the business date
    int reservations = 0;
    int unpaidFines = 0;
};

// Fills a new, empty delivered database; the same seed gives the same library.
Summary fill(Database &db, const QDate &businessDate, const Size &size = {}, quint32 seed = 2026);

} // namespace DemoLibrary

} // namespace tarvo
