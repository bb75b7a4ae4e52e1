#include "WordList.h"

#include "core/app/Prompt.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Schema.h"
#include "core/db/Transaction.h"

using namespace Qt::StringLiterals;

namespace tarvo {

const QList<WordList::Table> &WordList::bookTables()
{
    static const QList<Table> tables{
        {u"代理商"_s, u"Booksupplier"_s}, {u"附件"_s, u"Bookattch"_s}, {u"架位"_s, u"Bookposi"_s},
        {u"分级"_s, u"Bookgrade"_s},      {u"语系"_s, u"BookLang"_s},  {u"印刷"_s, u"BookPrint"_s},
        {u"尺寸"_s, u"BookSize"_s},
    };
    return tables;
}

QStringList WordList::words(Database &db, const QString &table)
{
    const TableDef *def = Schema::table(table);
    if (!def || !def->column(u"Code"_s))
        return {};
    QStringList words;
    const ResultSet rs = db.query(u"select Code from "_s + def->name + u" where Code is not null order by Code"_s);
    for (qsizetype r = 0; r < rs.count(); ++r)
        words << rs.at(r, 0).toString();
    return words;
}

bool WordList::open(const QString &table)
{
    // Only a table of the schema with a Code column: its name goes into the statement.
    const TableDef *def = Schema::table(table);
    if (!def || !def->column(u"Code"_s) || !leaveRow())
        return false;
    QStringList fields;
    for (const ColumnDef &column : def->columns)
        fields << column.name;
    QList<QVariantList> rows;
    const ResultSet rs =
        m_db.query(u"select "_s + fields.join(u", "_s) + u" from "_s + def->name + u" order by Code"_s);
    for (qsizetype r = 0; r < rs.count(); ++r) {
        QVariantList row;
        for (int c = 0; c < fields.size(); ++c)
            row << rs.at(r, c);
        rows << row;
    }
    if (m_listener)
        m_listener->aboutToBeReset();
    m_table = def;
    m_fields = fields;
    m_rows = rows;
    m_stored.clear();
    m_state = State::Browse;
    m_current = m_rows.isEmpty() ? -1 : 0;
    if (m_listener)
        m_listener->reset();
    return true;
}

QString WordList::table() const
{
    return m_table ? m_table->name : QString();
}

int WordList::maxLength(const QString &field) const
{
    const ColumnDef *column = m_table ? m_table->column(field) : nullptr;
    return column ? column->size : 0;
}

int WordList::fieldIndex(const QString &field) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant WordList::value(int row, const QString &field) const
{
    const int column = fieldIndex(field);
    if (row < 0 || row >= count() || column < 0)
        return {};
    return m_rows.at(row).at(column);
}

QString WordList::codeOf(const QVariantList &row) const
{
    const int column = fieldIndex(u"Code"_s);
    return column < 0 || column >= row.size() ? QString() : row.at(column).toString();
}

bool WordList::codeFilled(int row) const
{
    return row >= 0 && row < count() && !codeOf(m_rows.at(row)).isEmpty();
}

bool WordList::setCurrent(int row)
{
    if (row == m_current)
        return true;
    if (row < 0 || row >= count() || !leaveRow())
        return false;
    // Leaving may have dropped a new row, which is always the last: row is still in range.
    m_current = row;
    return true;
}

bool WordList::leaveRow()
{
    if (m_state == State::Browse)
        return true;
    if (codeFilled(m_current))
        return post();
    cancel();
    return true;
}

bool WordList::append()
{
    if (!m_table || !leaveRow())
        return false;
    const int row = count();
    if (m_listener)
        m_listener->rowAboutToBeAdded(row);
    m_rows << QVariantList(m_fields.size());
    m_current = row;
    m_state = State::Insert;
    if (m_listener)
        m_listener->rowAdded();
    return true;
}

bool WordList::setValue(const QString &field, const QVariant &value)
{
    const int column = fieldIndex(field);
    if (m_current < 0 || column < 0)
        return false;
    QVariant typed = value;
    if (typed.typeId() == QMetaType::QString) {
        const QString text = typed.toString().trimmed();
        typed = text.isEmpty() ? QVariant() : QVariant(text);
    }
    QVariantList &row = m_rows[m_current];
    if (row.at(column) == typed && row.at(column).isNull() == typed.isNull())
        return true;
    if (m_state == State::Browse) {
        m_stored = row;
        m_state = State::Edit;
    }
    row[column] = typed;
    if (m_listener)
        m_listener->rowChanged(m_current);
    return true;
}

QString WordList::wordCondition(const QString &code, QVariantList &params) const
{
    if (code.isEmpty())
        return u"(Code is null or Code = '')"_s;
    params << code;
    return u"Code = ?"_s;
}

bool WordList::post()
{
    if (count() == 0 || m_state == State::Browse || !codeFilled(m_current))
        return false;
    const QVariantList &row = m_rows.at(m_current);
    const QString code = codeOf(row);
    const bool sameWord =
        m_state == State::Edit && code.compare(codeOf(m_stored), Qt::CaseInsensitive) == 0;
    bool duplicate = false;
    try {
        Transaction transaction(m_db);
        duplicate = !sameWord
            && !m_db.scalar(u"select 1 from "_s + m_table->name + u" where Code = ?"_s + m_db.dialect().limitClause(1),
                            {code})
                    .isNull();
        if (!duplicate) {
            write(row);
            transaction.commit();
        }
    } catch (const DbError &) {
        m_prompt.info(u"存盘失败！"_s);
        return false;
    }
    // Said after the rollback, so that no other desk waits on the message.
    if (duplicate) {
        m_prompt.info(u"该词条已有重复！请重新录入"_s);
        return false;
    }
    m_state = State::Browse;
    m_stored.clear();
    return true;
}

void WordList::write(const QVariantList &row)
{
    if (m_state == State::Insert) {
        const QStringList marks(m_fields.size(), u"?"_s);
        m_db.exec(u"insert into "_s + m_table->name + u" ("_s + m_fields.join(u", "_s) + u") values ("_s
                      + marks.join(u", "_s) + u')',
                  row);
        return;
    }
    QStringList assignments;
    for (const QString &field : m_fields)
        assignments << field + u" = ?"_s;
    QVariantList params = row;
    const QString where = wordCondition(codeOf(m_stored), params);
    // A word another desk deleted meanwhile is a failed save, not a silent one.
    if (m_db.exec(u"update "_s + m_table->name + u" set "_s + assignments.join(u", "_s) + u" where "_s + where,
                  params)
        == 0)
        throw DbError(u"word gone: "_s + codeOf(m_stored));
}

void WordList::cancel()
{
    if (m_state == State::Insert) {
        const int row = m_current;
        if (m_listener)
            m_listener->rowAboutToBeRemoved(row);
        m_rows.removeAt(row);
        m_current = count() - 1;
        m_state = State::Browse;
        if (m_listener)
            m_listener->rowRemoved();
        return;
    }
    if (m_state == State::Edit) {
        m_rows[m_current] = m_stored;
        m_stored.clear();
        m_state = State::Browse;
        if (m_listener)
            m_listener->rowChanged(m_current);
    }
}

bool WordList::remove()
{
    if (count() == 0 || m_current < 0)
        return false;
    if (m_state == State::Insert) {
        cancel();
        return true;
    }
    QVariantList params;
    const QString where =
        wordCondition(codeOf(m_state == State::Edit ? m_stored : m_rows.at(m_current)), params);
    try {
        Transaction transaction(m_db);
        m_db.exec(u"delete from "_s + m_table->name + u" where "_s + where, params);
        transaction.commit();
    } catch (const DbError &) {
        m_prompt.info(u"删除出错！"_s);
        return false;
    }
    const int row = m_current;
    if (m_listener)
        m_listener->rowAboutToBeRemoved(row);
    m_rows.removeAt(row);
    m_stored.clear();
    m_state = State::Browse;
    m_current = qMin(row, count() - 1);
    if (m_listener)
        m_listener->rowRemoved();
    return true;
}

bool WordList::removeAsking()
{
    if (count() == 0)
        return false;
    if (m_prompt.question(u"是否删除此记录？"_s, u"询问"_s, Prompt::Button::Ok | Prompt::Button::Cancel,
                          Prompt::Button::Ok)
        != Prompt::Button::Ok)
        return false;
    return remove();
}

int WordList::enter(const QStringList &columns, int column)
{
    if (column < columns.size() - 1)
        return column + 1;
    int codeColumn = 0;
    for (int c = 0; c < columns.size(); ++c) {
        if (columns.at(c).compare(u"Code"_s, Qt::CaseInsensitive) == 0) {
            codeColumn = c;
            break;
        }
    }
    if (!codeFilled(m_current))
        return codeColumn;
    if (m_state != State::Browse && !post())
        return column;
    if (m_current + 1 < count())
        setCurrent(m_current + 1);
    else
        append();
    return 0;
}

} // namespace tarvo
