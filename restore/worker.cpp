// Restorer workers: creation, reset between runs, their own handles on the
// output file and the descriptor, and how the work is divided among them.
#include "descriptor_glue.h"
#include "restore_internal.h"

using namespace orvex::restore;

namespace {

constexpr uint64_t kBufSlots = 4096;

// Parks the worker's current vault in its cache and closes them all.
void close_worker_vaults(restore_worker_t *w)
{
    ErrnoKeeper keep;
    if (w->vault_cache) {
        if (w->restore_vault)
            vault_cache_add(w->vault_cache, w->restore_hid, w->restore_vid, w->restore_vault);
        vault_cache_destroy(w->vault_cache);
        w->vault_cache = nullptr;
    } else {
        file_close(w->restore_vault);
    }
    w->restore_vault = nullptr;
    w->restore_firsttime = true;
}

} // namespace

namespace orvex::restore {

void worker_close_vaults(restore_worker_t *w) noexcept
{
    close_worker_vaults(w);
}

int restore_worker_open_files(restore_worker_t *workers, int num_workers, int scheme, file_t *file,
                              const char *file_p, const char *descriptor_p) noexcept
{
    (void)file;
    if (!workers)
        return fail_errno(EINVAL);
    for (int i = 0; i < num_workers; i++) {
        restore_worker_t *w = &workers[i];
        if (file_p) {
            w->file = file_open(file_p, &rawfile_operations, OS_O_RDWR | OS_O_BINARY, 0, nullptr);
            if (!w->file) {
                int err = errno;
                OLOG(OLOG_ERROR, "%s: open failed, %s", file_p, errtext(err));
                restore_worker_close_files(workers, num_workers);
                return fail_errno(err);
            }
        }
        if (scheme != RESTORE_BY_PARTIAL) {
            int order = scheme;
            w->descriptor = file_open(descriptor_p, &descriptor_operations, OS_O_RDWR, 0, &order);
            if (!w->descriptor) {
                int err = errno;
                OLOG(OLOG_ERROR, "%s: open failed, %s", descriptor_p, errtext(err));
                restore_worker_close_files(workers, num_workers);
                return fail_errno(err);
            }
        }
    }
    return 0;
}

void restore_worker_close_files(restore_worker_t *workers, int num_workers) noexcept
{
    if (!workers)
        return;
    ErrnoKeeper keep;
    for (int i = 0; i < num_workers; i++) {
        file_close(workers[i].file);
        workers[i].file = nullptr;
        file_close(workers[i].descriptor);
        workers[i].descriptor = nullptr;
        close_worker_vaults(&workers[i]);
    }
}

} // namespace orvex::restore

extern "C" {

restore_worker_t *restore_worker_create(int num_workers) noexcept
{
    if (num_workers <= 0) {
        errno = EINVAL;
        return nullptr;
    }
    auto *workers = static_cast<restore_worker_t *>(std::calloc(static_cast<size_t>(num_workers),
                                                                 sizeof(restore_worker_t)));
    if (!workers) {
        errno = ENOMEM;
        return nullptr;
    }
    for (int i = 0; i < num_workers; i++) {
        restore_worker_t *w = &workers[i];
        w->tid = i;
        w->restore_firsttime = true;
        orvex_mutex_init(&w->wbucket.mutex);
        w->buf = static_cast<uint8_t **>(std::calloc(kBufSlots, sizeof(uint8_t *)));
        if (!w->buf) {
            restore_worker_destroy(workers, num_workers);
            errno = ENOMEM;
            return nullptr;
        }
        w->num_buf = kBufSlots;
    }
    return workers;
}

int restore_worker_reset(restore_worker_t *workers, int num_workers, bucketpool_t *pool) noexcept
{
    if (!workers) {
        errno = EINVAL;
        return -1;
    }
    for (int i = 0; i < num_workers; i++) {
        restore_worker_t *w = &workers[i];
        w->tid = i;
        w->hid = 0;
        w->vid = 0;
        w->cstart = w->cend = w->clen = 0;
        if (w->wbucket.cnt) {
            put_bucket_into_pool(pool, w->wbucket.cnt);
            w->wbucket.cnt = nullptr;
        }
        if (w->buf)
            for (uint64_t k = 0; k < w->num_buf; k++) {
                std::free(w->buf[k]);
                w->buf[k] = nullptr;
            }
        w->restore_foffset = 0;
        w->restore_e = chunkbase_t{};
        w->restore_lastchunk = false;
    }
    return 0;
}

void restore_worker_destroy(restore_worker_t *workers, int num_workers) noexcept
{
    if (!workers)
        return;
    ErrnoKeeper keep;
    for (int i = 0; i < num_workers; i++) {
        restore_worker_t *w = &workers[i];
        file_close(w->file);
        file_close(w->descriptor);
        close_worker_vaults(w);
        bucketcnt_put(w->wbucket.cnt);
        if (w->buf) {
            for (uint64_t k = 0; k < w->num_buf; k++)
                std::free(w->buf[k]);
            std::free(w->buf);
        }
        orvex_mutex_destroy(&w->wbucket.mutex);
    }
    std::free(workers);
}

int set_chunks_for_each_thread(restore_worker_t *workers, int num_threads, uint64_t offset, uint64_t len,
                               instance_t *instance) noexcept
{
    (void)instance;
    OLOG(OLOG_INFO, "[Run] Set range of chunks for each thread\n\tnumber of threads=%u\n\tnumber of chunks=%llu",
         static_cast<unsigned>(num_threads), static_cast<unsigned long long>(len));
    if (!workers) {
        OLOG(OLOG_ERROR, "workers is null");
        errno = EINVAL;
        return -1;
    }
    if (num_threads <= 0) {
        errno = EINVAL;
        return -1;
    }
    const uint64_t w = static_cast<uint64_t>(num_threads);
    const uint64_t per = len / w;
    for (uint64_t i = 0; i < w; i++) {
        restore_worker_t *wk = &workers[i];
        wk->tid = static_cast<int32_t>(i);
        wk->vid = 0;
        wk->cstart = static_cast<int64_t>(offset + i * per);
        wk->clen = static_cast<int64_t>(i + 1 == w ? len - (w - 1) * per : per);
        wk->cend = wk->clen ? wk->cstart + wk->clen - 1 : wk->cstart;
        OLOG(OLOG_DEBUG, "Thread %03llu:[%15llu,%15llu,%15llu] chunks", static_cast<unsigned long long>(i),
             static_cast<unsigned long long>(wk->cstart), static_cast<unsigned long long>(wk->cend),
             static_cast<unsigned long long>(wk->clen));
    }
    return 0;
}

int set_vids_for_each_thread(instance_t *instance, vlist_t *list, uint64_t current) noexcept
{
    (void)current;
    if (!instance || !list || !instance->workers) {
        errno = EINVAL;
        return -1;
    }
    uint64_t left = list->num_vaults;
    uint64_t r = std::min<uint64_t>(left, static_cast<uint64_t>(std::max(instance->num_working_threads, 0)));
    for (uint64_t k = 0; k < r; k++) {
        restore_worker_t *w = &instance->workers[k];
        uint64_t idx = left - 1 - k;
        w->hid = static_cast<int32_t>(list->hids[idx]);
        w->vid = static_cast<int64_t>(list->vids[idx]);
        w->cstart = w->cend = w->clen = 0;
    }
    list->num_vaults -= r;
    return static_cast<int>(r);
}

} // extern "C"
