#pragma once

#include <QString>
#include <optional>

namespace tarvo {

enum class Engine { SQLite, PostgreSQL };

// Which database to open, as decided from ConSQL.ini.
struct ConnectionTarget
{
    Engine engine = Engine::SQLite;
    // The SQLite file, or the postgresql:// URI.
    QString location;
    // A database on a network share or a server: shared with other desks, so the
    // program neither offers a backup on exit nor compacts it.
    bool onNetwork = false;

    // The location without a password, for showing to people.
    QString displayLocation() const;
};

// The rule of ConSQL.ini's [Server] Path: a UNC path (two leading backslashes) or a
// postgresql:// URI is used; anything else means Data/tarvo.dat in the program folder.
ConnectionTarget targetForPath(const QString &pathValue, const QString &programFolder);

// Reads ConSQL.ini of the program folder; nothing when the file is missing.
std::optional<ConnectionTarget> readConnectionConfig(const QString &programFolder);

// The value of one key of one section of an INI text, matched without regard to case.
QString iniValue(const QString &iniText, QStringView section, QStringView key);

bool isPostgresUri(QStringView location);

} // namespace tarvo
