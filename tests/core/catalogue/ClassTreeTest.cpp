#include "core/catalogue/ClassTree.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;

namespace {

ClassNode *add(ClassTree &tree, ClassNode *parent, const QString &key, const QString &code, bool orphan = false)
{
    auto node = std::make_unique<ClassNode>();
    node->key = key;
    node->code = code;
    node->name = code + u"类"_s;
    node->orphan = orphan;
    ClassNode *added = node.get();
    std::vector<std::unique_ptr<ClassNode>> one;
    one.push_back(std::move(node));
    tree.append(parent, std::move(one));
    return added;
}

// A: A1, A2 (A21); B: B1; and, kept under the root for want of its parent
// 00020005, the class 000200050001 with a child of its own.
class ClassTreeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        a = add(tree, tree.root(), u"0001"_s, u"A"_s);
        add(tree, a, u"00010001"_s, u"A1"_s);
        a2 = add(tree, a, u"00010002"_s, u"A2"_s);
        add(tree, a2, u"000100020001"_s, u"A21"_s);
        b = add(tree, tree.root(), u"0002"_s, u"B"_s);
        add(tree, b, u"00020001"_s, u"B1"_s);
        kept = add(tree, tree.root(), u"000200050001"_s, u"B51"_s, true);
        add(tree, kept, u"0002000500010001"_s, u"B511"_s);
    }

    ClassTree tree;
    ClassNode *a = nullptr;
    ClassNode *a2 = nullptr;
    ClassNode *b = nullptr;
    ClassNode *kept = nullptr;
};

TEST_F(ClassTreeTest, findsANodeByWalkingDownItsKey)
{
    const std::pair<QString, QString> found[] = {
        {u"00"_s, QString()}, // the root
        {u"0001"_s, u"A"_s},
        {u"00010002"_s, u"A2"_s},
        {u"000100020001"_s, u"A21"_s},
        {u"00020001"_s, u"B1"_s},
        {u"000200050001"_s, u"B51"_s},
        // B is a prefix too, but the longer key of the kept class is the way down.
        {u"0002000500010001"_s, u"B511"_s},
    };
    for (const auto &[key, code] : found) {
        const ClassNode *node = tree.findNode(key);
        ASSERT_NE(node, nullptr) << key.toStdString();
        EXPECT_EQ(node->code, code) << key.toStdString();
        EXPECT_EQ(node->key, key);
    }
    for (const QString &missing : {u"0003"_s, u"00030001"_s, u"00010003"_s, u"000100010001"_s, QString()})
        EXPECT_EQ(tree.findNode(missing), nullptr) << missing.toStdString();
}

TEST_F(ClassTreeTest, showsCodeAndNameAndKeepsRowsInStepOnRemoval)
{
    EXPECT_EQ(tree.root()->text(), u"中图分类简表"_s);
    EXPECT_EQ(a2->text(), u"A2 A2类"_s);
    tree.remove(a);
    EXPECT_EQ(tree.findNode(u"000100020001"_s), nullptr);
    ASSERT_EQ(tree.root()->children.size(), 2u);
    EXPECT_EQ(b->row, 0);
    EXPECT_EQ(kept->row, 1);
    tree.remove(tree.root()); // the root stays
    EXPECT_EQ(tree.root()->children.size(), 2u);
}

} // namespace
