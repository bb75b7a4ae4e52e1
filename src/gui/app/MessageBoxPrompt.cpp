#include "MessageBoxPrompt.h"

#include "core/app/Helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

QMessageBox::StandardButton toStandard(Prompt::Button button)
{
    switch (button) {
    case Prompt::Button::Ok:
        return QMessageBox::Ok;
    case Prompt::Button::Cancel:
        return QMessageBox::Cancel;
    case Prompt::Button::Yes:
        return QMessageBox::Yes;
    case Prompt::Button::No:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

int run(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    // Over the window the operator is working in, when the prompt has no owner of its own.
    QMessageBox box(icon, caption, text, buttons, parent ? parent : QApplication::activeWindow());
    box.setDefaultButton(defaultButton);
    // The system's boxes speak Chinese on every button.
    const std::pair<QMessageBox::StandardButton, QString> captions[] = {
        {QMessageBox::Ok, u"确定"_s}, {QMessageBox::Cancel, u"取消"_s},
        {QMessageBox::Yes, u"是(&Y)"_s}, {QMessageBox::No, u"否(&N)"_s}};
    for (const auto &[which, label] : captions) {
        if (QAbstractButton *b = box.button(which))
            b->setText(label);
    }
    return box.exec();
}

} // namespace

void MessageBoxPrompt::info(const QString &text)
{
    run(m_parent, QMessageBox::Information, u"信息"_s, text, QMessageBox::Ok, QMessageBox::Ok);
}

Prompt::Button MessageBoxPrompt::question(const QString &text, const QString &caption, Buttons buttons,
                                          Button defaultButton)
{
    QMessageBox::StandardButtons standard;
    for (Button b : {Button::Ok, Button::Cancel, Button::Yes, Button::No}) {
        if (buttons.testFlag(b))
            standard |= toStandard(b);
    }
    const int pressed = run(m_parent, QMessageBox::Question, caption, text, standard, toStandard(defaultButton));
    for (Button b : {Button::Ok, Button::Cancel, Button::Yes, Button::No}) {
        if (pressed == toStandard(b))
            return b;
    }
    // Closed without a button: the safe answer.
    return buttons.testFlag(Button::Cancel) ? Button::Cancel : Button::No;
}

void MessageBoxPrompt::error(const QString &text)
{
    run(m_parent, QMessageBox::Critical, AppTitle(), text, QMessageBox::Ok, QMessageBox::Ok);
}

} // namespace tarvo::gui
