#pragma once

#include <QMainWindow>

class QMdiArea;

namespace tarvo {
class TDMData;
struct AppState;
} // namespace tarvo

namespace tarvo::gui {

// The MDI main window that every command's window opens in.
class TFrmMain : public QMainWindow
{
    Q_OBJECT
public:
    TFrmMain(TDMData &data, AppState &state, QWidget *parent = nullptr);

    QMdiArea *mdiArea() const { return m_mdiArea; }

private:
    TDMData &m_data;
    AppState &m_state;
    QMdiArea *m_mdiArea;
};

} // namespace tarvo::gui
