#pragma once

#include "core/app/Prompt.h"

#include <QList>
#include <QString>

namespace tarvo::test {

// A prompt for tests: records every text shown and answers questions from a queue
// (the default button when the queue is empty).
class ScriptedPrompt : public Prompt
{
public:
    enum class Kind { Info, Question, Error };
    struct Shown
    {
        Kind kind;
        QString caption;
        QString text;
        Buttons buttons;
        Button defaultButton;
    };

    QList<Button> answers;
    QList<Shown> shown;

    void info(const QString &text) override;
    Button question(const QString &text, const QString &caption, Buttons buttons, Button defaultButton) override;
    void error(const QString &text) override;

    QStringList texts() const;
};

} // namespace tarvo::test
