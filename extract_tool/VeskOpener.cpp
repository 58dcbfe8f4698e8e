#include "VeskOpener.h"

#include "AppPaths.h"
#include "Hcommon/Logger.h"
#include "Hcommon/MessageBox.h"
#include "VerifyPassword.h"
#include "VeskThreads.h"
#include "WaitingDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

using Hcommon::Logger;

VeskOpener::VeskOpener(QWidget *window, QObject *parent) : QObject(parent), m_window(window) {}

VeskOpener::~VeskOpener() = default;

QString VeskOpener::displayName(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return QFileInfo(p).fileName();
}

int VeskOpener::openAttempt(const QString &path, const QString &password, ArchiveSessionPtr *session)
{
    QDir().mkpath(AppPaths::appDataFolder());
    OpenVeskFileThread thread(path, password, AppPaths::appDataFolder());
    WaitingDialog dialog(m_window);
    connect(&thread, &OpenVeskFileThread::openFinshed, &dialog, &QDialog::reject, Qt::QueuedConnection);
    thread.start(QThread::InheritPriority);
    if (!thread.isFinished())
        dialog.exec();
    // The dialog closed: either the open finished or the user cancelled, in
    // which case the library is told through its cancel callback.
    thread.requestStop();
    stopThread(&thread);
    const int ret = thread.result();
    if (ret == 0)
        *session = thread.takeSession();
    return ret;
}

ArchiveSessionPtr VeskOpener::open(const QString &path)
{
    const QString name = displayName(path);
    ArchiveSessionPtr session;
    int ret = openAttempt(path, QString(), &session);
    while (ret == -3) {
        QString password;
        if (!askPassword(&password))
            return nullptr;
        ret = openAttempt(path, password, &session);
        if (ret == -3)
            showIncorrectPassword(name);
    }
    if (ret == 0)
        return session;
    if (ret == -5)
        return nullptr;
    Logger::instance()->logText(Logger::Error, QStringLiteral("[%1] [%2] %3")
                                                   .arg(QStringLiteral("Orvex Extract Tool"), name,
                                                        tr("Unknown VESK format. Confirm integrity of VESK folder and try again.")));
    showUnknownFormat(name);
    return nullptr;
}

bool VeskOpener::askPassword(QString *password)
{
    VerifyPassword dialog(m_window);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *password = dialog.password();
    return true;
}

void VeskOpener::showIncorrectPassword(const QString &displayName)
{
    Hcommon::showMessage(QMessageBox::Critical, tr("Orvex Extract Tool"),
                         QStringLiteral("[%1] %2").arg(displayName, tr("Incorrect password.")), QMessageBox::Ok,
                         m_window);
}

void VeskOpener::showUnknownFormat(const QString &displayName)
{
    Hcommon::showMessage(QMessageBox::Warning, tr("Orvex Extract Tool"),
                         QStringLiteral("[%1] %2").arg(displayName, tr("Unknown VESK format.")), QMessageBox::Close,
                         m_window);
}
