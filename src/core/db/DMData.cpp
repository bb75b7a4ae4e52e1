#include "DMData.h"

#include "DbError.h"

namespace tarvo {

TDMData::OpenResult TDMData::open(const QString &programFolder)
{
    const std::optional<ConnectionTarget> target = readConnectionConfig(programFolder);
    if (!target)
        return OpenResult::ConfigMissing;
    m_dbPath = target->displayLocation();
    try {
        m_connection.open(*target);
    } catch (const DbError &e) {
        m_lastError = e.message();
        return OpenResult::ConnectionFailed;
    }
    return OpenResult::Opened;
}

} // namespace tarvo
