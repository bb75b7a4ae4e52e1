#include "Classification.h"

#include "ClassKeys.h"
#include "core/app/Prompt.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Transaction.h"
#include "core/framework/SqlCondition.h"

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

// Keys bound in one statement when a node's children load theirs.
constexpr qsizetype kKeysPerQuery = 500;

std::unique_ptr<ClassNode> nodeOf(const ResultSet &rs)
{
    auto node = std::make_unique<ClassNode>();
    node->key = rs.text(u"sKey");
    node->code = rs.text(u"SortCode");
    node->name = rs.text(u"SortName");
    return node;
}

Classification::Row rowOf(const ResultSet &rs)
{
    return {rs.text(u"sKey"), rs.text(u"ParentKey"), rs.text(u"SortCode"), rs.text(u"SortName")};
}

} // namespace

void Classification::load()
{
    m_tree.clear();
    const QString root = ClassKeys::kRootKey.toString();
    place(m_db.query(u"select * from Type where ParentKey = ? or ParentKey in"
                     " (select sKey from Type where ParentKey = ?) order by sKey"_s,
                     {root, root}));
    ResultSet orphans = m_db.query(
        u"select * from Type t where t.sKey <> '' and (t.ParentKey is null or t.ParentKey <> ?)"
        " and not exists (select 1 from Type p where p.sKey = t.ParentKey) order by t.sKey"_s,
        {root});
    std::vector<std::unique_ptr<ClassNode>> kept;
    for (; !orphans.eof(); orphans.next()) {
        kept.push_back(nodeOf(orphans));
        kept.back()->orphan = true;
    }
    m_tree.append(m_tree.root(), std::move(kept));
}

void Classification::loadBelow(ClassNode *node)
{
    QStringList keys;
    for (const auto &child : node->children) {
        if (child->children.empty())
            keys << child->key;
    }
    for (qsizetype from = 0; from < keys.size(); from += kKeysPerQuery) {
        const QStringList some = keys.mid(from, kKeysPerQuery);
        const QStringList marks(some.size(), u"?"_s);
        QVariantList params;
        for (const QString &key : some)
            params << key;
        place(m_db.query(u"select * from Type where ParentKey in ("_s + marks.join(u", "_s)
                             + u") order by ParentKey, sKey"_s,
                         params));
    }
}

void Classification::place(ResultSet rows)
{
    ClassNode *parent = nullptr;
    QString parentKey;
    std::vector<std::unique_ptr<ClassNode>> batch;
    const auto flush = [&] {
        if (parent)
            m_tree.append(parent, std::move(batch));
        batch.clear();
    };
    for (; !rows.eof(); rows.next()) {
        // A class without a key could not be found, changed or deleted again.
        if (rows.text(u"sKey").isEmpty())
            continue;
        const QString key = rows.text(u"ParentKey");
        if (batch.empty() || key != parentKey) {
            flush();
            parentKey = key;
            parent = m_tree.findNode(key);
        }
        // Without its parent in the tree, the row is one of those load() keeps under the root.
        if (parent)
            batch.push_back(nodeOf(rows));
    }
    flush();
}

QList<Classification::Row> Classification::subclasses(const QString &key)
{
    QList<Row> rows;
    for (ResultSet rs = m_db.query(u"select * from Type where ParentKey = ? order by sKey"_s, {key}); !rs.eof();
         rs.next())
        rows << rowOf(rs);
    return rows;
}

std::optional<Classification::Row> Classification::read(const QString &key)
{
    const ResultSet rs = m_db.query(u"select * from Type where sKey = ?"_s + m_db.dialect().limitClause(1), {key});
    if (rs.isEmpty())
        return std::nullopt;
    return rowOf(rs);
}

bool Classification::checkParent(const ClassNode *parent)
{
    if (parent)
        return true;
    m_prompt.info(u"请选择左边父类别名称!"_s);
    return false;
}

ClassNode *Classification::addClass(ClassNode *parent, const QString &code, const QString &name)
{
    if (!parent || code.trimmed().isEmpty())
        return nullptr;
    std::optional<QString> key;
    try {
        Transaction transaction(m_db);
        const QVariant greatest = m_db.scalar(u"select max(sKey) from Type where ParentKey = ?"_s, {parent->key});
        key = ClassKeys::nextChildKey(parent->key, greatest.toString());
        if (key) {
            m_db.exec(u"insert into Type (sKey, SortCode, SortName, ParentKey) values (?, ?, ?, ?)"_s,
                      {*key, code.trimmed(), name.trimmed(), parent->key});
            transaction.commit();
        }
    } catch (const DbError &) {
        m_prompt.info(u"保存失败！"_s);
        return nullptr;
    }
    // Said after the rollback, so that no other desk waits on the message.
    if (!key) {
        m_prompt.info(u"该分类已用完,请重建分类!"_s);
        return nullptr;
    }
    auto node = std::make_unique<ClassNode>();
    node->key = *key;
    node->code = code.trimmed();
    node->name = name.trimmed();
    ClassNode *added = node.get();
    std::vector<std::unique_ptr<ClassNode>> one;
    one.push_back(std::move(node));
    m_tree.append(parent, std::move(one));
    return added;
}

bool Classification::update(const QString &key, const std::optional<QString> &code,
                            const std::optional<QString> &name)
{
    QStringList assignments;
    QVariantList params;
    if (code) {
        assignments << u"SortCode = ?"_s;
        params << *code;
    }
    if (name) {
        assignments << u"SortName = ?"_s;
        params << *name;
    }
    params << key;
    try {
        Transaction transaction(m_db);
        // A class another desk deleted meanwhile is a failed save, not a silent one.
        if (m_db.exec(u"update Type set "_s + assignments.join(u", "_s) + u" where sKey = ?"_s, params) == 0)
            throw DbError(u"no class "_s + key);
        transaction.commit();
    } catch (const DbError &) {
        m_prompt.info(u"保存失败！"_s);
        return false;
    }
    if (ClassNode *node = m_tree.findNode(key); node && node != m_tree.root())
        m_tree.rename(node, code.value_or(node->code), name.value_or(node->name));
    return true;
}

bool Classification::changeClass(ClassNode *node, const QString &code, const QString &name)
{
    if (!node || node == m_tree.root())
        return false;
    return update(node->key, code.trimmed(), name.trimmed());
}

bool Classification::setField(const QString &key, const QString &field, const QString &value)
{
    if (field.compare(u"SortCode"_s, Qt::CaseInsensitive) == 0)
        return update(key, value.trimmed(), std::nullopt);
    if (field.compare(u"SortName"_s, Qt::CaseInsensitive) == 0)
        return update(key, std::nullopt, value.trimmed());
    return false;
}

bool Classification::deleteClass(ClassNode *node)
{
    if (!node || node == m_tree.root() || node->key.isEmpty())
        return false;
    if (m_prompt.question(u"请不要随意删除,否则会影响正常运行,是否确定删除此类及其所有子类？"_s, u"提示！"_s,
                          Prompt::Button::Ok | Prompt::Button::Cancel, Prompt::Button::Cancel)
        == Prompt::Button::Cancel)
        return false;
    const SqlCondition subtree = SqlCondition().beginsWith(u"sKey"_s, node->key);
    try {
        Transaction transaction(m_db);
        m_db.exec(u"delete from Type"_s + subtree.whereClause(), subtree.params());
        transaction.commit();
    } catch (const DbError &) {
        m_prompt.info(u"删除出错！"_s);
        return false;
    }
    m_tree.remove(node);
    return true;
}

} // namespace tarvo
