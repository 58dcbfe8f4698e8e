// The background-tasks dialog. Restore jobs arrive with the restore-jobs
// work; until then the list is empty and the badge stays hidden.
#pragma once

#include <QDialog>

class RestoreJobManager : public QDialog {
    Q_OBJECT
public:
    explicit RestoreJobManager(QWidget *parent = nullptr);
    int jobCount() const { return 0; }
    // Stops every job's threads (none yet).
    void shutdown() {}

signals:
    void initContinueSignal();
    void updateLanguageSignal();
    void jobCountChanged(int count);

public slots:
    void updateLanguage();
};
