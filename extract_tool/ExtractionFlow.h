// The questions between a click on "Extract" or "Extract All" and a
// background task: the estimated size, the destination and its checks (not
// the source itself or a folder inside it, writable, enough space) and the
// conflict policy; and the extraction of one file to the temporary folder
// when the user opens it from the browser. The questions and messages are
// virtual so tests can answer them.
#pragma once

#include "ArchiveSession.h"
#include "VeskItemInfo.h"
#include "VeskThreads.h"

#include <QObject>
#include <QString>

#include <vector>

class QWidget;

class ExtractionFlow : public QObject {
    Q_OBJECT
public:
    explicit ExtractionFlow(QWidget *window, QObject *parent = nullptr);

    struct Choice {
        QString target; // the chosen folder, in the platform's form
        int policy = 0;
    };
    // Asks until the user has a usable destination and a policy; false when
    // the user gave up on the way.
    bool choose(qint64 estimatedSize, const QString &sourcePath, Choice *out);

    // Sums folders on a worker behind the busy dialog; false when cancelled.
    bool sumFolders(const ArchiveSessionPtr &session, std::vector<StatVeskFileListThread::Request> requests,
                    std::vector<StatVeskFileListThread::Result> *out);

    // Restores `item` (a file) into its destination folder with the progress
    // dialog and opens it; says so when that failed.
    void extractAndOpen(const QString &sourcePath, const QString &password, const VeskItemInfo &item);

    virtual void showTooManyJobs();

protected:
    virtual bool confirmEstimate(qint64 estimatedSize);
    // "" when cancelled.
    virtual QString chooseTarget(const QString &startFolder);
    virtual void showSameFolder();
    virtual void showUnwritable();
    virtual bool confirmUnknownSpace();
    virtual void showNotEnoughSpace();
    // A conflict policy (0 skip, 1 replace, 2 rename).
    virtual int choosePolicy();
    virtual void showExtractFailed();
    virtual void openFile(const QString &path);

    QWidget *window() const { return m_window; }

private:
    QWidget *m_window;
    QString m_lastTarget;
};
