#include "support/ModalSteps.h"
#include "support/ScriptedPrompt.h"

#include "core/app/AppState.h"
#include "core/app/OperatorRights.h"
#include "core/db/Database.h"
#include "core/db/DeliveredDatabase.h"
#include "gui/app/Main.h"
#include "gui/app/MainIDE.h"
#include "gui/app/MainMenu.h"
#include "gui/app/MainStatusBar.h"
#include "gui/app/RightSet.h"
#include "gui/controls/DataGrid.h"
#include "gui/framework/BaseD.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

using namespace Qt::StringLiterals;
using namespace tarvo;
using namespace tarvo::gui;
using tarvo::test::onNextModal;

namespace {

// A child window of the catalogue's kind, standing in for the real one.
class ProbeWindow : public TFrmBaseD
{
    // findChild tells it from the overdue lists the set-up opens.
    Q_OBJECT
public:
    explicit ProbeWindow(WindowContext &context)
        : TFrmBaseD(context)
    {
        resize(300, 200);
    }
};

// Presses Enter on whatever has the focus while a modal dialog is up: the log-in
// and the business date are passed with Enter alone.
void pressEnterThroughDialogs(bool *done)
{
    QTimer::singleShot(30, [done] {
        if (*done)
            return;
        if (QApplication::activeModalWidget() && QApplication::focusWidget())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        pressEnterThroughDialogs(done);
    });
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<Database> m_db;
    AppState m_state;
    test::ScriptedPrompt m_prompt;
    std::unique_ptr<WindowContext> m_context;
    std::unique_ptr<TFrmMain> m_main;
    int m_bookDataRuns = 0;

    // The program's commands, with the book catalogue standing in as a probe.
    QList<Command> commands(const CommandRun &bookData) { return commands({{u"NBookData"_s, bookData}}); }
    QList<Command> commands(const QHash<QString, CommandRun> &runs)
    {
        QList<Command> list = mainCommands();
        for (Command &c : list)
            c.run = runs.value(c.name, c.run);
        return list;
    }

    void startMain(const QList<Command> &list)
    {
        m_main = std::make_unique<TFrmMain>(*m_context, list);
        m_main->resize(1024, 700);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
        bool done = false;
        pressEnterThroughDialogs(&done);
        const bool loggedIn = m_main->InitForm();
        done = true;
        QVERIFY(loggedIn);
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }

    void pressCtrlF2() { QTest::keyClick(m_main.get(), Qt::Key_F2, Qt::ControlModifier); }

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        qputenv("TARVO_HOME", QFile::encodeName(m_folder->path()));
        const ConnectionTarget target{Engine::SQLite, QDir(m_folder->path()).filePath(u"Data/tarvo.dat"_s), false};
        DeliveredDatabase::create(target);
        m_db = std::make_unique<Database>();
        m_db->open(target);
        m_state = {};
        m_prompt.shown.clear();
        m_prompt.answers.clear();
        m_context = std::make_unique<WindowContext>(WindowContext{*m_db, m_state, m_prompt});
        m_bookDataRuns = 0;
    }

    void cleanup()
    {
        m_main.reset();
        m_db.reset();
    }

    void theSetUpLogsInAndFillsTheStatusBar()
    {
        startMain(mainCommands());
        QCOMPARE(m_state.OperatorCode, u"Admin"_s);
        QCOMPARE(m_state.OperatorName, u"系统管理员"_s);
        QCOMPARE(m_state.BusinessDate, QDate::currentDate());
        QCOMPARE(m_main->windowTitle(), u"塔沃图书馆管理系统7"_s);
        QCOMPARE(m_main->status()->panelText(0), u"塔沃图书馆管理系统普及版7"_s);
        QCOMPARE(m_main->status()->panelText(1), u"管理员：系统管理员"_s);
        QVERIFY(m_main->status()->panelText(2).startsWith(u"今天是 "_s));
        QVERIFY(m_main->navigator());
        QCOMPARE(m_main->navigator()->parentWidget()->pos(), QPoint(1, 1));
        // The timer follows the business date.
        m_state.BusinessDate = QDate(2024, 5, 12);
        QTRY_COMPARE(m_main->status()->panelText(2), u"今天是 2024年5月12日  星期日"_s);
    }

    void aShortcutOfAModuleWhoseRightIsOffDoesNothing()
    {
        startMain(commands([this](TFrmMain &) { ++m_bookDataRuns; }));
        db().exec(u"insert into SystemUser (UseCode, UseName, Duty) values ('Lee', '李明', '操作员')"_s);
        OperatorRights::ModuleRights rights{};
        rights[3] = true; // readers only
        OperatorRights::grant(db(), u"Lee"_s, rights);

        m_state.OperatorCode = u"Lee"_s;
        m_main->ApplyRights();
        QVERIFY(!m_main->menu()->action(u"NBookData"_s)->isEnabled());
        for (QToolButton *button : m_main->navigator()->buttonsOf(u"NBookData"_s))
            QVERIFY(!button->isEnabled());
        pressCtrlF2();
        m_main->menu()->trigger(u"NBookData"_s);
        QCOMPARE(m_bookDataRuns, 0);

        // The same keys work for an operator who has the right.
        m_state.OperatorCode = u"Admin"_s;
        m_main->ApplyRights();
        QVERIFY(m_main->navigator()->buttonsOf(u"NBookData"_s).first()->isEnabled());
        pressCtrlF2();
        QCOMPARE(m_bookDataRuns, 1);
        m_main->navigator()->buttonsOf(u"NBookData"_s).last()->click();
        QCOMPARE(m_bookDataRuns, 2);
    }

    void aCommandWithoutItsWindowStaysDisabled()
    {
        startMain(mainCommands());
        QVERIFY(!m_main->menu()->action(u"NMagzData"_s)->isEnabled());
        QVERIFY(m_main->menu()->action(u"NRightSet"_s)->isEnabled());
        QCOMPARE(m_main->menu()->action(u"NMagzData"_s)->shortcut(), QKeySequence(u"Ctrl+F3"_s));
    }

    void aChildWindowIsOpenedOnceAndClosesWithItsFrame()
    {
        startMain(commands([](TFrmMain &main) { main.OpenChild<ProbeWindow>(); }));
        const auto probes = [this] {
            int n = 0;
            for (QMdiSubWindow *frame : m_main->mdiArea()->subWindowList())
                n += dynamic_cast<ProbeWindow *>(frame->widget()) != nullptr;
            return n;
        };
        // The navigator, and the overdue lists when the set-up opened them.
        const qsizetype others = m_main->mdiArea()->subWindowList().size();
        pressCtrlF2();
        pressCtrlF2();
        QCOMPARE(probes(), 1);
        auto *probe = m_main->findChild<ProbeWindow *>();
        QVERIFY(probe);
        QCOMPARE(m_main->mdiArea()->activeSubWindow()->widget(), probe);
        QTest::keyClick(probe, Qt::Key_Escape);
        QTRY_COMPARE(probes(), 0);
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), others); // the others stay
    }

    void theFramesKeysReachTheirCommandsOverAnActiveChild()
    {
        QStringList ran;
        QHash<QString, CommandRun> runs{{u"NBookData"_s, [](TFrmMain &main) { main.OpenChild<ProbeWindow>(); }}};
        const std::pair<QString, Qt::Key> keyed[] = {{u"NMagzData"_s, Qt::Key_F3},
                                                     {u"NReaderData"_s, Qt::Key_F4},
                                                     {u"NBorrowBill"_s, Qt::Key_F5},
                                                     {u"NBorrowBill1"_s, Qt::Key_F6},
                                                     {u"NQryBorrow"_s, Qt::Key_F7}};
        for (const auto &[name, key] : keyed)
            runs.insert(name, [&ran, name](TFrmMain &) { ran << name; });
        startMain(commands(runs));
        pressCtrlF2();
        auto *probe = m_main->findChild<ProbeWindow *>();
        QVERIFY(probe);
        for (const auto &[name, key] : keyed)
            QTest::keyClick(probe, key, Qt::ControlModifier);
        QCOMPARE(ran,
                 (QStringList{u"NMagzData"_s, u"NReaderData"_s, u"NBorrowBill"_s, u"NBorrowBill1"_s, u"NQryBorrow"_s}));
        QVERIFY(m_main->findChild<ProbeWindow *>()); // Ctrl+F4 ran 读者管理; it closed nothing
    }

    void closingAsksFirstThenOffersTheBackup()
    {
        startMain(mainCommands());
        m_prompt.answers = {Prompt::Button::No};
        m_main->close();
        QVERIFY(m_main->isVisible());
        QCOMPARE(m_prompt.texts(), QStringList{u"确定退出塔沃图书馆管理系统？"_s});
        QCOMPARE(m_prompt.shown.first().caption, u"提示！"_s);
        QCOMPARE(m_prompt.shown.first().buttons, Prompt::Button::Yes | Prompt::Button::No);
        QVERIFY(m_db->isOpen());

        QString offered;
        // The backup window, once it is the modal one (not a dialog still on its way up).
        std::function<void(QWidget *)> leaveBackup = [&](QWidget *modal) {
            auto *exit = modal->findChild<QPushButton *>(u"BtExit"_s);
            if (!exit) {
                onNextModal(leaveBackup);
                return;
            }
            offered = modal->windowTitle();
            exit->click();
        };
        onNextModal(leaveBackup);
        m_prompt.answers = {Prompt::Button::Yes};
        m_main->close();
        QCOMPARE(offered, u"备份数据"_s);
        QVERIFY(!m_main->isVisible());
        // Compacted on the way out: the connection is closed, no temporary copy is left.
        QVERIFY(!m_db->isOpen());
        QVERIFY(!QFileInfo::exists(QDir(m_folder->path()).filePath(u"Data/DBtmp.mdb"_s)));
        QVERIFY(QFileInfo::exists(QDir(m_folder->path()).filePath(u"Data/tarvo.dat"_s)));
    }

    void theRightsDialogGrantsWhatItsBoxesShow()
    {
        TFrmRightSet dialog(*m_context);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *grid = dialog.findChild<DataGrid *>(u"DBGrid1"_s);
        QCOMPARE(grid->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), u"用户编码"_s);
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(dialog.findChild<QTabWidget *>(u"PageControl1"_s)
                     ->tabText(dialog.findChild<QTabWidget *>(u"PageControl1"_s)->currentIndex()),
                 u"系统管理"_s);
        auto *backup = dialog.findChild<QCheckBox *>(u"CheckBox19"_s);
        QVERIFY(backup->isChecked()); // Admin has every right

        dialog.findChild<QPushButton *>(u"BtNone"_s)->click();
        backup->setChecked(true);
        dialog.findChild<QToolButton *>(u"BtGrant"_s)->click();

        OperatorRights::ModuleRights expected{};
        expected[19] = true;
        expected[8] = expected[11] = true; // no box: kept as loaded
        QCOMPARE(OperatorRights::load(db(), u"Admin"_s), expected);
        QCOMPARE(db().scalar(u"select count(*) from UserModule where UseCode = 'Admin'"_s).toInt(), 35);
        QVERIFY(m_prompt.shown.isEmpty());
    }

    void escapeDoesNotCloseTheMainWindow()
    {
        startMain(mainCommands());
        QTest::keyClick(m_main.get(), Qt::Key_Escape);
        QVERIFY(m_main->isVisible());
        QVERIFY(m_prompt.shown.isEmpty());
    }

private:
    Database &db() { return *m_db; }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
