#pragma once

#include "GridData.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace tarvo {

class Database;

// A SELECT too large to hold in memory, as a list window shows it: the engine
// counts it and sorts it, and rows are read a page at a time as they come into
// view, so opening and scrolling a million rows stay fast and memory stays flat.
class PagedResult : public GridRows
{
public:
    // select: the statement without ORDER BY; order: its own order ("Id", "Code desc");
    // rowKey: a unique integer column of the rows ("Id"), which makes re-sorting cheap.
    PagedResult(Database &db, QString select, QVariantList params, QString order, QString rowKey = {});
    ~PagedResult() override;
    PagedResult(const PagedResult &) = delete;
    PagedResult &operator=(const PagedResult &) = delete;

    qsizetype count() const override { return m_count; }
    QVariant value(qsizetype row, int column) const override;
    const QStringList &fieldNames() const { return m_fields; }
    int fieldIndex(const QString &field) const;
    QVariant value(qsizetype row, const QString &field) const;

    // Orders the rows by a field; the order and position of equal rows stay stable.
    void sortBy(const QString &field, bool descending);
    // The statement's own order again.
    void clearSort();
    // Counts, sorts and reads the rows again (after a change), in the current order.
    void requery();
    // The sum of a field over all rows, for a grid's footer.
    double sum(const QString &field) const;
    // The position of the first row whose field equals the value without regard to
    // case, or -1.
    qsizetype locate(const QString &field, const QVariant &value);

    static constexpr int kPageSize = 256;

private:
    const QList<QVariantList> &page(qsizetype index) const;
    // The statement in its current order, when no sort table holds the order.
    QString orderedSelect() const;
    void dropSortTable();

    Database &m_db;
    QString m_select;
    QVariantList m_params;
    QString m_order;
    QString m_rowKey;
    QString m_sortTable;
    QString m_sortOrder;
    QStringList m_fields;
    qsizetype m_count = 0;

    mutable QHash<qsizetype, QList<QVariantList>> m_pages;
    mutable QList<qsizetype> m_recentPages;
};

} // namespace tarvo
