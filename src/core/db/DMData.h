#pragma once

#include "Database.h"

namespace tarvo {

// The data module: finds the library database through ConSQL.ini and owns the one
// connection every window shares, from start-up to the end of the run.
class TDMData
{
public:
    enum class OpenResult { Opened, ConfigMissing, ConnectionFailed };

    OpenResult open(const QString &programFolder);

    Database &connection() { return m_connection; }
    // The database actually opened (a file path, or a server URI without its password).
    const QString &DBPath() const { return m_dbPath; }
    // Why the connection failed, in the engine's words.
    const QString &lastError() const { return m_lastError; }

private:
    Database m_connection;
    QString m_dbPath;
    QString m_lastError;
};

} // namespace tarvo
