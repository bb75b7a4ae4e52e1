#include "Base.h"

namespace tarvo::gui {

TFrmBase::TFrmBase(QWidget *parent)
    : QDialog(parent)
{
}

void TFrmBase::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_initialised)
        return;
    m_initialised = true;
    InitControls();
    InitValues();
}

} // namespace tarvo::gui
