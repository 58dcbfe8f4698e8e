#include "SearchPanel.h"

#include "BrowserLogic.h"
#include "VeskThreads.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The browser's icons next to the names.
class IconModel : public SearchResultModel {
public:
    using SearchResultModel::SearchResultModel;
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DecorationRole && index.isValid() && index.column() == NameColumn) {
            const VeskItemInfo &m = match(index.row());
            return QIcon(QStringLiteral(":/images/File_Type_icon/") + BrowserLogic::iconNameFor(m.name, m.isFolder == 1));
        }
        return SearchResultModel::data(index, role);
    }
};

} // namespace

SearchPanel::SearchPanel(QWidget *parent) : QWidget(parent), m_model(new IconModel(this))
{
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("searchStatus"));
    m_status->setWordWrap(true);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("searchResults"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setShowGrid(false);
    m_view->setIconSize(QSize(24, 24));
    m_view->setWordWrap(false);
    m_view->setTextElideMode(Qt::ElideMiddle);
    m_view->verticalHeader()->setVisible(false);
    m_view->verticalHeader()->setDefaultSectionSize(36);
    // The name takes what the other columns leave; a long one is elided in
    // the middle (the tool tip has it whole).
    QHeaderView *header = m_view->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(SearchResultModel::NameColumn, QHeaderView::Stretch);
    header->setMinimumSectionSize(60);
    m_view->setColumnWidth(SearchResultModel::FolderColumn, 170);
    m_view->setColumnWidth(SearchResultModel::VersionColumn, 135);
    m_view->setColumnWidth(SearchResultModel::TimeColumn, 135);
    m_view->setColumnWidth(SearchResultModel::SizeColumn, 90);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_status);
    layout->addWidget(m_view, 1);

    connect(m_model, &SearchResultModel::checkedChanged, this, [this] {
        updateStatus();
        emit checkedChanged();
    });
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex &i) { emit matchActivated(i.row()); });
    connect(m_view, &QTableView::customContextMenuRequested, this, &SearchPanel::contextMenu);
}

SearchPanel::~SearchPanel()
{
    // No signals from here on: the page that listens is being torn down.
    if (m_thread)
        m_retired.emplace_back(m_thread);
    for (QPointer<FindVeskFileThread> &t : m_retired) {
        if (t) {
            t->requestStop();
            stopThread(t);
            delete t.data();
        }
    }
}

void SearchPanel::start(const ArchiveSessionPtr &session, int versionId, const QString &pattern,
                        const QHash<int, qint64> &versionTimes)
{
    cancel();
    m_versionTimes = versionTimes;
    m_allVersions = versionId == SearchLogic::kAllVersions;
    m_view->setColumnHidden(SearchResultModel::VersionColumn, !m_allVersions);
    m_thread = new FindVeskFileThread(session, versionId, pattern, true, SearchLogic::kMaxShownMatches);
    connect(m_thread, &FindVeskFileThread::searchFinished, this, &SearchPanel::onFinished);
    m_thread->start(QThread::InheritPriority);
    updateStatus();
}

void SearchPanel::cancel()
{
    retire();
    m_done = false;
    m_truncated = false;
    m_result = 0;
    m_model->clear();
    updateStatus();
}

// The library call ends at its next match once told to stop; nobody waits.
void SearchPanel::retire()
{
    if (!m_thread)
        return;
    m_thread->requestStop();
    disconnect(m_thread, nullptr, this, nullptr);
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    if (m_thread->isFinished())
        m_thread->deleteLater();
    else
        m_retired.emplace_back(m_thread);
    m_thread = nullptr;
}

void SearchPanel::onFinished()
{
    FindVeskFileThread *done = m_thread;
    if (!done)
        return;
    m_thread = nullptr;
    done->wait();
    m_result = done->result();
    m_truncated = done->truncated();
    std::vector<VeskItemInfo> matches = done->takeMatches();
    delete done;
    m_done = true;
    m_model->setMatches(std::move(matches), m_versionTimes);
    if (m_model->rowCount() > 0)
        m_view->setCurrentIndex(m_model->index(0, SearchResultModel::NameColumn));
    updateStatus();
    emit searchDone();
}

QString SearchPanel::statusText() const
{
    return m_status->text();
}

void SearchPanel::updateLanguage()
{
    m_model->retranslate();
    updateStatus();
}

void SearchPanel::updateStatus()
{
    QString text;
    if (m_thread)
        text = tr("Searching…");
    else if (m_done && m_result != 0)
        text = tr("The search could not be completed.");
    else if (m_done && m_model->rowCount() == 0)
        text = tr("No matches.");
    else if (m_done && m_truncated)
        text = tr("The first %1 matches are shown. Refine the search to see the others. Checked: %2")
                   .arg(QLocale().toString(m_model->rowCount()))
                   .arg(m_model->checkedCount());
    else if (m_done)
        text = tr("Matches: %1. Checked: %2").arg(QLocale().toString(m_model->rowCount())).arg(m_model->checkedCount());
    m_status->setText(text);
}

void SearchPanel::contextMenu(const QPoint &pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    if (!index.isValid() || m_model->match(index.row()).isFolder == 1)
        return;
    QMenu menu(this);
    QAction *versions = menu.addAction(QCoreApplication::translate("VeskFileInfo", "Versions of this file"));
    const int row = index.row();
    connect(versions, &QAction::triggered, this, [this, row] { emit versionsRequested(row); });
    menu.exec(m_view->viewport()->mapToGlobal(pos));
}

// Space toggles the current match's check box, Enter opens it, Escape
// leaves the search; the arrows are the view's own.
bool SearchPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const int row = m_view->currentIndex().row();
        if (key == Qt::Key_Escape) {
            emit leaveRequested();
            return true;
        }
        if (key == Qt::Key_Space && row >= 0) {
            m_model->setChecked(row, m_model->match(row).checkState != Qt::Checked);
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && row >= 0) {
            emit matchActivated(row);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
