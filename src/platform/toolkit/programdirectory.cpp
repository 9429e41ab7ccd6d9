#include "platform/toolkit/programdirectory.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The XDG rules: a relative value is invalid and must be ignored.
QString configHome()
{
    const QString fromEnvironment = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment))
        return fromEnvironment;
    return QDir::homePath() + QStringLiteral("/.config");
}

} // namespace

QString programDirectory()
{
    return QDir::cleanPath(configHome() + QStringLiteral("/quorin"));
}

bool fileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}
