// One background task: its definition and state (kept in its job files),
// its worker thread while it runs, and the widgets of its row in the task
// list — the status cell (status text, progress bar, percent, current file,
// bytes with speed and time left) and the action cell (start/pause or clear,
// delete, "Open Folder").
#pragma once

#include "RestoreVeskFileListThread.h"
#include "jobfile.h"

#include <QString>
#include <QTableWidgetItem>
#include <QWidget>

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

// Sorts the Source and Destination columns by path, ignoring case.
class JobPathItem : public QTableWidgetItem {
public:
    explicit JobPathItem(const QString &path);
    bool operator<(const QTableWidgetItem &other) const override;
};

// Sorts the Status column by status, then by creation time.
class JobStatusItem : public QTableWidgetItem {
public:
    JobStatusItem(int status, qint64 created);
    void setStatus(int status);
    bool operator<(const QTableWidgetItem &other) const override;

private:
    int m_status;
    qint64 m_created;
};

class RestoreJob : public QWidget {
    Q_OBJECT
public:
    // `state` is the job's state file (its status and resume point).
    RestoreJob(orvex::jobs::JobDefinition definition, std::shared_ptr<orvex::jobs::JobStateFile> state,
               QWidget *parent = nullptr);
    ~RestoreJob() override;

    int jobId() const { return m_def.id; }
    int status() const { return m_status; }
    qint64 creationTime() const { return m_def.created; }
    const orvex::jobs::JobDefinition &definition() const { return m_def; }
    QString sourcePath() const;
    QString targetPath() const;
    QString displayName() const;
    bool hasThreads() const { return m_thread != nullptr; }
    bool hasResumePoint() const;
    bool deleteMarked() const { return m_deleteMarked; }
    void clearDeleteMark() { m_deleteMarked = false; }

    // The cell of the Action column (owned by the table once placed there).
    QWidget *actionWidget() const { return m_actions; }
    JobStatusItem *statusItem() const { return m_statusItem; }
    void setStatusItem(JobStatusItem *item) { m_statusItem = item; }
    QPushButton *actionButton() const { return m_actionButton; }
    QPushButton *deleteButton() const { return m_deleteButton; }
    QPushButton *openFolderButton() const { return m_openButton; }
    QLabel *statusLabel() const { return m_statusLabel; }
    QLabel *percentLabel() const { return m_percentLabel; }
    QLabel *currentFileLabel() const { return m_fileLabel; }
    QLabel *detailLabel() const { return m_detailLabel; }
    QProgressBar *progressBar() const { return m_bar; }
    RestoreVeskFileListThread *thread() const { return m_thread; }

    // Starts the job, or releases it when it was paused with its thread.
    void start();
    // Shows a status without starting anything (a job loaded at start-up).
    void setStatus(int status);
    // The scheduler may not start this queued job now (another extracts).
    void setStartable(bool startable);
    // Stops the worker without changing the stored status, so the job
    // resumes when the program starts again.
    void shutdown();
    void updateLanguage();

signals:
    void statusChangedSignal(int jobId, int status);
    void removeJobSignal(int jobId);
    void eventLogRequested();

public slots:
    void restoreProgressUpdate(const int versionId, const QString &fileName, const qint64 fileSize,
                               const float progress, const int status);
    void restoreSnapshotUpdate(const JobProgress &progress);
    void restoreFinshed();
    void restoreStatusUpdate(int status);

private slots:
    void actionButtonClicked();
    void abortButtonClicked();
    void removeButtonClicked();
    void openTargetButtonClicked();
    void openEventLog(QString type);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildWidgets();
    void stopThread();
    void resetProgress();
    void showPercent(int percent);
    void showStatus();
    void elideCurrentFile();

    orvex::jobs::JobDefinition m_def;
    std::shared_ptr<orvex::jobs::JobStateFile> m_state;
    int m_status = orvex::jobs::kQueued;
    bool m_deleteMarked = false;
    bool m_startable = true;
    int m_lastPercent = -1;
    QString m_currentFile;
    JobProgress m_lastProgress;
    RestoreVeskFileListThread *m_thread = nullptr;

    JobStatusItem *m_statusItem = nullptr;
    QLabel *m_statusLabel = nullptr;
    QLabel *m_percentLabel = nullptr;
    QProgressBar *m_bar = nullptr;
    QLabel *m_fileLabel = nullptr;
    QLabel *m_detailLabel = nullptr;
    QWidget *m_actions = nullptr;
    QPushButton *m_actionButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_openButton = nullptr;
};
