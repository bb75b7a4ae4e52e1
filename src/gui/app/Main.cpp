#include "Main.h"

#include "core/app/AppState.h"
#include "core/app/Helpers.h"
#include "core/db/DMData.h"

#include <QLabel>
#include <QMdiArea>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmMain::TFrmMain(TDMData &data, AppState &state, QWidget *parent)
    : QMainWindow(parent)
    , m_data(data)
    , m_state(state)
    , m_mdiArea(new QMdiArea(this))
{
    setObjectName(u"FrmMain"_s);
    setWindowTitle(AppTitle());
    setCentralWidget(m_mdiArea);
    statusBar()->addWidget(new QLabel(AppTitle(), this));
    statusBar()->addWidget(new QLabel(m_data.DBPath(), this), 1);
    m_state.DBPath = m_data.DBPath();
}

} // namespace tarvo::gui
