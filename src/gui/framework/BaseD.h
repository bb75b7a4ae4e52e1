#pragma once

#include "WindowContext.h"

#include <QDialog>

namespace tarvo::gui {

// The root of the system's windows: InitForm when first shown, Esc closes.
class TFrmBaseD : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmBaseD(WindowContext &context, QWidget *parent = nullptr);

protected:
    // Sets the window up when it is first shown; descendants call the inherited one first.
    virtual void InitForm() {}

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    Database &db() const { return m_context.db; }
    AppState &state() const { return m_context.state; }
    Prompt &prompt() const { return m_context.prompt; }
    WindowContext &context() const { return m_context; }

    // Paints a widget's background in one of the system's colours.
    static void paint(QWidget *widget, const QColor &colour);

private:
    WindowContext &m_context;
    bool m_initialised = false;
};

} // namespace tarvo::gui
