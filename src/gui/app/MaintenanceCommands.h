#pragma once

#include "core/app/Maintenance.h"

class QWidget;

namespace tarvo::gui {

class TFrmMain;

// The file dialogs of the maintenance commands.
Maintenance::ChooseFile BackupFileDialog(QWidget *parent);
Maintenance::ChooseFile RestoreFileDialog(QWidget *parent);

// 数据备份, 数据恢复 and 数据修复 of the main menu.
void RunBackup(TFrmMain &main);
void RunRestore(TFrmMain &main);
void RunRepair(TFrmMain &main);

} // namespace tarvo::gui
