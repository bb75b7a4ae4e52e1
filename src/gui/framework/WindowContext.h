#pragma once

namespace tarvo {
class Database;
class Prompt;
struct AppState;
} // namespace tarvo

namespace tarvo::gui {

// What every window works with: the shared connection, the state of the run and
// the operator's prompt. Owned by the start-up; windows hold a reference.
struct WindowContext
{
    Database &db;
    AppState &state;
    Prompt &prompt;
};

} // namespace tarvo::gui
