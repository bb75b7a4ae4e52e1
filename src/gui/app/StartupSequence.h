#pragma once

#include "core/app/AppState.h"
#include "core/db/DMData.h"
#include "gui/framework/WindowContext.h"

#include <memory>

namespace tarvo {
class Prompt;
}

namespace tarvo::gui {

class TFrmMain;
class TFrmStartup;

// The way from launch to the main window: start-up picture, data module and its
// connection, then the main window with the log-in and the business date. A
// missing ConSQL.ini or a database that cannot be opened ends it with the
// system's message, before any main window exists; a cancelled log-in ends it
// without one.
class StartupSequence
{
public:
    explicit StartupSequence(Prompt &prompt);
    ~StartupSequence();

    // True when the main window is up; false when the program must end.
    bool run(int splashMilliseconds = 1000);

    TFrmMain *mainWindow() const { return m_main.get(); }
    const AppState &state() const { return m_state; }

private:
    Prompt &m_prompt;
    AppState m_state;
    TDMData m_data;
    std::unique_ptr<WindowContext> m_context;
    std::unique_ptr<TFrmStartup> m_startup;
    std::unique_ptr<TFrmMain> m_main;
};

} // namespace tarvo::gui
