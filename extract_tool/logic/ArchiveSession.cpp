#include "ArchiveSession.h"

#include "trellis_vesk.h"

#include <QDebug>

ArchiveSession::ArchiveSession(void *handle, const QString &path, const QString &password)
    : m_handle(handle), m_path(path), m_password(password)
{
}

ArchiveSession::~ArchiveSession()
{
    close();
}

int ArchiveSession::close()
{
    QMutexLocker lock(&m_mutex);
    if (!m_handle)
        return 0;
    const int ret = trellis_vesk_close(m_handle);
    if (ret == 0)
        m_handle = nullptr;
    else
        qDebug().noquote() << QStringLiteral("trellis_vesk_close fail ret = %1, path: %2").arg(ret).arg(m_path);
    return ret;
}

namespace {

struct VersionCtx {
    const std::function<bool(const ArchiveSession::Version &)> *fn;
};

int versionCallback(void *, trellis_vesk_version *version, void *user_data)
{
    auto *ctx = static_cast<VersionCtx *>(user_data);
    return (*ctx->fn)(ArchiveSession::Version{version->timestamp, version->version_id}) ? 0 : 1;
}

struct FolderCtx {
    const std::function<bool(const ArchiveSession::Entry &)> *fn;
};

int folderCallback(void *, int, const char *, trellis_vesk_item *item, void *user_data)
{
    auto *ctx = static_cast<FolderCtx *>(user_data);
    // The name is NUL-terminated within its 256 bytes; never read past them.
    const size_t len = qstrnlen(item->name, sizeof item->name);
    ArchiveSession::Entry e{QString::fromUtf8(item->name, static_cast<int>(len)), item->size, item->mtime,
                            item->type != 0};
    return (*ctx->fn)(e) ? 0 : 1;
}

ArchiveSession::PathEntry pathEntry(const trellis_vesk_entry &e)
{
    return {e.version_id, QString::fromUtf8(e.path), e.size, e.mtime, e.type == TRELLIS_VESK_DIR};
}

struct FindCtx {
    const std::function<bool(const ArchiveSession::PathEntry &)> *fn;
};

int findCallback(void *, const trellis_vesk_entry *entry, void *user_data)
{
    auto *ctx = static_cast<FindCtx *>(user_data);
    return (*ctx->fn)(pathEntry(*entry)) ? 0 : 1;
}

struct StepCtx {
    const std::function<bool(const ArchiveSession::Step &)> *fn;
};

int stepCallback(void *, const trellis_vesk_change_item *item, void *user_data)
{
    auto *ctx = static_cast<StepCtx *>(user_data);
    return (*ctx->fn)(ArchiveSession::Step{item->change, item->timestamp, pathEntry(item->entry)}) ? 0 : 1;
}

} // namespace

int ArchiveSession::find(int versionId, const QString &pattern, bool ignoreCase,
                         const std::function<bool(const PathEntry &)> &onMatch)
{
    QMutexLocker lock(&m_mutex);
    if (!m_handle)
        return -999;
    FindCtx ctx{&onMatch};
    const QByteArray p = pattern.toUtf8();
    return trellis_vesk_find(m_handle, versionId, p.constData(), ignoreCase ? TRELLIS_VESK_FIND_NOCASE : 0,
                             findCallback, &ctx);
}

int ArchiveSession::history(const QString &path, const std::function<bool(const Step &)> &onStep)
{
    QMutexLocker lock(&m_mutex);
    if (!m_handle)
        return -999;
    StepCtx ctx{&onStep};
    const QByteArray p = path.toUtf8();
    return trellis_vesk_history(m_handle, p.constData(), stepCallback, &ctx);
}

int ArchiveSession::listVersions(const std::function<bool(const Version &)> &onVersion)
{
    QMutexLocker lock(&m_mutex);
    if (!m_handle)
        return -999;
    VersionCtx ctx{&onVersion};
    return trellis_vesk_list_versions(m_handle, versionCallback, &ctx);
}

int ArchiveSession::listFolder(int versionId, const QString &path, const std::function<bool(const Entry &)> &onEntry)
{
    QMutexLocker lock(&m_mutex);
    if (!m_handle)
        return -999;
    FolderCtx ctx{&onEntry};
    const QByteArray p = path.toUtf8();
    return trellis_vesk_list_folder(m_handle, versionId, p.constData(), folderCallback, &ctx);
}

int ArchiveSession::statSum(int versionId, const QString &path, Stat *out)
{
    QMutexLocker lock(&m_mutex);
    if (!m_handle)
        return -999;
    trellis_vesk_stat st{};
    const QByteArray p = path.toUtf8();
    const int ret = trellis_vesk_get_stat_sum(m_handle, versionId, p.constData(), &st);
    if (ret == 0) {
        out->folders = st.folder_count;
        out->files = st.file_count;
        out->bytes = st.total_size;
    }
    return ret;
}
