#include "DataUpgrade.h"

#include "Helpers.h"
#include "Prompt.h"
#include "core/db/DbError.h"
#include "core/db/Schema.h"
#include "core/db/Transaction.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

constexpr int kRowsPerRead = 2000;

// A value of the older file as the current column takes it: Booleans and dates are
// typed, so either engine binds them as its own.
QVariant converted(const QVariant &value, ColumnType type)
{
    if (value.isNull())
        return type == ColumnType::Date ? QVariant(QMetaType::fromType<QDate>()) : value;
    switch (type) {
    case ColumnType::Bool:
        return value.toBool();
    case ColumnType::Date: {
        const QDate date = value.typeId() == QMetaType::QDate ? value.toDate() : dateFromText(value.toString());
        return date.isValid() ? QVariant(date) : QVariant(QMetaType::fromType<QDate>());
    }
    default:
        return value;
    }
}

} // namespace

void DataUpgrade::openSource(const QString &file)
{
    m_source.close();
    const QString current = QFileInfo(m_current.target().location).canonicalFilePath();
    if (m_current.engine() == Engine::SQLite && QFileInfo(file).canonicalFilePath() == current)
        throw DbError(u"不能从正在使用的数据库升级！"_s);
    m_source.open({Engine::SQLite, QFileInfo(file).absoluteFilePath(), false}, Database::OpenMode::ReadOnly);
}

bool DataUpgrade::fillsTable(const QString &table)
{
    const QString name = table.toUpper();
    if (name.startsWith(u"QRY") || name == u"TABLESTRUCTURE" || name == u"MODULETABLE" || name == u"TYPE")
        return false;
    return Schema::table(table) != nullptr;
}

bool DataUpgrade::run(Prompt &prompt, const Progress &progress)
{
    if (prompt.question(u"是否要升级。"_s, u"提示！"_s, Prompt::Button::Ok | Prompt::Button::Cancel,
                        Prompt::Button::Cancel) != Prompt::Button::Ok)
        return false;
    if (!sourceOpen()) {
        prompt.error(u"请设置右边的原账套数据库"_s);
        return false;
    }
    const QStringList tables = m_source.tables();
    Transaction transaction(m_current);
    for (qsizetype i = 0; i < tables.size(); ++i) {
        if (fillsTable(tables.at(i)))
            copyTable(tables.at(i), Schema::table(tables.at(i))->name);
        if (progress)
            progress(int(i + 1), int(tables.size()));
    }
    transaction.commit();
    prompt.info(u"数据升级成功!"_s);
    return true;
}

void DataUpgrade::copyTable(const QString &sourceTable, const QString &table)
{
    const TableDef &def = *Schema::table(table);
    QStringList columns;
    QList<ColumnType> types;
    const QStringList oldColumns = m_source.query(u"select * from "_s + sourceTable + u" limit 0"_s).fieldNames();
    for (const QString &column : oldColumns) {
        const ColumnDef *target = def.column(column);
        if (target && target->name.compare(u"Id", Qt::CaseInsensitive) != 0) {
            columns << target->name;
            types << target->type;
        }
    }
    m_current.exec(u"delete from "_s + table);
    if (columns.isEmpty())
        return;

    const QString insert = u"insert into "_s + table + u" ("_s + columns.join(u", "_s) + u") values ("_s +
                           QStringList(columns.size(), u"?"_s).join(u", "_s) + u')';
    // The older file is read in rowid order, a page at a time, so memory stays flat.
    const QString read = u"select rowid as tarvo_rowid, "_s + columns.join(u", "_s) + u" from "_s + sourceTable +
                         u" where rowid > ? order by rowid limit "_s + QString::number(kRowsPerRead);
    qint64 after = -1;
    for (;;) {
        ResultSet rows = m_source.query(read, {after});
        if (rows.isEmpty())
            break;
        for (rows.first(); !rows.eof(); rows.next()) {
            QVariantList values;
            values.reserve(columns.size());
            for (qsizetype c = 0; c < columns.size(); ++c)
                values << converted(rows.at(rows.position(), int(c) + 1), types.at(c));
            m_current.exec(insert, values);
        }
        rows.last();
        after = rows.integer(u"tarvo_rowid");
    }
}

} // namespace tarvo
