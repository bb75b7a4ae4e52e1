#include "ConnectionTarget.h"

#include "PgUri.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace tarvo {

bool isPostgresUri(QStringView location)
{
    return location.startsWith(u"postgresql://", Qt::CaseInsensitive)
        || location.startsWith(u"postgres://", Qt::CaseInsensitive);
}

QString ConnectionTarget::displayLocation() const
{
    return engine == Engine::PostgreSQL ? PgUri::parse(location).withoutPassword() : location;
}

ConnectionTarget targetForPath(const QString &pathValue, const QString &programFolder)
{
    const QString path = pathValue.trimmed();
    if (isPostgresUri(path))
        return {Engine::PostgreSQL, path, true};
    if (path.startsWith(u"\\\\")) {
        // A share \\server\share\file reads as //server/share/file here: the share
        // mounted at /server/share.
        return {Engine::SQLite, QDir::fromNativeSeparators(QString(path).replace(u'\\', u'/')), true};
    }
    return {Engine::SQLite, QDir(programFolder).filePath(u"Data/tarvo.dat"_s), false};
}

QString iniValue(const QString &iniText, QStringView section, QStringView key)
{
    bool inSection = false;
    const QStringList lines = iniText.split(u'\n');
    for (const QString &raw : lines) {
        const QStringView line = QStringView(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            inSection = line.mid(1, line.size() - 2).trimmed().compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!inSection || eq < 0 || line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
            continue;
        QStringView value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.mid(1, value.size() - 2);
        return value.toString();
    }
    return {};
}

std::optional<ConnectionTarget> readConnectionConfig(const QString &programFolder)
{
    QFile ini(QDir(programFolder).filePath(u"ConSQL.ini"_s));
    if (!ini.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString text = QString::fromUtf8(ini.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return targetForPath(iniValue(text, u"Server", u"Path"), programFolder);
}

} // namespace tarvo
