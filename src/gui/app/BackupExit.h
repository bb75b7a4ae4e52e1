#pragma once

#include "gui/framework/BaseD.h"

class QPushButton;

namespace tarvo {
class Maintenance;
}

namespace tarvo::gui {

// 备份数据 at the end of the run: 备份退出 backs up first, 直接退出 does not.
class TFrmBackupExit : public TFrmBaseD
{
    Q_OBJECT
public:
    TFrmBackupExit(WindowContext &context, Maintenance &maintenance, QWidget *parent = nullptr);

private:
    void BtBackupClick();

    Maintenance &m_maintenance;
    QPushButton *BtBackup;
    QPushButton *BtExit;
};

} // namespace tarvo::gui
