#pragma once

#include "ClassTree.h"

#include <QList>
#include <optional>

namespace tarvo {

class Database;
class Prompt;
class ResultSet;

// The classification scheme in table Type as the class window reads and changes
// it: the tree loaded level by level, the subclasses of a class, and adding,
// changing and deleting classes. Books keep their class numbers whatever happens here.
class Classification
{
public:
    struct Row
    {
        QString key;
        QString parentKey;
        QString code;
        QString name;
    };

    Classification(Database &db, Prompt &prompt)
        : m_db(db)
        , m_prompt(prompt)
    {
    }

    ClassTree &tree() { return m_tree; }

    // The top two levels, then the classes whose parent row is missing: those are
    // kept under the root, marked, so that they can still be seen, chosen and mended.
    void load();
    // What opening a node loads: the children of each of its children that has none
    // yet, so that the tree always holds one level more than is open.
    void loadBelow(ClassNode *node);

    // The direct subclasses of a class, in key order.
    QList<Row> subclasses(const QString &key);
    // The stored row of a key; nothing for the root or a class no longer stored.
    std::optional<Row> read(const QString &key);

    // A class is added under a chosen parent: without one, "请选择左边父类别名称!".
    bool checkParent(const ClassNode *parent);
    // Adds a class under the parent with the next free key, in one transaction.
    // An empty code adds nothing and says nothing.
    ClassNode *addClass(ClassNode *parent, const QString &code, const QString &name);
    // New code and name of a class other than the root; an empty code is accepted.
    bool changeClass(ClassNode *node, const QString &code, const QString &name);
    // One field of a class as edited in the grid: SortCode or SortName.
    bool setField(const QString &key, const QString &field, const QString &value);
    // Asks, then deletes the class with every class below it (by key prefix).
    bool deleteClass(ClassNode *node);

private:
    // Places loaded rows under the nodes of their parent keys, in their order.
    void place(ResultSet rows);
    // Writes the given fields of a class and shows them in the tree.
    bool update(const QString &key, const std::optional<QString> &code, const std::optional<QString> &name);

    Database &m_db;
    Prompt &m_prompt;
    ClassTree m_tree;
};

} // namespace tarvo
