#include "UpdateChecker.h"

#include "OrvexExToolSettings.h"

#include <QRandomGenerator>
#include <QThread>

#include <algorithm>

namespace {

// A stopped check ends its request at once; this only guards against a
// thread that does not come back at all.
constexpr unsigned long kStopWaitMs = 10000;

} // namespace

UpdateChecker::UpdateChecker(const QString &programVersion, QObject *parent)
    : QObject(parent), m_programVersion(programVersion)
{
    qRegisterMetaType<UpdateResult>();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &UpdateChecker::checkUpdate);
}

UpdateChecker::~UpdateChecker()
{
    shutdown();
}

int UpdateChecker::automaticDelayMs(quint32 r)
{
    return 60000 + static_cast<int>(r % 60) * 1000;
}

int UpdateChecker::automaticDelayMs()
{
    return automaticDelayMs(QRandomGenerator::global()->generate());
}

void UpdateChecker::scheduleAutomatic(int delayMs)
{
    schedule(delayMs, false);
}

void UpdateChecker::checkNow()
{
    schedule(kManualDelayMs, true);
}

void UpdateChecker::schedule(int delayMs, bool manual)
{
    m_timer.stop();
    discardRunning();
    m_manual = manual;
    m_timer.start(delayMs);
}

void UpdateChecker::checkUpdate()
{
    m_timer.stop();
    OrvexExToolSettings *settings = OrvexExToolSettings::instance();
    settings->loadGlobalSettingsInfo();
    if (!m_manual && !settings->global().autoCheckUpdates) {
        emit checkSkipped();
        return;
    }
    discardRunning();
    const UpdateServer server = UpdateServer::fromSettings(*settings, settings->global().region);

    const quint64 id = m_nextId++;
    m_currentId = id;
    // The report runs on the worker thread: hand the result over queued. This
    // object outlives every worker (shutdown() waits for them).
    auto onReport = [this, id](const UpdateResult &result) {
        QMetaObject::invokeMethod(this, [this, id, result] { report(id, result); }, Qt::QueuedConnection);
    };
    auto *thread = new QThread;
    thread->setObjectName(QStringLiteral("UpdateNotification"));
    auto *worker = new UpdateNotification(server, m_programVersion, m_manual, m_timeoutMs, onReport);
    worker->moveToThread(thread);
    connect(thread, &QThread::started, worker, &UpdateNotification::process);
    // Direct: the GUI thread may be waiting for this thread in shutdown().
    connect(worker, &UpdateNotification::finished, thread, &QThread::quit, Qt::DirectConnection);
    connect(thread, &QThread::finished, this, [this, id] { reap(id); }, Qt::QueuedConnection);
    m_running.push_back({id, thread, worker});
    thread->start(QThread::InheritPriority);
}

void UpdateChecker::report(quint64 id, const UpdateResult &result)
{
    if (id == m_currentId)
        emit checkFinished(result);
}

void UpdateChecker::discardRunning()
{
    m_currentId = 0;
    for (const Running &r : m_running)
        r.worker->requestStop();
}

void UpdateChecker::reap(quint64 id)
{
    const auto it = std::find_if(m_running.begin(), m_running.end(), [id](const Running &r) { return r.id == id; });
    if (it == m_running.end())
        return;
    const Running r = *it;
    m_running.erase(it);
    stopAndDelete(r);
}

void UpdateChecker::stopAndDelete(const Running &r)
{
    r.worker->requestStop();
    r.thread->quit();
    if (!r.thread->wait(kStopWaitMs)) {
        r.thread->terminate();
        r.thread->wait();
    }
    delete r.worker;
    delete r.thread;
}

void UpdateChecker::shutdown()
{
    m_timer.stop();
    m_currentId = 0;
    std::vector<Running> running;
    running.swap(m_running);
    for (const Running &r : running)
        stopAndDelete(r);
}
