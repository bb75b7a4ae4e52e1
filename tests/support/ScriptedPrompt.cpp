#include "ScriptedPrompt.h"

#include "core/app/Helpers.h"

using namespace Qt::StringLiterals;

namespace tarvo::test {

void ScriptedPrompt::info(const QString &text)
{
    shown.append({Kind::Info, u"信息"_s, text, Button::Ok, Button::Ok});
}

Prompt::Button ScriptedPrompt::question(const QString &text, const QString &caption, Buttons buttons,
                                        Button defaultButton)
{
    shown.append({Kind::Question, caption, text, buttons, defaultButton});
    return answers.isEmpty() ? defaultButton : answers.takeFirst();
}

void ScriptedPrompt::error(const QString &text)
{
    shown.append({Kind::Error, AppTitle(), text, Button::Ok, Button::Ok});
}

QStringList ScriptedPrompt::texts() const
{
    QStringList result;
    for (const Shown &s : shown)
        result << s.text;
    return result;
}

} // namespace tarvo::test
