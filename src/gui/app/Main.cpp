#include "Main.h"

#include "BackupExit.h"
#include "Guarded.h"
#include "Login.h"
#include "MainIDE.h"
#include "MainMenu.h"
#include "MainStatusBar.h"
#include "SysDate.h"
#include "core/app/AppState.h"
#include "core/app/Helpers.h"
#include "core/app/Maintenance.h"
#include "core/app/OperatorRights.h"
#include "core/app/Operators.h"
#include "core/app/Parameters.h"
#include "core/app/ProgramFolder.h"
#include "core/app/Prompt.h"
#include "core/db/Database.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmMain::TFrmMain(WindowContext &context, const QList<Command> &commands, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_mdiArea(new QMdiArea(this))
    , m_menu(new MainMenu(menuBar(), commands, this))
    , m_status(new MainStatusBar(context.state, this))
{
    setObjectName(u"FrmMain"_s);
    setWindowTitle(AppTitle());
    m_mdiArea->setObjectName(u"MdiArea"_s);
    m_mdiArea->setBackground(QColor(0x8c, 0x96, 0xa0));
    setCentralWidget(m_mdiArea);
    setStatusBar(m_status);
    connect(m_menu, &MainMenu::commandRequested, this, &TFrmMain::RunCommand);
}

bool TFrmMain::InitForm()
{
    AppState &state = m_context.state;
    const QString code = ShowLogin(m_context, QString(), this);
    if (code.isEmpty())
        return false;
    state.OperatorCode = code;
    state.BusinessDate = ShowSysDate(m_context, this);
    state.OperatorName = Operators(m_context.db).nameOf(code);
    state.sysParams = Parameters::toSysParams(Parameters::loadOrCreate(m_context.db));
    setWindowTitle(state.sysParams.CorpName);

    m_navigator = OpenChild<TFrmMainIDE>();
    connect(m_navigator, &TFrmMainIDE::commandClicked, m_menu, &MainMenu::trigger);
    if (QWidget *frame = m_navigator->parentWidget()) {
        // Fixed in size and place, and there for the whole run.
        frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint);
        frame->move(1, 1);
        frame->show();
    }
    ApplyRights();

    if (state.sysParams.IfExcced) {
        for (const CommandRun &open : overdueLists())
            open(*this);
    }
    ShowOperator();
    m_status->start();
    return true;
}

QWidget *TFrmMain::OpenChild(const std::function<bool(QWidget *)> &isOfClass, const std::function<QWidget *()> &make)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    for (QMdiSubWindow *frame : m_mdiArea->subWindowList()) {
        if (isOfClass(frame->widget())) {
            frame->showNormal();
            m_mdiArea->setActiveSubWindow(frame);
            return frame->widget();
        }
    }
    QWidget *child = make();
    QMdiSubWindow *frame = m_mdiArea->addSubWindow(child);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    // Ctrl+F4 is 读者管理 in this program, not the close of a child window.
    if (QMenu *systemMenu = frame->systemMenu()) {
        for (QAction *action : systemMenu->actions())
            action->setShortcuts({});
    }
    // A child dialog that closes itself (Esc, its own 退出) takes its frame with it.
    if (auto *dialog = qobject_cast<QDialog *>(child))
        connect(dialog, &QDialog::finished, frame, &QMdiSubWindow::close);
    frame->adjustSize();
    const QSize area = m_mdiArea->viewport()->size();
    frame->move((area.width() - frame->width()) / 2, (area.height() - frame->height()) / 4);
    frame->show();
    return child;
}

void TFrmMain::ApplyRights()
{
    const QHash<int, bool> rights = OperatorRights::stored(m_context.db, m_context.state.OperatorCode);
    for (auto it = rights.cbegin(); it != rights.cend(); ++it)
        m_menu->setRight(it.key(), it.value());
    if (m_navigator)
        m_navigator->setEnabledCommands([this](const QString &name) { return m_menu->isEnabled(name); });
}

void TFrmMain::ShowOperator()
{
    m_status->setOperator(m_context.state.OperatorName);
}

void TFrmMain::ChangeOperator()
{
    AppState &state = m_context.state;
    const QString code = ShowLogin(m_context, state.OperatorCode, this);
    if (code.isEmpty())
        return;
    state.OperatorCode = code;
    state.OperatorName = Operators(m_context.db).nameOf(code);
    ApplyRights();
    ShowOperator();
}

void TFrmMain::RunCommand(const Command &command)
{
    Guarded(m_context.prompt, [&] { command.run(*this); });
}

void TFrmMain::closeEvent(QCloseEvent *event)
{
    if (m_context.state.OperatorCode.isEmpty()) {
        event->accept();
        return;
    }
    if (m_context.prompt.question(u"确定退出塔沃图书馆管理系统？"_s, u"提示！"_s,
                                  Prompt::Button::Yes | Prompt::Button::No,
                                  Prompt::Button::Yes) != Prompt::Button::Yes) {
        event->ignore();
        return;
    }
    // Open windows may still hold unsaved work; one that refuses to close keeps the program running.
    for (QMdiSubWindow *frame : m_mdiArea->subWindowList()) {
        if (frame->widget() != m_navigator && !frame->close()) {
            event->ignore();
            return;
        }
    }
    m_status->stop();
    Maintenance maintenance(m_context.db, m_context.prompt, programFolder());
    // A database shared with other desks is neither backed up nor compacted here.
    if (!m_context.db.target().onNetwork) {
        TFrmBackupExit backup(m_context, maintenance, this);
        backup.exec();
    }
    maintenance.compactAtExit();
    event->accept();
}

} // namespace tarvo::gui
