#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace tarvo {

QString programFolder()
{
    const QString home = qEnvironmentVariable("TARVO_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(QDir(home).absolutePath());
    return QCoreApplication::applicationDirPath();
}

} // namespace tarvo
