#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

namespace tarvo {
struct AppState;
}

namespace tarvo::gui {

// The main window's status bar: the title, the operator, and the business date
// line that a 500 ms timer keeps up to date.
class MainStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    MainStatusBar(const AppState &state, QWidget *parent = nullptr);

    void setOperator(const QString &name);
    void start();
    void stop();

    QString panelText(int panel) const;

private:
    void Timer1Timer();

    const AppState &m_state;
    QLabel *m_panels[3];
    QTimer *m_timer;
};

} // namespace tarvo::gui
