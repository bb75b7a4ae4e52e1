#include "ColumnLayout.h"

#include "core/db/Database.h"
#include "core/db/Transaction.h"

using namespace Qt::StringLiterals;

namespace tarvo {

std::optional<QString> ColumnLayout::tableCodeOf(const QString &formName)
{
    const ResultSet rs = m_db.query(u"select TableCode from ModuleTable where ModuleCode = ?"_s, {formName});
    if (rs.isEmpty())
        return std::nullopt;
    return rs.text(u"TableCode");
}

QString ColumnLayout::keyFieldOf(const QString &tableCode)
{
    return m_db
        .scalar(u"select ColumnsCode from TableStructure where TableCode = ? and IsKey = ? order by TableOrder"_s,
                {tableCode, true})
        .toString();
}

QList<LayoutColumn> ColumnLayout::read(const QString &tableCode, bool visibleOnly)
{
    QString sql = u"select * from TableStructure where TableCode = ?"_s;
    QVariantList params{tableCode};
    if (visibleOnly) {
        sql += u" and IsVisible = ?"_s;
        params << true;
    }
    ResultSet rs = m_db.query(sql + u" order by TableOrder, Id"_s, params);
    QList<LayoutColumn> columns;
    for (; !rs.eof(); rs.next()) {
        columns.append({rs.integer(u"Id"), rs.text(u"ColumnsCode"), rs.text(u"ColumnsName"),
                        int(rs.integer(u"TableOrder")), int(rs.integer(u"ColumnsLength")), rs.boolean(u"IsKey"),
                        rs.boolean(u"IsVisible")});
    }
    return columns;
}

QList<LayoutColumn> ColumnLayout::visibleColumns(const QString &tableCode)
{
    return read(tableCode, true);
}

QList<LayoutColumn> ColumnLayout::allColumns(const QString &tableCode)
{
    return read(tableCode, false);
}

const LayoutColumn *ColumnLayout::find(const QList<LayoutColumn> &rows, const QString &field)
{
    for (const LayoutColumn &row : rows) {
        if (row.field.compare(field, Qt::CaseInsensitive) == 0)
            return &row;
    }
    for (const LayoutColumn &row : rows) {
        if (row.field.startsWith(field, Qt::CaseInsensitive))
            return &row;
    }
    return nullptr;
}

void ColumnLayout::saveGrid(const QString &tableCode, const QList<std::pair<QString, int>> &fieldsAndWidths)
{
    const QList<LayoutColumn> rows = allColumns(tableCode);
    Transaction transaction(m_db);
    for (qsizetype i = 0; i < fieldsAndWidths.size(); ++i) {
        const auto &[field, width] = fieldsAndWidths.at(i);
        if (const LayoutColumn *row = find(rows, field))
            m_db.exec(u"update TableStructure set ColumnsLength = ?, TableOrder = ? where Id = ?"_s,
                      {width, int(i + 1), row->id});
    }
    transaction.commit();
}

void ColumnLayout::saveRows(const QList<LayoutColumn> &rows)
{
    Transaction transaction(m_db);
    for (const LayoutColumn &row : rows) {
        m_db.exec(u"update TableStructure set ColumnsName = ?, IsVisible = ?, ColumnsLength = ?, TableOrder = ?"
                  " where Id = ?"_s,
                  {row.title, row.visible, row.width, row.order, row.id});
    }
    transaction.commit();
}

} // namespace tarvo
