// Restore instances: the C façade of the restore engine. Each call checks
// its arguments, does its step and leaves errno as the step left it.
#include "compressor.h"
#include "descriptor_glue.h"
#include "restore.h"
#include "restore_internal.h"
#include "util/syscall.h"
#include "vaultfile.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace orvex::restore;

namespace {

instance_t *as_instance(void *p)
{
    return static_cast<instance_t *>(p);
}

#define REQUIRE_INSTANCE(p, result)                                                                                 \
    instance_t *instance = as_instance(p);                                                                          \
    if (!instance) {                                                                                                \
        errno = EINVAL;                                                                                             \
        return result;                                                                                              \
    }

bool whole_file_order(int scheme)
{
    return scheme == RESTORE_BY_FOFFSET || scheme == RESTORE_BY_VID;
}

void destroy_pipeline(instance_t *instance)
{
    ErrnoKeeper keep;
    if (instance->savers)
        thpool_wait(instance->savers);
    if (instance->workers) {
        restore_worker_reset(instance->workers, instance->num_threads, instance->bucketpool);
        restore_worker_destroy(instance->workers, instance->num_threads);
        instance->workers = nullptr;
    }
    bucketpool_destroy(instance->bucketpool);
    instance->bucketpool = nullptr;
    destroy_restore_threadpools(instance);
    destroy_restore_semaphores(instance);
}

// Same file by identity, not only by text.
bool same_file(const char *a, const char *b)
{
    if (std::strcmp(a, b) == 0)
        return true;
    orvex_stat_t sa{}, sb{};
    if (do_stat(a, &sa) != 0 || do_stat(b, &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

int check_files(instance_t *instance, const char *file_p, const char *descriptor_p)
{
    int r = is_file_regular(descriptor_p);
    if (r != 1) {
        int err = r == 0 ? EINVAL : (errno ? errno : EINVAL);
        OLOG(OLOG_ERROR, "%s: not a regular file, %s", descriptor_p, errtext(err));
        return fail_errno(err);
    }
    if (instance->scheme == RESTORE_BY_PARTIAL)
        return 0;
    if (same_file(file_p, descriptor_p)) {
        OLOG(OLOG_ERROR, "%s: %s and %s are the same file", "check_files", file_p, descriptor_p);
        return fail_errno(EINVAL);
    }
    if (instance->check_integrity)
        return 0;
    int e = is_file_exist(file_p);
    if (e < 0)
        return fail_errno(errno ? errno : EINVAL);
    if (e == 1 && !instance->overwrite) {
        OLOG(OLOG_ERROR, "%s: %s", file_p, errtext(EEXIST));
        return fail_errno(EEXIST);
    }
    return 0;
}

// Undoes a registration: handles, context, and an output file this
// registration created.
void undo_registration(instance_t *instance, bool created_output)
{
    ErrnoKeeper keep;
    if (instance->workers)
        restore_worker_close_files(instance->workers, instance->num_threads);
    close_files_for_restore(instance);
    if (created_output && instance->file_path && do_unlink(instance->file_path) != 0)
        OLOG(OLOG_ERROR, "%s: unlink, %s", instance->file_path, errtext(errno));
    restore_ctx_destroy(instance->ctx);
    instance->ctx = nullptr;
    if (instance->workers)
        restore_worker_reset(instance->workers, instance->num_threads, instance->bucketpool);
    std::free(instance->file_path);
    instance->file_path = nullptr;
}

int register_file(instance_t *instance, const char *file_p, const char *descriptor_p)
{
    std::atomic_ref<int>(instance->fail).store(0);
    if (instance->scheme == RESTORE_BY_READCHUNK) {
        OLOG(OLOG_ERROR, "files are not registered in the read-chunk order");
        return fail_errno(EINVAL);
    }
    if (instance->scheme == RESTORE_BY_PARTIAL ? !descriptor_p : (!file_p || !descriptor_p)) {
        OLOG(OLOG_ERROR, instance->scheme == RESTORE_BY_PARTIAL ? "descriptor is null" : "file or descriptor is null");
        return fail_errno(EINVAL);
    }
    if (instance->descriptor) {
        OLOG(OLOG_ERROR, "a file is already registered");
        return fail_errno(EBUSY);
    }
    if (whole_file_order(instance->scheme) && !instance->workers) {
        OLOG(OLOG_ERROR, "instance is not started");
        return fail_errno(EINVAL);
    }
    if (check_files(instance, file_p, descriptor_p) != 0) {
        OLOG(OLOG_ERROR, "check_files: %s", errtext(errno));
        return -1;
    }
    const bool partial = instance->scheme == RESTORE_BY_PARTIAL;
    const bool writes = !partial && !instance->check_integrity;
    const bool existed = writes && is_file_exist(file_p) == 1;
    if (writes && !(instance->file_path = strdup(file_p)))
        return fail_errno(ENOMEM);
    if (prepare_files_for_restore(instance, file_p, descriptor_p, instance->scheme, instance->check_integrity) !=
        0) {
        int err = errno;
        OLOG(OLOG_ERROR, "prepare_files_for_restore: %s", errtext(err));
        undo_registration(instance, false);
        return fail_errno(err);
    }
    const bool created = writes && !existed;
    auto *hdr = static_cast<const filehdr_t *>(instance->descriptor->hdr);
    instance->expect_cksum = hdr->cksum;
    counter_set_val(instance->counter, COUNTER_FILESIZE, hdr->filesize);
    counter_set_val(instance->counter, COUNTER_RESTORE_FILESIZE, 0);
    counter_set_val(instance->counter, COUNTER_TIME, 0);
    counter_set_val(instance->counter, COUNTER_PROC_CHUNKS, 0);
    instance->max_chunksize = std::max(instance->max_chunksize, hdr->max_chunksize);
    if (instance->max_chunksize > COMPRESSOR_MAX_CHUNKSIZE) {
        OLOG(OLOG_ERROR, "%s: maximum chunk size %u is too large", descriptor_p, instance->max_chunksize);
        undo_registration(instance, created);
        instance->max_chunksize = 0;
        return fail_errno(EINVAL);
    }
    const char *tempdir = instance->tempdir_path ? instance->tempdir_path : instance->vaultdir_path;
    instance->ctx = restore_ctx_create(instance->descriptor, tempdir, instance->scheme, instance->cry,
                                       instance->counter, instance->short_vaultpath);
    if (!instance->ctx) {
        int err = errno;
        OLOG(OLOG_ERROR, "restore_ctx_create: %s", errtext(err));
        undo_registration(instance, created);
        return fail_errno(err);
    }
    if (partial) {
        instance->num_working_threads = 1;
        return 0;
    }
    uint64_t nv = instance->ctx->num_vaults;
    instance->num_working_threads =
        nv >= 1 && nv < static_cast<uint64_t>(instance->num_threads) ? static_cast<int>(nv) : instance->num_threads;
    for (int i = 0; i < instance->num_threads; i++)
        instance->workers[i].instance = instance;
    if (restore_worker_open_files(instance->workers, instance->num_working_threads, instance->scheme, instance->file,
                                  writes ? file_p : nullptr, descriptor_p) != 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "restore_worker_open_files: %s", errtext(err));
        undo_registration(instance, created);
        return fail_errno(err);
    }
    return 0;
}

int start(instance_t *instance)
{
    if (instance->cry && instance->cry->key && instance->cry->algo != CRYPTION_NONE &&
        crypter_init(instance->cry, std::max(instance->num_threads, 1)) != 0) {
        OLOG(OLOG_ERROR, "crypter_init: %s", errtext(errno));
        return -1;
    }
    if (instance->scheme == RESTORE_BY_PARTIAL)
        return 0;
    auto fail = [&](int err) {
        destroy_pipeline(instance);
        crypter_destroy(instance->cry);
        instance->cry = nullptr;
        return fail_errno(err);
    };
    if (instance->scheme == RESTORE_BY_READCHUNK) {
        restore_ctx_destroy(instance->ctx);
        instance->ctx = restore_ctx_create(nullptr, nullptr, RESTORE_BY_READCHUNK, instance->cry, instance->counter,
                                           instance->short_vaultpath);
        if (!instance->ctx) {
            int err = errno;
            OLOG(OLOG_ERROR, "restore_ctx_create: %s", errtext(err));
            return fail(err);
        }
        return 0;
    }
    if (instance->workers) {
        OLOG(OLOG_ERROR, "instance is already started");
        return fail_errno(EBUSY);
    }
    const int n = instance->num_threads;
    instance->workers = restore_worker_create(n);
    if (!instance->workers) {
        int err = errno;
        OLOG(OLOG_ERROR, "restore_worker_create: %s", errtext(err));
        return fail(err);
    }
    if (create_restore_semaphores(instance) != 0 || create_restore_threadpools(instance) != 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "failed to create semaphores and threadpools: %s", errtext(err));
        return fail(err);
    }
    OLOG(OLOG_INFO, "maximum bucket size=%u", instance->max_bucketsize);
    if (instance->max_bucketsize > INT32_MAX ||
        !(instance->bucketpool = bucketpool_create(4 * n, static_cast<int>(instance->max_bucketsize)))) {
        int err = errno ? errno : ENOMEM;
        OLOG(OLOG_ERROR, "bucketpool_create: %s", errtext(err));
        return fail(err);
    }
    counter_add_val(instance->counter, COUNTER_MEM_USAGE,
                    4ull * static_cast<uint64_t>(n) * instance->max_bucketsize);
    return 0;
}

int unregister(instance_t *instance)
{
    if (instance->scheme == RESTORE_BY_READCHUNK || !instance->descriptor)
        return 0;
    if (instance->savers)
        thpool_wait(instance->savers);
    int rc = 0;
    if (instance->check_integrity && whole_file_order(instance->scheme))
        rc = check_file_integrity(instance);
    int err = errno;
    const bool failed = fail_flag(instance);
    if (instance->workers)
        restore_worker_close_files(instance->workers, instance->num_threads);
    close_files_for_restore(instance);
    // A failed run leaves no output that could pass for a restored file.
    if (failed && instance->file_path && do_unlink(instance->file_path) != 0 && errno != ENOENT)
        OLOG(OLOG_ERROR, "%s: unlink, %s", instance->file_path, errtext(errno));
    restore_ctx_destroy(instance->ctx);
    instance->ctx = nullptr;
    if (instance->workers)
        restore_worker_reset(instance->workers, instance->num_threads, instance->bucketpool);
    vlist_reset(&instance->vlist);
    std::free(instance->file_path);
    instance->file_path = nullptr;
    if (rc != 0)
        return fail_errno(err);
    if (failed)
        return fail_errno(EIO);
    return 0;
}

int write_vault_into_list(uint32_t hid, uint64_t vid, void *arg)
{
    if (vlist_add_hid_and_vid(static_cast<vlist_t *>(arg), hid, vid) != 0) {
        OLOG(OLOG_ERROR, "vlist is full");
        return -1;
    }
    return 0;
}

} // namespace

extern "C" {

void *restore_create_instance(void) noexcept
{
    auto *instance = static_cast<instance_t *>(std::calloc(1, sizeof(instance_t)));
    if (!instance) {
        errno = ENOMEM;
        return nullptr;
    }
    instance->counter = counter_create();
    if (!instance->counter) {
        int err = errno ? errno : ENOMEM;
        OLOG(OLOG_ERROR, "%s: counter_create: %s", "restore_init_instance", errtext(err));
        std::free(instance);
        errno = err;
        return nullptr;
    }
    instance->cry = crypter_create();
    if (!instance->cry) {
        int err = errno ? errno : ENOMEM;
        OLOG(OLOG_ERROR, "%s: crypter_create: %s", "restore_init_instance", errtext(err));
        counter_destroy(instance->counter);
        std::free(instance);
        errno = err;
        return nullptr;
    }
    instance->scheme = RESTORE_BY_FOFFSET;
    instance->max_bucketsize = RESTORE_DEFAULT_BUCKETSIZE;
    instance->do_ecc = 1;
    instance->readonly = 1;
    instance->num_threads = std::max(get_online_cpus(), 1);
    return instance;
}

int restore_start_instance(void *p) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    return start(instance);
}

int restore_register_file(void *p, const char *file_p, const char *descriptor_p) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    try {
        return register_file(instance, file_p, descriptor_p);
    } catch (...) {
        return fail_errno(ENOMEM);
    }
}

int restore_register_file2(void *p, const char *file_p, const char *descriptor_p, int overwrite) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    instance->overwrite = overwrite;
    return restore_register_file(p, file_p, descriptor_p);
}

int restore_run_instance(void *p) noexcept
{
    instance_t *instance = as_instance(p);
    if (!instance || !instance->ctx) {
        errno = EINVAL;
        return -1;
    }
    if (!whole_file_order(instance->scheme) || !instance->descriptor || !instance->workers) {
        OLOG(OLOG_ERROR, "not supported scheme: %d", instance->scheme);
        errno = EINVAL;
        return -1;
    }
    return run_pipeline(instance);
}

int restore_unregister_file(void *p) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    return unregister(instance);
}

void restore_destroy_instance(void *p) noexcept
{
    instance_t *instance = as_instance(p);
    if (!instance)
        return;
    ErrnoKeeper keep;
    if (instance->descriptor)
        unregister(instance);
    destroy_pipeline(instance);
    counter_destroy(instance->counter);
    vlist_reset(&instance->vlist);
    crypter_destroy(instance->cry);
    restore_ctx_destroy(instance->ctx);
    std::free(instance->vaultdir_path);
    std::free(instance->tempdir_path);
    std::free(instance->file_path);
    std::free(instance);
}

void *restore_open_file(const char *descriptor, const char *vaultdir, const char *tempdir, int num_threads,
                        int do_ecc) noexcept
{
    if (!descriptor || !vaultdir || !tempdir) {
        errno = EINVAL;
        return nullptr;
    }
    void *instance = restore_create_instance();
    if (!instance) {
        OLOG(OLOG_ERROR, "restore_create_instance: %s", errtext(errno));
        return nullptr;
    }
    auto step = [&](int rc, const char *name) {
        if (rc == 0)
            return true;
        int err = errno;
        OLOG(OLOG_ERROR, "%s: %s", name, errtext(err));
        restore_close_file(instance);
        errno = err;
        return false;
    };
    if (!step(restore_set_path(instance, vaultdir, RESTORE_PATH_VAULTDIR), "restore_set_path") ||
        !step(restore_set_path(instance, tempdir, RESTORE_PATH_TEMPDIR), "restore_set_path") ||
        !step(restore_set_ecc(instance, do_ecc != 0), "restore_set_ecc") ||
        !step(restore_set_num_threads(instance, static_cast<uint32_t>(num_threads)), "restore_set_num_threads") ||
        !step(restore_set_sort_method(instance, "partial"), "restore_set_sort_method") ||
        !step(restore_set_dedupfs(instance, true), "restore_set_dedupfs") ||
        !step(restore_start_instance(instance), "restore_start_instance") ||
        !step(restore_register_file(instance, nullptr, descriptor), "restore_register_file"))
        return nullptr;
    return instance;
}

int restore_close_file(void *p) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    int rc = 0;
    if (restore_unregister_file(instance) != 0) {
        OLOG(OLOG_ERROR, "restore_unregister_file: %s", errtext(errno));
        rc = -1;
    }
    int err = errno;
    restore_destroy_instance(instance);
    errno = err;
    return rc;
}

int restore_set_path(void *p, const char *path, const int which) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    if (which != RESTORE_PATH_VAULTDIR && which != RESTORE_PATH_TEMPDIR) {
        OLOG(OLOG_ERROR, "no such type: %d", which);
        return fail_errno(EINVAL);
    }
    if (!path)
        return fail_errno(EINVAL);
    if (do_access(path, F_OK) != 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: %s", path, errtext(err));
        return fail_errno(err);
    }
    char **slot = which == RESTORE_PATH_VAULTDIR ? &instance->vaultdir_path : &instance->tempdir_path;
    return assign_string(slot, path);
}

int restore_set_decrypter(void *p, const char *algo, const void *key, int key_len) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    return crypter_set(instance->cry, algo, key, key_len, false);
}

int restore_set_decrypter_v2(void *p, const char *algo, const void *key, int key_len, bool disable_isal) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    return crypter_set(instance->cry, algo, key, key_len, disable_isal);
}

int restore_set_sort_method(void *p, const char *method) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    if (!method) {
        OLOG(OLOG_WARN, "sort-method is not assigned");
        return 0;
    }
    for (int i = 0; i < RESTORE_BY_MAX; i++)
        if (std::strcmp(method, scheme2str[i]) == 0) {
            instance->scheme = i;
            return 0;
        }
    OLOG(OLOG_ERROR, "no such sort-method: %s", method);
    return fail_errno(EINVAL);
}

int restore_get_sort_method(void *p) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    return instance->scheme;
}

int restore_set_num_threads(void *p, uint32_t n) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    if (n == 0) {
        OLOG(OLOG_ERROR, "Number of threads cannot be 0.");
        return fail_errno(EINVAL);
    }
    if (n > 1024) {
        OLOG(OLOG_ERROR, "Number of threads %u is too large.", n);
        return fail_errno(EINVAL);
    }
    if (instance->workers) {
        OLOG(OLOG_ERROR, "the number of threads is fixed once the instance has started");
        return fail_errno(EBUSY);
    }
    instance->num_threads = static_cast<int>(n);
    return 0;
}

int restore_set_max_vault_size(void *p, uint32_t max_vaultsize) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    uint64_t size = max_vaultsize == 0 ? RESTORE_DEFAULT_VAULTSIZE_BUCKET : 2ull * max_vaultsize;
    if (size > INT32_MAX) {
        OLOG(OLOG_ERROR, "bucket size %llu is too large", static_cast<unsigned long long>(size));
        return fail_errno(EINVAL);
    }
    instance->max_bucketsize = static_cast<uint32_t>(size);
    return 0;
}

int restore_set_ecc(void *p, uint8_t option) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    if (option > 1) {
        OLOG(OLOG_ERROR, "no such option: %u", option);
        return fail_errno(EINVAL);
    }
    instance->do_ecc = option;
    return 0;
}

int restore_set_dedupfs(void *p, bool enable) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    instance->short_vaultpath = enable;
    if (instance->ctx)
        instance->ctx->short_vaultpath = enable;
    return 0;
}

int restore_set_check_integrity(void *p, bool enable) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    instance->check_integrity = enable ? 1 : 0;
    return 0;
}

int restore_add_hid_vid(void *p, uint32_t hid, uint64_t vid) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    if (vlist_add_hid_and_vid(&instance->vlist, hid, vid) != 0) {
        OLOG(OLOG_ERROR, "vlist_add_hid_and_vid failed");
        return -1;
    }
    return 0;
}

int restore_add_vid(void *p, uint64_t vid) noexcept
{
    return restore_add_hid_vid(p, 0, vid);
}

int restore_get_config(void *p) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    const char *decryption = instance->cry && instance->cry->algo != CRYPTION_NONE && instance->cry->name
                                 ? instance->cry->name
                                 : "not assigned";
    OLOG(OLOG_INFO,
         "[Config] restore\n              vault-dir : %s\n              temp-dir  : %s\n      number of threads : "
         "%u\n  optimized bucket size : %u MB\n             decryption : %s\n",
         instance->vaultdir_path ? instance->vaultdir_path : "(null)",
         instance->tempdir_path ? instance->tempdir_path : "(null)", static_cast<unsigned>(instance->num_threads),
         instance->max_bucketsize >> 20, decryption);
    return 0;
}

int restore_read_chunk(void *p, const char *vault, uint32_t voffset, void *outbuf, uint32_t outbufsize) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    if (!outbuf) {
        OLOG(OLOG_ERROR, "outbuf is null");
        return fail_errno(EINVAL);
    }
    if (outbufsize == 0) {
        OLOG(OLOG_ERROR, "outbufsize is 0");
        return fail_errno(EINVAL);
    }
    int rc = do_restore_chunk_from_vault(instance->ctx, instance->cry, vault, voffset, outbuf, outbufsize);
    return rc < 0 ? -1 : rc;
}

int restore_read_chunk2(void *p, uint32_t hid, uint64_t vid, uint32_t voffset, void *outbuf,
                        uint32_t outbufsize) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    if (!outbuf) {
        OLOG(OLOG_ERROR, "outbuf is null");
        return fail_errno(EINVAL);
    }
    if (outbufsize == 0) {
        OLOG(OLOG_ERROR, "outbufsize is 0");
        return fail_errno(EINVAL);
    }
    int rc = do_restore_chunk_from_vid(instance->ctx, instance->cry, instance->vaultdir_path, hid, vid, voffset,
                                       outbuf, outbufsize);
    return rc < 0 ? -1 : rc;
}

int restore_read_chunk_from_buffer(void *p, void *inbuf, uint32_t inbufsize, void *outbuf,
                                   uint32_t outbufsize) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    if (!inbuf || !outbuf) {
        OLOG(OLOG_ERROR, "inbuf or outbuf is null");
        return fail_errno(EINVAL);
    }
    int rc = do_restore_chunk_from_buffer(instance->ctx, instance->cry, inbuf, inbufsize, outbuf, outbufsize);
    return rc < 0 ? -1 : rc;
}

readout_t *restore_read(void *, readin_t *, readout_t *) noexcept
{
    return nullptr;
}

int restore_get_progress(void *p) noexcept
{
    REQUIRE_INSTANCE(p, -1)
    uint64_t total = counter_get_val(instance->counter, COUNTER_FILESIZE);
    uint64_t done = counter_get_val(instance->counter, COUNTER_RESTORE_FILESIZE);
    if (done == 0 || total == 0)
        return 0;
    return static_cast<int>(std::min<uint64_t>(done * 100 / total, 100));
}

uint64_t restore_get_stats(void *p, int which) noexcept
{
    instance_t *instance = as_instance(p);
    if (!instance) {
        errno = EINVAL;
        return 0;
    }
    if (which != RESTORE_STAT_TIME) {
        OLOG(OLOG_ERROR, "no such option: %d", which);
        errno = EINVAL;
        return static_cast<uint64_t>(-1);
    }
    return counter_get_val(instance->counter, COUNTER_TIME);
}

pulllist_t *restore_get_pulllist(void *p) noexcept
{
    REQUIRE_INSTANCE(p, nullptr)
    if (instance->scheme == RESTORE_BY_PARTIAL)
        return nullptr;
    if (!instance->ctx || !instance->ctx->vaultlist) {
        errno = EINVAL;
        return nullptr;
    }
    vlist_t *list = vlist_get(0);
    if (!list) {
        OLOG(OLOG_ERROR, "vlist_get: %s", errtext(errno));
        return nullptr;
    }
    set_chunks_range(instance);
    OLOG(OLOG_DEBUG, "write_vaults_into_pulllist");
    if (vaultlist_iter(instance->ctx, write_vault_into_list, list) != 0) {
        OLOG(OLOG_ERROR, "write_vaults_into_pulllist failed");
        vlist_put(list);
        errno = ENOMEM;
        return nullptr;
    }
    return list;
}

uint64_t restore_pulllist_number(pulllist_t *list) noexcept
{
    return list ? list->num_vaults : 0;
}

uint64_t *restore_pulllist_vids(pulllist_t *list) noexcept
{
    return list ? list->vids : nullptr;
}

uint32_t *restore_pulllist_hids(pulllist_t *list) noexcept
{
    return list ? list->hids : nullptr;
}

void restore_destroy_pulllist(pulllist_t *list) noexcept
{
    vlist_put(list);
}

void restore_put_pulllist(pulllist_t *list) noexcept
{
    vlist_put(list);
}

void restore_put_pulllist2(pulllist_t *list) noexcept
{
    vlist_put(list);
}

void restore_destroy_vlist(vlist_t *list) noexcept
{
    vlist_put(list);
}

char *restore_convert_vid_to_path(uint32_t hid, uint64_t vid) noexcept
{
    return vaultfile_get_path(nullptr, hid, vid);
}

int restore_descriptor_read_stat(const char *, file_attr_t *) noexcept
{
    return -1;
}
int64_t restore_descriptor_read_mapdb_filesize(const char *) noexcept
{
    return -1;
}
int64_t restore_descriptor_read_filesize(const char *) noexcept
{
    return -1;
}
int restore_descriptor_ftruncate(const char *, uint64_t) noexcept
{
    return -1;
}
int restore_descriptor_truncate(const char *, uint64_t) noexcept
{
    return -1;
}
int restore_descriptor_flush(const char *) noexcept
{
    return -1;
}
int ftruncate_descriptor(const char *, uint64_t) noexcept
{
    return -1;
}
int truncate_descriptor(const char *, uint64_t) noexcept
{
    return -1;
}

} // extern "C"
