// InstanceGuard: only one instance of the program runs per user session.
// The first instance holds an 8-byte shared-memory segment; a later one finds
// it attached and hands its folder argument over (SingleAppClient).
//
// The keys are derived from a base key. ORVEX_INSTANCE_SUFFIX, when set, is
// appended to the base key and to the local server name so tests and scripts
// can run a private pair of instances beside a real one.
#pragma once

#include <QSharedMemory>
#include <QString>
#include <QSystemSemaphore>

class InstanceGuard {
public:
    explicit InstanceGuard(const QString &baseKey = defaultBaseKey());
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    // True when this is the first instance (it now holds the segment).
    bool tryToRun();
    bool isAnotherRunning();

    static QString defaultBaseKey();
    // Lower-case hex SHA-1 of base key + suffix (UTF-8).
    static QString deriveKey(const QString &base, const QString &suffix);

private:
    void release();

    QString m_key;
    QString m_memLockKey;
    QString m_sharedMemKey;
    QSharedMemory m_sharedMem;
    QSystemSemaphore m_memLock;
};
