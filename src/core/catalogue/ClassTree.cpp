#include "ClassTree.h"

#include "ClassKeys.h"

using namespace Qt::StringLiterals;

namespace tarvo {

ClassTree::ClassTree()
{
    m_root.key = ClassKeys::kRootKey.toString();
    m_root.name = u"中图分类简表"_s;
}

ClassNode *ClassTree::findNode(QStringView key)
{
    if (key == ClassKeys::kRootKey)
        return &m_root;
    if (key.isEmpty())
        return nullptr;
    ClassNode *current = &m_root;
    for (;;) {
        ClassNode *next = nullptr;
        for (const auto &child : current->children) {
            if (child->key == key)
                return child.get();
            // Keys of one level are equally long, so at most one is a prefix; a longer
            // one can only be a class kept under the root for want of its parent.
            if (!child->key.isEmpty() && key.startsWith(child->key)
                && (!next || child->key.size() > next->key.size()))
                next = child.get();
        }
        if (!next)
            return nullptr;
        current = next;
    }
}

void ClassTree::append(ClassNode *parent, std::vector<std::unique_ptr<ClassNode>> nodes)
{
    if (nodes.empty())
        return;
    const int first = int(parent->children.size());
    const int last = first + int(nodes.size()) - 1;
    if (m_listener)
        m_listener->childrenAboutToBeAdded(*parent, first, last);
    int row = first;
    for (auto &node : nodes) {
        node->parent = parent;
        node->row = row++;
        parent->children.push_back(std::move(node));
    }
    if (m_listener)
        m_listener->childrenAdded();
}

void ClassTree::remove(ClassNode *node)
{
    if (!node || node == &m_root || !node->parent)
        return;
    if (m_listener)
        m_listener->nodeAboutToBeRemoved(*node);
    auto &siblings = node->parent->children;
    siblings.erase(siblings.begin() + node->row);
    for (std::size_t i = 0; i < siblings.size(); ++i)
        siblings[i]->row = int(i);
    if (m_listener)
        m_listener->nodeRemoved();
}

void ClassTree::rename(ClassNode *node, const QString &code, const QString &name)
{
    node->code = code;
    node->name = name;
    if (m_listener)
        m_listener->nodeChanged(*node);
}

void ClassTree::clear()
{
    if (m_listener)
        m_listener->aboutToBeCleared();
    m_root.children.clear();
    if (m_listener)
        m_listener->cleared();
}

} // namespace tarvo
