// The modal progress of a file opened from the browser: it runs the given
// restore thread, shows how far it is (bytes, speed, time left) and closes
// when the thread ends. Cancel stops the thread.
#pragma once

#include "RestoreVeskFileListThread.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

class RestoreProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit RestoreProgressDialog(RestoreVeskFileListThread *thread, QWidget *parent = nullptr);

    // Starts the thread and shows the dialog until the thread has ended.
    int exec() override;
    bool cancelled() const { return m_cancelled; }

    QProgressBar *progressBar() const { return m_bar; }
    QLabel *detailLabel() const { return m_detail; }

signals:
    void closewait();

public slots:
    void restoreProgressUpdate(const int versionId, const QString &fileName, const qint64 fileSize,
                               const float progress, const int status);
    void restoreSnapshotUpdate(const JobProgress &progress);
    void restoreFinshed();
    void cancelButtonClicked();

protected:
    void reject() override;

private:
    RestoreVeskFileListThread *m_thread;
    QLabel *m_file;
    QProgressBar *m_bar;
    QLabel *m_completed;
    int m_percent = 0;
    QLabel *m_detail;
    QPushButton *m_cancel;
    bool m_cancelled = false;
    bool m_finished = false;
};
