// The browser's search and "Versions of this file": the parts of the page
// that show matches instead of a folder's entries and turn checked matches
// or one version of a file into a background task.
#include "VeskFileInfo.h"

#include "ExtractionFlow.h"
#include "FileVersionsDialog.h"
#include "Hcommon/Logger.h"
#include "JobLogic.h"
#include "RestoreJobManager.h"
#include "SearchPanel.h"
#include "VeskOpener.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QLabel>

#include <set>

namespace {

QString highlightCount(qint64 n)
{
    return QStringLiteral("<font color=#004980>%1</font>").arg(n);
}

} // namespace

void VeskFileInfo::buildSearch(QWidget *browserPart, QVBoxLayout *right)
{
    m_searchEdit = new QLineEdit(this);
    m_searchEdit->setObjectName(QStringLiteral("searchField"));
    m_searchEdit->setClearButtonEnabled(true);
    m_searchEdit->addAction(QIcon(QStringLiteral(":/images/search.png")), QLineEdit::LeadingPosition);
    m_allVersions = new QCheckBox(this);
    m_allVersions->setObjectName(QStringLiteral("searchAllVersions"));
    m_searchButton = new QPushButton(this);
    m_searchButton->setObjectName(QStringLiteral("secondaryButton"));
    m_searchButton->setIcon(QIcon(QStringLiteral(":/images/search.png")));
    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(0, 6, 0, 2);
    bar->addWidget(m_searchEdit, 1);
    bar->addWidget(m_allVersions);
    bar->addWidget(m_searchButton);

    m_searchPanel = new SearchPanel(this);
    m_rightStack = new QStackedWidget(this);
    m_rightStack->addWidget(browserPart);
    m_rightStack->addWidget(m_searchPanel);
    right->addLayout(bar);
    right->addWidget(m_rightStack, 1);

    // Ctrl+F wherever the focus is inside the page: tree, table, matches
    // or its own toolbar.
    auto *find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        m_searchEdit->setFocus(Qt::ShortcutFocusReason);
        m_searchEdit->selectAll();
    });
    m_searchEdit->installEventFilter(this);
    connect(m_searchEdit, &QLineEdit::returnPressed, this, &VeskFileInfo::startSearch);
    connect(m_searchButton, &QPushButton::clicked, this, &VeskFileInfo::startSearch);
    connect(m_searchEdit, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.trimmed().isEmpty())
            leaveSearch();
    });
    // The switch changes what a shown search means: search again.
    connect(m_allVersions, &QCheckBox::toggled, this, [this] {
        if (isSearchShown())
            startSearch();
    });
    connect(m_searchPanel, &SearchPanel::leaveRequested, this, [this] {
        leaveSearch();
        m_table->setFocus();
    });
    connect(m_searchPanel, &SearchPanel::checkedChanged, this, &VeskFileInfo::updateSummary);
    connect(m_searchPanel, &SearchPanel::searchDone, this, &VeskFileInfo::updateSummary);
    connect(m_searchPanel, &SearchPanel::matchActivated, this, [this](int row) {
        const VeskItemInfo &m = m_searchPanel->model()->match(row);
        if (m.isFolder != 1)
            openFileFromTable(m);
    });
    connect(m_searchPanel, &SearchPanel::versionsRequested, this,
            [this](int row) { showFileVersions(m_searchPanel->model()->match(row)); });
}

void VeskFileInfo::updateSearchTexts()
{
    m_searchEdit->setPlaceholderText(tr("Search by name (Ctrl+F)"));
    m_allVersions->setText(tr("All versions"));
    m_searchButton->setText(tr("Search"));
    m_searchPanel->updateLanguage();
}

bool VeskFileInfo::isSearchShown() const
{
    return m_rightStack && m_rightStack->currentWidget() == m_searchPanel;
}

// The version whose folder the table shows; -1 before the versions are known.
int VeskFileInfo::shownVersion() const
{
    const VeskItemInfo *info = m_current ? m_current->model.find(m_current->shownKey) : nullptr;
    return info ? info->versionId : -1;
}

void VeskFileInfo::startSearch()
{
    const QString pattern = SearchLogic::globPattern(m_searchEdit->text());
    if (!m_current || pattern.isEmpty())
        return;
    const bool all = m_allVersions->isChecked();
    const int version = all ? SearchLogic::kAllVersions : shownVersion();
    if (version < 0 && !all)
        return; // nothing listed yet to search in
    QHash<int, qint64> times;
    for (const VeskItemInfo *v : m_current->model.versionRoots())
        times.insert(v->versionId, v->mtime);
    m_rightStack->setCurrentWidget(m_searchPanel);
    m_searchPanel->start(m_current->session, version, pattern, times);
    updateSummary();
}

void VeskFileInfo::leaveSearch()
{
    if (!m_searchPanel)
        return;
    m_searchPanel->cancel();
    if (!isSearchShown())
        return;
    m_rightStack->setCurrentIndex(0);
    if (!m_searchEdit->text().isEmpty()) {
        const QSignalBlocker block(m_searchEdit);
        m_searchEdit->clear();
    }
    updateSummary();
}

void VeskFileInfo::updateSearchSummary()
{
    qint64 folders = 0, files = 0, bytes = 0;
    for (const VeskItemInfo *m : m_searchPanel->model()->checkedMatches()) {
        if (m->isFolder == 1) {
            ++folders;
        } else {
            ++files;
            bytes += qMax<qint64>(0, m->totalSize);
        }
    }
    m_extract->setEnabled(folders + files > 0);
    m_selectedLabel->setText(
        tr("Selected: %1 Folders, %2 Files").arg(highlightCount(folders), highlightCount(files)));
    // A checked folder's total is summed when the extraction starts.
    m_sizeLabel->setVisible(folders == 0);
    m_sizeLabel->setText(tr("Estimated Restore Size: %1")
                             .arg(QStringLiteral("<font color=#004980>%1</font>").arg(BrowserLogic::sizeText(bytes))));
}

void VeskFileInfo::fileListContextMenu(QPoint pos)
{
    const int row = m_table->rowAt(pos.y());
    const VeskItemInfo *info = row >= 0 ? rowItem(row) : nullptr;
    if (!info || info->isFolder == 1)
        return;
    QMenu menu(this);
    QAction *versions = menu.addAction(tr("Versions of this file"));
    const VeskItemInfo file = *info;
    connect(versions, &QAction::triggered, this, [this, file] { showFileVersions(file); });
    menu.exec(m_table->viewport()->mapToGlobal(pos));
}

FileVersionsDialog *VeskFileInfo::showFileVersions(const VeskItemInfo &file)
{
    if (!m_current)
        return nullptr;
    emit hideJobsWindowRequested();
    auto *dialog = new FileVersionsDialog(m_current->session, file.fullPath(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The dialog speaks for the folder it was opened on, even when another
    // folder is shown meanwhile.
    Opened *owner = m_current;
    connect(dialog, &FileVersionsDialog::extractRequested, this, [this, owner](const VeskItemInfo &item) {
        if (owner == m_current)
            extractVersion(item);
    });
    connect(dialog, &FileVersionsDialog::openRequested, this, [this, owner](const VeskItemInfo &item) {
        if (owner == m_current)
            openFileFromTable(item);
    });
    // Closing the folder closes its dialogs: their session goes with it.
    connect(this, &VeskFileInfo::folderClosed, dialog, &QDialog::reject);
    dialog->open();
    return dialog;
}

// One version of one file through the usual questions into the chosen folder.
void VeskFileInfo::extractVersion(const VeskItemInfo &item)
{
    if (!m_current || !m_jobs || item.name.isEmpty())
        return;
    Opened *folder = m_current;
    VeskItemInfo entry = item;
    qint64 estimate = qMax<qint64>(0, entry.totalSize);
    if (entry.isFolder == 1) {
        std::vector<StatVeskFileListThread::Result> totals;
        if (!m_flow->sumFolders(folder->session, {{entry.key(), entry.versionId, entry.fullPath()}}, &totals) ||
            m_current != folder)
            return;
        for (const StatVeskFileListThread::Result &r : totals)
            if (r.code == 0) {
                entry.folderCount = r.stat.folders;
                entry.fileCount = r.stat.files;
                entry.totalSize = estimate = r.stat.bytes;
            }
    }
    ExtractionFlow::Choice choice;
    if (!m_flow->choose(estimate, folder->path, &choice) || m_current != folder)
        return;
    orvex::jobs::JobDefinition job =
        JobLogic::newJob(folder->path, folder->session->password(), estimate, choice.target, choice.policy);
    entry.checkState = Qt::Checked;
    entry.dstFolderPath = choice.target;
    job.items.push_back(JobLogic::toJobItem(entry));
    if (m_jobs->addJob(std::move(job)) == 0)
        m_flow->showTooManyJobs();
}

// Checked matches come from many folders (and, across versions, from many
// versions): each lands below the chosen folder under its own folder path,
// and with several versions under the version's "yyyyMMdd_HHmm" folder
// first, so two matches of one name never overwrite or skip each other.
void VeskFileInfo::extractMatches()
{
    if (!m_current || !m_jobs)
        return;
    Opened *folder = m_current;
    std::vector<VeskItemInfo> picked;
    std::vector<StatVeskFileListThread::Request> sums;
    std::set<int> versions;
    for (const VeskItemInfo *m : m_searchPanel->model()->checkedMatches()) {
        picked.push_back(*m);
        versions.insert(m->versionId);
        if (m->isFolder == 1)
            sums.push_back({QString::number(picked.size() - 1), m->versionId, m->fullPath()});
    }
    if (picked.empty())
        return;
    std::vector<StatVeskFileListThread::Result> totals;
    if (!m_flow->sumFolders(folder->session, sums, &totals) || m_current != folder)
        return;
    for (const StatVeskFileListThread::Result &r : totals) {
        VeskItemInfo &m = picked[r.key.toULongLong()];
        if (r.code == 0) {
            m.folderCount = r.stat.folders;
            m.fileCount = r.stat.files;
            m.totalSize = r.stat.bytes;
        }
    }
    qint64 estimate = 0;
    for (const VeskItemInfo &m : picked)
        estimate += qMax<qint64>(0, m.totalSize);
    ExtractionFlow::Choice choice;
    if (!m_flow->choose(estimate, folder->path, &choice) || m_current != folder)
        return;

    QHash<int, qint64> times;
    for (const VeskItemInfo *v : folder->model.versionRoots())
        times.insert(v->versionId, v->mtime);
    orvex::jobs::JobDefinition job =
        JobLogic::newJob(folder->path, folder->session->password(), estimate, choice.target, choice.policy);
    for (VeskItemInfo &m : picked) {
        const QString versionFolder =
            versions.size() > 1 ? JobLogic::versionFolderName(times.value(m.versionId)) : QString();
        m.dstFolderPath = SearchLogic::destinationFolder(choice.target, versionFolder, m);
        if (m.dstFolderPath.isEmpty()) {
            // A folder on the way has a name that would lead outside the
            // destination: the match is refused, the others go on.
            Hcommon::Logger::instance()->logText(
                Hcommon::Logger::Error, QCoreApplication::translate("RestoreVeskFileListThread", "[%1] [%2] Failed to extract %3.")
                                   .arg(QStringLiteral("Orvex Extract Tool"), VeskOpener::displayName(folder->path),
                                        JobLogic::printablePath(m.fullPath().toStdString())));
            continue;
        }
        m.checkState = Qt::Checked;
        job.items.push_back(JobLogic::toJobItem(m));
    }
    if (job.items.empty())
        return;
    if (m_jobs->addJob(std::move(job)) == 0)
        m_flow->showTooManyJobs();
}
