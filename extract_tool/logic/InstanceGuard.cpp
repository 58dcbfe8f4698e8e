#include "InstanceGuard.h"

#include <QCryptographicHash>

QString InstanceGuard::defaultBaseKey()
{
    return QStringLiteral("Halvern Orvex Extract Tool") + qEnvironmentVariable("ORVEX_INSTANCE_SUFFIX");
}

QString InstanceGuard::deriveKey(const QString &base, const QString &suffix)
{
    QByteArray data = base.toUtf8();
    data.append(suffix.toUtf8());
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex());
}

InstanceGuard::InstanceGuard(const QString &baseKey)
    : m_key(baseKey), m_memLockKey(deriveKey(baseKey, QStringLiteral("_memLockKey"))),
      m_sharedMemKey(deriveKey(baseKey, QStringLiteral("_sharedmemKey"))), m_sharedMem(m_sharedMemKey),
      m_memLock(m_memLockKey, 1, QSystemSemaphore::Open)
{
    // Attaching and dropping a second view clears a segment that a crashed
    // instance left behind (on POSIX the last detach removes it).
    m_memLock.acquire();
    {
        QSharedMemory fix(m_sharedMemKey);
        fix.attach();
    }
    m_memLock.release();
}

InstanceGuard::~InstanceGuard()
{
    release();
}

bool InstanceGuard::isAnotherRunning()
{
    if (m_sharedMem.isAttached())
        return false;
    m_memLock.acquire();
    const bool running = m_sharedMem.attach();
    if (running)
        m_sharedMem.detach();
    m_memLock.release();
    return running;
}

bool InstanceGuard::tryToRun()
{
    if (isAnotherRunning())
        return false;
    m_memLock.acquire();
    const bool created = m_sharedMem.create(8, QSharedMemory::ReadWrite);
    m_memLock.release();
    if (!created) {
        release();
        return false;
    }
    return true;
}

void InstanceGuard::release()
{
    m_memLock.acquire();
    if (m_sharedMem.isAttached())
        m_sharedMem.detach();
    m_memLock.release();
}
