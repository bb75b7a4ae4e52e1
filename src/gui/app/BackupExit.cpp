#include "BackupExit.h"

#include "Guarded.h"
#include "MaintenanceCommands.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tarvo::gui {

TFrmBackupExit::TFrmBackupExit(WindowContext &context, Maintenance &maintenance, QWidget *parent)
    : TFrmBaseD(context, parent)
    , m_maintenance(maintenance)
    , BtBackup(new QPushButton(u"备份退出"_s, this))
    , BtExit(new QPushButton(u"直接退出"_s, this))
{
    setObjectName(u"FrmBackupExit"_s);
    setWindowTitle(u"备份数据"_s);
    BtBackup->setObjectName(u"BtBackup"_s);
    BtExit->setObjectName(u"BtExit"_s);
    for (QPushButton *button : {BtBackup, BtExit})
        button->setMinimumWidth(96);

    auto *panel = new QWidget(this);
    paint(panel, Qt::white);
    auto *group = new QGroupBox(u"备份提示"_s, panel);
    auto *text = new QLabel(u"    推荐退出此系统时备份当前数据,\n\n以防出现意外情况时,导致数据或账套\n\n"
                            "被破坏或丢失,造成不可弥补的损失."_s,
                            group);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->setContentsMargins(18, 14, 18, 14);
    groupLayout->addWidget(text);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(16, 14, 16, 14);
    panelLayout->addWidget(group);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(16, 10, 16, 12);
    buttons->addStretch();
    buttons->addWidget(BtBackup);
    buttons->addWidget(BtExit);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    connect(BtBackup, &QPushButton::clicked, this, &TFrmBackupExit::BtBackupClick);
    connect(BtExit, &QPushButton::clicked, this, &TFrmBackupExit::accept);
}

void TFrmBackupExit::BtBackupClick()
{
    Guarded(prompt(), [this] { m_maintenance.backupOnExit(BackupFileDialog(this), QDate::currentDate()); });
    accept();
}

} // namespace tarvo::gui
