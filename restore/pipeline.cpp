// The restore pipeline: restorer threads walk disjoint parts of the chunk
// table, decode each chunk straight into a bucket of consecutive file bytes,
// and hand full buckets to one saver thread that writes them at their file
// offsets. A semaphore bounds the buckets waiting for the saver.
#include "descriptor_glue.h"
#include "restore_internal.h"
#include "compressor.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace orvex::restore;

namespace {

// One save request, owned by the saver once queued.
struct saverreq_t {
    instance_t *instance;
    file_t *file;
    uint64_t fid;
    bucketcnt_t *bucket;
    uint64_t foffset;
    uint64_t tid;
    int do_close;
};

Semaphore *sems(instance_t *instance)
{
    return static_cast<Semaphore *>(instance->saver_sems);
}

// Writes all of `len` bytes at `offset`; 0 or -1 with errno.
int write_at(file_t *file, const uint8_t *buf, uint64_t len, uint64_t offset)
{
    if (file->fd >= 0) {
        uint64_t done = 0;
        while (done < len) {
            ssize_t n = ::pwrite(file->fd, buf + done, static_cast<size_t>(len - done),
                                 static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return fail_errno(n < 0 ? errno : EIO);
            done += static_cast<uint64_t>(n);
        }
        return 0;
    }
    orvex::MutexLock lock(&file->mutex);
    if (file->fops->seek(file, static_cast<int64_t>(offset), SEEK_SET) < 0) {
        int err = errno ? errno : EIO;
        OLOG(OLOG_ERROR, "%s: file.seek to %llu, %s", file->path ? file->path : "",
             static_cast<unsigned long long>(offset), errtext(err));
        return fail_errno(err);
    }
    ssize_t n = file->fops->write(file, buf, 1, static_cast<size_t>(len));
    if (n < 0 || static_cast<uint64_t>(n) != len)
        return fail_errno(n < 0 && errno ? errno : EIO);
    return 0;
}

void do_save(int, void *reqp)
{
    auto *req = static_cast<saverreq_t *>(reqp);
    instance_t *instance = req->instance;
    bucketcnt_t *bucket = req->bucket;
    if (req->file) {
        if (write_at(req->file, bucket->buf, static_cast<uint64_t>(bucket->buf_use), req->foffset) != 0) {
            OLOG(OLOG_ERROR, "%s: file.write, %s", req->file->path ? req->file->path : "", errtext(errno));
            set_fail(instance);
        } else {
            counter_add_val(instance->counter, COUNTER_RESTORE_FILESIZE, static_cast<uint64_t>(bucket->buf_use));
        }
        if (req->do_close)
            file_close(req->file);
    } else {
        // Check-only mode: nothing is written, the bytes were verified.
        counter_add_val(instance->counter, COUNTER_RESTORE_FILESIZE, static_cast<uint64_t>(bucket->buf_use));
    }
    put_bucket_into_pool(instance->bucketpool, bucket);
    std::free(req);
    sems(instance)->post();
}

// Hands the worker's bucket to the saver.
int dump_wbucket(restore_worker_t *w)
{
    instance_t *instance = w->instance;
    bucketcnt_t *cnt = w->wbucket.cnt;
    w->wbucket.cnt = nullptr;
    if (cnt->buf_use == 0) {
        put_bucket_into_pool(instance->bucketpool, cnt);
        return 0;
    }
    auto *req = static_cast<saverreq_t *>(std::calloc(1, sizeof(saverreq_t)));
    if (!req) {
        OLOG(OLOG_ERROR, "saverreq_get failed");
        put_bucket_into_pool(instance->bucketpool, cnt);
        set_fail(instance);
        return fail_errno(ENOMEM);
    }
    *req = saverreq_t{instance, w->file, 0, cnt, w->restore_foffset, static_cast<uint64_t>(w->tid), 0};
    sems(instance)->wait();
    if (thpool_add_work(instance->savers, do_save, req) != 0) {
        int err = errno ? errno : ENOMEM;
        OLOG(OLOG_ERROR, "thpool_add_work: %s", errtext(err));
        std::free(req);
        put_bucket_into_pool(instance->bucketpool, cnt);
        sems(instance)->post();
        set_fail(instance);
        return fail_errno(err);
    }
    return 0;
}

struct Row {
    int64_t hid, vid, voffset, foffset, chunksize;
};

int restore_row(restore_worker_t *w, const Row &row)
{
    instance_t *instance = w->instance;
    auto *dhdr = static_cast<const filehdr_t *>(instance->descriptor->hdr);
    const uint32_t limit = std::max<uint32_t>(dhdr ? dhdr->max_chunksize : 0, instance->max_chunksize);
    if (row.hid < 0 || row.hid > UINT32_MAX || row.vid < 0 || row.voffset < 0 || row.foffset < 0 ||
        row.chunksize <= 0 || row.chunksize > COMPRESSOR_MAX_CHUNKSIZE) {
        OLOG(OLOG_ERROR, "%s: unexpected chunk row (hid,vid,voffset,foffset,chunksize)=(%lld,%lld,%lld,%lld,%lld)",
             instance->descriptor->path ? instance->descriptor->path : "", static_cast<long long>(row.hid),
             static_cast<long long>(row.vid), static_cast<long long>(row.voffset),
             static_cast<long long>(row.foffset), static_cast<long long>(row.chunksize));
        set_fail(instance);
        return fail_errno(EIO);
    }
    chunkbase_t e{};
    e.hid = static_cast<int32_t>(row.hid);
    e.vid = row.vid;
    e.voffset = row.voffset;
    e.foffset = row.foffset;
    e.chunksize = static_cast<int32_t>(row.chunksize);

    if (w->wbucket.cnt) {
        bucketcnt_t *cnt = w->wbucket.cnt;
        bool full = is_bucket_full(cnt, "is_ready_to_dump_wbucket") != 0 ||
                    static_cast<int64_t>(cnt->total) - cnt->buf_use < e.chunksize;
        bool gap = w->restore_e.foffset + w->restore_e.chunksize != e.foffset;
        if ((full || gap) && dump_wbucket(w) != 0)
            return -1;
    }
    if (!w->wbucket.cnt) {
        uint32_t size = std::max<uint32_t>(static_cast<uint32_t>(e.chunksize), instance->max_bucketsize);
        w->wbucket.cnt = get_bucket_from_pool(instance->bucketpool, size, limit);
        if (!w->wbucket.cnt) {
            OLOG(OLOG_ERROR, "get_bucket_from_pool: %s", errtext(errno));
            set_fail(instance);
            return -1;
        }
    }
    bucketcnt_t *cnt = w->wbucket.cnt;
    if (cnt->buf_use == 0)
        w->restore_foffset = static_cast<uint64_t>(e.foffset);

    w->restore_vault = switch_vault(&w->vault_cache, instance->short_vaultpath, instance->vaultdir_path,
                                    w->restore_vault, w->restore_hid, w->restore_vid, static_cast<uint32_t>(e.hid),
                                    static_cast<uint64_t>(e.vid), w->restore_firsttime);
    if (!w->restore_vault) {
        OLOG(OLOG_ERROR, "open_next_vid: %s", errtext(errno));
        w->restore_firsttime = true;
        set_fail(instance);
        return -1;
    }
    w->restore_firsttime = false;
    w->restore_hid = static_cast<uint32_t>(e.hid);
    w->restore_vid = static_cast<uint64_t>(e.vid);

    uint64_t sig = 0;
    uint8_t *dst = cnt->buf + cnt->buf_use;
    uint64_t cap = static_cast<uint64_t>(cnt->total - cnt->buf_use);
    if (fetch_chunk(w->restore_vault, nullptr, 0, &e, instance->do_ecc, instance->cry, &sig, dst, cap, nullptr) !=
        0) {
        OLOG(OLOG_ERROR, "get_chunk_from_disk: %s", errtext(errno));
        set_fail(instance);
        return -1;
    }
    if (instance->descriptor->fops->update_cksum)
        instance->descriptor->fops->update_cksum(instance->descriptor, sig);
    // The bytes are already in place; this only accounts for them.
    if (bucket_copy_chunk_in(&w->wbucket, nullptr, static_cast<uint32_t>(e.chunksize), false) != 0) {
        OLOG(OLOG_ERROR, "bucket_copy_chunk_in failed");
        set_fail(instance);
        return -1;
    }
    w->restore_e = e;
    counter_add_val(instance->counter, COUNTER_PROC_CHUNKS, 1);
    return 0;
}

int finish_worker(restore_worker_t *w)
{
    w->restore_lastchunk = true;
    OLOG(OLOG_DEBUG, "last chunk");
    int rc = 0;
    if (w->wbucket.cnt)
        rc = dump_wbucket(w);
    worker_close_vaults(w);
    return rc;
}

void generic_restore(int, void *argp)
{
    auto *w = static_cast<restore_worker_t *>(argp);
    instance_t *instance = w->instance;
    OLOG(OLOG_DEBUG, "%s: (hid,vid)=(%d,%lld)", "generic_restore", w->hid, static_cast<long long>(w->vid));
    w->restore_firsttime = true;
    w->restore_lastchunk = false;
    descriptor_data_t data{};
    if (instance->scheme == RESTORE_BY_FOFFSET) {
        data.cmd = DSC_RESTORE_BY_FOFFSET;
        data.lbound = w->cstart;
        data.ubound = w->cend;
    } else if (instance->scheme == RESTORE_BY_VID) {
        data.cmd = DSC_RESTORE_BY_VID;
        data.hid = w->hid;
        data.vid = w->vid;
    } else {
        OLOG(OLOG_ERROR, "unexpected sort-method=%d", instance->scheme);
        set_fail(instance);
        return;
    }
    data.scheme = instance->scheme;
    data.worker = w;
    data.instance = instance;
    data.do_ecc = instance->do_ecc;
    data.vaultdir = instance->vaultdir_path;
    data.callback = callback_restore_row;
    int rc = w->descriptor->fops->search(w->descriptor, &data);
    if (rc != 0) {
        OLOG(OLOG_ERROR, "%s: descriptor.search, %s", w->descriptor->path ? w->descriptor->path : "",
             errtext(errno));
        set_fail(instance);
    }
    // The closing call may or may not have come from the search; a bucket
    // still held after a good search is flushed here.
    if (rc == 0 && (w->wbucket.cnt || !w->restore_lastchunk) && finish_worker(w) != 0)
        set_fail(instance);
    if (w->wbucket.cnt) {
        put_bucket_into_pool(instance->bucketpool, w->wbucket.cnt);
        w->wbucket.cnt = nullptr;
    }
    worker_close_vaults(w);
}

} // namespace

namespace orvex::restore {

int callback_restore_row(file_t *, sqlite3_stmt *stmt, void *datap) noexcept
{
    auto *data = static_cast<descriptor_data_t *>(datap);
    auto *w = static_cast<restore_worker_t *>(data->worker);
    if (!w)
        return fail_errno(EINVAL);
    if (w->restore_lastchunk || !stmt || !sqlite3_stmt_busy(stmt)) {
        if (w->restore_lastchunk && !w->wbucket.cnt)
            return 0;
        return finish_worker(w);
    }
    if (fail_flag(w->instance))
        return -1; // another worker failed: stop early, the run fails anyway
    Row row{sqlite3_column_int64(stmt, 0), sqlite3_column_int64(stmt, 1), sqlite3_column_int64(stmt, 2),
            sqlite3_column_int64(stmt, 3), sqlite3_column_int64(stmt, 4)};
    try {
        return restore_row(w, row);
    } catch (...) {
        set_fail(w->instance);
        return fail_errno(ENOMEM);
    }
}

int create_restore_semaphores(instance_t *instance) noexcept
{
    // Buckets waiting for the saver are capped so that they and the one each
    // worker fills fit in the pool (4 per thread): a restorer that runs
    // ahead waits for the saver instead of allocating (and faulting in)
    // fresh buckets outside the pool, which bounds memory by the pool.
    int n = 3 * instance->num_threads;
    OLOG(OLOG_DEBUG, "initialize semaphores: num_saver_sems=%d", n);
    try {
        instance->saver_sems = new Semaphore(n);
    } catch (...) {
        OLOG(OLOG_ERROR, "initialize semaphores: %s", errtext(ENOMEM));
        return fail_errno(ENOMEM);
    }
    return 0;
}

void destroy_restore_semaphores(instance_t *instance) noexcept
{
    delete sems(instance);
    instance->saver_sems = nullptr;
}

int create_restore_threadpools(instance_t *instance) noexcept
{
    instance->restorers = threadpool_get(instance->num_threads);
    instance->savers = instance->restorers ? threadpool_get(1) : nullptr;
    if (!instance->restorers || !instance->savers) {
        int err = errno ? errno : ENOMEM;
        OLOG(OLOG_ERROR, "threadpool_get: %s", errtext(err));
        destroy_restore_threadpools(instance);
        return fail_errno(err);
    }
    return 0;
}

void destroy_restore_threadpools(instance_t *instance) noexcept
{
    threadpool_put(instance->restorers);
    threadpool_put(instance->savers);
    instance->restorers = instance->savers = nullptr;
}

int prepare_files_for_restore(instance_t *instance, const char *file, const char *descriptor, int scheme,
                              int check_integrity) noexcept
{
    int dflags = scheme == RESTORE_BY_PARTIAL ? FILE_FLAG_DIRTYMAP : 0;
    FilePtr dsc(file_open(descriptor, &descriptor_operations, OS_O_RDWR, dflags, nullptr));
    if (!dsc) {
        int err = errno ? errno : EIO;
        OLOG(OLOG_ERROR, "%s: open failed, %s", descriptor, errtext(err));
        return fail_errno(err);
    }
    if (!dsc->hdr) {
        OLOG(OLOG_ERROR, "%s: open failed, %s", descriptor, "descriptor has no header");
        return fail_errno(EIO);
    }
    if (scheme == RESTORE_BY_PARTIAL) {
        instance->descriptor = dsc.release();
        OLOG(OLOG_DEBUG, "finished work for input files with scheme=%d", scheme);
        return 0;
    }
    if (!check_integrity) {
        FilePtr out(file_open(file, &rawfile_operations, OS_O_BINARY | OS_O_CREAT | OS_O_WRONLY, 0, nullptr));
        if (!out) {
            int err = errno ? errno : EIO;
            OLOG(OLOG_ERROR, "%s: open failed, %s", file, errtext(err));
            return fail_errno(err);
        }
        uint64_t size = static_cast<const filehdr_t *>(dsc->hdr)->filesize;
        if (out->fops->fallocate && out->fops->fallocate(out.get(), size) != 0) {
            int err = errno ? errno : EIO;
            OLOG(OLOG_ERROR, "%s: fallocate, %s", file, errtext(err));
            return fail_errno(err);
        }
        instance->file = out.release();
    }
    instance->descriptor = dsc.release();
    OLOG(OLOG_DEBUG, "finished work for input files with scheme=%d", scheme);
    return 0;
}

void close_files_for_restore(instance_t *instance) noexcept
{
    ErrnoKeeper keep;
    file_close(instance->file);
    instance->file = nullptr;
    file_close(instance->descriptor);
    instance->descriptor = nullptr;
}

void set_chunks_range(instance_t *instance) noexcept
{
    if (!instance->ctx || !instance->descriptor)
        return;
    instance->ctx->chk_imin = 0;
    instance->ctx->chk_imax = dsc_num_records(instance->descriptor) - 1;
}

int set_partial_range(instance_t *instance, uint8_t *buf, uint64_t len, uint64_t offset, int dirty) noexcept
{
    (void)dirty;
    set_chunks_range(instance);
    instance->pbuf = buf;
    instance->plen = len;
    instance->poffset = offset;
    return 0;
}

int start_and_wait_threads(thpool_ *restorers, thpool_ *savers, counter_t *counter, restore_worker_t *workers,
                           int num_workers, int scheme) noexcept
{
    if (!workers) {
        OLOG(OLOG_ERROR, "workers is null");
        return fail_errno(EINVAL);
    }
    counter_set_timestamp(counter, COUNTER_TIMESTAMP_START);
    OLOG(OLOG_DEBUG, "start restore threads");
    int rc = 0;
    for (int i = 0; i < num_workers; i++) {
        if (scheme == RESTORE_BY_FOFFSET && workers[i].clen == 0)
            continue;
        if (thpool_add_work(restorers, generic_restore, &workers[i]) != 0) {
            int err = errno ? errno : ENOMEM;
            OLOG(OLOG_ERROR, "thpool_add_work: %s", errtext(err));
            OLOG(OLOG_ERROR, "start_restore_threads: %s", errtext(err));
            set_fail(workers[i].instance);
            rc = -1;
            break;
        }
    }
    // Workers already queued use the records: wait for them in any case.
    OLOG(OLOG_DEBUG, "wait restore threads");
    thpool_wait(restorers);
    thpool_wait(savers);
    counter_set_timestamp(counter, COUNTER_TIMESTAMP_END);
    return rc;
}

// Sets the output to the descriptor's file size: a last range without
// stored chunks reads back as zeros, and an overwritten longer file loses
// its old tail.
int size_output(instance_t *instance)
{
    if (!instance->file)
        return 0;
    uint64_t size = static_cast<const filehdr_t *>(instance->descriptor->hdr)->filesize;
    int rc = -1;
    if (instance->file->fd >= 0)
        rc = ::ftruncate(instance->file->fd, static_cast<off_t>(size));
    else if (instance->file->fops->ftruncate64)
        rc = instance->file->fops->ftruncate64(instance->file, size);
    if (rc != 0) {
        int err = errno ? errno : EIO;
        OLOG(OLOG_ERROR, "%s: ftruncate to %llu, %s", instance->file->path ? instance->file->path : "",
             static_cast<unsigned long long>(size), errtext(err));
        return fail_errno(err);
    }
    return 0;
}

int run_pipeline(instance_t *instance) noexcept
{
    counter_set_val(instance->counter, COUNTER_TIME, 0);
    const int n = instance->num_threads;
    const int w = instance->num_working_threads;
    if (w > n) {
        OLOG(OLOG_ERROR, "num_working_thread is larger than num_threads");
        return fail_errno(EINVAL);
    }
    int rc = 0;
    if (instance->scheme == RESTORE_BY_FOFFSET) {
        uint64_t len = static_cast<uint64_t>(std::max<int64_t>(dsc_num_records(instance->descriptor), 0));
        rc = set_chunks_for_each_thread(instance->workers, w, 0, len, instance);
        if (rc == 0)
            rc = start_and_wait_threads(instance->restorers, instance->savers, instance->counter, instance->workers,
                                        w, instance->scheme);
    } else if (instance->scheme == RESTORE_BY_VID) {
        if (instance->vlist.num_vaults == 0) {
            OLOG(OLOG_ERROR, "no vault to restore: add vaults before running");
            rc = fail_errno(ENODATA);
        }
        while (rc == 0 && instance->vlist.num_vaults > 0) {
            int r = set_vids_for_each_thread(instance, &instance->vlist, 0);
            if (r < 0) {
                OLOG(OLOG_ERROR, "set_vids_for_each_thread: %s", errtext(errno));
                rc = -1;
                break;
            }
            if (start_and_wait_threads(instance->restorers, instance->savers, instance->counter, instance->workers,
                                       r, instance->scheme) != 0) {
                OLOG(OLOG_ERROR, "start_and_wait_threads: %s", errtext(errno));
                rc = -1;
                break;
            }
            if (fail_flag(instance))
                break;
            for (int k = 0; k < r; k++) {
                restore_worker_t *wk = &instance->workers[k];
                if (vaultlist_delete(instance->ctx, static_cast<uint32_t>(wk->hid),
                                     static_cast<uint64_t>(wk->vid)) != 0) {
                    OLOG(OLOG_ERROR, "delete_vault_from_viddb: %s", errtext(errno));
                    rc = -1;
                }
            }
        }
    } else {
        OLOG(OLOG_ERROR, "not supported scheme: %d", instance->scheme);
        rc = fail_errno(EINVAL);
    }
    vlist_reset(&instance->vlist);
    restore_worker_reset(instance->workers, n, instance->bucketpool);
    if (rc == 0 && fail_flag(instance)) {
        OLOG(OLOG_ERROR, "%s: a restore thread failed", instance->file_path ? instance->file_path : "");
        rc = fail_errno(EIO);
    }
    if (rc == 0)
        rc = size_output(instance);
    return rc;
}

int check_file_integrity(instance_t *instance) noexcept
{
    if (!instance->descriptor) {
        OLOG(OLOG_ERROR, "file is null");
        return fail_errno(EINVAL);
    }
    auto *hdr = static_cast<const filehdr_t *>(instance->descriptor->hdr);
    if (!hdr) {
        OLOG(OLOG_ERROR, "header is null");
        return fail_errno(EINVAL);
    }
    uint64_t sum;
    {
        orvex::MutexLock lock(&instance->descriptor->mutex);
        sum = instance->descriptor->cksum;
    }
    // Compared with the value read at registration: the running sum is
    // kept apart from the header row.
    if (sum != instance->expect_cksum) {
        OLOG(OLOG_ERROR, "%s: corrupted file", instance->descriptor->path ? instance->descriptor->path : "");
        return fail_errno(EIO);
    }
    return 0;
}

} // namespace orvex::restore
