#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

namespace tarvo {

class Database;
struct TableDef;

// One record of a table being added or edited in a dialog: its values, the mode,
// and the write back to the table. Nothing is written until post().
class EditRecord
{
public:
    enum class Mode { Add = 1, Edit = 2 };

    EditRecord(Database &db, const QString &table);

    // A new, empty record; keyField names the field that identifies it once written.
    void append(const QString &keyField = {});
    // The record whose key field equals the value (without regard to case); false
    // when there is none.
    bool load(const QString &keyField, const QVariant &keyValue);

    Mode mode() const { return m_mode; }
    const TableDef &table() const { return *m_table; }

    QVariant value(const QString &field) const;
    QString text(const QString &field) const;
    // Sets a field of the table; an empty text is stored as null.
    void setValue(const QString &field, const QVariant &value);
    bool isModified() const { return m_values != m_loaded; }

    // Writes the record: an insert in Add mode, an update of the loaded row in Edit
    // mode. Throws DbError. After an insert the record is the new row, in Edit mode.
    void post();
    // Back to the values as loaded (or empty, for a new record).
    void cancel() { m_values = m_loaded; }

    // What the record is now, to return to when the transaction of a post rolls back.
    struct Snapshot
    {
        Mode mode;
        QVariant keyValue;
        QHash<QString, QVariant> values;
        QHash<QString, QVariant> loaded;
    };
    Snapshot snapshot() const { return {m_mode, m_keyValue, m_values, m_loaded}; }
    void restore(const Snapshot &s);

private:
    QString columnName(const QString &field) const;
    QString rowCondition(QVariantList &params) const;

    Database &m_db;
    const TableDef *m_table;
    Mode m_mode = Mode::Add;
    QString m_keyField;
    QVariant m_keyValue;
    QHash<QString, QVariant> m_values; // by lower-case column name
    QHash<QString, QVariant> m_loaded;
};

} // namespace tarvo
