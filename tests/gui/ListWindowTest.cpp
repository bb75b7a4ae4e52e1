#include "support/ModalSteps.h"
#include "support/ScriptedPrompt.h"

#include "core/app/AppState.h"
#include "core/db/Database.h"
#include "core/db/DeliveredDatabase.h"
#include "core/db/SeedData.h"
#include "core/db/Transaction.h"
#include "core/framework/PagedResult.h"
#include "gui/controls/DataGrid.h"
#include "gui/controls/FooterBar.h"
#include "gui/framework/BaseDataEdit.h"
#include "gui/framework/FindReader.h"
#include "gui/framework/MDIBaseQuery.h"
#include "gui/framework/ReportDesigner.h"
#include "gui/framework/MDIBaseData.h"
#include "gui/framework/SetInterface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <functional>

using namespace Qt::StringLiterals;
using namespace tarvo;
using namespace tarvo::gui;
using tarvo::test::onNextModal;

namespace {

// A small edit dialog and list window over the reader types, built only for these tests.
class TypeEdit : public TFrmBaseDataEdit
{
public:
    explicit TypeEdit(WindowContext &context)
        : TFrmBaseDataEdit(context, u"ReaderType"_s)
        , code(new QLineEdit(Panel1))
        , books(new QSpinBox(Panel1))
        , days(new QSpinBox(Panel1))
    {
        setObjectName(u"TypeEdit"_s);
        code->setObjectName(u"EditCode"_s);
        days->setMaximum(999);
        auto *layout = new QVBoxLayout(Panel1);
        layout->addWidget(code);
        layout->addWidget(books);
        layout->addWidget(days);
        Bind(code, u"Code"_s);
        Bind(books, u"CeQty"_s);
        Bind(days, u"LimitDay"_s);
    }

    QLineEdit *code;
    QSpinBox *books;
    QSpinBox *days;

protected:
    bool CheckData() override
    {
        if (!code->text().trimmed().isEmpty())
            return true;
        prompt().info(u"类型名称必须填写！"_s);
        return false;
    }
};

class TypeList : public TMDIBaseData
{
public:
    explicit TypeList(WindowContext &context)
        : TMDIBaseData(context)
    {
        setObjectName(u"FrmTypeList"_s);
    }

protected:
    void InitForm() override
    {
        TMDIBaseData::InitForm();
        if (SetUpStopped())
            return;
        Panel2->setText(u"读者类别"_s);
        DataTable = u"ReaderType"_s;
        OpenData(u"select * from ReaderType"_s, {}, u"Code"_s);
    }
    void BtAddClick() override
    {
        TypeEdit dialog(context());
        dialog.EditMode = 1;
        dialog.exec();
        TMDIBaseData::BtAddClick();
    }
    void BtEditClick() override
    {
        if (!data() || data()->count() == 0)
            return;
        CurrentKey = CurrentValue(u"Code"_s).toString();
        TypeEdit dialog(context());
        dialog.EditMode = 2;
        dialog.KeyField = u"Code"_s;
        dialog.KeyValue = CurrentKey;
        dialog.exec();
        Requery(u"Code"_s, CurrentKey);
    }
};

class LoanQuery : public TMDIBaseQuery
{
public:
    explicit LoanQuery(WindowContext &context)
        : TMDIBaseQuery(context)
    {
        setObjectName(u"FrmLoanQuery"_s);
        SumFields = {u"ExceedFund"_s};
    }
};


} // namespace

class ListWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    Database m_db;
    AppState m_state;
    test::ScriptedPrompt m_prompt;
    std::unique_ptr<WindowContext> m_context;
    std::unique_ptr<TypeList> m_list;

    int count(const QString &sql) { return m_db.scalar(sql).toInt(); }
    QTableView *view() { return m_list->grid()->view(); }
    QString title(int column)
    {
        return view()->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    void clickTitle(int column)
    {
        QHeaderView *header = view()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }

private slots:
    void initTestCase()
    {
        const ConnectionTarget target{Engine::SQLite, m_folder.filePath(u"tarvo.dat"_s), false};
        DeliveredDatabase::create(target);
        m_db.open(target);
        Transaction t(m_db);
        SeedData::loadLayout(m_db, u"TypeList"_s,
                             u"modules\tFrmTypeList\nCode\t类别\t100\tshown\tkey\nCeQty\t借书册数\t80\tshown\n"
                             "LimitDay\t借书天数\t80\tshown\nRenewTime\t续借次数\t80\thidden\n"_s);
        t.commit();
        m_state.BusinessDate = QDate(2024, 5, 6);
        m_context = std::make_unique<WindowContext>(WindowContext{m_db, m_state, m_prompt});
    }

    void init()
    {
        m_prompt.shown.clear();
        m_list = std::make_unique<TypeList>(*m_context);
        m_list->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
    }

    void cleanup() { m_list.reset(); }

    void listsTheTableWithItsLayout()
    {
        QCOMPARE(m_list->TableCode, u"TypeList"_s);
        QCOMPARE(m_list->KeyField, u"Code"_s);
        QCOMPARE(view()->model()->columnCount(), 3);
        QCOMPARE(title(1), u"借书册数"_s);
        QCOMPARE(view()->model()->rowCount(), count(u"select count(*) from ReaderType"_s));
        QCOMPARE(view()->columnWidth(0), 100);
    }

    void addsThroughTheDialogWithEnterWalkingTheFields()
    {
        const int before = count(u"select count(*) from ReaderType"_s);
        bool walked = false;
        onNextModal([&](QWidget *modal) {
            auto *dialog = dynamic_cast<TypeEdit *>(modal);
            QVERIFY(dialog);
            QTRY_VERIFY(dialog->code->hasFocus());
            dialog->code->setText(u"研究生"_s);
            QTest::keyClick(dialog->code, Qt::Key_Return);
            walked = dialog->books->hasFocus();
            dialog->books->setValue(8);
            dialog->days->setValue(45);
            dialog->findChild<QPushButton *>(u"BtSaveExit"_s)->click();
        });
        m_list->findChild<QToolButton *>(u"BtAdd"_s)->click();
        QVERIFY(walked);
        QCOMPARE(count(u"select count(*) from ReaderType"_s), before + 1);
        QCOMPARE(count(u"select CeQty from ReaderType where Code = '研究生'"_s), 8);
        QCOMPARE(view()->model()->rowCount(), before + 1);
        QVERIFY(m_prompt.shown.isEmpty());
    }

    void refusedInputStaysInTheDialog()
    {
        onNextModal([&](QWidget *modal) {
            auto *dialog = dynamic_cast<TypeEdit *>(modal);
            dialog->days->setValue(12);
            dialog->findChild<QPushButton *>(u"BtSaveAdd"_s)->click();
            QCOMPARE(m_prompt.texts(), QStringList{u"类型名称必须填写！"_s});
            QVERIFY(dialog->isVisible());
            QCOMPARE(dialog->days->value(), 12);
            dialog->findChild<QPushButton *>(u"BtCancelExit"_s)->click();
        });
        const int before = count(u"select count(*) from ReaderType"_s);
        m_list->findChild<QToolButton *>(u"BtAdd"_s)->click();
        QCOMPARE(count(u"select count(*) from ReaderType"_s), before);
    }

    void escapeDiscardsAnEditWithoutAsking()
    {
        m_list->grid()->setCurrentRow(0);
        const QString code = m_list->grid()->model()->fieldValue(0, u"Code"_s).toString();
        const int days = count(u"select LimitDay from ReaderType where Code = '"_s + code + u"'"_s);
        onNextModal([&](QWidget *modal) {
            auto *dialog = dynamic_cast<TypeEdit *>(modal);
            QCOMPARE(dialog->code->text(), code);
            dialog->days->setValue(days + 1);
            QTest::keyClick(dialog->days, Qt::Key_Escape);
        });
        m_list->findChild<QToolButton *>(u"BtEdit"_s)->click();
        QCOMPARE(count(u"select LimitDay from ReaderType where Code = '"_s + code + u"'"_s), days);
        QVERIFY(m_prompt.shown.isEmpty());
    }

    void deletesTheCurrentRowAfterAsking()
    {
        const int before = count(u"select count(*) from ReaderType"_s);
        m_list->grid()->setCurrentRow(before - 1);
        const QString last = m_list->grid()->model()->fieldValue(before - 1, u"Code"_s).toString();
        m_prompt.answers = {Prompt::Button::Ok};
        m_list->findChild<QToolButton *>(u"BtDelete"_s)->click();
        QCOMPARE(m_prompt.texts(), QStringList{u"是否删除此记录？"_s});
        QCOMPARE(count(u"select count(*) from ReaderType"_s), before - 1);
        QCOMPARE(count(u"select count(*) from ReaderType where Code = '"_s + last + u"'"_s), 0);
        // The new last row is current.
        QCOMPARE(m_list->grid()->currentRow(), before - 2);
    }

    void titleClicksSortUpDownUp()
    {
        clickTitle(1);
        QVERIFY(title(1).endsWith(u"▲"_s));
        const auto books = [&](int row) { return m_list->grid()->model()->fieldValue(row, u"CeQty"_s).toInt(); };
        const int rows = view()->model()->rowCount();
        QVERIFY(books(0) <= books(rows - 1));
        clickTitle(1);
        QVERIFY(title(1).endsWith(u"▼"_s));
        QVERIFY(books(0) >= books(rows - 1));
        clickTitle(1);
        QCOMPARE(title(1), u"借书册数▲"_s);
        clickTitle(2); // another column takes the marker over
        QCOMPARE(title(1), u"借书册数"_s);
        QCOMPARE(title(2), u"借书天数▲"_s);
    }

    void layoutDialogCancelChangesNothing()
    {
        onNextModal([](QWidget *modal) {
            auto *dialog = qobject_cast<TFrmSetInterface *>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->grid()->rowCount(), 4);
            dialog->grid()->item(0, 1)->setCheckState(Qt::Unchecked);
            dialog->findChild<QPushButton *>(u"BtCancel"_s)->click();
        });
        m_list->findChild<QMenu *>()->findChild<QAction *>(u"N2"_s)->trigger();
        QCOMPARE(view()->model()->columnCount(), 3);
        QCOMPARE(count(u"select count(*) from TableStructure where TableCode = 'TypeList' and IsVisible = 1"_s), 3);
    }

    void queryWindowCountsAndSums()
    {
        m_db.exec(u"insert into BorrowInfo (Code, Rcode, State, BorrowDate, ExceedFund) values"
                  " ('Q1', 'R1', '已还', '2024-05-01', 1.5), ('Q2', 'R1', '已还', '2024-05-31', 2.25),"
                  " ('Q3', 'R2', '已还', '2024-06-01', 9)"_s);
        LoanQuery query(*m_context);
        query.show();
        QVERIFY(QTest::qWaitForWindowExposed(&query));
        query.OpenQuery(u"select * from BorrowInfo"_s,
                        SqlCondition().dateRange(u"BorrowDate"_s, QDate(2024, 5, 1), QDate(2024, 5, 31)),
                        u"BorrowDate"_s);
        QCOMPARE(query.findChild<QLabel *>(u"LbQty"_s)->text(), u"共 2 条记录"_s);
        const QStringList footer = query.findChild<FooterBar *>()->texts();
        QVERIFY(footer.contains(u"3.75"_s));
        QVERIFY(!query.grab().isNull()); // the footer paints beside the grid
        query.OpenQuery(u"select * from BorrowInfo"_s, SqlCondition().equals(u"Code"_s, u"none"_s), u"Id"_s);
        QCOMPARE(query.findChild<QLabel *>(u"LbQty"_s)->text(), u"共 0 条记录"_s);
    }

    void lookupNarrowsAndChooses()
    {
        m_db.exec(u"insert into ReaderInfo (Code, Name, Py) values ('2001', '张三', 'zs'), ('2002', '李四', 'ls'),"
                  " ('3001', '王五', 'ww')"_s);
        TFrmFindReader lookup(*m_context);
        lookup.ResultCode = u"20"_s;
        onNextModal([&](QWidget *) {
            QCOMPARE(lookup.grid()->model()->rowCount(), 2);
            lookup.searchBox()->setText(u"200"_s);
            lookup.searchBox()->setText(u"2002"_s);
            QCOMPARE(lookup.grid()->model()->rowCount(), 1);
            QTest::keyClick(lookup.searchBox(), Qt::Key_Return); // into the grid
            QTest::keyClick(lookup.grid()->view(), Qt::Key_Return);
        });
        lookup.exec();
        QCOMPARE(lookup.ResultCode, u"2002"_s);
        QCOMPARE(lookup.ResultName, u"李四"_s);

        TFrmFindReader cancelled(*m_context);
        cancelled.ResultCode = u"20"_s;
        onNextModal([&](QWidget *) { QTest::keyClick(cancelled.searchBox(), Qt::Key_Escape); });
        cancelled.exec();
        QVERIFY(cancelled.ResultCode.isEmpty());
    }

    void designerSavesWhatTheFormShows()
    {
        const QString path = m_folder.filePath(u"report/TypeList.rmf"_s);
        TFrmReportDesigner designer(*m_context, path, u"读者类别"_s, m_list->grid()->shownData());
        designer.show();
        QCOMPARE(designer.currentTemplate().title, u"读者类别"_s); // no template yet: the caption
        const auto buttons = designer.findChildren<QPushButton *>();
        for (QPushButton *b : buttons) {
            if (b->text() == u"按表格重排"_s)
                b->click();
        }
        QCOMPARE(designer.currentTemplate().columns.size(), 3);
        QVERIFY(designer.Save());
        const auto saved = report::ListTemplate::load(path);
        QVERIFY(saved.has_value());
        QCOMPARE(saved->title, u"读者类别"_s);
        QCOMPARE(saved->columns.size(), 3);
        QCOMPARE(saved->columns.at(1).title, u"借书册数"_s);
        QCOMPARE(m_prompt.texts(), QStringList{u"报表已保存。"_s});
    }

    void layoutDialogConfirmRebuildsTheGrid()
    {
        onNextModal([](QWidget *modal) {
            auto *dialog = qobject_cast<TFrmSetInterface *>(modal);
            dialog->grid()->item(0, 1)->setCheckState(Qt::Unchecked);
            dialog->grid()->item(3, 1)->setCheckState(Qt::Checked);
            dialog->grid()->setCurrentCell(3, 0); // leaving row 0 writes it
            dialog->findChild<QPushButton *>(u"BtOk"_s)->click();
        });
        const auto menus = m_list->findChildren<QMenu *>();
        for (QMenu *menu : menus) {
            if (QAction *action = menu->findChild<QAction *>(u"N2"_s))
                action->trigger();
        }
        QCOMPARE(view()->model()->columnCount(), 3);
        QCOMPARE(title(0), u"借书册数"_s);
        QCOMPARE(title(2), u"续借次数"_s);
    }
};

QTEST_MAIN(ListWindowTest)
#include "ListWindowTest.moc"
