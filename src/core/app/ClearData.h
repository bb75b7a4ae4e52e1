#pragma once

#include <QDate>
#include <functional>

namespace tarvo {

class Database;
class Prompt;

// The clearing of old data (清理数据): whole groups of tables, or the returned
// loans of a period, deleted in one transaction.
namespace ClearData {

enum class Choice {
    Everything,      // 清理全部数据资料(包括基础资料和借还数据)
    Circulation,     // 清理全部业务数据(仅借还数据)
    ReturnedBetween, // 清理指定日期段的还书数据
};

struct Range
{
    QDate from;
    QDate to;
};

// The period offered first: the month before the business date's month ends it,
// and it reaches 30 days further back (2024-05-06 gives 2024-03-31 .. 2024-04-30).
Range defaultRange(const QDate &businessDate);

// Runs the choice in one transaction, reporting progress in percent; says
// "清理成功!" when done, or the engine's message after rolling back. The range
// counts for ReturnedBetween only, both ends included.
bool run(Database &db, Prompt &prompt, Choice choice, const Range &range, const std::function<void(int)> &progress);

} // namespace ClearData

} // namespace tarvo
