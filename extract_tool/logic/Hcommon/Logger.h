// Hcommon::Logger: the program's event log.
//
// Any thread may call log(); the line is built on the calling thread and
// handed through a queued signal to the logger's own thread, which prints it to
// the debug output and, once openLogFile() enabled it, appends it to the event
// log file. The file keeps at most kMaxLines lines: when it grows past that,
// the oldest lines are dropped so every remaining line stays whole.
//
// Line format: "[yyyy/MM/dd HH:mm:ss] [Level] message".
// A line at level L is produced only when levelMask() > 0 and has L's bit.
// The mask starts at Error only; the main window widens it to All once the
// event log file is open.
#pragma once

#include <QFile>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <memory>

namespace Hcommon {

class Logger : public QObject {
    Q_OBJECT
public:
    enum LogLevel {
        NoLevel = 0,
        Trace = 1,
        Performance = 2,
        Debug = 4,
        Info = 8,
        Warning = 16,
        Error = 32,
        All = 63,
    };
    Q_ENUM(LogLevel)
    Q_DECLARE_FLAGS(LogLevels, LogLevel)
    Q_FLAG(LogLevels)

    static constexpr int kMaxLines = 10000;
    // After trimming, this many of the newest lines stay.
    static constexpr int kKeepLines = 9000;
    static inline const char *kDateTimeFormat = "yyyy/MM/dd HH:mm:ss";

    // The process-wide logger, created on first use.
    static Logger *instance();

    int levelMask() const { return m_levelMask.load(); }
    void setLevelMask(int mask) { m_levelMask.store(mask); }
    bool enabled(LogLevel level) const
    {
        const int m = m_levelMask.load();
        return m > 0 && (m & level);
    }

    // printf-style; does nothing when the level is masked out.
    void log(LogLevel level, const char *format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(3, 4);
    void logText(LogLevel level, const QString &message);

    // "[date] [Level] " for the current local time.
    static QString prefix(LogLevel level);
    static QString levelName(LogLevel level);

    // Opens the event log file once (false for an empty path, an already open
    // file or a file that cannot be written). With `append` the existing lines
    // are kept and counted; without it the file is truncated.
    bool openLogFile(const QString &path, bool append, bool enable);
    void closeLogFile();
    bool isFileOpen() const;

    QStringList readAllLines();
    // Non-empty lines containing `text` (case-sensitive); all of them for "".
    QStringList readLines(const QString &text);
    bool clear();

    // Returns once every line logged before the call has been processed.
    void flush();

signals:
    void updateLog(QString log);

public slots:
    void processLog(QString log);

private:
    Logger();
    ~Logger() override;
    friend struct LoggerHolder;

    void trimLocked();

    QThread m_thread;
    std::atomic<int> m_levelMask{Error};
    mutable QMutex m_fileMutex;
    std::unique_ptr<QFile> m_file;
    int m_lineCount = 0;
    bool m_fileEnabled = false;
};

} // namespace Hcommon

Q_DECLARE_OPERATORS_FOR_FLAGS(Hcommon::Logger::LogLevels)
