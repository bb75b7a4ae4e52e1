#include "PagedResult.h"

#include "core/db/Database.h"
#include "core/db/DbError.h"

#include <QAtomicInt>

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {
constexpr int kPagesKept = 12;

QString nextSortTableName()
{
    static QAtomicInt counter;
    return u"tarvo_sorted_"_s + QString::number(counter.fetchAndAddRelaxed(1) + 1);
}
} // namespace

PagedResult::PagedResult(Database &db, QString select, QVariantList params, QString order, QString rowKey)
    : m_db(db)
    , m_select(std::move(select))
    , m_params(std::move(params))
    , m_order(std::move(order))
    , m_rowKey(std::move(rowKey))
{
    m_fields = m_db.query(u"select * from ("_s + m_select + u") q"_s + m_db.dialect().limitClause(0), m_params)
                   .fieldNames();
    requery();
}

PagedResult::~PagedResult()
{
    try {
        dropSortTable();
    } catch (const DbError &) {
        // The connection is going away; its temporary tables go with it.
    }
}

int PagedResult::fieldIndex(const QString &field) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString PagedResult::orderedSelect() const
{
    const QString order = m_sortOrder.isEmpty() ? m_order : m_sortOrder;
    return u"select * from ("_s + m_select + u") q"_s + (order.isEmpty() ? QString() : u" order by "_s + order);
}

const QList<QVariantList> &PagedResult::page(qsizetype index) const
{
    auto it = m_pages.find(index);
    if (it != m_pages.end()) {
        m_recentPages.removeOne(index);
        m_recentPages.append(index);
        return *it;
    }
    if (m_recentPages.size() >= kPagesKept)
        m_pages.remove(m_recentPages.takeFirst());
    ResultSet rs;
    if (!m_sortTable.isEmpty()) {
        // Positions in the sort table are 1-based and dense: a page is a range of them.
        rs = m_db.query(u"select q.* from "_s + m_sortTable + u" s join ("_s + m_select + u") q on q."_s + m_rowKey
                            + u" = s.k where s.pos > ? and s.pos <= ? order by s.pos"_s,
                        m_params + QVariantList{index * kPageSize, (index + 1) * kPageSize});
    } else {
        rs = m_db.page(orderedSelect(), m_params, index * kPageSize, kPageSize);
    }
    QList<QVariantList> rows;
    rows.reserve(rs.count());
    for (qsizetype r = 0; r < rs.count(); ++r) {
        QVariantList row;
        row.reserve(m_fields.size());
        for (int c = 0; c < m_fields.size(); ++c)
            row << rs.at(r, c);
        rows << std::move(row);
    }
    m_recentPages.append(index);
    return *m_pages.insert(index, std::move(rows));
}

QVariant PagedResult::value(qsizetype row, int column) const
{
    if (row < 0 || row >= m_count || column < 0 || column >= m_fields.size())
        return {};
    const QList<QVariantList> &rows = page(row / kPageSize);
    const qsizetype offset = row % kPageSize;
    return offset < rows.size() ? rows.at(offset).at(column) : QVariant();
}

QVariant PagedResult::value(qsizetype row, const QString &field) const
{
    return value(row, fieldIndex(field));
}

void PagedResult::dropSortTable()
{
    if (m_sortTable.isEmpty())
        return;
    const QString table = m_sortTable;
    m_sortTable.clear();
    m_db.execDirect(u"DROP TABLE IF EXISTS "_s + table);
}

void PagedResult::sortBy(const QString &field, bool descending)
{
    if (fieldIndex(field) < 0)
        throw DbError(u"字段不存在: "_s + field);
    const QString direction = descending ? u" desc"_s : u" asc"_s;
    // With a row key only the keys are sorted, into a temporary table of the
    // connection: far cheaper than sorting whole rows again for every page.
    // Equal values keep the statement's own order (or the row key's) among themselves.
    if (!m_rowKey.isEmpty())
        m_sortOrder = u"q."_s + field + direction + u", q."_s + m_rowKey;
    else
        m_sortOrder = field + direction + (m_order.isEmpty() ? QString() : u", "_s + m_order);
    requery();
}

void PagedResult::clearSort()
{
    m_sortOrder.clear();
    requery();
}

void PagedResult::requery()
{
    m_pages.clear();
    m_recentPages.clear();
    dropSortTable();
    if (!m_sortOrder.isEmpty() && !m_rowKey.isEmpty()) {
        m_sortTable = nextSortTableName();
        m_db.execDirect(m_db.dialect().createSortTable(m_sortTable));
        m_db.exec(u"insert into "_s + m_sortTable + u" (pos, k) select row_number() over (order by "_s + m_sortOrder
                      + u"), q."_s + m_rowKey + u" from ("_s + m_select + u") q"_s,
                  m_params);
        m_count = m_db.scalar(u"select count(*) from "_s + m_sortTable).toLongLong();
    } else {
        m_count = m_db.countRows(m_select, m_params);
    }
}

double PagedResult::sum(const QString &field) const
{
    if (fieldIndex(field) < 0)
        throw DbError(u"字段不存在: "_s + field);
    return m_db.scalar(u"select sum(q."_s + field + u") from ("_s + m_select + u") q"_s, m_params).toDouble();
}

qsizetype PagedResult::locate(const QString &field, const QVariant &value)
{
    if (fieldIndex(field) < 0 || value.isNull())
        return -1;
    // Look in the pages read already before asking the engine.
    const int column = fieldIndex(field);
    const QString wanted = value.toString();
    for (auto it = m_pages.cbegin(); it != m_pages.cend(); ++it) {
        for (qsizetype r = 0; r < it->size(); ++r) {
            if (it->at(r).at(column).toString().compare(wanted, Qt::CaseInsensitive) == 0)
                return it.key() * kPageSize + r;
        }
    }
    QString sql;
    if (!m_sortTable.isEmpty()) {
        sql = u"select min(s.pos) - 1 from "_s + m_sortTable + u" s join ("_s + m_select + u") q on q."_s + m_rowKey
            + u" = s.k where q."_s + field + u" = ?"_s;
    } else {
        const QString order = m_sortOrder.isEmpty() ? m_order : m_sortOrder;
        sql = u"select min(n) - 1 from (select row_number() over ("_s
            + (order.isEmpty() ? QString() : u"order by "_s + order) + u") as n, q."_s + field + u" as f from ("_s
            + m_select + u") q) numbered where f = ?"_s;
    }
    const QVariant position = m_db.scalar(sql, m_params + QVariantList{value});
    return position.isNull() ? -1 : position.toLongLong();
}

} // namespace tarvo
