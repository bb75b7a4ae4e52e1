#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace tarvo {

// One class in the classification tree as the window shows it.
struct ClassNode
{
    QString key;
    QString code; // SortCode
    QString name; // SortName
    // A class whose parent row is missing: kept in view under the root.
    bool orphan = false;
    ClassNode *parent = nullptr;
    int row = 0; // position among its parent's children
    std::vector<std::unique_ptr<ClassNode>> children;

    // What the tree shows: "SortCode SortName"; the root shows its name alone.
    QString text() const { return parent ? code + u' ' + name : name; }
};

} // namespace tarvo
