#include "Maintenance.h"

#include "Prompt.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/ExclusiveSqliteFile.h"
#include "core/db/SqliteSnapshot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

const QString kCaption = u"提示！"_s;

bool askOkCancel(Prompt &prompt, const QString &text)
{
    return prompt.question(text, kCaption, Prompt::Button::Ok | Prompt::Button::Cancel, Prompt::Button::Cancel) ==
           Prompt::Button::Ok;
}

} // namespace

Maintenance::Maintenance(Database &db, Prompt &prompt, QString programFolder)
    : m_db(db)
    , m_prompt(prompt)
    , m_programFolder(std::move(programFolder))
{}

QString Maintenance::backupFolder() const
{
    return QDir(m_programFolder).filePath(u"Backup"_s);
}

QString Maintenance::proposedBackupName(const QDate &today)
{
    return u"Bck"_s + today.toString(u"yyyyMMdd") + u".TWB"_s;
}

QString Maintenance::databaseFile() const
{
    return QFileInfo(m_db.target().location).absoluteFilePath();
}

QString Maintenance::compactionFile() const
{
    return QFileInfo(databaseFile()).dir().filePath(u"DBtmp.mdb"_s);
}

Maintenance::Kind Maintenance::kind() const
{
    if (m_db.engine() == Engine::PostgreSQL)
        return Kind::Server;
    return m_db.target().onNetwork ? Kind::SharedFile : Kind::LocalFile;
}

void Maintenance::reopen()
{
    m_db.open(m_db.target());
}

Maintenance::BackupOutcome Maintenance::writeBackup(const ChooseFile &choose, const QDate &today)
{
    QDir().mkpath(backupFolder());
    const QString file = choose(backupFolder(), proposedBackupName(today));
    if (file.isEmpty())
        return BackupOutcome::NoFile;
    try {
        SqliteSnapshot::writeReplacing(m_db, file);
    } catch (const DbError &) {
        return BackupOutcome::Failed;
    }
    return BackupOutcome::Written;
}

void Maintenance::backup(const ChooseFile &choose, const QDate &today)
{
    if (kind() == Kind::Server) {
        m_prompt.info(u"数据库在PostgreSQL服务器上，请在服务器上用 pg_dump 备份。"_s);
        return;
    }
    if (!askOkCancel(m_prompt, u"是否确定备份数据？"_s))
        return;
    switch (writeBackup(choose, today)) {
    case BackupOutcome::NoFile:
        break;
    case BackupOutcome::Failed:
        m_prompt.info(u"备份不成功！"_s);
        break;
    case BackupOutcome::Written:
        m_prompt.info(u"备份成功！"_s);
        break;
    }
}

void Maintenance::backupOnExit(const ChooseFile &choose, const QDate &today)
{
    if (kind() != Kind::Server && writeBackup(choose, today) == BackupOutcome::Failed)
        m_prompt.info(u"备份不成功！"_s);
}

bool Maintenance::compact()
{
    const QString temporary = compactionFile();
    bool made = false;
    m_db.close();
    try {
        ExclusiveSqliteFile file(databaseFile());
        file.snapshot(temporary);
        made = true;
        file.replaceWith(temporary);
    } catch (const DbError &) {
        // A copy this compaction made and could not use would block every later one.
        if (made)
            QFile::remove(temporary);
        return false;
    }
    return true;
}

void Maintenance::repair(const std::function<void(int)> &progress, const std::function<void()> &finished)
{
    switch (kind()) {
    case Kind::Server:
        m_prompt.info(u"数据库在PostgreSQL服务器上，由服务器自行整理，无需修复。"_s);
        return;
    case Kind::SharedFile:
        m_prompt.info(u"数据库在网络共享上，其他工作站可能正在使用，不能在此整理。"_s);
        return;
    case Kind::LocalFile:
        break;
    }
    progress(20);
    const bool compacted = compact();
    reopen();
    if (compacted)
        progress(100);
    finished();
    m_prompt.info(compacted ? u"数据整理成功！"_s : u"数据整理出错！"_s);
}

void Maintenance::compactAtExit()
{
    if (kind() == Kind::LocalFile)
        compact();
    else
        m_db.close();
}

void Maintenance::restore(const ChooseFile &choose)
{
    switch (kind()) {
    case Kind::Server:
        m_prompt.info(u"数据库在PostgreSQL服务器上，请在服务器上用 pg_restore 恢复。"_s);
        return;
    case Kind::SharedFile:
        m_prompt.info(u"数据库在网络共享上，其他工作站可能正在使用，不能在此恢复。"_s);
        return;
    case Kind::LocalFile:
        break;
    }
    if (!askOkCancel(m_prompt, u"恢复前,用户不能进行任何操作,\n\n是否现在恢复数据？"_s))
        return;
    const QString chosen = choose(backupFolder(), QString());
    if (chosen.isEmpty())
        return;

    // Only a sound library database may take the place of the one in use.
    Database backup;
    try {
        backup.open({Engine::SQLite, chosen, false}, Database::OpenMode::ReadOnly);
        if (backup.scalar(u"PRAGMA quick_check"_s).toString() != u"ok")
            throw DbError(u"quick_check"_s);
    } catch (const DbError &) {
        m_prompt.info(u"恢复不成功！"_s);
        return;
    }

    const QString restored = databaseFile() + u".restoring"_s;
    bool done = false;
    m_db.close();
    try {
        ExclusiveSqliteFile file(databaseFile());
        file.snapshot(compactionFile());
        QFile::remove(restored);
        SqliteSnapshot::writeNew(backup, restored);
        file.replaceWith(restored);
        done = true;
    } catch (const DbError &) {
        QFile::remove(restored);
    }
    backup.close();
    if (done)
        QFile::remove(compactionFile());
    reopen();
    m_prompt.info(done ? u"恢复成功！"_s : u"恢复不成功！"_s);
}

} // namespace tarvo
