#include "ExtractionFlow.h"

#include "BrowserLogic.h"
#include "ConflictPolicyConfirm.h"
#include "Hcommon/MessageBox.h"
#include "JobLogic.h"
#include "RestoreProgressDialog.h"
#include "RestoreVeskFileListThread.h"
#include "VeskOpener.h"
#include "WaitingDialog.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QUrl>

ExtractionFlow::ExtractionFlow(QWidget *window, QObject *parent) : QObject(parent), m_window(window) {}

bool ExtractionFlow::choose(qint64 estimatedSize, const QString &sourcePath, Choice *out)
{
    if (!confirmEstimate(estimatedSize))
        return false;
    for (;;) {
        const QString chosen = chooseTarget(m_lastTarget.isEmpty() ? QDir::homePath() : m_lastTarget);
        if (chosen.isEmpty())
            return false;
        m_lastTarget = chosen;
        const QString target = QDir::toNativeSeparators(chosen);
        if (JobLogic::isSameOrInside(target, sourcePath)) {
            qDebug() << "target folder and source folder is the same";
            showSameFolder();
            continue;
        }
        if (JobLogic::isUnwritable(chosen)) {
            qDebug() << "target folder is ReadOnly";
            showUnwritable();
            return false;
        }
        const qint64 available = JobLogic::availableBytes(chosen);
        if (available <= 0) {
            if (!confirmUnknownSpace())
                return false;
        } else if (available < estimatedSize) {
            showNotEnoughSpace();
            continue;
        }
        out->target = target;
        out->policy = choosePolicy();
        return true;
    }
}

bool ExtractionFlow::sumFolders(const ArchiveSessionPtr &session, std::vector<StatVeskFileListThread::Request> requests,
                                std::vector<StatVeskFileListThread::Result> *out)
{
    if (requests.empty())
        return true;
    StatVeskFileListThread thread(session, std::move(requests));
    WaitingDialog dialog(m_window);
    connect(&thread, &StatVeskFileListThread::statFinshed, &dialog, &QDialog::accept, Qt::QueuedConnection);
    thread.start(QThread::InheritPriority);
    const bool done = dialog.exec() == QDialog::Accepted;
    thread.requestStop();
    stopThread(&thread);
    *out = thread.takeResults();
    return done;
}

void ExtractionFlow::extractAndOpen(const QString &sourcePath, const QString &password, const VeskItemInfo &item)
{
    RestoreVeskFileListThread thread(sourcePath, {item}, 0);
    thread.setPassword(password);
    // A file opened before is replaced: it may be another version's.
    thread.setConflictPolicy(1);
    thread.setTargetPath(item.dstFolderPath);
    thread.setDisplayName(VeskOpener::displayName(sourcePath));
    thread.setSessions(1);
    RestoreProgressDialog dialog(&thread, m_window);
    QStringList restored;
    connect(&thread, &RestoreVeskFileListThread::fileRestoredSignal, &dialog,
            [&restored](const QString &path) { restored << path; });
    dialog.exec(); // returns once the thread has reported its end (after every path)
    stopThread(&thread);
    if (dialog.cancelled())
        return;
    if (thread.resultStatus() != 0) {
        showExtractFailed();
        return;
    }
    for (const QString &path : qAsConst(restored))
        openFile(path);
}

bool ExtractionFlow::confirmEstimate(qint64 estimatedSize)
{
    return Hcommon::showMessage(QMessageBox::Information, tr("Orvex Extract Tool"),
                                tr("The estimated size after restoration is %1. Select a destination with enough disk "
                                   "space for extraction.")
                                    .arg(BrowserLogic::sizeText(estimatedSize)),
                                QMessageBox::Ok | QMessageBox::Cancel, m_window) == QMessageBox::Ok;
}

QString ExtractionFlow::chooseTarget(const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(m_window, tr("Select a target folder"), startFolder,
                                             QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
}

void ExtractionFlow::showSameFolder()
{
    Hcommon::showMessage(QMessageBox::Warning, tr("Orvex Extract Tool"),
                         tr("The source and destination folders cannot be the same. Select another folder."),
                         QMessageBox::Ok, m_window);
}

void ExtractionFlow::showUnwritable()
{
    Hcommon::showMessage(QMessageBox::Critical, tr("Orvex Extract Tool"),
                         tr("Failed to extract. The destination file system is unwritable. Check the file system "
                            "property and try again."),
                         QMessageBox::Ok, m_window);
}

bool ExtractionFlow::confirmUnknownSpace()
{
    return Hcommon::showMessage(QMessageBox::Question, tr("Orvex Extract Tool"),
                                tr("Cannot retrieve disk space information for the selected destination. Are you sure "
                                   "you want to continue?"),
                                QMessageBox::Ok | QMessageBox::Cancel, m_window) == QMessageBox::Ok;
}

void ExtractionFlow::showNotEnoughSpace()
{
    Hcommon::showMessage(QMessageBox::Warning, tr("Orvex Extract Tool"),
                         tr("The selected destination doesn't have enough disk space. Select another destination and "
                            "try again."),
                         QMessageBox::Ok, m_window);
}

int ExtractionFlow::choosePolicy()
{
    ConflictPolicyConfirm dialog(tr("Orvex Extract Tool"),
                                 tr("Select a conflict policy for dealing with file conflicts during extraction."),
                                 ConflictPolicyConfirm::ReplaceAll | ConflictPolicyConfirm::SkipAll |
                                     ConflictPolicyConfirm::RenameAll,
                                 ConflictPolicyConfirm::Question, m_window);
    return ConflictPolicyConfirm::policyFor(dialog.exec());
}

void ExtractionFlow::showTooManyJobs()
{
    Hcommon::showMessage(QMessageBox::Warning, tr("Orvex Extract Tool"),
                         tr("Cannot add additional background tasks. The maximum number of tasks has been reached. To "
                            "continue, delete individual tasks or click Clear Completed Tasks."),
                         QMessageBox::Ok, m_window);
}

void ExtractionFlow::showExtractFailed()
{
    Hcommon::showMessage(QMessageBox::Critical, tr("Orvex Extract Tool"),
                         tr("Failed to extract files. Check the event logs for more information."), QMessageBox::Ok,
                         m_window);
}

void ExtractionFlow::openFile(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
