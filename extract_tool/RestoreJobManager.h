// The background-tasks dialog: the list of restore jobs with their counts,
// the scheduler that lets one job extract at a time, the job files that
// carry unfinished jobs over a restart, and the deletion of a backup folder
// after a complete "Extract All" when the settings ask for it.
#pragma once

#include "jobfile.h"

#include <QDialog>
#include <QMap>
#include <QPointer>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class RemoveVeskFileThread;
class RestoreJob;

class RestoreJobManager : public QDialog {
    Q_OBJECT
public:
    explicit RestoreJobManager(QWidget *parent = nullptr);
    ~RestoreJobManager() override;

    // Adds a job (its id and creation time are chosen here), writes its job
    // files, lets the scheduler run and shows the dialog. The new job's id,
    // or 0 when all 250 ids are taken.
    int addJob(orvex::jobs::JobDefinition definition);
    // Jobs queued, extracting or paused (the main window's badge).
    int jobCount() const;
    // Stops every job's worker; the jobs keep their stored state.
    void shutdown();

    RestoreJob *job(int id) const { return m_jobs.value(id, nullptr); }
    QList<int> jobIds() const { return m_jobs.keys(); }
    QTableWidget *table() const { return m_table; }
    QString summaryText() const;

signals:
    void initContinueSignal();
    void updateLanguageSignal();
    void jobCountChanged(int count);
    // A backup folder was deleted (or could not be) after an extraction.
    void veskRemovedSignal(bool ret, QString path);
    void showEventLogSignal();
    // After loadJobs() has gone through the job files.
    void jobsLoaded();

public slots:
    void jobStatusChanged(int jobid, int status);
    void jobRemove(int jobid);
    void clearButtonClicked();
    void hideButtonClicked();
    void jobListWidgetCellDoubleClicked(int row, int column);
    void loadJobs();
    void updateLanguage();
    void removeVeskFinshed(bool ret, QString path);

private:
    void buildUi();
    RestoreJob *createJob(orvex::jobs::JobDefinition definition, const orvex::jobs::JobState &state);
    void schedule();
    void updateCounters();
    void deleteArchive(RestoreJob *job);
    void warnSkipped(int id, const QString &reason);

    QMap<int, RestoreJob *> m_jobs;
    bool m_loaded = false;
    std::vector<QPointer<RemoveVeskFileThread>> m_removers;

    QLabel *m_title = nullptr;
    QPushButton *m_hide = nullptr;
    QLabel *m_total = nullptr;
    QLabel *m_completed = nullptr;
    QLabel *m_extracting = nullptr;
    QLabel *m_paused = nullptr;
    QLabel *m_queued = nullptr;
    QLabel *m_failed = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_clear = nullptr;
};
