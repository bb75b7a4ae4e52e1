#include "support/ModalSteps.h"
#include "support/WindowLibrary.h"

#include "core/app/AppState.h"
#include "core/db/Database.h"
#include "core/db/DeliveredDatabase.h"
#include "core/db/SeedData.h"
#include "core/db/Transaction.h"
#include "gui/catalogue/BookPubData.h"
#include "gui/catalogue/FindPublish.h"
#include "gui/catalogue/FirstData.h"
#include "gui/catalogue/SortSet.h"
#include "gui/catalogue/SortSetEdit.h"
#include "gui/controls/DataGrid.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <functional>

using namespace Qt::StringLiterals;
using namespace tarvo;
using namespace tarvo::gui;
using tarvo::test::onNextModal;

namespace {


// The class of a tree row by what it shows ("I2 中国文学"), among the rows loaded.
QModelIndex classRow(QTreeView *tree, const QString &text)
{
    const QModelIndexList found = tree->model()->match(tree->model()->index(0, 0), Qt::DisplayRole, text, 1,
                                                       Qt::MatchStartsWith | Qt::MatchRecursive);
    return found.value(0);
}

// A double click as the mouse makes it: press, release, the double click, release.
void doubleClick(QWidget *widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

// The line edit open in a grid cell.
QLineEdit *cellEditor(QTableView *grid)
{
    return grid->viewport()->findChild<QLineEdit *>();
}

} // namespace

class CatalogueWindowsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::WindowLibrary> m_library;

    QString text(const QString &sql, const QVariantList &params = {})
    {
        return m_library->text(sql, params);
    }
    int count(const QString &sql, const QVariantList &params = {}) { return m_library->count(sql, params); }

    // Runs the class window modally, as an editor's class button does, with the steps
    // done in it once it is up.
    void runSortSet(TFrmSortSet &window, const std::function<void(TFrmSortSet &)> &steps)
    {
        onNextModal([&window, steps](QWidget *modal) {
            if (modal == &window)
                steps(window);
            // A step that failed leaves the window up: close it so that the test ends.
            if (window.isVisible())
                window.done(-1);
        });
        QVERIFY(window.exec() != -1);
    }

private slots:
    void init()
    {
        m_library = std::make_unique<test::WindowLibrary>();
        // A third level under 中国文学, and a book of that class.
        const QString chinese = text(u"select sKey from Type where SortCode = 'I2'"_s);
        m_library->db.exec(u"insert into Type (sKey, ParentKey, SortCode, SortName) values (?, ?, 'I20', '文学理论')"_s,
                   {QString(chinese + u"0001"_s), chinese});
        m_library->state.BusinessDate = QDate(2024, 5, 6);
    }

    void cleanup() { m_library.reset(); }

    void treeOpensTwoLevelsDeepAndLoadsOneMoreOnExpanding()
    {
        TFrmSortSet window(m_library->context);
        QAbstractItemModelTester tester(window.tree()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QModelIndex root = window.tree()->model()->index(0, 0);
        QCOMPARE(root.data().toString(), u"中图分类简表"_s);
        QVERIFY(window.tree()->isExpanded(root));
        QCOMPARE(window.tree()->model()->rowCount(root), 22);
        QCOMPARE(window.grid()->model()->rowCount(), 22); // the top-level classes
        QCOMPARE(window.grid()->model()->headerData(0, Qt::Horizontal).toString(), u"类目分类号"_s);

        const QModelIndex literature = classRow(window.tree(), u"I 文学"_s);
        QVERIFY(literature.isValid());
        const QModelIndex chinese = classRow(window.tree(), u"I2 中国文学"_s);
        QVERIFY(!window.tree()->model()->hasChildren(chinese)); // not loaded yet
        window.tree()->expand(literature);
        QVERIFY(window.tree()->model()->hasChildren(chinese));
        QCOMPARE(window.tree()->model()->index(0, 0, chinese).data().toString(), u"I20 文学理论"_s);

        // Clicking a class lists its direct subclasses beside the tree.
        window.tree()->setCurrentIndex(chinese);
        QCOMPARE(window.grid()->model()->rowCount(), 1);
        QCOMPARE(window.grid()->model()->index(0, 1).data().toString(), u"文学理论"_s);
    }

    void okAndDoubleClickChooseCodeAndKeyEnterTheCodeAlone()
    {
        const QString key = text(u"select sKey from Type where SortCode = 'I2'"_s);
        {
            TFrmSortSet window(m_library->context);
            runSortSet(window, [](TFrmSortSet &w) {
                w.tree()->setCurrentIndex(classRow(w.tree(), u"I2 中国文学"_s));
                w.findChild<QToolButton *>(u"TbtOk"_s)->click();
            });
            QCOMPARE(window.ChosenCode, u"I2"_s);
            QCOMPARE(window.ChosenKey, key);
        }
        {
            TFrmSortSet window(m_library->context);
            runSortSet(window, [](TFrmSortSet &w) {
                w.tree()->setCurrentIndex(classRow(w.tree(), u"I2 中国文学"_s));
                QTest::keyClick(w.tree(), Qt::Key_Return);
            });
            QCOMPARE(window.ChosenCode, u"I2"_s);
            QVERIFY(window.ChosenKey.isEmpty());
        }
        {
            TFrmSortSet window(m_library->context);
            runSortSet(window, [](TFrmSortSet &w) {
                w.tree()->expand(classRow(w.tree(), u"T 工业技术"_s));
                const QModelIndex row = classRow(w.tree(), u"TP 自动化技术"_s);
                w.tree()->scrollTo(row);
                doubleClick(w.tree()->viewport(), w.tree()->visualRect(row).center());
            });
            QCOMPARE(window.ChosenCode, u"TP"_s);
            QCOMPARE(window.ChosenKey, text(u"select sKey from Type where SortCode = 'TP'"_s));
        }
    }

    void gridDoubleClickChoosesItsRowAndCancelOrRootChooseNothing()
    {
        {
            TFrmSortSet window(m_library->context);
            runSortSet(window, [](TFrmSortSet &w) {
                w.tree()->setCurrentIndex(classRow(w.tree(), u"I 文学"_s));
                QTableView *grid = w.grid();
                const QModelIndex second = grid->model()->index(1, 0);
                doubleClick(grid->viewport(), grid->visualRect(second).center());
            });
            QCOMPARE(window.ChosenCode, u"I1"_s);
            QVERIFY(window.ChosenKey.isEmpty());
        }
        {
            TFrmSortSet window(m_library->context);
            runSortSet(window, [](TFrmSortSet &w) {
                w.tree()->setCurrentIndex(classRow(w.tree(), u"I2 中国文学"_s));
                QTest::keyClick(w.tree(), Qt::Key_Escape);
            });
            QVERIFY(window.ChosenCode.isEmpty());
        }
        {
            TFrmSortSet window(m_library->context);
            runSortSet(window, [](TFrmSortSet &w) {
                w.tree()->setCurrentIndex(w.tree()->model()->index(0, 0)); // the root
                w.findChild<QToolButton *>(u"TbtOk"_s)->click();
            });
            QVERIFY(window.ChosenCode.isEmpty());
            QVERIFY(window.ChosenKey.isEmpty());
        }
    }

    void addsUnderTheSelectedClassAndEditsInTheGrid()
    {
        TFrmSortSet window(m_library->context);
        QAbstractItemModelTester tester(window.tree()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        window.findChild<QToolButton *>(u"TbtAdd"_s)->click(); // nothing selected yet
        QCOMPARE(m_library->prompt.texts(), QStringList{u"请选择左边父类别名称!"_s});

        const QModelIndex chinese = classRow(window.tree(), u"I2 中国文学"_s);
        window.tree()->setCurrentIndex(chinese);
        onNextModal([](QWidget *modal) {
            auto *edit = qobject_cast<TFrmSortSetEdit *>(modal);
            QVERIFY(edit);
            QCOMPARE(edit->windowTitle(), u"图书类目"_s);
            auto *code = edit->findChild<QLineEdit *>(u"EditCode"_s);
            QTRY_VERIFY(code->hasFocus());
            code->setText(u"I21"_s);
            QTest::keyClick(code, Qt::Key_Return); // on to the name
            auto *name = edit->findChild<QLineEdit *>(u"EditName"_s);
            QVERIFY(name->hasFocus());
            name->setText(u"作品集"_s);
            QTest::keyClick(name, Qt::Key_Return); // and confirmed
        });
        window.findChild<QToolButton *>(u"TbtAdd"_s)->click();
        const QString parentKey = text(u"select sKey from Type where SortCode = 'I2'"_s);
        QCOMPARE(text(u"select sKey from Type where SortCode = 'I21'"_s), parentKey + u"0002"_s);
        QVERIFY(window.tree()->isExpanded(chinese));
        QCOMPARE(window.tree()->model()->index(1, 0, chinese).data().toString(), u"I21 作品集"_s);
        QCOMPARE(window.grid()->model()->rowCount(), 2);

        // A name changed in the grid is written at once and shown in the tree.
        QTableView *grid = window.grid();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, 1));
        QTest::keyClick(grid, Qt::Key_F2);
        QLineEdit *editor = cellEditor(grid);
        QVERIFY(editor);
        editor->setText(u"作品综合集"_s);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(text(u"select SortName from Type where SortCode = 'I21'"_s), u"作品综合集"_s);
        QCOMPARE(window.tree()->model()->index(1, 0, chinese).data().toString(), u"I21 作品综合集"_s);
    }

    void deletesAClassWithItsSubtreeAfterAsking()
    {
        TFrmSortSet window(m_library->context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QModelIndex chinese = classRow(window.tree(), u"I2 中国文学"_s);
        window.tree()->setCurrentIndex(chinese);
        m_library->prompt.answers = {Prompt::Button::Ok};
        window.findChild<QToolButton *>(u"TbtDelete"_s)->click();
        QCOMPARE(m_library->prompt.shown.first().caption, u"提示！"_s);
        QCOMPARE(count(u"select count(*) from Type where SortCode in ('I2', 'I20')"_s), 0);
        QVERIFY(!classRow(window.tree(), u"I2 中国文学"_s).isValid());
        QVERIFY(classRow(window.tree(), u"I1 世界文学"_s).isValid());
    }

    void publisherListSearchesAddsAndRefusesATakenPrefix()
    {
        TFrmBookPubData list(m_library->context);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QTableView *view = list.grid()->view();
        QCOMPARE(view->model()->rowCount(), count(u"select count(*) from Bookpub"_s));
        QCOMPARE(list.grid()->model()->fieldValue(0, u"Isbn"_s).toString(), u"978701"_s);

        auto *find = list.findChild<QLineEdit *>(u"EditFind"_s);
        find->setText(u"zhsj"_s);
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(view->model()->rowCount(), 1);
        QCOMPARE(list.grid()->model()->fieldValue(0, u"Code"_s).toString(), u"中华书局"_s);
        find->clear();
        QTest::keyClick(find, Qt::Key_Return);

        onNextModal([this](QWidget *modal) {
            auto *code = modal->findChild<QLineEdit *>(u"EditCode"_s);
            auto *isbn = modal->findChild<QLineEdit *>(u"EditIsbn"_s);
            QTRY_VERIFY(code->hasFocus());
            QVERIFY(!code->isReadOnly());
            code->setText(u"海天出版社"_s);
            QTest::keyClick(code, Qt::Key_Return);
            QVERIFY(isbn->hasFocus());
            isbn->setText(u"978702"_s); // 人民文学出版社's
            code->setFocus(Qt::TabFocusReason);
            QCOMPARE(m_library->prompt.texts(), QStringList{u"该出版社Isbn已有重复！请重新录入"_s});
            QVERIFY(isbn->text().isEmpty());
            isbn->setText(u"97875507"_s);
            modal->findChild<QPushButton *>(u"BtSaveExit"_s)->click();
        });
        list.findChild<QToolButton *>(u"BtAdd"_s)->click();
        QCOMPARE(text(u"select Isbn from Bookpub where Code = '海天出版社'"_s), u"97875507"_s);
        QVERIFY(!text(u"select PY from Bookpub where Code = '海天出版社'"_s).isEmpty());
        QCOMPARE(list.grid()->model()->fieldValue(list.grid()->currentRow(), u"Code"_s).toString(),
                 u"海天出版社"_s);

        // Once saved, a publisher's name stays as it is.
        onNextModal([](QWidget *modal) {
            auto *code = modal->findChild<QLineEdit *>(u"EditCode"_s);
            QTRY_COMPARE(code->text(), u"海天出版社"_s);
            QVERIFY(code->isReadOnly());
            modal->findChild<QPushButton *>(u"BtCancelExit"_s)->click();
        });
        list.findChild<QToolButton *>(u"BtEdit"_s)->click();
    }

    void publisherLookupNarrowsAndOffersAdding()
    {
        TFrmFindPublish lookup(m_library->context);
        lookup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lookup));
        QCOMPARE(lookup.windowTitle(), u"选择出版社"_s);
        QVERIFY(lookup.findChild<QPushButton *>(u"BtAdd"_s)->isVisible());
        QVERIFY(lookup.searchBox()->hasFocus());
        QCOMPARE(lookup.findChild<QToolButton *>(u"TbCaption"_s)->text(), u"按名称查找"_s);
        lookup.searchBox()->setText(u"ysbtp"_s); // the wubi initials of 译林出版社
        QCOMPARE(lookup.grid()->view()->model()->rowCount(), 1);
        QTest::keyClick(lookup.searchBox(), Qt::Key_Return);
        QTest::keyClick(lookup.grid()->view(), Qt::Key_Return);
        QCOMPARE(lookup.ResultCode, u"译林出版社"_s);
        QVERIFY(lookup.ResultName.isEmpty());
    }

    void wordListEnterWalksTheColumnsAndPostsOnlyAFilledWord()
    {
        // A supplier layout of two columns, so that Enter has somewhere to walk.
        {
            Transaction t(m_library->db);
            m_library->db.exec(u"delete from TableStructure where TableCode = 'Booksupplier'"_s);
            SeedData::loadLayout(m_library->db, u"Booksupplier"_s,
                                 u"Code\t代理商\t200\tshown\tkey\nCode\t代理商全称\t200\tshown\n"_s);
            t.commit();
        }
        TFrmFirstData window(m_library->context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTableView *grid = window.grid();
        QCOMPARE(window.findChild<QLabel *>(u"PanelTitle"_s)->text(), u"代理商"_s);
        const int words = count(u"select count(*) from Booksupplier"_s);
        QCOMPARE(grid->model()->rowCount(), words);
        QCOMPARE(grid->model()->columnCount(), 2);

        QCOMPARE(grid->currentIndex(), grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(grid->currentIndex(), grid->model()->index(0, 1)); // the next column
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(grid->currentIndex(), grid->model()->index(1, 0)); // the next row

        grid->setCurrentIndex(grid->model()->index(words - 1, 1));
        QTest::keyClick(grid, Qt::Key_Return); // past the last row: a new one
        QCOMPARE(grid->model()->rowCount(), words + 1);
        QCOMPARE(grid->currentIndex(), grid->model()->index(words, 0));

        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(grid->currentIndex(), grid->model()->index(words, 1));
        QTest::keyClick(grid, Qt::Key_Return); // no word yet: back to the Code column
        QCOMPARE(grid->currentIndex(), grid->model()->index(words, 0));
        QTest::keyClick(grid, Qt::Key_F3); // nor does 保存 write an empty row
        QCOMPARE(count(u"select count(*) from Booksupplier"_s), words);

        grid->edit(grid->currentIndex());
        QLineEdit *editor = cellEditor(grid);
        QVERIFY(editor);
        editor->setText(u"孔夫子旧书网"_s);
        QTest::keyClick(editor, Qt::Key_Return); // the word is taken, the walk goes on
        QCOMPARE(grid->currentIndex(), grid->model()->index(words, 1));
        QCOMPARE(count(u"select count(*) from Booksupplier"_s), words);
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(count(u"select count(*) from Booksupplier where Code = '孔夫子旧书网'"_s), 1);
        QCOMPARE(grid->model()->rowCount(), words + 2);
        QCOMPARE(grid->currentIndex(), grid->model()->index(words + 1, 0));

        // Leaving the empty new row drops it.
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QCOMPARE(grid->model()->rowCount(), words + 1);
        QVERIFY(m_library->prompt.shown.isEmpty());
    }

    void wordListButtonsKeysAndDeleting()
    {
        TFrmFirstData window(m_library->context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTableView *grid = window.grid();
        window.findChild<QPushButton *>(u"BtBookLang"_s)->click();
        QCOMPARE(window.findChild<QLabel *>(u"PanelTitle"_s)->text(), u"语系"_s);
        const int words = count(u"select count(*) from BookLang"_s);
        QCOMPARE(grid->model()->rowCount(), words);

        QTest::keyClick(grid, Qt::Key_F2);
        QLineEdit *editor = cellEditor(grid);
        QVERIFY(editor);
        editor->setText(u"世界语"_s);
        QTest::keyClick(editor, Qt::Key_F3);
        QCOMPARE(count(u"select count(*) from BookLang where Code = '世界语'"_s), 1);

        const QString first = grid->model()->index(0, 0).data().toString();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        m_library->prompt.answers = {Prompt::Button::Cancel};
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(m_library->prompt.texts(), QStringList{u"是否删除此记录？"_s});
        QCOMPARE(count(u"select count(*) from BookLang"_s), words + 1);
        QTest::keyClick(grid, Qt::Key_F4); // without asking
        QCOMPARE(m_library->prompt.shown.size(), 1);
        QCOMPARE(count(u"select count(*) from BookLang where Code = ?"_s, {first}), 0);
        QCOMPARE(grid->model()->rowCount(), words);
    }
};

QTEST_MAIN(CatalogueWindowsTest)
#include "CatalogueWindowsTest.moc"
