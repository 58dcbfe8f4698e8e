#include "RestoreJob.h"

#include "JobLogic.h"
#include "VeskOpener.h"
#include "VeskThreads.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace oj = orvex::jobs;

namespace {

QString qs(const std::string &s)
{
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

QPushButton *rowButton(const QString &icon, QWidget *parent)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QStringLiteral("jobRowButton"));
    b->setIcon(QIcon(icon));
    b->setIconSize(QSize(20, 20));
    b->setFixedSize(26, 26);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

const char *statusColour(int status)
{
    switch (status) {
    case oj::kExtracting: return "#00f0ff";
    case oj::kPaused: return "#c3b3ff";
    case oj::kCompleted: return "#20ff2a";
    case oj::kFailed: return "#ff3f25";
    default: return "#ffffff";
    }
}

} // namespace

JobPathItem::JobPathItem(const QString &path) : QTableWidgetItem(path)
{
    setToolTip(path);
    setFlags(flags() & ~Qt::ItemIsEditable);
}

bool JobPathItem::operator<(const QTableWidgetItem &other) const
{
    return text().compare(other.text(), Qt::CaseInsensitive) < 0;
}

JobStatusItem::JobStatusItem(int status, qint64 created) : m_status(status), m_created(created)
{
    setFlags(flags() & ~Qt::ItemIsEditable);
}

void JobStatusItem::setStatus(int status)
{
    m_status = status;
}

bool JobStatusItem::operator<(const QTableWidgetItem &other) const
{
    const auto *o = dynamic_cast<const JobStatusItem *>(&other);
    if (!o)
        return QTableWidgetItem::operator<(other);
    return m_status != o->m_status ? m_status < o->m_status : m_created < o->m_created;
}

RestoreJob::RestoreJob(oj::JobDefinition definition, std::shared_ptr<oj::JobStateFile> state, QWidget *parent)
    : QWidget(parent), m_def(std::move(definition)), m_state(std::move(state))
{
    setObjectName(QStringLiteral("restoreJob"));
    buildWidgets();
    m_status = m_state->state().status;
    showStatus();
    resetProgress();
}

RestoreJob::~RestoreJob()
{
    shutdown();
}

void RestoreJob::buildWidgets()
{
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("jobStatusLabel"));
    m_statusLabel->setTextFormat(Qt::RichText);
    connect(m_statusLabel, &QLabel::linkActivated, this, &RestoreJob::openEventLog);
    m_percentLabel = new QLabel(this);
    m_percentLabel->setObjectName(QStringLiteral("jobPercentLabel"));
    m_percentLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("jobProgressBar"));
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(8);
    m_fileLabel = new QLabel(this);
    m_fileLabel->setObjectName(QStringLiteral("jobFileLabel"));
    m_fileLabel->setMinimumWidth(40);
    m_detailLabel = new QLabel(this);
    m_detailLabel->setObjectName(QStringLiteral("jobDetailLabel"));
    m_detailLabel->setMinimumWidth(40);

    auto *top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(m_statusLabel, 1);
    top->addWidget(m_percentLabel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    layout->addLayout(top);
    layout->addWidget(m_bar);
    layout->addWidget(m_fileLabel);
    layout->addWidget(m_detailLabel);

    m_actions = new QWidget;
    m_actions->setObjectName(QStringLiteral("jobActions"));
    m_actionButton = rowButton(QStringLiteral(":/images/bg_list_play.png"), m_actions);
    m_deleteButton = rowButton(QStringLiteral(":/images/bg_list_delete.png"), m_actions);
    m_openButton = rowButton(QStringLiteral(":/images/open_another.png"), m_actions);
    auto *al = new QHBoxLayout(m_actions);
    al->setContentsMargins(4, 0, 4, 0);
    al->setSpacing(4);
    al->addWidget(m_actionButton);
    al->addWidget(m_deleteButton);
    al->addWidget(m_openButton);
    al->addStretch(1);
    connect(m_actionButton, &QPushButton::clicked, this, &RestoreJob::actionButtonClicked);
    connect(m_deleteButton, &QPushButton::clicked, this, &RestoreJob::removeButtonClicked);
    connect(m_openButton, &QPushButton::clicked, this, &RestoreJob::openTargetButtonClicked);
    updateLanguage();
}

QString RestoreJob::sourcePath() const
{
    return qs(m_def.source);
}

QString RestoreJob::targetPath() const
{
    return qs(m_def.target);
}

QString RestoreJob::displayName() const
{
    return VeskOpener::displayName(sourcePath());
}

bool RestoreJob::hasResumePoint() const
{
    return !m_state->state().file.empty();
}

void RestoreJob::updateLanguage()
{
    m_deleteButton->setToolTip(tr("Delete"));
    m_openButton->setToolTip(tr("Open Folder"));
    showStatus();
}

void RestoreJob::showStatus()
{
    QString text;
    switch (m_status) {
    case oj::kExtracting: text = tr("Extracting..."); break;
    case oj::kPaused: text = tr("Paused"); break;
    case oj::kCompleted: text = tr("Completed"); break;
    case oj::kFailed:
        text = QStringLiteral("<a href = \"openEventLog\" style=\"color: #ff3f25;\">%1</a>").arg(tr("Failed"));
        break;
    case oj::kResetting: break;
    default: text = tr("Queued"); break;
    }
    m_statusLabel->setText(text);
    m_statusLabel->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(statusColour(m_status))));

    QString icon = QStringLiteral(":/images/bg_list_play.png");
    QString tip = tr("Start");
    if (m_status == oj::kExtracting) {
        icon = QStringLiteral(":/images/bg_list_pause.png");
        tip = tr("Pause");
    } else if (m_status == oj::kCompleted) {
        icon = QStringLiteral(":/images/bg_list_clear.png");
        tip = tr("Clear");
    } else if (m_status == oj::kFailed) {
        icon = QStringLiteral(":/images/bg_list_delete.png");
        tip = tr("Delete");
    }
    m_actionButton->setIcon(QIcon(icon));
    m_actionButton->setToolTip(tip);
    m_actionButton->setVisible(m_status != oj::kResetting);
    const bool queued = m_status == oj::kQueued || m_status == oj::kQueuedToResume;
    m_actionButton->setEnabled(!queued || m_startable);
    // A finished job's action button removes it: no second delete button.
    m_deleteButton->setVisible(m_status != oj::kCompleted && m_status != oj::kFailed);
    m_openButton->setVisible(m_status == oj::kCompleted);
}

void RestoreJob::setStartable(bool startable)
{
    if (m_startable == startable)
        return;
    m_startable = startable;
    showStatus();
}

void RestoreJob::setStatus(int status)
{
    m_status = status;
    if (m_statusItem)
        m_statusItem->setStatus(status);
    showStatus();
    if (status != oj::kResetting && !m_state->set_status(status))
        qDebug().noquote() << QStringLiteral("RestoreJob::setStatus %1").arg(qs(m_state->last_error()));
    emit statusChangedSignal(m_def.id, status);
}

void RestoreJob::resetProgress()
{
    m_lastPercent = -1;
    m_currentFile.clear();
    m_bar->setValue(0);
    m_percentLabel->setText(QStringLiteral("0%"));
    m_fileLabel->clear();
    m_fileLabel->setToolTip(QString());
    m_detailLabel->clear();
    m_lastProgress = JobProgress{};
}

void RestoreJob::start()
{
    m_actionButton->setEnabled(true);
    m_deleteButton->setEnabled(true);
    if (m_thread) {
        m_thread->setPaused(false);
        setStatus(oj::kExtracting);
        return;
    }
    resetProgress();
    QVector<VeskItemInfo> items;
    items.reserve(static_cast<int>(m_def.items.size()));
    for (const oj::JobItem &i : m_def.items)
        items.push_back(JobLogic::fromJobItem(i));
    m_thread = new RestoreVeskFileListThread(sourcePath(), std::move(items), m_def.id);
    m_thread->setPassword(qs(m_def.password));
    m_thread->setConflictPolicy(m_def.policy);
    m_thread->setTargetPath(targetPath());
    m_thread->setExtractAll(m_def.extract_all);
    m_thread->setDisplayName(displayName());
    const oj::JobState state = m_state->state();
    if (!state.file.empty())
        m_thread->setResumePoint(state.version, qs(state.file));
    m_thread->setStateFile(m_state);
    m_thread->setSpillPath(JobLogic::spillFilePath(m_def.id));
    m_thread->setSessions(RestoreVeskFileListThread::defaultSessions());
    connect(m_thread, &RestoreVeskFileListThread::progressUpdateSignal, this, &RestoreJob::restoreProgressUpdate);
    connect(m_thread, &RestoreVeskFileListThread::progressSnapshotSignal, this, &RestoreJob::restoreSnapshotUpdate);
    connect(m_thread, &RestoreVeskFileListThread::restoreFinshedSignal, this, &RestoreJob::restoreFinshed);
    connect(m_thread, &RestoreVeskFileListThread::statusUpdateSignal, this, &RestoreJob::restoreStatusUpdate);
    m_thread->start(QThread::InheritPriority);
    setStatus(oj::kExtracting);
}

void RestoreJob::stopThread()
{
    if (!m_thread)
        return;
    RestoreVeskFileListThread *t = m_thread;
    m_thread = nullptr;
    disconnect(t, nullptr, this, nullptr);
    t->requestStop();
    ::stopThread(t);
    delete t;
}

void RestoreJob::shutdown()
{
    stopThread();
}

void RestoreJob::restoreProgressUpdate(const int versionId, const QString &fileName, const qint64 fileSize,
                                       const float progress, const int status)
{
    Q_UNUSED(versionId);
    if (fileName.isEmpty() || fileName == QLatin1String("\\"))
        return;
    if (fileSize < 0 || progress < 0)
        qDebug().noquote() << QStringLiteral("RestoreJob::updateProgress ERROR Filename: %1, Filesize: %2, Progress: "
                                             "%3, Status: %4")
                                  .arg(fileName)
                                  .arg(fileSize)
                                  .arg(double(progress))
                                  .arg(status);
    if (fileName == m_currentFile)
        return;
    m_currentFile = fileName;
    m_fileLabel->setToolTip(fileName.section(QLatin1Char('\\'), -1));
    elideCurrentFile();
}

void RestoreJob::restoreSnapshotUpdate(const JobProgress &p)
{
    const qint64 total = p.bytesTotal > 0 ? p.bytesTotal : m_def.estimated_size;
    m_lastProgress = p;
    m_lastProgress.bytesTotal = total;
    showPercent(JobLogic::percentOf(p.bytesDone, total));
    m_detailLabel->setText(JobLogic::progressText(p.bytesDone, total, p.bytesPerSecond, p.secondsLeft));
}

void RestoreJob::showPercent(int percent)
{
    if (percent == m_lastPercent)
        return;
    m_lastPercent = percent;
    m_bar->setValue(percent);
    m_percentLabel->setText(QStringLiteral("%1%").arg(percent));
}

void RestoreJob::restoreFinshed()
{
    if (!m_thread)
        return;
    const int result = m_thread->resultStatus();
    if (result == 0 && m_def.extract_all && !m_thread->isStopped())
        m_deleteMarked = true;
    stopThread();
    if (m_status == oj::kResetting)
        return;
    m_state->clear_resume_point();
    showPercent(100);
    // What was done, without the speed of a job that no longer runs.
    m_detailLabel->setText(JobLogic::progressText(m_lastProgress.bytesDone, m_lastProgress.bytesTotal, 0, -1));
    m_actionButton->setEnabled(true);
    m_deleteButton->setEnabled(true);
    setStatus(result != 0 ? oj::kFailed : oj::kCompleted);
}

void RestoreJob::restoreStatusUpdate(int status)
{
    if (status != oj::kPaused || m_status != oj::kExtracting)
        return;
    m_actionButton->setEnabled(true);
    m_deleteButton->setEnabled(true);
    setStatus(oj::kPaused);
}

void RestoreJob::actionButtonClicked()
{
    switch (m_status) {
    case oj::kQueued:
    case oj::kQueuedToResume:
        if (m_startable)
            start();
        break;
    case oj::kExtracting:
        // Paused once the worker confirms it has stopped where it was.
        m_actionButton->setEnabled(false);
        m_deleteButton->setEnabled(false);
        if (m_thread)
            m_thread->setPaused(true);
        break;
    case oj::kPaused:
        setStatus(m_thread || hasResumePoint() ? oj::kQueuedToResume : oj::kQueued);
        break;
    case oj::kCompleted:
    case oj::kFailed:
        emit removeJobSignal(m_def.id);
        break;
    default:
        break;
    }
}

void RestoreJob::abortButtonClicked()
{
    m_status = oj::kResetting;
    if (m_statusItem)
        m_statusItem->setStatus(m_status);
    stopThread();
    resetProgress();
    showStatus();
}

void RestoreJob::removeButtonClicked()
{
    abortButtonClicked();
    emit removeJobSignal(m_def.id);
}

void RestoreJob::openTargetButtonClicked()
{
    const QString target = QDir::fromNativeSeparators(targetPath());
    if (QFileInfo(target).isDir())
        QDesktopServices::openUrl(QUrl::fromLocalFile(target));
}

void RestoreJob::openEventLog(QString type)
{
    if (type == QLatin1String("openEventLog"))
        emit eventLogRequested();
}

void RestoreJob::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    elideCurrentFile();
}

void RestoreJob::elideCurrentFile()
{
    const QString name = m_currentFile.section(QLatin1Char('\\'), -1);
    m_fileLabel->setText(m_fileLabel->fontMetrics().elidedText(name, Qt::ElideMiddle, m_fileLabel->width()));
}
