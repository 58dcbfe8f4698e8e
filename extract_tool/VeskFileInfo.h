// The archive browser: versions and folders of the open backup folder in a
// lazily filled tree, the entries of the selected folder in a paged table
// with check boxes, and the number and size of what is checked.
//
// Listing and statistics run on QueryVeskFileListThread and
// StatVeskFileListThread; the GUI thread only merges their results into the
// FolderModel and the widgets, so it never waits on the archive library
// (except when the page shuts down and its workers are stopped).
#pragma once

#include "ArchiveSession.h"
#include "BrowserLogic.h"
#include "FolderModel.h"
#include "VeskThreads.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QWidget>

#include <deque>
#include <memory>
#include <vector>

class CheckBoxHeader;
class FileVersionsDialog;
class SearchPanel;
class QCheckBox;
class QStackedWidget;
class ExtractionFlow;
class RestoreJobManager;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;

class VeskFileInfo : public QWidget {
    Q_OBJECT
public:
    explicit VeskFileInfo(QWidget *parent = nullptr);
    ~VeskFileInfo() override;

    // Shows a newly opened folder (adds it to the opened folders). The
    // listing starts after `delayMs` (at once for 0 or less).
    void showVeskFolder(ArchiveSessionPtr session, int delayMs = 0);
    // Opens `path` through the password loop and shows it; false when it
    // was not opened.
    bool openAdditionalFolder(const QString &path);
    // Shows a folder opened before in this run; false when it is not open.
    bool showOpenedFolder(const QString &path);
    // Closes the shown folder and forgets it.
    void closeShownFolder();
    void removeOpenedFolder(const QString &path);

    bool hasFolder() const { return m_current != nullptr; }
    QString currentPath() const;
    QStringList openedPaths() const;
    bool isBusy() const;

    // Where extractions become background tasks (set by the main window).
    void setJobManager(RestoreJobManager *manager);
    // Replaces the questions of an extraction (tests answer them); the page
    // owns it.
    void setExtractionFlow(ExtractionFlow *flow);
    QPushButton *extractButton() const { return m_extract; }

    // For tests and measurements.
    FolderModel *model() const;
    QTreeWidget *tree() const { return m_tree; }
    QTableWidget *table() const { return m_table; }
    CheckBoxHeader *header() const { return m_header; }
    QString shownKey() const;
    const BrowserLogic::PageInfo &pageInfo() const { return m_page; }
    BrowserLogic::SelectionCounts selectionCounts() const;
    QString summaryText() const;
    QString rangeLabelText() const;
    QString pathBarText() const;
    // "Loading…" or "This folder is empty." over an empty table, else "".
    QString tableStateText() const;
    // The checked folder whose entry `info` is (at any depth), if any.
    const VeskItemInfo *checkedAncestor(const VeskItemInfo *info) const;
    QTreeWidgetItem *treeItem(const QString &key) const { return m_treeItems.value(key, nullptr); }
    // Shows a folder's entries from page 1, listing it first when needed.
    void showEntries(const QString &key);
    void setPageSize(qint64 size);

    // Search over the shown folder: the field (Ctrl+F), the "all versions"
    // switch, and the matches shown instead of the folder's entries.
    QLineEdit *searchField() const { return m_searchEdit; }
    QCheckBox *allVersionsBox() const { return m_allVersions; }
    QPushButton *searchButton() const { return m_searchButton; }
    SearchPanel *searchPanel() const { return m_searchPanel; }
    bool isSearchShown() const;
    // Searches the text of the field (in the shown version, or in every
    // version with the switch on).
    void startSearch();
    // Back to the folder's entries; a running search is dropped.
    void leaveSearch();
    // Opens "Versions of this file" for a file entry.
    FileVersionsDialog *showFileVersions(const VeskItemInfo &file);

signals:
    void updateLanguageSignal();
    // After a listing was merged ("ROOT" or "CHILD").
    void listingApplied(QString result);
    // After the table shows the first page of a folder's entries.
    void pageShown(QString key);
    void statsApplied();
    void folderClosed();
    // Before a dialog of this page: the background-tasks dialog steps aside.
    void hideJobsWindowRequested();

public slots:
    void queryCancel();
    void updateLanguage();
    void folderTreeItemPressed(QTreeWidgetItem *item, int column);
    void folderTreeItemCollapsed(QTreeWidgetItem *item);
    void folderTreeItemExpanded(QTreeWidgetItem *item);
    void folderTreeContextMenu(QPoint pos);
    void veskNameLabelContextMenu(QPoint pos);
    void clickListItem(int row, int column, int state);
    void showOpenFileWindow();
    void showExtractFileWindow();
    void goParentLevel();
    void fileListWidgetCellClicked(int row, int column);
    void fileListWidgetCellDoubleClicked(int row, int column);
    void headerCheckboxChanged(int state);
    void headerSectionClicked(int index);
    void queryResultReady(QString result);
    void RestartQueryVeskFileListThread();
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void gotoPage();
    void pageCountIndexChanged(int index);
    void setPageInfo();
    void statResultReady(QString result);
    void veskFileIndexChanged(int index);
    void extractActionClicked(bool checked = false);
    void extractAllActionClicked(bool checked = false);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Opened {
        QString path;
        ArchiveSessionPtr session;
        FolderModel model;
        QString shownKey;
        QSet<VeskItemInfo *> checked;
        QSet<QString> pendingStats;
        QSet<QString> pendingListings;
        bool initialRequested = false;
        bool initialDone = false;
    };

    void buildUi();
    void rebuildCombo();
    void rebuildTree();
    void switchTo(Opened *folder, bool force = false);
    QTreeWidgetItem *addTreeItem(QTreeWidgetItem *parent, VeskItemInfo *info);
    void requestListing(VeskItemInfo *folder);
    void startNextQuery();
    void mergeIntoHiddenFolder(const Opened *owner, const QString &result);
    void onQueryFinished();
    void startStats();
    void refreshTable();
    void updateHeaderState();
    void updateSummary();
    void updatePathBar();
    void updateTableState();
    void setChecked(VeskItemInfo *info, bool checked);
    bool handleKey(QObject *watched, int key, Qt::KeyboardModifiers modifiers);
    VeskItemInfo *rowItem(int row) const;
    void retire(QThread *thread);
    void startExtraction(bool all);
    void extractMatches();
    void extractVersion(const VeskItemInfo &item);
    void fileListContextMenu(QPoint pos);
    void buildSearch(QWidget *browserPart, QVBoxLayout *right);
    void updateSearchTexts();
    void updateSearchSummary();
    int shownVersion() const;
    void openFileFromTable(const VeskItemInfo &info);

    std::vector<std::unique_ptr<Opened>> m_folders;
    Opened *m_current = nullptr;
    QHash<QString, QTreeWidgetItem *> m_treeItems;
    QString m_selectAfterListing;

    QueryVeskFileListThread *m_query = nullptr;
    bool m_queryInitial = false;
    std::deque<QueryVeskFileListThread::Target> m_pendingTargets;
    bool m_pendingInitial = false;
    StatVeskFileListThread *m_stat = nullptr;
    std::vector<QPointer<QThread>> m_retired;

    QPointer<RestoreJobManager> m_jobs;
    std::unique_ptr<ExtractionFlow> m_flow;

    BrowserLogic::PageInfo m_page;
    bool m_sortAscending[4] = {true, true, true, true};

    QPushButton *m_back = nullptr;
    QLabel *m_sourceLabel = nullptr;
    QLabel *m_nameLabel = nullptr;
    QComboBox *m_folderCombo = nullptr;
    QPushButton *m_browse = nullptr;
    QPushButton *m_extract = nullptr;
    QTreeWidget *m_tree = nullptr;
    QTableWidget *m_table = nullptr;
    CheckBoxHeader *m_header = nullptr;
    QPushButton *m_first = nullptr;
    QPushButton *m_prev = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_last = nullptr;
    QLineEdit *m_pageEdit = nullptr;
    QLabel *m_pageLabel = nullptr;
    QLabel *m_pageTitle = nullptr;
    QLabel *m_showLabel = nullptr;
    QLabel *m_itemsLabel = nullptr;
    QComboBox *m_pageSizeCombo = nullptr;
    QLabel *m_rangeLabel = nullptr;
    QLabel *m_selectedLabel = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QLabel *m_pathLabel = nullptr;
    QLabel *m_stateLabel = nullptr;
    QLineEdit *m_searchEdit = nullptr;
    QCheckBox *m_allVersions = nullptr;
    QPushButton *m_searchButton = nullptr;
    QStackedWidget *m_rightStack = nullptr;
    SearchPanel *m_searchPanel = nullptr;
};
