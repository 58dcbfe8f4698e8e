#include "RemoveVeskFileThread.h"

#include "Hcommon/Logger.h"
#include "util/syscall.h"

#include <QDebug>
#include <QDir>
#include <QFile>

#include <sys/stat.h>

using Hcommon::Logger;

RemoveVeskFileThread::RemoveVeskFileThread(const QString &path, QObject *parent) : QThread(parent), m_path(path) {}

void RemoveVeskFileThread::run()
{
    qDebug().noquote() << QStringLiteral("RemoveVeskFileThread remove vesk archive") << m_path;
    const QString local = QString(m_path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QByteArray native = QFile::encodeName(local);
    struct stat sb;
    bool ok = false;
    if (::lstat(native.constData(), &sb) == 0 && (S_ISDIR(sb.st_mode) || S_ISLNK(sb.st_mode)))
        ok = rmdir_rf(native.constData(), 1) == 0;
    const QString tool = QStringLiteral("Orvex Extract Tool");
    const QString name = QDir(local).dirName();
    if (ok)
        Logger::instance()->logText(Logger::Info, tr("[%1] [%2] Delete \"%3\".").arg(tool, name, QDir::toNativeSeparators(local)));
    else
        Logger::instance()->logText(Logger::Error, tr("[%1] [%2] Failed to delete VESK folder. File is undeletable. Failed "
                                                      "to delete folder. Check the folder properties.")
                                                       .arg(tool, name));
    emit removeVeskFinshedSignal(ok, m_path);
}
