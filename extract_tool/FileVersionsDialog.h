// "Versions of this file": one row per finished version in which a file
// exists (its number, the version's time, added / changed / unchanged /
// deleted, size and modification time), read on a worker thread. The chosen
// version can be extracted (the browser's extraction questions, then a
// background task) or opened (restored to the temporary folder, then
// opened); a "deleted" row has nothing to restore, so both stay disabled.
#pragma once

#include "ArchiveSession.h"
#include "VeskItemInfo.h"

#include <QDialog>
#include <QHash>

#include <vector>

class HistoryVeskFileThread;
class QLabel;
class QPushButton;
class QTableWidget;

class FileVersionsDialog : public QDialog {
    Q_OBJECT
public:
    // `path`: the file's catalogue path (\docs\a.txt).
    FileVersionsDialog(const ArchiveSessionPtr &session, const QString &path, QWidget *parent = nullptr);
    ~FileVersionsDialog() override;

    QTableWidget *table() const { return m_table; }
    QPushButton *extractButton() const { return m_extract; }
    QPushButton *openButton() const { return m_open; }
    bool isLoading() const { return m_thread != nullptr; }
    // The entry of a row as the browser and the jobs know it.
    VeskItemInfo rowItem(int row) const;
    bool rowRestorable(int row) const;

signals:
    void historyShown();
    void extractRequested(VeskItemInfo item);
    void openRequested(VeskItemInfo item);

private:
    void onFinished();
    void updateButtons();
    void fillTable();

    QString m_path;
    HistoryVeskFileThread *m_thread = nullptr;
    std::vector<ArchiveSession::Step> m_steps;
    int m_result = 0;
    QLabel *m_heading;
    QLabel *m_status;
    QTableWidget *m_table;
    QPushButton *m_extract;
    QPushButton *m_open;
    QPushButton *m_close;
};
