#pragma once

#include "ClassNode.h"

namespace tarvo {

// The classes loaded so far, under the root "中图分类简表" (key "00"). A view
// follows every change through the listener, told before and after it happens.
class ClassTree
{
public:
    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void childrenAboutToBeAdded(const ClassNode &parent, int first, int last) = 0;
        virtual void childrenAdded() = 0;
        virtual void nodeAboutToBeRemoved(const ClassNode &node) = 0;
        virtual void nodeRemoved() = 0;
        virtual void nodeChanged(const ClassNode &node) = 0;
        virtual void aboutToBeCleared() = 0;
        virtual void cleared() = 0;
    };

    ClassTree();

    void setListener(Listener *listener) { m_listener = listener; }

    ClassNode *root() { return &m_root; }
    const ClassNode *root() const { return &m_root; }

    // The node of a key, walking down from the root: at each level a child with the
    // key itself is the answer, else the child whose key is the longest prefix of it
    // is where the walk goes on. Nothing when the walk finds no such child.
    ClassNode *findNode(QStringView key);

    // Appends nodes to a parent's children, in their order.
    void append(ClassNode *parent, std::vector<std::unique_ptr<ClassNode>> nodes);
    // Removes a node with everything below it; the root stays.
    void remove(ClassNode *node);
    void rename(ClassNode *node, const QString &code, const QString &name);
    // Only the root is left.
    void clear();

private:
    ClassNode m_root;
    Listener *m_listener = nullptr;
};

} // namespace tarvo
