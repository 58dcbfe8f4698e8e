// The browser's search: the matches of the last search in a table with a
// check box per row, the state of the search above them ("Searching…", the
// number of matches, "No matches.", the cap), and the worker that searches.
// A new search or cancel() supersedes the running one: it is told to stop
// and its results are dropped, so the GUI thread never waits for the
// archive library.
#pragma once

#include "ArchiveSession.h"
#include "SearchLogic.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class FindVeskFileThread;
class QLabel;
class QTableView;

class SearchPanel : public QWidget {
    Q_OBJECT
public:
    explicit SearchPanel(QWidget *parent = nullptr);
    ~SearchPanel() override;

    // Searches `versionId` (-1: every version) for `pattern` (a glob),
    // letters in either case. `versionTimes`: version id -> its time.
    void start(const ArchiveSessionPtr &session, int versionId, const QString &pattern,
               const QHash<int, qint64> &versionTimes);
    // Stops a running search and forgets the matches.
    void cancel();
    bool isSearching() const { return m_thread != nullptr; }

    SearchResultModel *model() const { return m_model; }
    QTableView *view() const { return m_view; }
    QString statusText() const;
    void updateLanguage();

signals:
    // After the matches of a search are shown.
    void searchDone();
    void checkedChanged();
    // Escape in the matches.
    void leaveRequested();
    // Enter or a double-click on a match.
    void matchActivated(int row);
    // The context menu's "Versions of this file" on a file match.
    void versionsRequested(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onFinished();
    void retire();
    void updateStatus();
    void contextMenu(const QPoint &pos);

    SearchResultModel *m_model;
    QTableView *m_view;
    QLabel *m_status;
    FindVeskFileThread *m_thread = nullptr;
    std::vector<QPointer<FindVeskFileThread>> m_retired;
    QHash<int, qint64> m_versionTimes;
    bool m_allVersions = false;
    bool m_truncated = false;
    int m_result = 0;
    bool m_done = false;
};
