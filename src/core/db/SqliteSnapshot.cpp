#include "SqliteSnapshot.h"

#include "Database.h"
#include "DbError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace tarvo::SqliteSnapshot {

void writeNew(Database &db, const QString &file)
{
    // VACUUM INTO refuses an existing file itself; it also writes a compacted copy.
    db.exec(u"VACUUM INTO ?"_s, {QFileInfo(file).absoluteFilePath()});
    syncToDisk(file);
}

void writeReplacing(Database &db, const QString &file)
{
    const QFileInfo target(file);
    const QString part = target.absoluteFilePath() + u".part"_s;
    QFile::remove(part);
    try {
        writeNew(db, part);
        if (std::rename(QFile::encodeName(part).constData(),
                        QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
            throw DbError(QString::fromLocal8Bit(std::strerror(errno)) + u": "_s + file);
    } catch (...) {
        QFile::remove(part);
        throw;
    }
    syncToDisk(target.absolutePath());
}

void syncToDisk(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace tarvo::SqliteSnapshot
