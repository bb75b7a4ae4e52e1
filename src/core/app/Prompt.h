#pragma once

#include <QFlags>
#include <QString>

namespace tarvo {

// How a core operation tells or asks the operator something mid-way. The desktop
// program answers with message boxes; tests answer from a script.
class Prompt
{
public:
    enum class Button { Ok = 0x1, Cancel = 0x2, Yes = 0x4, No = 0x8 };
    Q_DECLARE_FLAGS(Buttons, Button)

    virtual ~Prompt() = default;

    // A notice or refusal: caption "信息", information icon, one OK button.
    virtual void info(const QString &text) = 0;
    // A question with the given caption, buttons and default button; returns the button pressed.
    virtual Button question(const QString &text, const QString &caption, Buttons buttons,
                            Button defaultButton) = 0;
    // A plain error box captioned with the application title.
    virtual void error(const QString &text) = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Prompt::Buttons)

// "数据未存盘，是否退出？" with No as the default; true when the operator answers Yes.
bool ConfirmDiscard(Prompt &prompt);

} // namespace tarvo
