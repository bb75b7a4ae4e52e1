#pragma once

#include <functional>

namespace tarvo {
class Prompt;
}

namespace tarvo::gui {

// Runs an operator's action; an error of the database (or of anything under it)
// is shown with the engine's text in the plain error box, and the window stays as
// it is. Exceptions must not leave a slot: the event loop cannot carry them.
// True when the action ran through.
bool Guarded(Prompt &prompt, const std::function<void()> &action);

} // namespace tarvo::gui
