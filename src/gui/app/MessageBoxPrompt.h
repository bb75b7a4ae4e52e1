#pragma once

#include "core/app/Prompt.h"

class QWidget;

namespace tarvo::gui {

// The operator's prompt as the system's modal message boxes.
class MessageBoxPrompt : public Prompt
{
public:
    explicit MessageBoxPrompt(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }

    void info(const QString &text) override;
    Button question(const QString &text, const QString &caption, Buttons buttons, Button defaultButton) override;
    void error(const QString &text) override;

private:
    QWidget *m_parent;
};

} // namespace tarvo::gui
