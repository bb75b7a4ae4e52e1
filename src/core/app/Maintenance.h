#pragma once

#include <QDate>
#include <QString>
#include <functional>

namespace tarvo {

class Database;
class Prompt;

// Backup, restore and compaction of the library database, with the system's
// questions and messages. A backup is a consistent snapshot taken through the
// connection, so other desks may go on working; a restore or a compaction
// replaces the file only while no connection at all has it open.
//
// They work on the SQLite file in use. A file on a network share is backed up
// but neither restored nor compacted here, since other desks may have it open;
// a PostgreSQL server keeps its own backups and needs no compaction: both say so.
class Maintenance
{
public:
    // Asks for a file: the folder it starts in and the proposed name; empty when cancelled.
    using ChooseFile = std::function<QString(const QString &folder, const QString &proposedName)>;

    Maintenance(Database &db, Prompt &prompt, QString programFolder);

    // Backup/ in the program folder, where backups go by default.
    QString backupFolder() const;
    // "Bck" + the date as yyyymmdd + ".TWB".
    static QString proposedBackupName(const QDate &today);
    // Data/DBtmp.mdb beside the database: the compacted copy while a compaction runs.
    QString compactionFile() const;

    // 数据备份: "是否确定备份数据？", then the copy to the chosen file.
    void backup(const ChooseFile &choose, const QDate &today);
    // 备份退出: the copy without the question; a message only when it fails.
    void backupOnExit(const ChooseFile &choose, const QDate &today);
    // 数据恢复: the question, the chosen backup put in place of the database. The
    // current data is kept in DBtmp.mdb until the restore has succeeded.
    void restore(const ChooseFile &choose);
    // 数据修复: compaction into DBtmp.mdb, which then replaces the database. The
    // steps are reported through progress (20, then 100 on success); finished is
    // called before the closing message.
    void repair(const std::function<void(int)> &progress, const std::function<void()> &finished);
    // The compaction at the end of the run: silent, and the connection stays closed.
    void compactAtExit();

private:
    enum class Kind { LocalFile, SharedFile, Server };
    Kind kind() const;
    QString databaseFile() const;
    enum class BackupOutcome { NoFile, Failed, Written };
    BackupOutcome writeBackup(const ChooseFile &choose, const QDate &today);
    bool compact();
    void reopen();

    Database &m_db;
    Prompt &m_prompt;
    QString m_programFolder;
};

} // namespace tarvo
