#pragma once

#include "Base.h"

class QPushButton;

namespace tarvo::gui {

// A framework dialog with a top bar whose right end holds 退出.
class TFrmDlgBase : public TFrmBase
{
    Q_OBJECT
public:
    explicit TFrmDlgBase(QWidget *parent = nullptr);

protected:
    QWidget *PnlTop;
    QWidget *PnlLeft;
    QWidget *Pnlcenter;
    QWidget *PnlRight;
    QPushButton *BtnClose;
    // Where the dialog's own controls go, under the top bar.
    QWidget *Body;
};

} // namespace tarvo::gui
