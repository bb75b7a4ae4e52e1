#include "support/ModalSteps.h"
#include "support/WindowLibrary.h"

#include "gui/catalogue/BookCond.h"
#include "gui/catalogue/BookData.h"
#include "gui/catalogue/BookDataEdit.h"
#include "gui/catalogue/BookPreData.h"
#include "gui/controls/DataGrid.h"
#include "gui/framework/FindBookSet.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace tarvo;
using namespace tarvo::gui;
using tarvo::test::onNextModal;

class BookWindowsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::WindowLibrary> m_library;

    QString text(const QString &sql) { return m_library->text(sql); }
    int count(const QString &sql) { return m_library->count(sql); }
    QString currentCode(TMDIBaseData &list)
    {
        return list.data()->value(list.grid()->currentRow(), u"Code"_s).toString();
    }

private slots:
    void initTestCase()
    {
        qputenv("TARVO_HOME", QFile::encodeName(QDir(QStringLiteral(TARVO_SOURCE_DIR)).filePath(u"resources"_s)));
    }

    void init()
    {
        m_library = std::make_unique<test::WindowLibrary>();
        m_library->state.BusinessDate = QDate(2024, 5, 6);
        m_library->state.sysParams.InDay = 30;
        m_library->db.exec(u"insert into BookInfo (Code, Name, SortCode, SortNum, Scode, BookPrice, Py) values "
                   "('0001', '中国历史', 'K2', '1', 'K2/1', 20.5, 'zgls'), "
                   "('0002', '世界历史', 'K1', '1', 'K1/1', 30, 'sjls'), "
                   "('0003', '数学分析', 'O17', '3', 'O17/3', 12.25, 'sxfx')"_s);
    }

    void cleanup() { m_library.reset(); }

    void quickSearchAndTotals()
    {
        TFrmBookData list(m_library->context);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        auto *qty = list.findChild<QLineEdit *>(u"EditQty"_s);
        auto *sum = list.findChild<QLineEdit *>(u"EditSum"_s);
        auto *code = list.findChild<QLineEdit *>(u"Editcode"_s);
        auto *sort = list.findChild<QLineEdit *>(u"EditSort"_s);
        QCOMPARE(qty->text(), u"3"_s);
        QCOMPARE(sum->text(), u"62.75"_s);

        code->setFocus();
        code->setText(u"ls"_s); // not the start of an initials code
        QTest::keyClick(code, Qt::Key_Return);
        QCOMPARE(qty->text(), u"0"_s);
        code->setText(u"sjls"_s);
        QTest::keyClick(code, Qt::Key_Return);
        QCOMPARE(qty->text(), u"1"_s);
        QCOMPARE(sum->text(), u"30"_s);

        // The class box empties the other box and searches alone.
        sort->setFocus();
        QVERIFY(code->text().isEmpty());
        sort->setText(u"K"_s);
        QTest::keyClick(sort, Qt::Key_Return);
        QCOMPARE(qty->text(), u"2"_s);
        code->setFocus();
        QVERIFY(sort->text().isEmpty());
    }

    void addingACopyNumbersItWithinItsClass()
    {
        TFrmBookData list(m_library->context);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        onNextModal([&](QWidget *modal) {
            auto *editor = qobject_cast<TFrmBookDataEdit *>(modal);
            QVERIFY(editor);
            auto *code = editor->findChild<QLineEdit *>(u"EditCode"_s);
            auto *sort = editor->findChild<QLineEdit *>(u"EditSort"_s);
            QTRY_VERIFY(code->hasFocus());
            code->setText(u"0002"_s); // taken
            sort->setFocus();
            QTRY_COMPARE(m_library->prompt.texts(), QStringList{u"该图书已有重码！请重新录入"_s});
            QVERIFY(code->text().isEmpty());
            code->setFocus();
            code->setText(u"0004"_s);
            sort->setFocus();
            sort->setText(u"K2"_s);
            editor->findChild<QLineEdit *>(u"EditName"_s)->setFocus();
            QCOMPARE(editor->findChild<QLineEdit *>(u"EditSortNum"_s)->text(), u"2"_s);
            QCOMPARE(editor->findChild<QLineEdit *>(u"EditScode"_s)->text(), u"K2/2"_s);
            editor->findChild<QLineEdit *>(u"EditName"_s)->setText(u"实变函数"_s);
            editor->findChild<QPushButton *>(u"BtSaveExit"_s)->click();
        });
        list.findChild<QToolButton *>(u"BtAdd"_s)->click();
        QCOMPARE(text(u"select Scode from BookInfo where Code = '0004'"_s), u"K2/2"_s);
        QCOMPARE(text(u"select RegDate from BookInfo where Code = '0004'"_s), u"2024-05-06"_s);
        QCOMPARE(text(u"select Py from BookInfo where Code = '0004'"_s), u"sbhs"_s);
        QCOMPARE(currentCode(list), u"0004"_s);
        QCOMPARE(list.findChild<QLineEdit *>(u"EditQty"_s)->text(), u"4"_s);
    }

    void isbnStepFindsThePublisherAndCopiesTheChosenDescription()
    {
        m_library->db.exec(u"insert into BookInfoPre (Name, SortCode, BookIsbn, Writer) values "
                   "('围城', 'I24', '9787020000001', '钱钟书'), ('围城(插图本)', 'I24', '9787020000001', '钱锺书')"_s);
        TFrmBookDataEdit editor(m_library->context);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        auto *isbn = editor.findChild<QLineEdit *>(u"EditIsbn"_s);
        editor.findChild<QLineEdit *>(u"EditCode"_s)->setText(u"0100"_s);
        isbn->setFocus();
        isbn->setText(u"978-7-02-000000-1"_s);
        onNextModal([](QWidget *modal) {
            auto *chooser = qobject_cast<TFrmFindBookSet *>(modal);
            QVERIFY(chooser);
            QCOMPARE(chooser->windowTitle(), u"图书套录"_s);
            QCOMPARE(chooser->grid()->model()->rowCount(), 2);
            chooser->grid()->setCurrentRow(1);
            QTest::keyClick(chooser->grid()->view(), Qt::Key_Return);
        });
        QTest::keyClick(isbn, Qt::Key_Return);
        QCOMPARE(editor.findChild<QLineEdit *>(u"EditName"_s)->text(), u"围城(插图本)"_s);
        QCOMPARE(editor.findChild<QLineEdit *>(u"EditWriter"_s)->text(), u"钱锺书"_s);
        QCOMPARE(editor.findChild<QLineEdit *>(u"EditCode"_s)->text(), u"0100"_s);
        // The description copied brings its own publisher, empty here; without
        // copy cataloguing the ISBN's prefix names it.
        QVERIFY(editor.findChild<QLineEdit *>(u"EditPublisher"_s)->text().isEmpty());
        editor.findChild<QCheckBox *>(u"ChkSet"_s)->setChecked(false);
        isbn->setFocus();
        QTest::keyClick(isbn, Qt::Key_Return);
        QCOMPARE(editor.findChild<QLineEdit *>(u"EditPublisher"_s)->text(), u"人民文学出版社"_s);
        QCOMPARE(editor.findChild<QLineEdit *>(u"EditName"_s)->text(), u"围城(插图本)"_s);
        editor.reject();
    }

    void theSearchDialogListsWhatMeetsEveryEntry()
    {
        TFrmBookData list(m_library->context);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        onNextModal([](QWidget *modal) {
            QVERIFY(qobject_cast<TFrmBookCond *>(modal));
            modal->findChild<QLineEdit *>(u"EditName"_s)->setText(u"历史"_s);
            modal->findChild<QLineEdit *>(u"EditSort"_s)->setText(u"K2"_s);
            modal->findChild<QPushButton *>(u"BtConfirm"_s)->click();
        });
        list.findChild<QToolButton *>(u"BtFind"_s)->click();
        QCOMPARE(list.findChild<QLineEdit *>(u"EditQty"_s)->text(), u"1"_s);
        QCOMPARE(currentCode(list), u"0001"_s);
    }

    void transferAndBulkDeleteInThePreCatalogue()
    {
        m_library->db.exec(u"insert into BookInfoPre (Name, SortCode, Scode) values ('甲书', 'K2', 'K2/9'), "
                   "('乙书', 'K2', 'K2/8'), ('甲集', 'K2', 'K2/7')"_s);
        TFrmBookPreData list(m_library->context);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QCOMPARE(list.findChild<QLineEdit *>(u"EditQty"_s)->text(), u"3"_s);

        list.findChild<QCheckBox *>(u"ChkKeep"_s)->setChecked(false);
        onNextModal([](QWidget *modal) {
            auto *input = qobject_cast<QInputDialog *>(modal);
            QVERIFY(input);
            QCOMPARE(input->windowTitle(), u"请输入图书编号(条码号)"_s);
            input->setTextValue(u"0500"_s);
            input->accept();
        });
        list.findChild<QToolButton *>(u"BtTransfer"_s)->click();
        QCOMPARE(text(u"select Name from BookInfo where Code = '0500'"_s), u"甲书"_s);
        QCOMPARE(count(u"select count(*) from BookInfoPre"_s), 2);
        QCOMPARE(list.findChild<QLineEdit *>(u"EditQty"_s)->text(), u"2"_s);

        auto *code = list.findChild<QLineEdit *>(u"Editcode"_s);
        code->setText(u"甲"_s);
        QTest::keyClick(code, Qt::Key_Return);
        m_library->prompt.answers = {Prompt::Button::Ok};
        list.findChild<QToolButton *>(u"BtBulkDelete"_s)->click();
        QCOMPARE(m_library->prompt.texts().last(), u"是否删除显示的全部记录？\n共 1 条记录将被删除。"_s);
        QCOMPARE(count(u"select count(*) from BookInfoPre"_s), 1);
        QCOMPARE(text(u"select Name from BookInfoPre"_s), u"乙书"_s);
    }
};

QTEST_MAIN(BookWindowsTest)
#include "BookWindowsTest.moc"
