#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace tarvo {

class Database;
class Prompt;
struct TableDef;

// One word table (Code, the word, and whatever else it holds) edited row by row in
// a grid, as a data set behind a grid is: the current row is browsed, edited or a
// new one; a row is written when it is posted, and only with its Code filled in.
class WordList
{
public:
    enum class State { Browse, Edit, Insert };

    struct Table
    {
        QString caption;
        QString name;
    };
    // The word lists behind the book and magazine editors, in the order of their buttons.
    static const QList<Table> &bookTables();
    // The words of a word table, for the drop-downs of the editors; nothing for a
    // table that is no word table of the schema.
    static QStringList words(Database &db, const QString &table);

    // A grid follows every change of the rows through the listener.
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void aboutToBeReset() = 0;
        virtual void reset() = 0;
        virtual void rowAboutToBeAdded(int row) = 0;
        virtual void rowAdded() = 0;
        virtual void rowAboutToBeRemoved(int row) = 0;
        virtual void rowRemoved() = 0;
        virtual void rowChanged(int row) = 0;
    };

    WordList(Database &db, Prompt &prompt)
        : m_db(db)
        , m_prompt(prompt)
    {
    }

    void setListener(Listener *listener) { m_listener = listener; }

    // Lists a word table, ordered by Code. A filled row being edited is posted first;
    // false, with nothing changed, when that post is refused or the table is no word table.
    bool open(const QString &table);
    QString table() const;
    const QStringList &fields() const { return m_fields; }
    // How many characters a field holds.
    int maxLength(const QString &field) const;

    int count() const { return int(m_rows.size()); }
    QVariant value(int row, const QString &field) const;
    int current() const { return m_current; }
    State state() const { return m_state; }

    // Moves to another row. The row left is posted when its Code is filled and
    // discarded otherwise; false, staying put, when the post is refused.
    bool setCurrent(int row);
    // A new, empty row at the end (新增, F2), after leaving the current one.
    bool append();
    // Edits a field of the current row.
    bool setValue(const QString &field, const QVariant &value);
    // 保存 (F3): writes the current row when there is one, its Code is filled and it
    // is being edited or inserted; a Code the table holds already is refused.
    bool post();
    // Back to the row as stored; a new row goes away.
    void cancel();
    // Deletes the current row without asking (删除, F4).
    bool remove();
    // Deletes the current row after "是否删除此记录？" (the Delete key).
    bool removeAsking();

    // Enter in the grid, in a column of the grid's fields: the column to go to. Before
    // the last column, the next one; in the last with the Code filled, the row is
    // posted and the next row (a new one past the end) begins at the first column;
    // with the Code empty, back to the Code column.
    int enter(const QStringList &columns, int column);

private:
    bool leaveRow();
    // The insert or update of the current row; throws DbError.
    void write(const QVariantList &row);
    bool codeFilled(int row) const;
    int fieldIndex(const QString &field) const;
    QString codeOf(const QVariantList &row) const;
    // The rows holding a stored word (an empty one, too).
    QString wordCondition(const QString &code, QVariantList &params) const;

    Database &m_db;
    Prompt &m_prompt;
    const TableDef *m_table = nullptr;
    QStringList m_fields;
    QList<QVariantList> m_rows;
    QVariantList m_stored; // the current row as stored, while it is edited
    int m_current = -1;
    State m_state = State::Browse;
    Listener *m_listener = nullptr;
};

} // namespace tarvo
