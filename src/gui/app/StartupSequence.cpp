#include "StartupSequence.h"

#include "Guarded.h"
#include "Main.h"
#include "Startup.h"
#include "core/app/ProgramFolder.h"
#include "core/app/Prompt.h"

#include <QGuiApplication>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

StartupSequence::StartupSequence(Prompt &prompt)
    : m_prompt(prompt)
{}

StartupSequence::~StartupSequence() = default;

bool StartupSequence::run(int splashMilliseconds)
{
    m_startup = std::make_unique<TFrmStartup>();
    m_startup->showFor(splashMilliseconds);

    switch (m_data.open(programFolder())) {
    case TDMData::OpenResult::ConfigMissing:
        m_prompt.info(u"系统无法找到配置文件！"_s);
        return false;
    case TDMData::OpenResult::ConnectionFailed:
        m_prompt.error(u"连接失败,请重新设置数据连接！"_s);
        return false;
    case TDMData::OpenResult::Opened:
        break;
    }
    m_state.DBPath = m_data.DBPath();
    m_context = std::make_unique<WindowContext>(WindowContext{m_data.connection(), m_state, m_prompt});

    m_main = std::make_unique<TFrmMain>(*m_context);
    // Sized to the screen first, so the frame fills it even where no window manager maximises it.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        m_main->setGeometry(screen->availableGeometry());
    m_main->showMaximized();
    bool loggedIn = false;
    Guarded(m_prompt, [&] { loggedIn = m_main->InitForm(); });
    if (!loggedIn)
        m_main.reset();
    return loggedIn;
}

} // namespace tarvo::gui
