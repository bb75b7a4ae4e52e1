#include "EditRecord.h"

#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Schema.h"

using namespace Qt::StringLiterals;

namespace tarvo {

EditRecord::EditRecord(Database &db, const QString &table)
    : m_db(db)
    , m_table(Schema::table(table))
{
    if (!m_table)
        throw DbError(u"没有这个表: "_s + table);
    append();
}

void EditRecord::append(const QString &keyField)
{
    m_mode = Mode::Add;
    m_keyField = keyField.isEmpty() ? QString() : columnName(keyField);
    m_keyValue.clear();
    m_values.clear();
    m_loaded.clear();
}

bool EditRecord::load(const QString &keyField, const QVariant &keyValue)
{
    const QString key = columnName(keyField);
    const ResultSet rs = m_db.query(u"select * from "_s + m_table->name + u" where "_s + key + u" = ?"_s
                                        + m_db.dialect().limitClause(1),
                                    {keyValue});
    if (rs.isEmpty())
        return false;
    m_values.clear();
    for (const ColumnDef &column : m_table->columns) {
        const QVariant v = rs.value(column.name);
        if (!v.isNull())
            m_values.insert(column.name.toLower(), v);
    }
    m_loaded = m_values;
    m_mode = Mode::Edit;
    m_keyField = key;
    m_keyValue = rs.value(key);
    return true;
}

QString EditRecord::columnName(const QString &field) const
{
    const ColumnDef *column = m_table->column(field);
    if (!column)
        throw DbError(u"字段不存在: "_s + m_table->name + u'.' + field);
    return column->name;
}

QVariant EditRecord::value(const QString &field) const
{
    return m_values.value(columnName(field).toLower());
}

QString EditRecord::text(const QString &field) const
{
    return value(field).toString();
}

void EditRecord::setValue(const QString &field, const QVariant &value)
{
    const QString key = columnName(field).toLower();
    const bool empty = value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty());
    if (empty)
        m_values.remove(key);
    else
        m_values.insert(key, value);
}

QString EditRecord::rowCondition(QVariantList &params) const
{
    // The Id finds the row again exactly; tables without one go by their key field.
    if (m_table->column(u"Id"_s) && m_loaded.contains(u"id"_s)) {
        params << m_loaded.value(u"id"_s);
        return u"Id = ?"_s;
    }
    if (m_keyField.isEmpty())
        throw DbError(u"记录没有关键字段: "_s + m_table->name);
    params << m_keyValue;
    return m_keyField + u" = ?"_s;
}

void EditRecord::post()
{
    QStringList columns;
    QVariantList values;
    for (const ColumnDef &column : m_table->columns) {
        if (column.type == ColumnType::AutoNumber)
            continue;
        const QString key = column.name.toLower();
        if (m_mode == Mode::Add && !m_values.contains(key))
            continue;
        if (m_mode == Mode::Edit && m_values.value(key) == m_loaded.value(key)
            && m_values.contains(key) == m_loaded.contains(key))
            continue;
        columns << column.name;
        values << m_values.value(key);
    }
    if (m_mode == Mode::Add) {
        QStringList marks(columns.size(), u"?"_s);
        const QString sql = u"insert into "_s + m_table->name
            + (columns.isEmpty() ? u" default values"_s
                                 : u" ("_s + columns.join(u", "_s) + u") values ("_s + marks.join(u", "_s) + u')');
        if (m_table->column(u"Id"_s)) {
            m_values.insert(u"id"_s, m_db.insertReturningId(sql, values));
        } else {
            m_db.exec(sql, values);
        }
        m_mode = Mode::Edit;
        m_loaded = m_values;
        if (!m_keyField.isEmpty())
            m_keyValue = m_values.value(m_keyField.toLower());
        return;
    }
    if (columns.isEmpty())
        return;
    QStringList assignments;
    for (const QString &column : columns)
        assignments << column + u" = ?"_s;
    QVariantList params = values;
    const QString where = rowCondition(params);
    m_db.exec(u"update "_s + m_table->name + u" set "_s + assignments.join(u", "_s) + u" where "_s + where, params);
    m_loaded = m_values;
    if (!m_keyField.isEmpty())
        m_keyValue = m_values.value(m_keyField.toLower());
}

void EditRecord::restore(const Snapshot &s)
{
    m_mode = s.mode;
    m_keyValue = s.keyValue;
    m_values = s.values;
    m_loaded = s.loaded;
}

} // namespace tarvo
