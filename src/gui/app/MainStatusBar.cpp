#include "MainStatusBar.h"

#include "core/app/AppState.h"
#include "core/app/BusinessDate.h"
#include "core/app/Helpers.h"

#include <QLabel>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

MainStatusBar::MainStatusBar(const AppState &state, QWidget *parent)
    : QStatusBar(parent)
    , m_state(state)
    , m_timer(new QTimer(this))
{
    setObjectName(u"StatusBar1"_s);
    setSizeGripEnabled(false);
    const std::pair<int, Qt::Alignment> panels[] = {
        {250, Qt::AlignCenter}, {200, Qt::AlignCenter}, {180, Qt::AlignLeft | Qt::AlignVCenter}};
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(u"Panel%1"_s.arg(i));
        // At least the system's widths; wider when the text needs it.
        label->setMinimumWidth(panels[i].first);
        label->setAlignment(panels[i].second);
        label->setContentsMargins(6, 0, 6, 0);
        addWidget(label);
        m_panels[i] = label;
    }
    m_panels[0]->setText(AppTitle());
    m_timer->setInterval(500);
    connect(m_timer, &QTimer::timeout, this, &MainStatusBar::Timer1Timer);
}

void MainStatusBar::setOperator(const QString &name)
{
    m_panels[1]->setText(u"管理员："_s + name);
}

void MainStatusBar::start()
{
    Timer1Timer();
    m_timer->start();
}

void MainStatusBar::stop()
{
    m_timer->stop();
}

QString MainStatusBar::panelText(int panel) const
{
    return m_panels[panel]->text();
}

void MainStatusBar::Timer1Timer()
{
    m_panels[2]->setText(BusinessDate::statusLine(m_state.BusinessDate));
}

} // namespace tarvo::gui
