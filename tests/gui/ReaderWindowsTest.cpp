#include "support/ModalSteps.h"
#include "support/WindowLibrary.h"

#include "core/app/AppState.h"
#include "core/db/Database.h"
#include "core/db/DeliveredDatabase.h"
#include "gui/controls/DataGrid.h"
#include "gui/readers/FindReaderSort.h"
#include "gui/readers/ReaderData.h"
#include "gui/readers/ReaderDataEdit.h"
#include "gui/readers/ReaderTypeData.h"
#include "gui/readers/ReaderTypeDataEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

using namespace Qt::StringLiterals;
using namespace tarvo;
using namespace tarvo::gui;
using tarvo::test::onNextModal;


class ReaderWindowsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::WindowLibrary> m_library;

    QString text(const QString &sql) { return m_library->text(sql); }
    int count(const QString &sql) { return m_library->count(sql); }

private slots:
    void initTestCase()
    {
        // The delivered character table, for the input codes of names.
        qputenv("TARVO_HOME", QFile::encodeName(QDir(QStringLiteral(TARVO_SOURCE_DIR)).filePath(u"resources"_s)));
    }

    void init()
    {
        m_library = std::make_unique<test::WindowLibrary>();
        m_library->state.BusinessDate = QDate(2024, 5, 6);
        m_library->db.exec(u"insert into ReaderInfo (Code, Name, SortCode) values ('2001', '张三', '学生'), "
                   "('2002', '李四', '教师')"_s);
    }

    void cleanup() { m_library.reset(); }

    void readerDialogRefusesATakenNumber()
    {
        TFrmReaderDataEdit dialog(m_library->context);
        dialog.EditMode = 2;
        dialog.KeyField = u"Code"_s;
        dialog.KeyValue = u"2001"_s;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *code = dialog.findChild<QLineEdit *>(u"EditCode"_s);
        auto *name = dialog.findChild<QLineEdit *>(u"EditName"_s);
        QTRY_VERIFY(code->hasFocus());
        QCOMPARE(code->text(), u"2001"_s);

        code->setText(u"2002"_s);
        name->setFocus();
        QTRY_COMPARE(m_library->prompt.texts(), QStringList{u"该读者已有重码！请重新录入"_s});
        QCOMPARE(code->text(), u"2001"_s); // the old number is back

        // Its own number is no clash.
        m_library->prompt.shown.clear();
        code->setFocus();
        name->setFocus();
        QVERIFY(m_library->prompt.shown.isEmpty());
        dialog.reject();
    }

    void theTypePickerCanAddAMissingType()
    {
        TFrmReaderDataEdit dialog(m_library->context);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *sort = dialog.findChild<QLineEdit *>(u"EditSort"_s);
        sort->setFocus();
        onNextModal([&](QWidget *modal) {
            auto *lookup = qobject_cast<TFrmFindReaderSort *>(modal);
            QVERIFY(lookup);
            QCOMPARE(lookup->windowTitle(), u"选择读者类别"_s);
            onNextModal([](QWidget *editor) {
                QCOMPARE(editor->objectName(), u"FrmReaderTypeDataEdit"_s);
                editor->findChild<QLineEdit *>(u"EditCode"_s)->setText(u"研究生"_s);
                editor->findChild<QLineEdit *>(u"EditCeQty"_s)->setText(u"6"_s);
                editor->findChild<QPushButton *>(u"BtSaveExit"_s)->click();
            });
            lookup->findChild<QPushButton *>(u"BtAdd"_s)->click();
            GridModel *rows = lookup->grid()->model();
            int row = 0;
            while (row < rows->rowCount() && rows->fieldValue(row, u"Code"_s).toString() != u"研究生"_s)
                ++row;
            QVERIFY(row < rows->rowCount());
            lookup->grid()->setCurrentRow(row);
            lookup->findChild<QPushButton *>(u"BtConfirm"_s)->click();
        });
        QTest::keyClick(sort, Qt::Key_F5);
        QCOMPARE(sort->text(), u"研究生"_s);
        QCOMPARE(count(u"select CeQty from ReaderType where Code = '研究生'"_s), 6);
        QVERIFY(m_library->prompt.shown.isEmpty());
        dialog.reject();
    }

    void addingAReaderSavesItAndListsIt()
    {
        TFrmReaderData list(m_library->context);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        auto *qty = list.findChild<QLineEdit *>(u"EditQty"_s);
        QCOMPARE(qty->text(), u"2"_s);

        bool refused = false;
        onNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<TFrmReaderDataEdit *>(modal);
            QVERIFY(dialog);
            auto *code = dialog->findChild<QLineEdit *>(u"EditCode"_s);
            QTRY_VERIFY(code->hasFocus());
            code->setText(u"2002"_s);
            dialog->findChild<QLineEdit *>(u"EditName"_s)->setFocus();
            refused = m_library->prompt.texts() == QStringList{u"该读者已有重码！请重新录入"_s} && code->text().isEmpty();
            code->setText(u"2003"_s);
            dialog->findChild<QLineEdit *>(u"EditName"_s)->setText(u"张珊"_s);
            dialog->findChild<QLineEdit *>(u"EditSort"_s)->setText(u"教师"_s);
            dialog->findChild<QComboBox *>(u"CmbSax"_s)->setCurrentText(u"女"_s);
            dialog->findChild<QPushButton *>(u"BtSaveExit"_s)->click();
        });
        list.findChild<QToolButton *>(u"BtAdd"_s)->click();
        QVERIFY(refused);
        QCOMPARE(m_library->prompt.texts(), QStringList{u"该读者已有重码！请重新录入"_s}); // and nothing more
        QCOMPARE(text(u"select Name from ReaderInfo where Code = '2003'"_s), u"张珊"_s);
        QCOMPARE(text(u"select Py from ReaderInfo where Code = '2003'"_s), u"zs"_s);
        QCOMPARE(text(u"select Sax from ReaderInfo where Code = '2003'"_s), u"女"_s);
        QCOMPARE(text(u"select RegDate from ReaderInfo where Code = '2003'"_s), u"2024-05-06"_s);
        QCOMPARE(qty->text(), u"3"_s);
        QCOMPARE(list.grid()->model()->fieldValue(list.grid()->currentRow(), u"Code"_s).toString(), u"2003"_s);

        // The quick search finds the new reader by the initials stored on saving.
        list.findChild<QLineEdit *>(u"Editcode"_s)->setText(u"zs"_s);
        QTest::keyClick(list.findChild<QLineEdit *>(u"Editcode"_s), Qt::Key_Return);
        QCOMPARE(qty->text(), u"1"_s);
        QCOMPARE(list.grid()->view()->model()->rowCount(), 1);
        QCOMPARE(list.grid()->model()->fieldValue(0, u"Code"_s).toString(), u"2003"_s);
    }

    void deletingAReaderAsksAndTakesItsLoansAlong()
    {
        m_library->db.exec(u"insert into BorrowInfo1 (Code, Rcode, State) values ('M1', '2001', '未还')"_s);
        TFrmReaderData list(m_library->context);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.grid()->setCurrentRow(0);
        auto *remove = list.findChild<QToolButton *>(u"BtDelete"_s);
        remove->click();
        QCOMPARE(m_library->prompt.texts(), QStringList{u"该读者还有未还期刊,不能删除!"_s});
        QCOMPARE(count(u"select count(*) from ReaderInfo"_s), 2);

        m_library->db.exec(u"update BorrowInfo1 set State = '已还'"_s);
        m_library->prompt.shown.clear();
        m_library->prompt.answers = {Prompt::Button::Ok};
        remove->click();
        QCOMPARE(m_library->prompt.texts(), QStringList{u"是否删除此记录,连同读者借书数据一起删除？"_s});
        QCOMPARE(count(u"select count(*) from ReaderInfo where Code = '2001'"_s), 0);
        QCOMPARE(count(u"select count(*) from BorrowInfo1"_s), 0);
        QCOMPARE(list.findChild<QLineEdit *>(u"EditQty"_s)->text(), u"1"_s);
        QCOMPARE(list.grid()->model()->fieldValue(list.grid()->currentRow(), u"Code"_s).toString(), u"2002"_s);
    }

    void aTypeNameIsTypedOnlyWhenTheTypeIsNew()
    {
        TFrmReaderTypeDataEdit dialog(m_library->context);
        dialog.EditMode = 2;
        dialog.KeyField = u"Code"_s;
        dialog.KeyValue = u"学生"_s;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto *name = dialog.findChild<QLineEdit *>(u"EditCode"_s);
        auto *days = dialog.findChild<QLineEdit *>(u"EditLimitDay"_s);
        QVERIFY(name->isReadOnly());
        QTRY_VERIFY(days->hasFocus());
        days->setText(u"40"_s);
        dialog.findChild<QPushButton *>(u"BtSaveAdd"_s)->click();
        QCOMPARE(count(u"select LimitDay from ReaderType where Code = '学生'"_s), 40);
        QVERIFY(!name->isReadOnly());
        QTRY_VERIFY(name->hasFocus());
        QVERIFY(name->text().isEmpty());

        name->setText(u"教师"_s);
        days->setFocus();
        QTRY_COMPARE(m_library->prompt.texts(), QStringList{u"该类别已有重码！请重新录入"_s});
        QVERIFY(name->text().isEmpty());
        dialog.reject();
    }

    void aTypeInUseIsNotDeleted()
    {
        TFrmReaderTypeData list(m_library->context);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const int before = count(u"select count(*) from ReaderType"_s);
        QCOMPARE(list.grid()->view()->model()->rowCount(), before);
        int row = 0;
        while (list.grid()->model()->fieldValue(row, u"Code"_s).toString() != u"学生"_s)
            ++row;
        list.grid()->setCurrentRow(row);
        list.findChild<QToolButton *>(u"BtDelete"_s)->click();
        QCOMPARE(m_library->prompt.texts(), QStringList{u"该类型还有读者数据,不能删除!"_s});
        QCOMPARE(count(u"select count(*) from ReaderType"_s), before);
        QCOMPARE(list.grid()->view()->model()->rowCount(), before);
    }
};

QTEST_MAIN(ReaderWindowsTest)
#include "ReaderWindowsTest.moc"
