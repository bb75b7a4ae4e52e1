#include "Prompt.h"

using namespace Qt::StringLiterals;

namespace tarvo {

bool ConfirmDiscard(Prompt &prompt)
{
    return prompt.question(u"数据未存盘，是否退出？"_s, u"提示！"_s,
                           Prompt::Button::Yes | Prompt::Button::No, Prompt::Button::No)
        == Prompt::Button::Yes;
}

} // namespace tarvo
