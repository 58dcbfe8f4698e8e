#include "VeskFileInfo.h"

#include "AppPaths.h"
#include "CheckBoxHeader.h"
#include "ExtractionFlow.h"
#include "Hcommon/FolderDialog.h"
#include "Hcommon/MessageBox.h"
#include "Hcommon/QUserListCtrlCheckBox.h"
#include "JobLogic.h"
#include "RestoreJobManager.h"
#include "SearchPanel.h"
#include "VeskOpener.h"

#include <QComboBox>
#include <climits>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

Q_LOGGING_CATEGORY(lcBrowserTiming, "orvex.browser.timing", QtWarningMsg)

namespace {

constexpr int kItemRole = Qt::UserRole; // 256: the VeskItemInfo pointer as a 64-bit integer

VeskItemInfo *infoOf(const QTreeWidgetItem *item)
{
    return item ? reinterpret_cast<VeskItemInfo *>(item->data(0, kItemRole).toULongLong()) : nullptr;
}

// Shared by every tree item: one icon object instead of one per folder.
const QIcon &folderIcon(bool open)
{
    static const QIcon closedIcon(QStringLiteral(":/images/menu_folder.png"));
    static const QIcon openIcon(QStringLiteral(":/images/menu_folder_open.png"));
    return open ? openIcon : closedIcon;
}

QString timeText(qint64 secs)
{
    return QDateTime::fromSecsSinceEpoch(secs).toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

QPushButton *pageButton(const QString &base, QWidget *parent)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QStringLiteral("pageButton"));
    b->setFixedSize(28, 28);
    b->setStyleSheet(QStringLiteral("QPushButton{border:none;image:url(:/images/%1.png);}"
                                    "QPushButton:hover{image:url(:/images/%1_hover.png);}"
                                    "QPushButton:disabled{image:url(:/images/%1_dis.png);}")
                         .arg(base));
    return b;
}

// A folder's name in the toolbar: as wide as it needs when there is room,
// elided in the middle when a long name would push the buttons out of the
// window.
class ElidedLabel : public QLabel {
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override { return {40, QLabel::minimumSizeHint().height()}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect r = contentsRect();
        style()->drawItemText(&painter, r, int(alignment()), palette(), isEnabled(),
                              fontMetrics().elidedText(text(), Qt::ElideMiddle, r.width()), foregroundRole());
    }
};

QString highlight(qint64 n)
{
    return QStringLiteral("<font color=#004980>%1</font>").arg(n);
}

} // namespace

VeskFileInfo::VeskFileInfo(QWidget *parent) : QWidget(parent), m_flow(std::make_unique<ExtractionFlow>(this))
{
    setObjectName(QStringLiteral("browserPage"));
    setAttribute(Qt::WA_StyledBackground, true);
    buildUi();
    connect(this, &VeskFileInfo::updateLanguageSignal, this, &VeskFileInfo::updateLanguage);
    updateLanguage();
    setPageInfo();
}

VeskFileInfo::~VeskFileInfo()
{
    queryCancel();
}

void VeskFileInfo::buildUi()
{
    auto *toolbar = new QFrame(this);
    toolbar->setObjectName(QStringLiteral("browserToolbar"));
    m_back = new QPushButton(toolbar);
    m_back->setIcon(QIcon(QStringLiteral(":/images/back.png")));
    m_back->setIconSize(QSize(22, 22));
    m_back->setFlat(true);
    m_nameLabel = new ElidedLabel(toolbar);
    m_nameLabel->setObjectName(QStringLiteral("veskNameLabel"));
    m_nameLabel->setContextMenuPolicy(Qt::CustomContextMenu);
    m_sourceLabel = new ElidedLabel(toolbar);
    m_folderCombo = new QComboBox(toolbar);
    m_folderCombo->setMinimumWidth(260);
    m_folderCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_browse = new QPushButton(toolbar);
    m_browse->setObjectName(QStringLiteral("secondaryButton"));
    m_browse->setIcon(QIcon(QStringLiteral(":/images/open_another.png")));
    m_extract = new QPushButton(toolbar);
    m_extract->setObjectName(QStringLiteral("primaryButton"));
    m_extract->setIcon(QIcon(QStringLiteral(":/images/bt_extract_white.png")));
    auto *tb = new QHBoxLayout(toolbar);
    tb->setContentsMargins(10, 6, 10, 6);
    tb->addWidget(m_back);
    tb->addWidget(m_nameLabel);
    tb->addSpacing(12);
    tb->addWidget(m_sourceLabel);
    tb->addStretch(1);
    tb->addWidget(m_folderCombo);
    tb->addWidget(m_browse);
    tb->addWidget(m_extract);

    m_tree = new QTreeWidget(this);
    m_tree->setColumnCount(1);
    m_tree->setHeaderHidden(true);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setMinimumWidth(220);

    m_table = new QTableWidget(this);
    m_table->setColumnCount(4);
    m_header = new CheckBoxHeader(Qt::Horizontal, m_table);
    m_table->setHorizontalHeader(m_header);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(48);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->setSortingEnabled(false);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->setIconSize(QSize(32, 32));
    m_table->setColumnWidth(0, 48);
    m_table->setColumnWidth(1, 390);
    m_table->setColumnWidth(2, 200);
    m_table->setColumnWidth(3, 100);
    m_header->setStretchLastSection(true);
    m_header->setSortIndicatorShown(false);

    m_first = pageButton(QStringLiteral("page_l_end"), this);
    m_prev = pageButton(QStringLiteral("page_l"), this);
    m_next = pageButton(QStringLiteral("page_r"), this);
    m_last = pageButton(QStringLiteral("page_r_end"), this);
    m_pageTitle = new QLabel(this);
    m_pageEdit = new QLineEdit(this);
    m_pageEdit->setFixedWidth(56);
    m_pageEdit->setAlignment(Qt::AlignCenter);
    m_pageLabel = new QLabel(this);
    m_showLabel = new QLabel(this);
    m_pageSizeCombo = new QComboBox(this);
    for (qint64 s : BrowserLogic::kPageSizes)
        m_pageSizeCombo->addItem(QString::number(s), s);
    m_itemsLabel = new QLabel(this);
    m_rangeLabel = new QLabel(this);
    auto *paging = new QHBoxLayout;
    paging->addWidget(m_first);
    paging->addWidget(m_prev);
    paging->addWidget(m_pageTitle);
    paging->addWidget(m_pageEdit);
    paging->addWidget(m_pageLabel);
    paging->addWidget(m_next);
    paging->addWidget(m_last);
    paging->addSpacing(16);
    paging->addWidget(m_showLabel);
    paging->addWidget(m_pageSizeCombo);
    paging->addWidget(m_itemsLabel);
    paging->addStretch(1);
    paging->addWidget(m_rangeLabel);

    m_selectedLabel = new QLabel(this);
    m_selectedLabel->setObjectName(QStringLiteral("summaryLabel"));
    m_sizeLabel = new QLabel(this);
    m_sizeLabel->setObjectName(QStringLiteral("summaryLabel"));
    auto *summary = new QHBoxLayout;
    summary->addWidget(m_selectedLabel);
    summary->addSpacing(24);
    summary->addWidget(m_sizeLabel);
    summary->addStretch(1);

    // Where the table is: the version and the folder's path inside it.
    m_pathLabel = new QLabel(this);
    m_pathLabel->setObjectName(QStringLiteral("pathBar"));
    m_pathLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_pathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Over an empty table: still loading, or really empty.
    m_stateLabel = new QLabel(m_table->viewport());
    m_stateLabel->setObjectName(QStringLiteral("tableState"));
    m_stateLabel->setAlignment(Qt::AlignCenter);
    m_stateLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_stateLabel->hide();
    m_table->viewport()->installEventFilter(this);
    m_table->installEventFilter(this);
    m_tree->installEventFilter(this);

    // The folder's entries, or (while a search is shown) its matches.
    auto *browserPart = new QWidget(this);
    auto *bl = new QVBoxLayout(browserPart);
    bl->setContentsMargins(0, 0, 0, 0);
    bl->addWidget(m_pathLabel);
    bl->addWidget(m_table, 1);
    bl->addLayout(paging);

    auto *right = new QWidget(this);
    auto *rl = new QVBoxLayout(right);
    rl->setContentsMargins(8, 0, 8, 6);
    buildSearch(browserPart, rl);
    rl->addLayout(summary);

    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(m_tree);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({260, 760});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(split, 1);

    connect(m_back, &QPushButton::clicked, this, &VeskFileInfo::goParentLevel);
    connect(m_browse, &QPushButton::clicked, this, &VeskFileInfo::showOpenFileWindow);
    connect(m_extract, &QPushButton::clicked, this, &VeskFileInfo::showExtractFileWindow);
    connect(m_nameLabel, &QLabel::customContextMenuRequested, this, &VeskFileInfo::veskNameLabelContextMenu);
    connect(m_folderCombo, QOverload<int>::of(&QComboBox::activated), this, &VeskFileInfo::veskFileIndexChanged);
    connect(m_tree, &QTreeWidget::itemPressed, this, &VeskFileInfo::folderTreeItemPressed);
    // The arrow keys move the tree's current item: the table follows it.
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        const VeskItemInfo *info = infoOf(item);
        if (info && m_current && info->key() != m_current->shownKey)
            showEntries(info->key());
    });
    connect(m_tree, &QTreeWidget::itemExpanded, this, &VeskFileInfo::folderTreeItemExpanded);
    connect(m_tree, &QTreeWidget::itemCollapsed, this, &VeskFileInfo::folderTreeItemCollapsed);
    connect(m_tree, &QTreeWidget::customContextMenuRequested, this, &VeskFileInfo::folderTreeContextMenu);
    connect(m_table, &QTableWidget::cellClicked, this, &VeskFileInfo::fileListWidgetCellClicked);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &VeskFileInfo::fileListWidgetCellDoubleClicked);
    connect(m_table, &QTableWidget::customContextMenuRequested, this, &VeskFileInfo::fileListContextMenu);
    connect(m_header, &CheckBoxHeader::checkBoxClicked, this, &VeskFileInfo::headerCheckboxChanged);
    connect(m_header, &QHeaderView::sectionClicked, this, &VeskFileInfo::headerSectionClicked);
    connect(m_first, &QPushButton::clicked, this, &VeskFileInfo::firstPage);
    connect(m_prev, &QPushButton::clicked, this, &VeskFileInfo::previousPage);
    connect(m_next, &QPushButton::clicked, this, &VeskFileInfo::nextPage);
    connect(m_last, &QPushButton::clicked, this, &VeskFileInfo::lastPage);
    connect(m_pageEdit, &QLineEdit::returnPressed, this, &VeskFileInfo::gotoPage);
    connect(m_pageSizeCombo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &VeskFileInfo::pageCountIndexChanged);
}

void VeskFileInfo::updateLanguage()
{
    m_table->setHorizontalHeaderLabels({QString(), tr("Name"), tr("Modified Date"), tr("Size")});
    m_browse->setText(tr("Browse"));
    m_extract->setText(tr("Extract"));
    m_back->setToolTip(tr("Back"));
    m_pageTitle->setText(tr("Page:"));
    m_showLabel->setText(tr("Show:"));
    m_itemsLabel->setText(tr("Items"));
    if (QTableWidgetItem *box = m_table->horizontalHeaderItem(0))
        box->setToolTip(tr("Check every entry on this page"));
    if (m_current)
        m_sourceLabel->setText(tr("Source: %1").arg(VeskOpener::displayName(m_current->path)));
    updateSearchTexts();
    for (QTreeWidgetItem *item : qAsConst(m_treeItems))
        if (m_current && m_current->model.limitReached(infoOf(item)->key()))
            item->setToolTip(0, tr("Only the first 100,000 folders are displayed."));
    for (QTreeWidgetItem *item : qAsConst(m_treeItems))
        if (item->font(0).bold())
            item->setToolTip(0, tr("Newest version"));
    setPageInfo();
    updateSummary();
    updateTableState();
}

FolderModel *VeskFileInfo::model() const
{
    return m_current ? &m_current->model : nullptr;
}

QString VeskFileInfo::shownKey() const
{
    return m_current ? m_current->shownKey : QString();
}

QString VeskFileInfo::currentPath() const
{
    return m_current ? m_current->path : QString();
}

QStringList VeskFileInfo::openedPaths() const
{
    QStringList out;
    for (const auto &f : m_folders)
        out << f->path;
    return out;
}

bool VeskFileInfo::isBusy() const
{
    return m_query || m_stat || m_pendingInitial || !m_pendingTargets.empty();
}

// ---- opening, switching and closing folders ----

void VeskFileInfo::showVeskFolder(ArchiveSessionPtr session, int delayMs)
{
    if (!session)
        return;
    // Already open: keep its listing, drop the extra session.
    if (showOpenedFolder(session->path()))
        return;
    auto folder = std::make_unique<Opened>();
    folder->path = AppPaths::canonicalFolder(session->path());
    folder->session = std::move(session);
    folder->shownKey = folder->model.root()->key();
    Opened *raw = folder.get();
    m_folders.push_back(std::move(folder));
    switchTo(raw);
    if (delayMs <= 0)
        RestartQueryVeskFileListThread();
    else
        QTimer::singleShot(delayMs, this, QOverload<>::of(&VeskFileInfo::RestartQueryVeskFileListThread));
}

bool VeskFileInfo::openAdditionalFolder(const QString &path)
{
    const QString folder = AppPaths::canonicalFolder(path);
    if (showOpenedFolder(folder))
        return true;
    VeskOpener opener(window());
    ArchiveSessionPtr session = opener.open(folder);
    if (!session)
        return false;
    showVeskFolder(std::move(session));
    return true;
}

bool VeskFileInfo::showOpenedFolder(const QString &path)
{
    const QString folder = AppPaths::canonicalFolder(path);
    for (auto &f : m_folders) {
        if (f->path == folder) {
            switchTo(f.get());
            RestartQueryVeskFileListThread();
            return true;
        }
    }
    return false;
}

void VeskFileInfo::switchTo(Opened *folder, bool force)
{
    if (folder == m_current && !force)
        return;
    // Work queued for the folder we leave belongs to it; a running query
    // finishes and is merged into that folder's model when it reports.
    m_pendingTargets.clear();
    m_pendingInitial = false;
    m_selectAfterListing.clear();
    leaveSearch(); // the matches belong to the folder we leave
    m_current = folder;
    if (m_current && !m_current->initialDone)
        m_current->initialRequested = false;
    rebuildCombo();
    rebuildTree();
    if (m_current) {
        m_nameLabel->setText(VeskOpener::displayName(m_current->path));
        m_nameLabel->setToolTip(m_current->path);
        m_sourceLabel->setText(tr("Source: %1").arg(VeskOpener::displayName(m_current->path)));
        startNextQuery();
    } else {
        m_nameLabel->clear();
        m_sourceLabel->clear();
    }
    m_page.currentPage = 1;
    refreshTable();
    updateSummary();
}

void VeskFileInfo::rebuildCombo()
{
    const QSignalBlocker block(m_folderCombo);
    m_folderCombo->clear();
    int select = 0;
    for (size_t i = 0; i < m_folders.size(); ++i) {
        m_folderCombo->addItem(QDir::toNativeSeparators(m_folders[i]->path), m_folders[i]->path);
        if (m_current && m_folders[i]->path == m_current->path)
            select = static_cast<int>(i);
    }
    if (m_folderCombo->count() > 0)
        m_folderCombo->setCurrentIndex(select);
}

void VeskFileInfo::rebuildTree()
{
    m_tree->clear();
    m_treeItems.clear();
    if (!m_current)
        return;
    FolderModel &model = m_current->model;
    if (model.versionRoots().isEmpty()) {
        addTreeItem(nullptr, model.root());
        return;
    }
    // Re-create the items of a folder switched back to, level by level.
    std::deque<std::pair<QTreeWidgetItem *, VeskItemInfo *>> todo;
    for (VeskItemInfo *v : model.versionRoots())
        todo.emplace_back(addTreeItem(nullptr, v), v);
    while (!todo.empty()) {
        auto [item, info] = todo.front();
        todo.pop_front();
        int shown = 0;
        for (VeskItemInfo *child : model.entries(info->key())) {
            if (child->isFolder != 1 || shown >= FolderModel::kMaxChildFolders)
                continue;
            ++shown;
            todo.emplace_back(addTreeItem(item, child), child);
        }
    }
}

void VeskFileInfo::veskFileIndexChanged(int index)
{
    if (index < 0 || index >= static_cast<int>(m_folders.size()))
        return;
    switchTo(m_folders[static_cast<size_t>(index)].get());
    RestartQueryVeskFileListThread(); // a first listing that was cut short runs again
}

void VeskFileInfo::closeShownFolder()
{
    if (!m_current)
        return;
    Opened *closing = m_current;
    leaveSearch();
    queryCancel();
    m_current = nullptr;
    closing->session->close();
    for (auto it = m_folders.begin(); it != m_folders.end(); ++it) {
        if (it->get() == closing) {
            m_folders.erase(it);
            break;
        }
    }
    switchTo(m_folders.empty() ? nullptr : m_folders.front().get(), true);
    RestartQueryVeskFileListThread();
    emit folderClosed();
}

void VeskFileInfo::removeOpenedFolder(const QString &path)
{
    if (m_current && m_current->path == path) {
        closeShownFolder();
        return;
    }
    for (auto it = m_folders.begin(); it != m_folders.end(); ++it) {
        if ((*it)->path == path) {
            m_folders.erase(it);
            break;
        }
    }
    rebuildCombo();
}

// ---- listing ----

QTreeWidgetItem *VeskFileInfo::addTreeItem(QTreeWidgetItem *parent, VeskItemInfo *info)
{
    auto *item = new QTreeWidgetItem;
    item->setData(0, kItemRole, QVariant::fromValue<qulonglong>(reinterpret_cast<quintptr>(info)));
    item->setText(0, info->name.isEmpty() ? (info->versionId >= 0 ? timeText(info->mtime) : QStringLiteral("\\"))
                                          : info->name);
    item->setIcon(0, folderIcon(false));
    const bool listed = m_current && m_current->model.isListed(info->versionId, info->fullPath());
    bool hasFolders = false;
    if (listed)
        for (VeskItemInfo *c : m_current->model.entries(info->key()))
            hasFolders = hasFolders || c->isFolder == 1;
    item->setChildIndicatorPolicy(!listed || hasFolders ? QTreeWidgetItem::ShowIndicator
                                                        : QTreeWidgetItem::DontShowIndicatorWhenChildless);
    if (m_current && m_current->model.limitReached(info->key()))
        item->setToolTip(0, tr("Only the first 100,000 folders are displayed."));
    if (m_current && info->name.isEmpty() && info->versionId >= 0 &&
        info == BrowserLogic::newestVersion(m_current->model.versionRoots())) {
        QFont bold = item->font(0);
        bold.setBold(true);
        item->setFont(0, bold);
        item->setToolTip(0, tr("Newest version"));
    }
    if (parent)
        parent->addChild(item);
    else
        m_tree->addTopLevelItem(item);
    m_treeItems.insert(info->key(), item);
    return item;
}

void VeskFileInfo::requestListing(VeskItemInfo *folder)
{
    if (!m_current || !folder || folder->isFolder != 1 || folder->versionId < 0)
        return;
    const QString path = folder->fullPath();
    if (m_current->model.isListed(folder->versionId, path) || m_current->pendingListings.contains(folder->key()))
        return;
    m_current->pendingListings.insert(folder->key());
    m_pendingTargets.push_back({folder->versionId, path, folder->key()});
    startNextQuery();
}

void VeskFileInfo::RestartQueryVeskFileListThread()
{
    if (!m_current || m_current->initialDone || m_current->initialRequested)
        return;
    m_current->initialRequested = true;
    m_pendingInitial = true;
    startNextQuery();
}

void VeskFileInfo::startNextQuery()
{
    if (m_query || !m_current)
        return;
    std::vector<QueryVeskFileListThread::Target> targets;
    if (m_pendingInitial) {
        m_pendingInitial = false;
    } else if (!m_pendingTargets.empty()) {
        targets.assign(m_pendingTargets.begin(), m_pendingTargets.end());
        m_pendingTargets.clear();
    } else {
        return;
    }
    m_queryInitial = targets.empty();
    m_query = new QueryVeskFileListThread(m_current->session);
    m_query->setTargets(std::move(targets));
    // The result belongs to the folder that asked, even if the user switches.
    Opened *owner = m_current;
    connect(m_query, &QueryVeskFileListThread::resultReady, this, [this, owner](const QString &result) {
        if (owner == m_current)
            queryResultReady(result);
        else
            mergeIntoHiddenFolder(owner, result);
    });
    connect(m_query, &QueryVeskFileListThread::qureyFinshed, this, &VeskFileInfo::onQueryFinished);
    m_query->start(QThread::InheritPriority);
}

void VeskFileInfo::onQueryFinished()
{
    if (!m_query)
        return;
    QueryVeskFileListThread *done = m_query;
    m_query = nullptr;
    done->wait();
    delete done;
    startNextQuery();
}

void VeskFileInfo::mergeIntoHiddenFolder(const Opened *owner, const QString &result)
{
    if (!m_query)
        return;
    std::vector<ListingBatch> batches = m_query->takeResults();
    // The user switched to another folder while this one was being listed:
    // keep the listing for when it is shown again (its tree is rebuilt from
    // the model then). A folder closed meanwhile simply drops it.
    for (auto &f : m_folders) {
        if (f.get() != owner)
            continue;
        for (ListingBatch &batch : batches) {
            f->pendingListings.remove(batch.parentKey);
            f->model.merge(batch);
        }
        if (result == QLatin1String("ROOT"))
            f->initialDone = true;
        f->initialRequested = false;
        return;
    }
}

void VeskFileInfo::queryResultReady(QString result)
{
    if (!m_query || !m_current)
        return;
    QElapsedTimer phase;
    phase.start();
    std::vector<ListingBatch> batches = m_query->takeResults();
    FolderModel &model = m_current->model;
    bool shownChanged = false;
    for (ListingBatch &batch : batches) {
        m_current->pendingListings.remove(batch.parentKey);
        const QString parentKey = batch.parentKey;
        const bool versions = batch.versions;
        FolderModel::Merge merge = model.merge(batch);
        if (lcBrowserTiming().isDebugEnabled())
            qCDebug(lcBrowserTiming) << "merge" << phase.restart() << "ms";
        if (versions) {
            // The placeholder root gives way to one item per version.
            if (QTreeWidgetItem *placeholder = m_treeItems.take(model.root()->key()))
                delete placeholder;
            for (VeskItemInfo *v : merge.newFolders)
                addTreeItem(nullptr, v);
            continue;
        }
        QTreeWidgetItem *parent = m_treeItems.value(parentKey, nullptr);
        if (parent) {
            m_tree->setUpdatesEnabled(false);
            QList<QTreeWidgetItem *> children;
            children.reserve(merge.newFolders.size());
            for (VeskItemInfo *f : merge.newFolders) {
                auto *item = new QTreeWidgetItem;
                item->setData(0, kItemRole, QVariant::fromValue<qulonglong>(reinterpret_cast<quintptr>(f)));
                item->setText(0, f->name);
                item->setIcon(0, folderIcon(false));
                item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
                m_treeItems.insert(f->key(), item);
                children << item;
            }
            parent->addChildren(children);
            m_tree->setUpdatesEnabled(true);
            if (merge.newFolders.isEmpty() && parent->childCount() == 0)
                parent->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
            if (merge.limitReached)
                parent->setToolTip(0, tr("Only the first 100,000 folders are displayed."));
        }
        if (lcBrowserTiming().isDebugEnabled())
            qCDebug(lcBrowserTiming) << "tree" << phase.restart() << "ms";
        if (parentKey == m_current->shownKey)
            shownChanged = true;
    }
    m_sourceLabel->setText(tr("Source: %1").arg(VeskOpener::displayName(m_current->path)));
    m_nameLabel->setText(VeskOpener::displayName(m_current->path));
    m_nameLabel->setToolTip(m_current->path);
    if (result == QLatin1String("ROOT")) {
        m_current->initialDone = true;
        if (VeskItemInfo *newest = BrowserLogic::newestVersion(model.versionRoots())) {
            const QString key = newest->key();
            if (QTreeWidgetItem *item = m_treeItems.value(key)) {
                m_tree->setCurrentItem(item);
                item->setExpanded(true);
            }
            showEntries(key);
        } else {
            showEntries(model.root()->key());
        }
    } else if (!m_selectAfterListing.isEmpty() && model.find(m_selectAfterListing) &&
               model.isListed(model.find(m_selectAfterListing)->versionId,
                              model.find(m_selectAfterListing)->fullPath())) {
        const QString key = m_selectAfterListing;
        m_selectAfterListing.clear();
        showEntries(key);
    } else if (shownChanged) {
        refreshTable();
    }
    emit listingApplied(result);
}

void VeskFileInfo::showEntries(const QString &key)
{
    if (!m_current)
        return;
    m_current->shownKey = key;
    m_page.currentPage = 1;
    if (VeskItemInfo *info = m_current->model.find(key)) {
        if (!m_current->model.isListed(info->versionId, info->fullPath())) {
            m_selectAfterListing = key;
            requestListing(info);
        }
        if (QTreeWidgetItem *item = m_treeItems.value(key))
            if (m_tree->currentItem() != item)
                m_tree->setCurrentItem(item);
    }
    refreshTable();
    emit pageShown(key);
}

// ---- the table ----

VeskItemInfo *VeskFileInfo::rowItem(int row) const
{
    QTableWidgetItem *cell = m_table->item(row, 1);
    return cell ? reinterpret_cast<VeskItemInfo *>(cell->data(kItemRole).toULongLong()) : nullptr;
}

void VeskFileInfo::refreshTable()
{
    const QVector<VeskItemInfo *> &entries =
        m_current ? m_current->model.entries(m_current->shownKey) : QVector<VeskItemInfo *>();
    m_page.entries = entries.size();
    m_page.normalise();
    const qint64 first = m_page.firstIndex();
    const qint64 end = m_page.endIndex();
    m_table->setUpdatesEnabled(false);
    m_table->clearContents();
    m_table->setRowCount(static_cast<int>(end - first));
    for (qint64 i = first; i < end; ++i) {
        VeskItemInfo *info = entries[static_cast<int>(i)];
        const int row = static_cast<int>(i - first);
        auto *box = new QUserListCtrlCheckBox(row, 0, m_table);
        // Inside a checked folder: checked with it, not checkable on its own.
        const bool covered = checkedAncestor(info) != nullptr;
        box->setCheckStateQuiet(covered ? Qt::Checked : static_cast<Qt::CheckState>(info->checkState));
        box->setEnabled(!covered);
        connect(box, &QUserListCtrlCheckBox::clickItemSignal, this, &VeskFileInfo::clickListItem);
        m_table->setCellWidget(row, 0, box);
        auto *name = new QTableWidgetItem(
            QIcon(QStringLiteral(":/images/File_Type_icon/") + BrowserLogic::iconNameFor(info->name, info->isFolder == 1)),
            info->name);
        name->setData(kItemRole, QVariant::fromValue<qulonglong>(reinterpret_cast<quintptr>(info)));
        name->setToolTip(info->name);
        m_table->setItem(row, 1, name);
        m_table->setItem(row, 2, new QTableWidgetItem(timeText(info->mtime)));
        m_table->setItem(row, 3,
                         new QTableWidgetItem(info->isFolder == 1 ? QString() : BrowserLogic::sizeText(info->totalSize)));
    }
    m_table->setUpdatesEnabled(true);
    setPageInfo();
    updateHeaderState();
    updatePathBar();
    updateTableState();
}

QString VeskFileInfo::pathBarText() const
{
    return m_pathLabel->text();
}

QString VeskFileInfo::tableStateText() const
{
    return m_stateLabel->isVisibleTo(m_table) ? m_stateLabel->text() : QString();
}

// The version's time, then the folder's path inside it with the platform's
// separators.
void VeskFileInfo::updatePathBar()
{
    QString text;
    if (const VeskItemInfo *info = m_current ? m_current->model.find(m_current->shownKey) : nullptr) {
        const QString inside = QDir::toNativeSeparators(QString(info->fullPath()).replace(QLatin1Char('\\'), QLatin1Char('/')));
        text = inside;
        for (const VeskItemInfo *v : m_current->model.versionRoots())
            if (v->versionId == info->versionId)
                text = timeText(v->mtime) + QStringLiteral("  \u203a  ") + inside;
    }
    m_pathLabel->setText(text);
    m_pathLabel->setToolTip(text);
}

void VeskFileInfo::updateTableState()
{
    QString text;
    if (m_current && m_table->rowCount() == 0) {
        const VeskItemInfo *info = m_current->model.find(m_current->shownKey);
        const bool listed = info && (info->versionId >= 0 ? m_current->model.isListed(info->versionId, info->fullPath())
                                                          : m_current->initialDone);
        text = listed ? tr("This folder is empty.") : tr("Loading…");
    }
    m_stateLabel->setText(text);
    m_stateLabel->setGeometry(m_table->viewport()->rect());
    m_stateLabel->setVisible(!text.isEmpty());
}

void VeskFileInfo::setPageInfo()
{
    m_page.normalise();
    const bool none = m_page.pageCount == 0;
    m_pageLabel->setText(tr("/ %1").arg(m_page.pageCount));
    m_pageEdit->setValidator(new QIntValidator(0, static_cast<int>(qMin<qint64>(m_page.pageCount, INT_MAX)), m_pageEdit));
    m_pageEdit->setText(QString::number(m_page.currentPage));
    m_rangeLabel->setText(tr("Display item: %1, Total: %2").arg(m_page.rangeText()).arg(m_page.entries));
    m_first->setEnabled(m_page.canGoBack());
    m_prev->setEnabled(m_page.canGoBack());
    m_next->setEnabled(m_page.canGoForward());
    m_last->setEnabled(m_page.canGoForward());
    m_pageEdit->setEnabled(!none);
}

QString VeskFileInfo::rangeLabelText() const
{
    return m_rangeLabel->text();
}

void VeskFileInfo::firstPage()
{
    m_page.currentPage = 1;
    refreshTable();
}

void VeskFileInfo::previousPage()
{
    if (m_page.canGoBack())
        --m_page.currentPage;
    refreshTable();
}

void VeskFileInfo::nextPage()
{
    if (m_page.canGoForward())
        ++m_page.currentPage;
    refreshTable();
}

void VeskFileInfo::lastPage()
{
    m_page.currentPage = m_page.pageCount;
    refreshTable();
}

void VeskFileInfo::gotoPage()
{
    bool ok = false;
    const qint64 page = m_pageEdit->text().toLongLong(&ok);
    if (ok)
        m_page.currentPage = page;
    refreshTable();
}

void VeskFileInfo::pageCountIndexChanged(int index)
{
    if (index < 0)
        return;
    m_page.pageSize = m_pageSizeCombo->itemData(index).toLongLong();
    m_page.currentPage = 1;
    refreshTable();
}

void VeskFileInfo::setPageSize(qint64 size)
{
    const int index = m_pageSizeCombo->findData(size);
    if (index >= 0)
        m_pageSizeCombo->setCurrentIndex(index);
}

// ---- check boxes, statistics and the summary ----

void VeskFileInfo::updateHeaderState()
{
    QVector<BrowserLogic::RowCheck> rows;
    for (int r = 0; r < m_table->rowCount(); ++r)
        if (auto *box = qobject_cast<QUserListCtrlCheckBox *>(m_table->cellWidget(r, 0)))
            rows << BrowserLogic::RowCheck{box->checkState(), box->isEnabled() || box->checkState() == Qt::Checked};
    m_header->setCheckState(static_cast<Qt::CheckState>(BrowserLogic::headerCheckState(rows)));
}

const VeskItemInfo *VeskFileInfo::checkedAncestor(const VeskItemInfo *info) const
{
    if (!m_current || !info)
        return nullptr;
    // Up the parent chain: "<version>\<parent path>" is the parent's key.
    const VeskItemInfo *at = info;
    while (!at->name.isEmpty()) {
        const QString parentKey =
            at->versionId == 0 ? at->parentPath : QString::number(at->versionId) + QLatin1Char('\\') + at->parentPath;
        at = m_current->model.find(parentKey);
        if (!at)
            return nullptr;
        if (m_current->checked.contains(const_cast<VeskItemInfo *>(at)))
            return at;
    }
    return nullptr;
}

// A checked folder stands for everything inside it: entries checked inside
// it before are dropped from the selection, so nothing is counted or
// extracted twice.
void VeskFileInfo::setChecked(VeskItemInfo *info, bool checked)
{
    info->checkState = checked ? Qt::Checked : Qt::Unchecked;
    if (!checked) {
        m_current->checked.remove(info);
        return;
    }
    m_current->checked.insert(info);
    if (info->isFolder != 1)
        return;
    if (!info->statKnown)
        m_current->pendingStats.insert(info->key());
    for (auto it = m_current->checked.begin(); it != m_current->checked.end();) {
        if (*it != info && checkedAncestor(*it) == info) {
            (*it)->checkState = Qt::Unchecked;
            it = m_current->checked.erase(it);
        } else {
            ++it;
        }
    }
}

void VeskFileInfo::clickListItem(int row, int column, int state)
{
    Q_UNUSED(column);
    VeskItemInfo *info = rowItem(row);
    if (!info || !m_current || checkedAncestor(info))
        return;
    setChecked(info, state == Qt::Checked);
    updateHeaderState();
    startStats();
    updateSummary();
}

void VeskFileInfo::headerCheckboxChanged(int state)
{
    if (!m_current)
        return;
    for (int r = 0; r < m_table->rowCount(); ++r) {
        auto *box = qobject_cast<QUserListCtrlCheckBox *>(m_table->cellWidget(r, 0));
        VeskItemInfo *info = rowItem(r);
        if (!box || !info || !box->isEnabled())
            continue;
        box->setCheckStateQuiet(state == Qt::Checked ? Qt::Checked : Qt::Unchecked);
        setChecked(info, state == Qt::Checked);
    }
    updateHeaderState();
    startStats();
    updateSummary();
}

void VeskFileInfo::retire(QThread *thread)
{
    // A worker still inside a library call finishes on its own; nobody waits.
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    m_retired.emplace_back(thread);
    if (thread->isFinished())
        thread->deleteLater();
}

void VeskFileInfo::startStats()
{
    if (!m_current || m_current->pendingStats.isEmpty())
        return;
    if (m_stat) {
        m_stat->requestStop();
        disconnect(m_stat, nullptr, this, nullptr);
        retire(m_stat);
        m_stat = nullptr;
    }
    std::vector<StatVeskFileListThread::Request> requests;
    for (const QString &key : qAsConst(m_current->pendingStats))
        if (VeskItemInfo *info = m_current->model.find(key))
            requests.push_back({key, info->versionId, info->fullPath()});
    m_stat = new StatVeskFileListThread(m_current->session, std::move(requests));
    Opened *owner = m_current;
    connect(m_stat, &StatVeskFileListThread::resultReady, this, [this, owner](const QString &r) {
        if (owner == m_current)
            statResultReady(r);
    });
    connect(m_stat, &StatVeskFileListThread::statFinshed, this, [this] {
        if (!m_stat)
            return;
        StatVeskFileListThread *done = m_stat;
        m_stat = nullptr;
        done->wait();
        delete done;
    });
    m_stat->start(QThread::InheritPriority);
}

void VeskFileInfo::statResultReady(QString result)
{
    Q_UNUSED(result);
    if (!m_stat || !m_current)
        return;
    for (const StatVeskFileListThread::Result &r : m_stat->takeResults()) {
        m_current->pendingStats.remove(r.key);
        VeskItemInfo *info = m_current->model.find(r.key);
        if (!info || r.code != 0)
            continue; // stays without statistics; the reason went to the debug output
        info->folderCount = r.stat.folders;
        info->fileCount = r.stat.files;
        info->totalSize = r.stat.bytes;
        info->statKnown = true;
    }
    updateSummary();
    emit statsApplied();
}

BrowserLogic::SelectionCounts VeskFileInfo::selectionCounts() const
{
    BrowserLogic::SelectionCounts c;
    if (!m_current)
        return c;
    for (const VeskItemInfo *info : m_current->checked) {
        if (info->isFolder == 1) {
            ++c.folders;
            if (!info->statKnown) {
                ++c.pendingFolders;
                continue;
            }
            c.folders += info->folderCount;
            c.files += info->fileCount;
            c.bytes += info->totalSize;
        } else {
            ++c.files;
            c.bytes += qMax<qint64>(0, info->totalSize);
        }
    }
    return c;
}

void VeskFileInfo::updateSummary()
{
    if (isSearchShown()) {
        updateSearchSummary();
        return;
    }
    m_sizeLabel->show();
    m_extract->setEnabled(m_current && !m_current->checked.isEmpty());
    const BrowserLogic::SelectionCounts c = selectionCounts();
    m_selectedLabel->setText(tr("Selected: %1 Folders, %2 Files").arg(highlight(c.folders), highlight(c.files)));
    // Until every checked folder is summed the totals are not known yet.
    const QString size = c.pendingFolders > 0 ? tr("calculating…") : BrowserLogic::sizeText(c.bytes);
    m_sizeLabel->setText(tr("Estimated Restore Size: %1").arg(QStringLiteral("<font color=#004980>%1</font>").arg(size)));
}

QString VeskFileInfo::summaryText() const
{
    return m_selectedLabel->text() + QLatin1Char('\n') + m_sizeLabel->text();
}

// ---- sorting, navigation and actions ----

void VeskFileInfo::headerSectionClicked(int index)
{
    if (!m_current || index < 1 || index > 3 || m_current->model.entries(m_current->shownKey).isEmpty())
        return;
    const bool ascending = m_sortAscending[index];
    m_sortAscending[index] = !ascending;
    m_current->model.sortEntries(m_current->shownKey, index, ascending);
    m_header->setSortIndicatorShown(true);
    m_header->setSortIndicator(index, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    refreshTable();
}

void VeskFileInfo::folderTreeItemPressed(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column);
    if (VeskItemInfo *info = infoOf(item))
        showEntries(info->key());
}

void VeskFileInfo::folderTreeItemExpanded(QTreeWidgetItem *item)
{
    item->setIcon(0, folderIcon(true));
    requestListing(infoOf(item));
}

void VeskFileInfo::folderTreeItemCollapsed(QTreeWidgetItem *item)
{
    item->setIcon(0, folderIcon(false));
}

void VeskFileInfo::goParentLevel()
{
    if (!m_current)
        return;
    VeskItemInfo *info = m_current->model.find(m_current->shownKey);
    if (!info || info->name.isEmpty())
        return; // a version root has no parent level
    // The parent's full path is this entry's parent path.
    showEntries(info->versionId == 0 ? info->parentPath
                                      : QString::number(info->versionId) + QLatin1Char('\\') + info->parentPath);
}

void VeskFileInfo::fileListWidgetCellClicked(int row, int column)
{
    Q_UNUSED(row);
    Q_UNUSED(column);
}

void VeskFileInfo::fileListWidgetCellDoubleClicked(int row, int column)
{
    Q_UNUSED(column);
    VeskItemInfo *info = rowItem(row);
    if (!info)
        return;
    if (info->isFolder == 1) {
        if (QTreeWidgetItem *item = m_treeItems.value(info->key()))
            if (item->parent())
                item->parent()->setExpanded(true);
        showEntries(info->key());
        return;
    }
    openFileFromTable(*info);
}

void VeskFileInfo::folderTreeContextMenu(QPoint pos)
{
    QTreeWidgetItem *item = m_tree->itemAt(pos);
    if (!item)
        return;
    QMenu menu(this);
    QAction *extract = menu.addAction(QIcon(QStringLiteral(":/images/bt_extract.png")), tr("Extract"));
    extract->setEnabled(m_extract->isEnabled());
    connect(extract, &QAction::triggered, this, &VeskFileInfo::extractActionClicked);
    menu.exec(m_tree->viewport()->mapToGlobal(pos));
}

void VeskFileInfo::veskNameLabelContextMenu(QPoint pos)
{
    QMenu menu(this);
    QAction *all = menu.addAction(QIcon(QStringLiteral(":/images/bt_extract.png")), tr("Extract All"));
    connect(all, &QAction::triggered, this, &VeskFileInfo::extractAllActionClicked);
    menu.exec(m_nameLabel->mapToGlobal(pos));
}

void VeskFileInfo::showOpenFileWindow()
{
    emit hideJobsWindowRequested();
    const QString dir = chooseVeskFolder(this);
    if (dir.isEmpty())
        return;
    openAdditionalFolder(dir);
}

void VeskFileInfo::showExtractFileWindow()
{
    if (isSearchShown())
        extractMatches();
    else
        startExtraction(false);
}

void VeskFileInfo::extractActionClicked(bool)
{
    startExtraction(false);
}

void VeskFileInfo::extractAllActionClicked(bool)
{
    startExtraction(true);
}

void VeskFileInfo::setJobManager(RestoreJobManager *manager)
{
    m_jobs = manager;
}

void VeskFileInfo::setExtractionFlow(ExtractionFlow *flow)
{
    m_flow.reset(flow);
}

// "Extract" takes the checked entries into the chosen folder; "Extract All"
// takes every entry at the root of every version, each version into
// "<chosen>/<folder name>/<yyyyMMdd_HHmm>".
void VeskFileInfo::startExtraction(bool all)
{
    if (!m_current || !m_jobs)
        return;
    emit hideJobsWindowRequested();
    Opened *folder = m_current;
    QVector<VeskItemInfo *> picked;
    std::vector<StatVeskFileListThread::Request> sums;
    if (all) {
        for (VeskItemInfo *root : folder->model.versionRoots()) {
            picked += folder->model.entries(root->key());
            sums.push_back({root->key(), root->versionId, root->fullPath()});
        }
    } else {
        for (VeskItemInfo *info : qAsConst(folder->checked))
            if (!info->name.isEmpty())
                picked << info;
        std::sort(picked.begin(), picked.end(), [](const VeskItemInfo *a, const VeskItemInfo *b) {
            return a->key() < b->key();
        });
        for (VeskItemInfo *info : qAsConst(picked))
            if (info->isFolder == 1 && !info->statKnown)
                sums.push_back({info->key(), info->versionId, info->fullPath()});
    }
    if (picked.isEmpty())
        return;
    // The estimate needs every selected folder's total.
    std::vector<StatVeskFileListThread::Result> totals;
    if (!m_flow->sumFolders(folder->session, sums, &totals) || m_current != folder)
        return;
    qint64 estimate = 0;
    for (const StatVeskFileListThread::Result &r : totals)
        if (r.code == 0)
            estimate += all ? r.stat.bytes : 0;
    if (!all) {
        for (const StatVeskFileListThread::Result &r : totals)
            if (VeskItemInfo *info = folder->model.find(r.key); info && r.code == 0) {
                info->folderCount = r.stat.folders;
                info->fileCount = r.stat.files;
                info->totalSize = r.stat.bytes;
                info->statKnown = true;
            }
        for (const VeskItemInfo *info : qAsConst(picked))
            estimate += qMax<qint64>(0, info->totalSize);
    }
    ExtractionFlow::Choice choice;
    if (!m_flow->choose(estimate, folder->path, &choice) || m_current != folder)
        return;

    orvex::jobs::JobDefinition job =
        JobLogic::newJob(folder->path, folder->session->password(), estimate, choice.target, choice.policy);
    job.extract_all = all;
    QHash<int, QString> versionFolders;
    if (all)
        for (const VeskItemInfo *root : folder->model.versionRoots())
            versionFolders.insert(root->versionId, QDir::toNativeSeparators(
                                                       choice.target + QLatin1Char('/') + VeskOpener::displayName(folder->path) +
                                                       QLatin1Char('/') + JobLogic::versionFolderName(root->mtime)));
    for (const VeskItemInfo *info : qAsConst(picked)) {
        VeskItemInfo item = *info;
        item.checkState = Qt::Checked;
        item.dstFolderPath = all ? versionFolders.value(info->versionId) : choice.target;
        job.items.push_back(JobLogic::toJobItem(item));
    }
    if (m_jobs->addJob(std::move(job)) == 0)
        m_flow->showTooManyJobs();
}

// A double-click on a file: it is extracted to the temporary folder and
// opened with its application.
void VeskFileInfo::openFileFromTable(const VeskItemInfo &info)
{
    if (!m_current)
        return;
    const QString temp = AppPaths::tempFolder();
    QDir().mkpath(temp);
    VeskItemInfo item = info;
    item.checkState = Qt::Checked;
    item.openFile = true;
    item.dstFolderPath = QDir::toNativeSeparators(temp);
    m_flow->extractAndOpen(m_current->path, m_current->session->password(), item);
}

void VeskFileInfo::queryCancel()
{
    m_pendingTargets.clear();
    m_pendingInitial = false;
    if (m_query) {
        m_query->requestStop();
        stopThread(m_query);
        delete m_query;
        m_query = nullptr;
    }
    if (m_stat) {
        m_stat->requestStop();
        stopThread(m_stat);
        delete m_stat;
        m_stat = nullptr;
    }
    for (QPointer<QThread> &t : m_retired) {
        if (t) {
            stopThread(t);
            delete t.data();
        }
    }
    m_retired.clear();
    if (m_current) {
        m_current->pendingListings.clear();
        m_current->initialDone = m_current->initialDone || !m_current->model.versionRoots().isEmpty();
        m_current->initialRequested = false;
    }
}

bool VeskFileInfo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == m_table->viewport())
        m_stateLabel->setGeometry(m_table->viewport()->rect());
    if (event->type() == QEvent::KeyPress && watched == m_searchEdit) {
        // Escape leaves the search; Down moves into the matches.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape) {
            leaveSearch();
            m_table->setFocus();
            return true;
        }
        if (key == Qt::Key_Down && isSearchShown()) {
            m_searchPanel->view()->setFocus();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && (watched == m_table || watched == m_tree)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (handleKey(watched, key->key(), key->modifiers()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

// Backspace goes up a level; in the table Enter opens the current row,
// Space toggles its check box and Ctrl+A checks the page; in the tree Enter
// opens (expands) the current folder. The tree's arrows need nothing here.
bool VeskFileInfo::handleKey(QObject *watched, int key, Qt::KeyboardModifiers modifiers)
{
    if (!m_current)
        return false;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (key == Qt::Key_Backspace) {
        goParentLevel();
        return true;
    }
    if (key == Qt::Key_A && (modifiers & Qt::ControlModifier)) {
        headerCheckboxChanged(Qt::Checked);
        return true;
    }
    if (watched == m_tree) {
        QTreeWidgetItem *item = m_tree->currentItem();
        if (!enter || !item)
            return false;
        item->setExpanded(true);
        if (const VeskItemInfo *info = infoOf(item))
            showEntries(info->key());
        return true;
    }
    const int row = m_table->currentRow();
    if (row < 0 || (!enter && key != Qt::Key_Space))
        return false;
    if (enter) {
        fileListWidgetCellDoubleClicked(row, 1);
        return true;
    }
    auto *box = qobject_cast<QUserListCtrlCheckBox *>(m_table->cellWidget(row, 0));
    if (box && box->isEnabled()) {
        const Qt::CheckState next = box->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked;
        box->setCheckStateQuiet(next);
        clickListItem(row, 0, next);
    }
    return true;
}
