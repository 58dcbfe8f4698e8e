#include "Hcommon/Logger.h"

#include <QDateTime>
#include <QDebug>
#include <QMetaEnum>
#include <QTextStream>

#include <cstdarg>

namespace Hcommon {

struct LoggerHolder {
    Logger logger;
};

Logger *Logger::instance()
{
    static LoggerHolder holder;
    return &holder.logger;
}

Logger::Logger()
{
    qRegisterMetaType<Logger::LogLevel>("Hcommon::Logger::LogLevel");
    qRegisterMetaType<Logger::LogLevels>("Hcommon::Logger::LogLevels");
    m_thread.setObjectName(QStringLiteral("Hcommon::Logger"));
    moveToThread(&m_thread);
    connect(this, &Logger::updateLog, this, &Logger::processLog, Qt::QueuedConnection);
    m_thread.start(QThread::InheritPriority);
}

Logger::~Logger()
{
    m_thread.quit();
    m_thread.wait();
    closeLogFile();
}

QString Logger::levelName(LogLevel level)
{
    return QString::fromLatin1(QMetaEnum::fromType<LogLevel>().valueToKey(level));
}

QString Logger::prefix(LogLevel level)
{
    return QStringLiteral("[%1] [%2] ")
        .arg(QDateTime::currentDateTime().toString(QLatin1String(kDateTimeFormat)), levelName(level));
}

void Logger::log(LogLevel level, const char *format, ...)
{
    if (!enabled(level))
        return;
    va_list ap;
    va_start(ap, format);
    const QString message = QString::vasprintf(format, ap);
    va_end(ap);
    emit updateLog(prefix(level) + message);
}

void Logger::logText(LogLevel level, const QString &message)
{
    if (!enabled(level))
        return;
    emit updateLog(prefix(level) + message);
}

void Logger::processLog(QString log)
{
    if (log.isEmpty())
        return;
    qDebug().noquote() << log;
    QMutexLocker lock(&m_fileMutex);
    if (!m_fileEnabled || !m_file)
        return;
    // One line per entry: a line break inside a message would split it.
    log.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QTextStream out(m_file.get());
    out.setCodec("UTF-8");
    out << log << '\n';
    out.flush();
    if (++m_lineCount > kMaxLines)
        trimLocked();
}

void Logger::trimLocked()
{
    m_file->seek(0);
    QTextStream in(m_file.get());
    in.setCodec("UTF-8");
    QStringList lines;
    while (!in.atEnd())
        lines << in.readLine();
    if (lines.size() > kKeepLines)
        lines = lines.mid(lines.size() - kKeepLines);
    m_file->resize(0);
    m_file->seek(0);
    QTextStream out(m_file.get());
    out.setCodec("UTF-8");
    for (const QString &l : lines)
        out << l << '\n';
    out.flush();
    m_lineCount = lines.size();
}

bool Logger::openLogFile(const QString &path, bool append, bool enable)
{
    QMutexLocker lock(&m_fileMutex);
    m_fileEnabled = enable;
    if (path.isEmpty() || m_file)
        return false;
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Text | QIODevice::Unbuffered) ||
        !file->isWritable())
        return false;
    m_lineCount = 0;
    if (append) {
        file->seek(0);
        QTextStream in(file.get());
        in.setCodec("UTF-8");
        while (!in.atEnd()) {
            in.readLine();
            ++m_lineCount;
        }
    } else {
        file->resize(0);
    }
    m_file = std::move(file);
    return true;
}

void Logger::closeLogFile()
{
    QMutexLocker lock(&m_fileMutex);
    m_file.reset();
    m_lineCount = 0;
}

bool Logger::isFileOpen() const
{
    QMutexLocker lock(&m_fileMutex);
    return m_file != nullptr;
}

QStringList Logger::readAllLines()
{
    QMutexLocker lock(&m_fileMutex);
    QStringList lines;
    if (!m_file || m_lineCount < 1)
        return lines;
    m_file->seek(0);
    QTextStream in(m_file.get());
    in.setCodec("UTF-8");
    while (!in.atEnd())
        lines << in.readLine();
    return lines;
}

QStringList Logger::readLines(const QString &text)
{
    QStringList out;
    for (const QString &l : readAllLines())
        if (!l.isEmpty() && (text.isEmpty() || l.contains(text, Qt::CaseSensitive)))
            out << l;
    return out;
}

bool Logger::clear()
{
    QMutexLocker lock(&m_fileMutex);
    m_lineCount = 0;
    return m_file && m_file->resize(0);
}

void Logger::flush()
{
    if (QThread::currentThread() == &m_thread)
        return;
    // Queued behind every line emitted before this call.
    QMetaObject::invokeMethod(this, [] {}, Qt::BlockingQueuedConnection);
}

} // namespace Hcommon
