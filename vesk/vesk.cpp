// The session over one container: opening (private temporary folder, the
// export database extracted into it), closing, the message accessor and the
// log set-up; listing folders and summing statistics through the export
// database.
#include "vesk_internal.h"

#include "header.h"
#include "util/syscall.h"

#include <clocale>
#include <new>
#include <unistd.h>

using namespace orvex::vesk;

fs_vesk_instance::~fs_vesk_instance()
{
    int saved = errno;
    file_close(exportdb);
    file_close(vesk);
    if (tmp_dir) {
        OLOG(OLOG_DEBUG, "remove %s", tmp_dir);
        if (!exportdb_path.empty())
            do_unlink(exportdb_path.c_str());
        rmdir_rf(tmp_dir, 1);
    }
    std::free(tmp_dir);
    std::free(tmp_name);
    errno = saved;
}

namespace orvex::vesk {

int64_t container_size(const fs_vesk_instance *s) noexcept
{
    return s && s->vesk ? static_cast<int64_t>(s->vesk->size) : -1;
}

int check_range(const fs_vesk_instance *s, const Range &r, const char *what, const char *entry) noexcept
{
    int64_t total = container_size(s);
    if (r.offset < 0 || r.size < 0 || total < 0 || r.offset > total || r.size > total - r.offset)
        return VESK_CORRUPT("%s: %s at %lld (%lld bytes) lies outside the container (%lld bytes)", entry, what,
                            static_cast<long long>(r.offset), static_cast<long long>(r.size),
                            static_cast<long long>(total));
    return 0;
}

} // namespace orvex::vesk

namespace {

using Session = std::unique_ptr<fs_vesk_instance>;

// The private temporary folder of a new session under `tmp_path`.
int make_temp_folder(fs_vesk_instance &s, const char *tmp_path)
{
    s.tmp_name = dot_random_string();
    if (!s.tmp_name) {
        OLOG(OLOG_ERROR, "dot_random_string: %s", errtext(errno));
        return -1;
    }
    char *dir = prepend_s(tmp_path, s.tmp_name);
    if (!dir) {
        OLOG(OLOG_ERROR, "prepend_s: %s", errtext(ENOMEM));
        return -1;
    }
    // Created here (a fresh random name), so the session may remove it.
    if (make_private_dir(dir) != 0) {
        OLOG(OLOG_ERROR, "%s: do_mkdir, %s", dir, errtext(errno));
        std::free(dir);
        return -1;
    }
    s.tmp_dir = dir;
    if (do_set_hidden_flag(s.tmp_dir, 1) != 0)
        OLOG(OLOG_ERROR, "%s: set hidden flag failed, %s", s.tmp_dir, errtext(errno));
    return 0;
}

// Copies the export database out of the container under a fresh name in the
// temporary folder (readable by the owner only) and opens it.
int open_exportdb(fs_vesk_instance &s)
{
    const auto *hdr = static_cast<const vesk_hdr_t *>(s.vesk->hdr);
    OLOG(OLOG_DEBUG, "version: %u.%u.%u,timestamp: %d, export.db at offset=%llu with size=%llu",
         hdr->app_ver_major, hdr->app_ver_minor, hdr->app_ver_patch, static_cast<int>(hdr->timestamp),
         static_cast<unsigned long long>(hdr->exportdb_offset), static_cast<unsigned long long>(hdr->exportdb_size));
    Range r;
    r.offset = hdr->exportdb_offset > INT64_MAX ? -1 : static_cast<int64_t>(hdr->exportdb_offset);
    r.size = hdr->exportdb_size > INT64_MAX ? -1 : static_cast<int64_t>(hdr->exportdb_size);
    if (check_range(&s, r, "export database", s.vesk->path) != 0)
        return -1;
    CharPtr uuid(uuid_get());
    if (!uuid) {
        OLOG(OLOG_ERROR, "failed to generate uuid, %s", errtext(errno));
        return -1;
    }
    CharPtr path(prepend_s(s.tmp_dir, uuid.get()));
    if (!path) {
        OLOG(OLOG_ERROR, "%s: prepend_s, %s", s.tmp_dir, errtext(ENOMEM));
        return -1;
    }
    s.exportdb_path = path.get();
    OLOG(OLOG_DEBUG, "extracting export.db from vesk at %llu with length %llu",
         static_cast<unsigned long long>(r.offset), static_cast<unsigned long long>(r.size));
    Fd out(create_private_file(path.get()));
    if (!out || copy_range_to_fd(s.vesk->fd, r.offset, r.size, out.get(), VESK_COMPRESS_NONE, Progress{}) != 0 ||
        out.close() != 0) {
        OLOG(OLOG_ERROR, "%s: extracting export.db failed, %s", path.get(), errtext(errno));
        return -1;
    }
    s.exportdb = file_open(path.get(), &exportdb_operations, OS_O_RDWR, 0, nullptr);
    if (!s.exportdb) {
        OLOG(OLOG_ERROR, "%s: open failed, %s", path.get(), errtext(errno));
        return -1;
    }
    return 0;
}

int open_session(const char *vesk_path, void **instance, const char *tmp_path)
{
    std::setlocale(LC_CTYPE, "");
    if (!vesk_path || !tmp_path || !instance)
        return FS_VESK_ERR_FAILURE;
    if (do_access(vesk_path, F_OK) != 0)
        return errno == ENOENT ? FS_VESK_ERR_NO_CONTAINER : FS_VESK_ERR_FAILURE;
    Session s(new fs_vesk_instance);
    if (make_temp_folder(*s, tmp_path) != 0)
        return FS_VESK_ERR_FAILURE;
    s->vesk = file_open(vesk_path, &vesk_operations, OS_O_BINARY, 0, nullptr);
    if (!s->vesk) {
        int rc = errno == EPROTO ? FS_VESK_ERR_NOT_FOUND : FS_VESK_ERR_FAILURE;
        OLOG(OLOG_ERROR, "%s: open failed, error=%d", vesk_path, rc);
        return rc;
    }
    if (open_exportdb(*s) != 0)
        return FS_VESK_ERR_FAILURE;
    *instance = s.release();
    return FS_VESK_OK;
}

// ---- listing ----

// The caller's callback and the folder path as the caller gave it: every
// report names that folder, as the interface promises.
struct ListCall {
    fs_vesk_list_folder_callback callback;
    void *user_data;
    const char *path;
};

int list_trampoline(void *instance, int version_id, const char *, fs_vesk_item *item, void *data)
{
    auto *call = static_cast<ListCall *>(data);
    return call->callback(instance, version_id, call->path, item, call->user_data);
}

int list_folder(fs_vesk_instance *s, const char *path, fs_vesk_list_folder_callback callback, void *user_data)
{
    if (!s || !path || !callback || !s->exportdb)
        return FS_VESK_ERR_FAILURE;
    OLOG(OLOG_DEBUG, "%s: %s", __func__, path);
    exportdb_data_t q{};
    q.cmd = EXPORTDB_QUERY_INO;
    q.path = path;
    errno = 0;
    int64_t ino = s->exportdb->fops->query(s->exportdb, &q);
    OLOG(OLOG_DEBUG, "%s: exportdb.query, ino=%lld", path, static_cast<long long>(ino));
    if (ino <= 0)
        return errno == ENODATA ? FS_VESK_ERR_NOT_FOUND : FS_VESK_ERR_FAILURE;
    ListCall call{callback, user_data, path};
    exportdb_data_t d{};
    d.parent_ino = ino;
    d.path = path;
    d.instance = s;
    d.user_data = &call;
    d.list_folder_callback = list_trampoline;
    if (s->exportdb->fops->list(s->exportdb, &d) != 0)
        return errno == ENOENT ? FS_VESK_ERR_NOT_FOUND : FS_VESK_ERR_FAILURE;
    return FS_VESK_OK;
}

// ---- statistics ----

int count(fs_vesk_instance *s, exportdb_data_t &d, int cmd, const char *what)
{
    d.cmd = cmd;
    if (s->exportdb->fops->count(s->exportdb, &d) != 0) {
        OLOG(OLOG_ERROR, "failed to count %s, %s", what, errtext(errno));
        return -1;
    }
    return 0;
}

int stat_sum(fs_vesk_instance *s, const char *path, fs_vesk_stat *result)
{
    if (!s || !result || !path)
        return FS_VESK_ERR_FAILURE;
    if (!s->exportdb) {
        OLOG(OLOG_ERROR, "exportdb is null");
        return FS_VESK_ERR_FAILURE;
    }
    exportdb_data_t d{};
    d.cmd = EXPORTDB_STAT;
    d.path = path;
    d.result = result;
    errno = 0;
    if (s->exportdb->fops->count(s->exportdb, &d) != 0) {
        if (errno != ENODATA)
            return FS_VESK_ERR_FAILURE;
        OLOG(OLOG_ERROR, "no such file or folder");
        return FS_VESK_ERR_NOT_FOUND;
    }
    OLOG(OLOG_DEBUG, "%s: result, folder_count=%ld,file_count=%ld", path, static_cast<long>(result->folder_count),
         static_cast<long>(result->file_count));
    d.ino = result->ino;
    if (result->folder_count == 0 && result->file_count == 0) {
        OLOG(OLOG_ERROR, "no such file or folder");
        return FS_VESK_ERR_NOT_FOUND;
    }
    if (result->folder_count != 1 || result->file_count != 0)
        return FS_VESK_OK;
    if (count(s, d, EXPORTDB_COUNT_SIZE, "size") != 0 || count(s, d, EXPORTDB_COUNT_FOLDERS, "folders") != 0 ||
        count(s, d, EXPORTDB_COUNT_FILES, "files") != 0)
        return FS_VESK_ERR_FAILURE;
    return FS_VESK_OK;
}

} // namespace

extern "C" {

int fs_vesk_open(const char *vesk_path, const char *decrypt_password, void **instance, const char *tmp_path) noexcept
{
    (void)decrypt_password;
    return c_edge(FS_VESK_ERR_FAILURE, [&] { return open_session(vesk_path, instance, tmp_path); });
}

int fs_vesk_close(void *instance) noexcept
{
    if (!instance)
        return FS_VESK_ERR_FAILURE;
    delete static_cast<fs_vesk_instance *>(instance);
    liborvex_log_destroy();
    return FS_VESK_OK;
}

const char *fs_vesk_get_msg(void *instance) noexcept
{
    return instance ? static_cast<fs_vesk_instance *>(instance)->msg : nullptr;
}

int fs_vesk_set_log(const char *log, int level, uint64_t size) noexcept
{
    return liborvex_log_create(log, level, size);
}

int fs_vesk_list_folder(void *instance, int version_id, const char *path, fs_vesk_list_folder_callback callback,
                        void *user_data) noexcept
{
    (void)version_id;
    return c_edge(FS_VESK_ERR_FAILURE, [&] {
        return list_folder(static_cast<fs_vesk_instance *>(instance), path, callback, user_data);
    });
}

int fs_vesk_get_stat_sum(void *instance, int version_id, const char *path, fs_vesk_stat *result) noexcept
{
    (void)version_id;
    return c_edge(FS_VESK_ERR_FAILURE,
                  [&] { return stat_sum(static_cast<fs_vesk_instance *>(instance), path, result); });
}

} // extern "C"
