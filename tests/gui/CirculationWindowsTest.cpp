#include "support/ScriptedPrompt.h"

#include "core/app/AppState.h"
#include "core/db/Database.h"
#include "core/db/DeliveredDatabase.h"
#include "gui/app/Commands.h"
#include "gui/app/Main.h"
#include "gui/circulation/BookDest.h"
#include "gui/circulation/BookExceedList.h"
#include "gui/circulation/MagzExceedList.h"
#include "gui/circulation/ReaderFine.h"
#include "gui/controls/DataGrid.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace tarvo;
using namespace tarvo::gui;

class CirculationWindowsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<Database> m_db;
    AppState m_state;
    test::ScriptedPrompt m_prompt;
    std::unique_ptr<WindowContext> m_context;

    static void type(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->setText(text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    static void doubleClickRow(DataGrid *grid, int row)
    {
        QTableView *view = grid->view();
        const QRect cell = view->visualRect(view->model()->index(row, 0));
        // As the mouse makes it: press, release, the double click, release.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, cell.center());
    }
    static QStringList titles(DataGrid *grid)
    {
        QStringList out;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            out << grid->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        return out;
    }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        const ConnectionTarget target{Engine::SQLite, m_folder->filePath(u"tarvo.dat"_s), false};
        DeliveredDatabase::create(target);
        m_db = std::make_unique<Database>();
        m_db->open(target);
        m_db->exec(u"insert into ReaderInfo (Code, Name, Sax) values ('R1', '张三', '男'), ('R2', '李四', '女')"_s);
        m_db->exec(u"insert into BookInfo (Code, Name) values ('B1', '红楼梦'), ('B2', '水浒传')"_s);
        m_state.BusinessDate = QDate(2024, 3, 5);
        m_state.sysParams.PerFine = 0.10;
        m_context = std::make_unique<WindowContext>(WindowContext{*m_db, m_state, m_prompt});
        m_prompt.shown.clear();
    }

    void cleanup()
    {
        m_context.reset();
        m_db.reset();
        m_folder.reset();
    }

    void fineWithDeductionIsCollected()
    {
        m_db->exec(u"insert into BorrowInfo (Code, Rcode, State, ExceedDay, ExceedFund, IsPay)"
                   " values ('B1', 'R1', '已还', 4, 0.40, 0)"_s);
        TFrmReaderFine window(*m_context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto box = [&](const QString &name) { return window.findChild<QLineEdit *>(name); };

        type(box(u"EditCode"_s), u"R1"_s);
        QCOMPARE(box(u"EditName"_s)->text(), u"张三"_s);
        QCOMPARE(window.grid()->model()->rowCount(), 1);
        QCOMPARE(titles(window.grid()).first(), u"图书编号"_s);
        doubleClickRow(window.grid(), 0);
        QCOMPARE(box(u"EditBCode"_s)->text(), u"B1"_s);
        QCOMPARE(box(u"EditExceedFund"_s)->text(), u"0.40"_s);

        // More days than overdue: refused, nothing waived.
        type(box(u"EditMinDay"_s), u"5"_s);
        QTRY_COMPARE(m_prompt.shown.size(), 1);
        QCOMPARE(box(u"EditRealFund"_s)->text(), u"0.40"_s);
        QCOMPARE(box(u"EditMinDay"_s)->text(), QString());

        type(box(u"EditMinDay"_s), u"1"_s);
        QTRY_COMPARE(box(u"EditRealFund"_s)->text(), u"0.30"_s);
        QCOMPARE(box(u"EditMinFund"_s)->text(), u"0.10"_s);
        QVERIFY(window.findChild<QPushButton *>(u"BtSave"_s)->hasFocus());

        QTest::mouseClick(window.findChild<QPushButton *>(u"BtSave"_s), Qt::LeftButton);
        QCOMPARE(m_prompt.texts().last(), u"罚款成功!"_s);
        QCOMPARE(box(u"EditTotal"_s)->text(), u"0.30"_s);
        QCOMPARE(box(u"EditBCode"_s)->text(), QString());
        QCOMPARE(window.grid()->model()->rowCount(), 0);
        QCOMPARE(m_db->scalar(u"select ExceedFund from BorrowInfo where IsPay = 1"_s).toDouble(), 0.30);
    }

    void overdueListShowsLoansDueBeforeTheBusinessDate()
    {
        m_db->exec(u"insert into BorrowInfo (Code, Rcode, State, ReturnDate) values"
                   " ('B1', 'R1', '未还', '2024-03-04'), ('B2', 'R2', '未还', '2024-03-05')"_s);
        TFrmBookExceedList window(*m_context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(titles(window.grid()), (QStringList{u"读者姓名"_s, u"应还日"_s, u"图书编号"_s, u"图书名称"_s}));
        QCOMPARE(window.grid()->model()->rowCount(), 1);
        QCOMPARE(window.grid()->model()->index(0, 0).data().toString(), u"张三"_s);
        QCOMPARE(window.grid()->currentRow(), 0);
    }

    void startUpOpensBothOverdueListsSideBySide()
    {
        TFrmMain main(*m_context);
        main.resize(1200, 700);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        for (const CommandRun &open : overdueLists())
            open(main);
        QMdiSubWindow *books = nullptr;
        QMdiSubWindow *magazines = nullptr;
        for (QMdiSubWindow *frame : main.mdiArea()->subWindowList()) {
            if (qobject_cast<TFrmBookExceedList *>(frame->widget()))
                books = frame;
            if (qobject_cast<TFrmMagzExceedList *>(frame->widget()))
                magazines = frame;
        }
        QVERIFY(books && magazines);
        QVERIFY(books->geometry().right() <= magazines->geometry().left());
    }

    void reservationSearchAndDelete()
    {
        m_db->exec(u"insert into BorrowInfo (Code, Rcode, State, BorrowDate) values"
                   " ('B1', 'R2', '预约', '2024-03-02'), ('B1', 'R1', '预约', '2024-03-01'),"
                   " ('B2', 'R1', '预约', '2024-03-01')"_s);
        TFrmBookDest window(*m_context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.grid()->model()->rowCount(), 3);
        QCOMPARE(window.grid()->currentRow(), 0);
        type(window.findChild<QLineEdit *>(u"EditCode"_s), u"红楼"_s);
        QCOMPARE(window.grid()->model()->rowCount(), 2);
        QCOMPARE(window.grid()->model()->index(0, 1).data().toString(), u"张三"_s);
        QTest::mouseClick(window.findChild<QPushButton *>(u"BtDelete"_s), Qt::LeftButton);
        QCOMPARE(window.grid()->model()->rowCount(), 1);
        QCOMPARE(window.grid()->model()->index(0, 1).data().toString(), u"李四"_s);
        QCOMPARE(m_db->scalar(u"select count(*) from BorrowInfo"_s).toInt(), 2);
    }
};

QTEST_MAIN(CirculationWindowsTest)
#include "CirculationWindowsTest.moc"
