#include "MaintenanceCommands.h"

#include "Guarded.h"
#include "Main.h"
#include "ShowProcMess.h"
#include "core/app/ProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

namespace {

Maintenance maintenanceOf(TFrmMain &main)
{
    return Maintenance(main.context().db, main.context().prompt, programFolder());
}

} // namespace

Maintenance::ChooseFile BackupFileDialog(QWidget *parent)
{
    return [parent](const QString &folder, const QString &proposedName) {
        return QFileDialog::getSaveFileName(parent, u"备份数据"_s, QDir(folder).filePath(proposedName),
                                            u"Bck file (*.TWB)"_s);
    };
}

Maintenance::ChooseFile RestoreFileDialog(QWidget *parent)
{
    return [parent](const QString &folder, const QString &) {
        return QFileDialog::getOpenFileName(parent, u"选择备份文件"_s, folder, u"TWBck file (*.TWB)"_s);
    };
}

void RunBackup(TFrmMain &main)
{
    Guarded(main.context().prompt, [&] { maintenanceOf(main).backup(BackupFileDialog(&main), QDate::currentDate()); });
}

void RunRestore(TFrmMain &main)
{
    Guarded(main.context().prompt, [&] { maintenanceOf(main).restore(RestoreFileDialog(&main)); });
}

void RunRepair(TFrmMain &main)
{
    TFrmShowProcMess message(u"正在整理数据，请稍候... ..."_s, &main);
    Guarded(main.context().prompt, [&] {
        maintenanceOf(main).repair(
            [&](int percent) {
                if (!message.isVisible())
                    message.show();
                message.setProgress(percent);
                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            },
            [&] { message.close(); });
    });
}

} // namespace tarvo::gui
