#pragma once

#include "core/app/AppState.h"
#include "core/db/DMData.h"

#include <memory>

namespace tarvo {
class Prompt;
}

namespace tarvo::gui {

class TFrmMain;
class TFrmStartup;

// The way from launch to the main window: start-up picture, data module and its
// connection, then the main window. A missing ConSQL.ini or a database that cannot
// be opened ends it with the system's message, before any main window exists.
class StartupSequence
{
public:
    explicit StartupSequence(Prompt &prompt);
    ~StartupSequence();

    // True when the main window is up; false when the program must end.
    bool run(int splashMilliseconds = 1000);

    TFrmMain *mainWindow() const { return m_main.get(); }

private:
    Prompt &m_prompt;
    AppState m_state;
    TDMData m_data;
    std::unique_ptr<TFrmStartup> m_startup;
    std::unique_ptr<TFrmMain> m_main;
};

} // namespace tarvo::gui
