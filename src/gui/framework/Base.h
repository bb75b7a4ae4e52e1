#pragma once

#include <QDialog>

namespace tarvo::gui {

// The root of the framework's own dialogs: InitControls, then InitValues, when first
// shown; Esc closes.
class TFrmBase : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmBase(QWidget *parent = nullptr);

protected:
    virtual void InitControls() {}
    virtual void InitValues() {}

    void showEvent(QShowEvent *event) override;

private:
    bool m_initialised = false;
};

} // namespace tarvo::gui
