#include "support/ModalSteps.h"
#include "support/WindowLibrary.h"

#include "gui/circulation/BookDest.h"
#include "gui/circulation/BorrowBill.h"
#include "gui/circulation/FindHuanDate.h"
#include "gui/controls/DataGrid.h"

#include <QAction>
#include <QBuffer>
#include <QCalendarWidget>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace tarvo;
using namespace tarvo::gui;

namespace {

const QDate kToday(2024, 3, 5);

// The desk as the operator has it: shown, active, typed into.
struct Desk
{
    explicit Desk(WindowContext &context)
        : window(context)
    {
        window.show();
    }
    QLineEdit *box(const QString &name) { return window.findChild<QLineEdit *>(name); }
    // Types into a box and presses a key there.
    void type(const QString &boxName, const QString &text, Qt::Key key = Qt::Key_Return)
    {
        QLineEdit *edit = box(boxName);
        edit->setFocus();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, key);
    }
    int rows() { return window.grid()->model()->rowCount(); }
    QString state(int row) { return window.grid()->model()->fieldValue(row, u"State"_s).toString(); }

    TFrmBorrowBill window;
};

} // namespace

class BorrowBillTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::WindowLibrary> m_library;

    Database &db() { return m_library->db; }
    test::ScriptedPrompt &prompt() { return m_library->prompt; }

private slots:
    void init()
    {
        m_library = std::make_unique<test::WindowLibrary>();
        m_library->state.BusinessDate = kToday;
        m_library->state.OperatorName = u"管理员"_s;
        db().exec(u"insert into ReaderType (Code, CeQty, LimitDay, IsLimit, RenewTime) values"
                  " ('普通', 5, 30, ?, 1), ('一本', 1, 30, ?, 1)"_s,
                  {false, false});
        db().exec(u"insert into ReaderInfo (Code, Name, SortCode, Isstop, Times, BookQty, Overdue) values"
                  " ('R1', '张三', '普通', ?, 0, 0, 0), ('R2', '李四', '普通', ?, 0, 1, 0),"
                  " ('R3', '王五', '一本', ?, 0, 0, 0)"_s,
                  {false, false, false});
        db().exec(u"insert into BookInfo (Code, Name, Publisher, BookPrice, Times) values"
                  " ('B1', '红楼梦', '中华书局', 20, 0), ('B2', '水浒传', '中华书局', 18, 0),"
                  " ('B3', '西游记', '中华书局', 25, 0), ('B4', '三国演义', '中华书局', 22, 0)"_s);
        db().exec(u"insert into BorrowInfo (Code, Rcode, State, BorrowDate, ReturnDate, RenewTimes)"
                  " values ('B3', 'R2', '未还', ?, ?, 0)"_s,
                  {QDate(2024, 2, 20), QDate(2024, 3, 20)});
        db().exec(u"update BookInfo set IsOut = '外借' where Code = 'B3'"_s);
        db().exec(u"insert into BorrowInfo (Code, Rcode, State, BorrowDate) values ('B3', 'R1', '预约', ?)"_s,
                  {QDate(2024, 3, 1)});
    }

    void cleanup() { m_library.reset(); }

    void wholeVisitByKeys_data()
    {
        QTest::addColumn<int>("confirmKey");
        QTest::newRow("Enter on the empty item box") << int(Qt::Key_Return);
        QTest::newRow("F2") << int(Qt::Key_F2);
    }
    void wholeVisitByKeys()
    {
        QFETCH(int, confirmKey);
        Desk desk(m_library->context);
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        desk.type(u"EditRCode"_s, u"R1"_s);
        QTRY_VERIFY(desk.box(u"EditBCode"_s)->hasFocus());
        QCOMPARE(desk.box(u"EditRName"_s)->text(), u"张三"_s);
        QCOMPARE(desk.box(u"EditCeQty"_s)->text(), u"5"_s);
        desk.type(u"EditBCode"_s, u"B1"_s);
        desk.type(u"EditBCode"_s, u"B2"_s);
        QCOMPARE(desk.rows(), 2);
        QCOMPARE(desk.box(u"EditQty"_s)->text(), u"2"_s);
        QVERIFY(desk.box(u"EditBCode"_s)->text().isEmpty());

        desk.type(u"EditBCode"_s, QString(), Qt::Key(confirmKey));

        QCOMPARE(prompt().texts().last(), u"张三借书成功,本次借出2本！"_s);
        QCOMPARE(m_library->count(u"select count(*) from BorrowInfo where Rcode = 'R1' and State = '未还'"
                                  " and ReturnDate = ? and Operator = '管理员'"_s,
                                  {kToday.addDays(30)}),
                 2);
        QCOMPARE(m_library->count(u"select count(*) from BookInfo where IsOut = '外借' and Borrowman = '张三'"_s), 2);
        QCOMPARE(m_library->count(u"select BookQty from ReaderInfo where Code = 'R1'"_s), 2);
        QCOMPARE(m_library->count(u"select Times from ReaderInfo where Code = 'R1'"_s), 1);
        // Cleared for the next reader.
        QCOMPARE(desk.rows(), 0);
        QVERIFY(desk.box(u"EditRCode"_s)->text().isEmpty());
        QVERIFY(desk.box(u"EditRName"_s)->text().isEmpty());
        QCOMPARE(desk.box(u"EditQty"_s)->text(), u"0"_s);
        QTRY_VERIFY(desk.box(u"EditRCode"_s)->hasFocus());
    }

    void modeKeysClearTheDesk_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("tableCode");
        QTest::addColumn<QString>("counterLabel");
        QTest::addColumn<QString>("focused");
        QTest::newRow("F9") << int(Qt::Key_F9) << u"Rb1"_s << u"Borrowinfo"_s << u"本次借书:"_s << u"EditRCode"_s;
        QTest::newRow("F10") << int(Qt::Key_F10) << u"Rb2"_s << u"Renewinfo"_s << u"本次续借:"_s << u"EditBCode"_s;
        QTest::newRow("F11") << int(Qt::Key_F11) << u"Rb3"_s << u"Returninfo"_s << u"本次还书:"_s << u"EditBCode"_s;
    }
    void modeKeysClearTheDesk()
    {
        QFETCH(int, key);
        QFETCH(QString, radio);
        QFETCH(QString, tableCode);
        QFETCH(QString, counterLabel);
        QFETCH(QString, focused);
        Desk desk(m_library->context);
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        desk.type(u"EditRCode"_s, u"R2"_s);
        desk.type(u"EditBCode"_s, u"B1"_s);
        QCOMPARE(desk.rows(), 2);

        QTest::keyClick(desk.box(u"EditBCode"_s), Qt::Key(key));

        QCOMPARE(desk.rows(), 0);
        QVERIFY(desk.box(u"EditRCode"_s)->text().isEmpty());
        QVERIFY(desk.box(u"EditRName"_s)->text().isEmpty());
        QCOMPARE(desk.window.TableCode, tableCode);
        QVERIFY(desk.window.findChild<QRadioButton *>(radio)->isChecked());
        QCOMPARE(desk.window.findChild<QLabel *>(u"Label6"_s)->text(), counterLabel);
        QCOMPARE(desk.window.grid()->model()->columns().first().title, u"状态"_s);
        QTRY_VERIFY(desk.box(focused)->hasFocus());
        // Nothing of the dropped visit was written.
        QCOMPARE(m_library->count(u"select count(*) from BorrowInfo where Code = 'B1'"_s), 0);
    }

    void escapeWithRowsAsksBeforeClosing()
    {
        Desk desk(m_library->context);
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        // Only the loan the reader holds: still a question.
        desk.type(u"EditRCode"_s, u"R2"_s);
        QCOMPARE(desk.rows(), 1);
        prompt().answers << Prompt::Button::No;
        QTest::keyClick(desk.box(u"EditBCode"_s), Qt::Key_Escape);
        QVERIFY(prompt().shown.last().kind == test::ScriptedPrompt::Kind::Question);
        QCOMPARE(prompt().shown.last().text, u"数据未存盘，是否退出？"_s);
        QVERIFY(desk.window.isVisible());
        QCOMPARE(desk.rows(), 1);

        prompt().answers << Prompt::Button::Yes;
        QTest::keyClick(desk.box(u"EditBCode"_s), Qt::Key_Escape);
        QVERIFY(!desk.window.isVisible());
        QCOMPARE(prompt().shown.size(), 2); // asked once per Esc
    }

    void escapeWithoutRowsClosesAtOnce()
    {
        Desk desk(m_library->context);
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        QTest::keyClick(desk.box(u"EditRCode"_s), Qt::Key_Escape);
        QVERIFY(!desk.window.isVisible());
        QVERIFY(prompt().shown.isEmpty());
    }

    void deleteKeyKeepsThePlaceAndTheMenuGivesItBack_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<int>("rowsAfterSecondBook");
        QTest::newRow("Delete key") << false << 0;
        QTest::newRow("删除明细") << true << 1;
    }
    void deleteKeyKeepsThePlaceAndTheMenuGivesItBack()
    {
        QFETCH(bool, byMenu);
        QFETCH(int, rowsAfterSecondBook);
        Desk desk(m_library->context);
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        desk.type(u"EditRCode"_s, u"R3"_s);
        desk.type(u"EditBCode"_s, u"B1"_s);
        QCOMPARE(desk.rows(), 1);
        QTableView *view = desk.window.grid()->view();
        view->setFocus();
        if (byMenu)
            desk.window.findChild<QAction *>(u"N1"_s)->trigger();
        else
            QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(desk.rows(), 0);

        prompt().shown.clear();
        desk.type(u"EditBCode"_s, u"B2"_s);
        QCOMPARE(desk.rows(), rowsAfterSecondBook);
        if (!byMenu)
            QCOMPARE(prompt().texts(), QStringList{u"借书数量超出1本,不能再借!"_s});
    }

    void doubleClickChangesTheDueDateOfANewLoan()
    {
        Desk desk(m_library->context);
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        desk.type(u"EditRCode"_s, u"R1"_s);
        desk.type(u"EditBCode"_s, u"B1"_s);
        const QDate chosen(2024, 3, 15);
        QString shownDate;
        test::onNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<TFrmFindHuanDate *>(modal);
            QVERIFY(dialog);
            shownDate = dialog->calendar()->selectedDate().toString(Qt::ISODate);
            dialog->calendar()->setSelectedDate(chosen);
            QTest::keyClick(dialog->calendar()->findChild<QTableView *>(), Qt::Key_Return);
        });
        emit desk.window.grid()->rowActivated(0);
        QCOMPARE(shownDate, u"2024-04-04"_s);
        QCOMPARE(desk.window.grid()->model()->fieldValue(0, u"ReturnDate"_s).toDate(), chosen);

        QTest::keyClick(desk.window.grid()->view(), Qt::Key_F2);
        QCOMPARE(m_library->count(u"select count(*) from BorrowInfo where Code = 'B1' and State = '未还'"
                                  " and ReturnDate = ?"_s,
                                  {chosen}),
                 1);
    }

    void returnShowsTheReadersWaiting()
    {
        Desk desk(m_library->context);
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        QTest::keyClick(desk.box(u"EditRCode"_s), Qt::Key_F11);
        // The book alone finds its borrower.
        desk.type(u"EditBCode"_s, u"B3"_s);
        QCOMPARE(desk.box(u"EditRCode"_s)->text(), u"R2"_s);
        QCOMPARE(desk.state(0), u"新还"_s);
        QStringList waiting;
        test::onNextModal([&](QWidget *modal) {
            auto *window = qobject_cast<TFrmBookDest *>(modal);
            QVERIFY(window);
            for (int row = 0; row < window->grid()->model()->rowCount(); ++row)
                waiting << window->grid()->model()->fieldValue(row, u"Rcode"_s).toString();
            window->close();
        });
        desk.type(u"EditBCode"_s, QString());
        QCOMPARE(waiting, QStringList{u"R1"_s});
        QCOMPARE(m_library->count(u"select count(*) from BorrowInfo where Code = 'B3' and State = '已还'"_s), 1);
        QCOMPARE(desk.rows(), 0);
    }

    void readerPanelShowsThePhotoOfEachReader()
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        db().exec(u"update ReaderInfo set PhotoBmp = ? where Code = 'R1'"_s, {png});
        Desk desk(m_library->context);
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        auto *photo = desk.window.findChild<QLabel *>(u"Image1"_s);
        desk.type(u"EditRCode"_s, u"R1"_s);
        QVERIFY(!photo->pixmap().isNull());
        // Another reader, without a picture.
        desk.box(u"EditRCode"_s)->clear();
        desk.type(u"EditRCode"_s, u"R2"_s);
        QCOMPARE(desk.box(u"EditRName"_s)->text(), u"李四"_s);
        QVERIFY(photo->pixmap().isNull());
    }
};

QTEST_MAIN(BorrowBillTest)
#include "BorrowBillTest.moc"
