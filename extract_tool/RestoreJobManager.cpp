#include "RestoreJobManager.h"

#include "Hcommon/Logger.h"
#include "Hcommon/MessageBox.h"
#include "JobLogic.h"
#include "OrvexExToolSettings.h"
#include "RemoveVeskFileThread.h"
#include "RestoreJob.h"
#include "VeskThreads.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace oj = orvex::jobs;
using Hcommon::Logger;

namespace {

enum Column { CreatedColumn, SourceColumn, DestinationColumn, StatusColumn, ActionColumn };
constexpr int kRowHeight = 84;

QString qs(const std::string &s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

QVector<JobLogic::JobRow> rowsOf(const QMap<int, RestoreJob *> &jobs)
{
    QVector<JobLogic::JobRow> rows;
    for (RestoreJob *j : jobs)
        rows.push_back({j->jobId(), j->status(), j->creationTime()});
    return rows;
}

} // namespace

RestoreJobManager::RestoreJobManager(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("restoreJobManager"));
    resize(652, 492);
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_24.png")));
    buildUi();
    connect(this, &RestoreJobManager::updateLanguageSignal, this, &RestoreJobManager::updateLanguage);
    connect(this, &RestoreJobManager::initContinueSignal, this, &RestoreJobManager::loadJobs, Qt::QueuedConnection);
    updateLanguage();
    updateCounters();
    emit initContinueSignal();
}

RestoreJobManager::~RestoreJobManager()
{
    shutdown();
    for (QPointer<RemoveVeskFileThread> &t : m_removers)
        if (t) {
            stopThread(t);
            delete t.data();
        }
}

void RestoreJobManager::buildUi()
{
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("jobsTitle"));
    m_hide = new QPushButton(this);
    m_hide->setObjectName(QStringLiteral("jobsHideButton"));
    m_hide->setIcon(QIcon(QStringLiteral(":/images/close_white.png")));
    m_hide->setIconSize(QSize(16, 16));
    m_hide->setFixedSize(28, 28);
    m_hide->setCursor(Qt::PointingHandCursor);
    auto *header = new QHBoxLayout;
    header->addWidget(m_title, 1);
    header->addWidget(m_hide);

    auto summaryLabel = [this] {
        auto *l = new QLabel(this);
        l->setObjectName(QStringLiteral("jobsSummaryLabel"));
        return l;
    };
    m_total = summaryLabel();
    m_completed = summaryLabel();
    m_extracting = summaryLabel();
    m_paused = summaryLabel();
    m_queued = summaryLabel();
    m_failed = summaryLabel();
    auto *summary = new QHBoxLayout;
    summary->setSpacing(14);
    for (QLabel *l : {m_total, m_completed, m_extracting, m_paused, m_queued, m_failed})
        summary->addWidget(l);
    summary->addStretch(1);

    m_table = new QTableWidget(0, 5, this);
    m_table->setObjectName(QStringLiteral("jobList"));
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->setTextElideMode(Qt::ElideMiddle);
    m_table->setSortingEnabled(true);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setSectionResizeMode(StatusColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->setColumnWidth(CreatedColumn, 92);
    m_table->setColumnWidth(SourceColumn, 104);
    m_table->setColumnWidth(DestinationColumn, 104);
    m_table->setColumnWidth(ActionColumn, 96);
    m_table->sortByColumn(CreatedColumn, Qt::AscendingOrder);

    m_clear = new QPushButton(this);
    m_clear->setObjectName(QStringLiteral("primaryButton"));
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_clear);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setSpacing(8);
    layout->addLayout(header);
    layout->addLayout(summary);
    layout->addWidget(m_table, 1);
    layout->addLayout(bottom);

    connect(m_hide, &QPushButton::clicked, this, &RestoreJobManager::hideButtonClicked);
    connect(m_clear, &QPushButton::clicked, this, &RestoreJobManager::clearButtonClicked);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &RestoreJobManager::jobListWidgetCellDoubleClicked);
}

void RestoreJobManager::updateLanguage()
{
    setWindowTitle(tr("Background Tasks"));
    m_title->setText(tr("Background Tasks"));
    m_hide->setToolTip(tr("Hide"));
    m_clear->setText(tr("Clear Completed Tasks"));
    m_table->setHorizontalHeaderLabels({tr("Created"), tr("Source"), tr("Destination"), tr("Status"), tr("Action")});
    for (RestoreJob *j : qAsConst(m_jobs))
        j->updateLanguage();
    updateCounters();
}

QString RestoreJobManager::summaryText() const
{
    QStringList parts;
    for (QLabel *l : {m_total, m_completed, m_extracting, m_paused, m_queued, m_failed})
        parts << l->text();
    return parts.join(QLatin1Char(' '));
}

int RestoreJobManager::jobCount() const
{
    return JobLogic::countJobs(rowsOf(m_jobs)).unfinished();
}

void RestoreJobManager::updateCounters()
{
    const JobLogic::JobCounts c = JobLogic::countJobs(rowsOf(m_jobs));
    m_total->setText(tr("Total tasks: %1").arg(c.total));
    m_completed->setText(tr("Completed: %1").arg(c.completed));
    m_extracting->setText(tr("Extracting: %1").arg(c.extracting));
    m_paused->setText(tr("Paused: %1").arg(c.paused));
    m_queued->setText(tr("Queued: %1").arg(c.queued));
    m_failed->setText(tr("Failed: %1").arg(c.failed));
    m_clear->setEnabled(c.completed > 0);
    emit jobCountChanged(c.unfinished());
}

RestoreJob *RestoreJobManager::createJob(oj::JobDefinition definition, const oj::JobState &state)
{
    const int id = definition.id;
    auto stateFile = std::make_shared<oj::JobStateFile>(JobLogic::stateFilePath(id).toStdString(), state);
    if (!stateFile->save())
        warnSkipped(id, qs(stateFile->last_error()));
    auto *job = new RestoreJob(std::move(definition), stateFile);
    m_jobs.insert(id, job);
    connect(job, &RestoreJob::statusChangedSignal, this, &RestoreJobManager::jobStatusChanged);
    // Queued: the row's own button may be what asked for its removal.
    connect(job, &RestoreJob::removeJobSignal, this, &RestoreJobManager::jobRemove, Qt::QueuedConnection);
    connect(job, &RestoreJob::eventLogRequested, this, &RestoreJobManager::showEventLogSignal);

    m_table->setSortingEnabled(false);
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    auto *created = new QTableWidgetItem(
        QDateTime::fromSecsSinceEpoch(job->creationTime()).toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
    created->setFlags(created->flags() & ~Qt::ItemIsEditable);
    m_table->setItem(row, CreatedColumn, created);
    m_table->setItem(row, SourceColumn, new JobPathItem(QDir::toNativeSeparators(job->sourcePath())));
    m_table->setItem(row, DestinationColumn, new JobPathItem(QDir::toNativeSeparators(job->targetPath())));
    auto *statusItem = new JobStatusItem(job->status(), job->creationTime());
    job->setStatusItem(statusItem);
    m_table->setItem(row, StatusColumn, statusItem);
    m_table->setCellWidget(row, StatusColumn, job);
    m_table->setCellWidget(row, ActionColumn, job->actionWidget());
    m_table->setRowHeight(row, kRowHeight);
    m_table->setSortingEnabled(true);
    return job;
}

int RestoreJobManager::addJob(oj::JobDefinition definition)
{
    QSet<int> used;
    for (int id : m_jobs.keys())
        used.insert(id);
    const int id = JobLogic::freeJobId(used);
    if (id == 0)
        return 0;
    definition.id = id;
    definition.created = QDateTime::currentSecsSinceEpoch();
    std::string error;
    if (!JobLogic::ensureJobsFolder() ||
        !oj::write_private_file(JobLogic::jobFilePath(id).toStdString(), oj::format_job(definition), true, error))
        Logger::instance()->logText(Logger::Warning, QStringLiteral("[%1] [%2] %3")
                                                         .arg(QStringLiteral("Orvex Extract Tool"),
                                                              QString::fromStdString(oj::job_file_name(id)),
                                                              error.empty() ? JobLogic::jobsFolder() : qs(error)));
    createJob(std::move(definition), oj::JobState{});
    schedule();
    updateCounters();
    showNormal();
    activateWindow();
    return id;
}

void RestoreJobManager::warnSkipped(int id, const QString &reason)
{
    Logger::instance()->logText(Logger::Warning,
                                tr("[%1] [%2] The background task file is damaged and was skipped: %3")
                                    .arg(QStringLiteral("Orvex Extract Tool"),
                                         QString::fromStdString(oj::job_file_name(id)), reason));
}

void RestoreJobManager::loadJobs()
{
    if (m_loaded)
        return;
    m_loaded = true;
    JobLogic::ensureJobsFolder();
    for (int id = oj::kMinJobId; id <= oj::kMaxJobId; ++id) {
        const QString path = JobLogic::jobFilePath(id);
        if (m_jobs.contains(id) || !QFileInfo::exists(path))
            continue;
        std::string text, error;
        oj::JobDefinition def;
        if (!oj::read_job_text(path.toStdString(), text, error) || !oj::parse_job(text, def, error)) {
            warnSkipped(id, qs(error));
            continue;
        }
        if (def.id != id) {
            warnSkipped(id, tr("it names the job %1").arg(def.id));
            continue;
        }
        oj::JobState state;
        const QString statePath = JobLogic::stateFilePath(id);
        if (QFileInfo::exists(statePath) &&
            (!oj::read_job_text(statePath.toStdString(), text, error) || !oj::parse_state(text, state, error))) {
            warnSkipped(id, qs(error));
            continue;
        }
        state.status = JobLogic::statusAfterLoad(state);
        if (state.file.empty())
            state.version = -1;
        createJob(std::move(def), state);
    }
    schedule();
    updateCounters();
    emit jobsLoaded();
}

void RestoreJobManager::schedule()
{
    if (const int id = JobLogic::nextJobToStart(rowsOf(m_jobs)))
        m_jobs.value(id)->start();
    bool extracting = false;
    for (RestoreJob *j : qAsConst(m_jobs))
        extracting = extracting || j->status() == oj::kExtracting;
    for (RestoreJob *j : qAsConst(m_jobs))
        j->setStartable(!extracting);
}

void RestoreJobManager::jobStatusChanged(int jobid, int status)
{
    RestoreJob *job = m_jobs.value(jobid);
    if (!job)
        return;
    if (m_table->isSortingEnabled())
        m_table->sortItems(m_table->horizontalHeader()->sortIndicatorSection(),
                           m_table->horizontalHeader()->sortIndicatorOrder());
    schedule();
    updateCounters();
    if (status == oj::kCompleted && job->deleteMarked())
        deleteArchive(job);
}

void RestoreJobManager::jobRemove(int jobid)
{
    RestoreJob *job = m_jobs.take(jobid);
    if (!job)
        return;
    job->shutdown();
    for (const QString &p : {JobLogic::jobFilePath(jobid), JobLogic::stateFilePath(jobid), JobLogic::spillFilePath(jobid)})
        QFile::remove(p);
    if (JobStatusItem *item = job->statusItem())
        m_table->removeRow(item->row()); // the table lets go of the row's widgets
    schedule();
    updateCounters();
}

void RestoreJobManager::clearButtonClicked()
{
    for (int id : m_jobs.keys())
        if (m_jobs.value(id)->status() == oj::kCompleted)
            jobRemove(id);
}

void RestoreJobManager::hideButtonClicked()
{
    hide();
}

void RestoreJobManager::jobListWidgetCellDoubleClicked(int row, int column)
{
    Q_UNUSED(column);
    for (RestoreJob *j : qAsConst(m_jobs)) {
        if (j->statusItem() && j->statusItem()->row() == row) {
            const QString target = QDir::fromNativeSeparators(j->targetPath());
            if (j->status() == oj::kCompleted && QFileInfo(target).isDir())
                QDesktopServices::openUrl(QUrl::fromLocalFile(target));
            return;
        }
    }
}

void RestoreJobManager::shutdown()
{
    for (RestoreJob *j : qAsConst(m_jobs))
        j->shutdown();
}

void RestoreJobManager::deleteArchive(RestoreJob *job)
{
    job->clearDeleteMark();
    OrvexExToolSettings *settings = OrvexExToolSettings::instance();
    settings->loadGlobalSettingsInfo();
    const int mode = settings->global().deleteArchive;
    const QString path = job->sourcePath();
    if (mode != 1 && mode != 2)
        return;
    if (mode == 1 &&
        Hcommon::showMessage(QMessageBox::Question, tr("Orvex Extract Tool"),
                             tr("Completed extraction. Are you sure you want to delete the .vesk folder \"%1\"?")
                                 .arg(QDir::toNativeSeparators(path)),
                             QMessageBox::Ok | QMessageBox::Cancel, this) != QMessageBox::Ok)
        return;
    auto *remover = new RemoveVeskFileThread(path);
    connect(remover, &RemoveVeskFileThread::removeVeskFinshedSignal, this, &RestoreJobManager::removeVeskFinshed);
    m_removers.emplace_back(remover);
    remover->start(QThread::InheritPriority);
}

void RestoreJobManager::removeVeskFinshed(bool ret, QString path)
{
    for (auto it = m_removers.begin(); it != m_removers.end();) {
        if (*it && (*it)->path() == path) {
            stopThread(*it);
            delete it->data();
            it = m_removers.erase(it);
        } else {
            ++it;
        }
    }
    emit veskRemovedSignal(ret, path);
}
