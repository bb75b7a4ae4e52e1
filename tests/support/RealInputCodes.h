#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>

namespace tarvo::test {

// Points the program folder at the delivered resources for as long as it lives, so
// that names get their codes from the real character table Ime.DCT. Needs the
// TARVO_SOURCE_DIR definition of the core suite.
class RealInputCodes
{
public:
    RealInputCodes()
        : m_had(qEnvironmentVariableIsSet("TARVO_HOME"))
        , m_old(qgetenv("TARVO_HOME"))
    {
        qputenv("TARVO_HOME", QFile::encodeName(QDir(QStringLiteral(TARVO_SOURCE_DIR)).filePath(QStringLiteral("resources"))));
    }
    ~RealInputCodes()
    {
        if (m_had)
            qputenv("TARVO_HOME", m_old);
        else
            qunsetenv("TARVO_HOME");
    }
    RealInputCodes(const RealInputCodes &) = delete;
    RealInputCodes &operator=(const RealInputCodes &) = delete;

private:
    bool m_had;
    QByteArray m_old;
};

} // namespace tarvo::test
