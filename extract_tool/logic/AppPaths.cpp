#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace AppPaths {

QString appDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString eventLogFile()
{
    QString folder = appDataFolder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QStringLiteral("OrvexExtractToolEvent.log");
}

QString tempFolder()
{
    return QStringLiteral("%1/%2/%3")
        .arg(QStandardPaths::writableLocation(QStandardPaths::TempLocation), QStringLiteral("Halvern"),
             QStringLiteral("Orvex Extract Tool"));
}

QString toLibraryPath(QString path)
{
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QString canonicalFolder(QString path)
{
    if (path.isEmpty())
        return path;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo info(path);
    const QString resolved = info.canonicalFilePath();
    return resolved.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : resolved;
}

QString folderArgument(const QString &argument)
{
    if (argument.isEmpty())
        return QString();
    const QFileInfo info(argument);
    if (info.isDir())
        return info.absoluteFilePath();
    if (info.exists())
        return info.absolutePath();
    return QString();
}

} // namespace AppPaths
