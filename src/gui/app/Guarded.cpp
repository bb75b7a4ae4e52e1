#include "Guarded.h"

#include "core/app/Prompt.h"
#include "core/db/DbError.h"

namespace tarvo::gui {

bool Guarded(Prompt &prompt, const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const DbError &e) {
        prompt.error(e.message());
    } catch (const std::exception &e) {
        prompt.error(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace tarvo::gui
