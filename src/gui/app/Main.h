#pragma once

#include "Commands.h"
#include "gui/framework/WindowContext.h"

#include <QMainWindow>
#include <functional>

class QMdiArea;

namespace tarvo::gui {

class MainMenu;
class MainStatusBar;
class TFrmMainIDE;

// The MDI main window: the menu of every command, the navigator, the status bar
// with the business date, the log-in at start-up and the orderly exit.
class TFrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFrmMain(WindowContext &context, const QList<Command> &commands = mainCommands(),
                      QWidget *parent = nullptr);

    // The start-up set-up: log-in, business date, parameters, navigator, rights,
    // overdue lists, status bar. False when nobody logged in: the program ends.
    bool InitForm();

    // Brings the MDI child of the class to the front, making it when there is none.
    template <class T> T *OpenChild()
    {
        return static_cast<T *>(
            OpenChild([](QWidget *w) { return dynamic_cast<T *>(w) != nullptr; }, [this] { return new T(context()); }));
    }
    QWidget *OpenChild(const std::function<bool(QWidget *)> &isOfClass, const std::function<QWidget *()> &make);

    // Gates the commands and the navigator by the operator's rights.
    void ApplyRights();
    // 更换操作员: another log-in; the business date and the open windows stay.
    void ChangeOperator();

    WindowContext &context() const { return m_context; }
    QMdiArea *mdiArea() const { return m_mdiArea; }
    MainMenu *menu() const { return m_menu; }
    MainStatusBar *status() const { return m_status; }
    TFrmMainIDE *navigator() const { return m_navigator; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void RunCommand(const Command &command);
    void ShowOperator();

    WindowContext &m_context;
    QMdiArea *m_mdiArea;
    MainMenu *m_menu;
    MainStatusBar *m_status;
    TFrmMainIDE *m_navigator = nullptr;
};

} // namespace tarvo::gui
