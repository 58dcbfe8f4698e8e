// Copying byte ranges out of a container into files and from files into a
// container being written, through the compression table; and the private
// files of a session's temporary folder.
#include "vesk_internal.h"

#include "util/syscall.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvex::vesk {

namespace {

bool known_method(int method)
{
    return method >= 0 && method < VESK_COMPRESS_MAX;
}

int native(const char *path, char *out, size_t len)
{
    if (path_to_native(path, out, len) != 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "%s: converted from utf8, %s", path ? path : "(null)", errtext(err));
        return fail(err);
    }
    return 0;
}

} // namespace

int make_private_dir(const char *path) noexcept
{
    char p[ORVEX_MAX_PATH + 1];
    if (native(path, p, sizeof p) != 0)
        return -1;
    if (::mkdir(p, 0700) == 0)
        return 0;
    int err = errno;
    struct stat st;
    if (err == EEXIST && ::lstat(p, &st) == 0 && S_ISDIR(st.st_mode))
        return 0;
    return fail(err);
}

int create_private_file(const char *path) noexcept
{
    char p[ORVEX_MAX_PATH + 1];
    if (native(path, p, sizeof p) != 0)
        return -1;
    return ::open(p, O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
}

int copy_range_to_fd(int src_fd, int64_t offset, int64_t size, int dst_fd, int method,
                     const Progress &progress) noexcept
{
    if (!known_method(method) || offset < 0 || size < 0)
        return fail(EINVAL);
    if (::lseek(src_fd, static_cast<off_t>(offset), SEEK_SET) < 0) {
        int err = errno;
        OLOG(OLOG_ERROR, "seek to %llu: %s", static_cast<unsigned long long>(offset), errtext(err));
        return fail(err);
    }
    if (method == VESK_COMPRESS_NONE)
        return plain_copy(src_fd, size, dst_fd, progress);
    // A zstd range restores without reports.
    return zstd_decode(src_fd, size, dst_fd, INT64_MAX) < 0 ? -1 : 0;
}

} // namespace orvex::vesk

using namespace orvex::vesk;

extern "C" {

int copy_from_vesk(int src_fd, uint64_t src_offset, uint64_t src_size, const char *dst, int compress_method,
                   void *progress_cbk, int progress_offset, int progress_size, void *pdata) noexcept
{
    return c_edge(-1, [&] {
        if (!dst || !known_method(compress_method) || src_offset > INT64_MAX || src_size > INT64_MAX)
            return fail(EINVAL);
        std::string folder(dst);
        size_t cut = folder.find_last_of("\\/");
        if (cut != std::string::npos && cut > 0) {
            folder.resize(cut);
            if (mkdir_p(folder.c_str()) != 0)
                return -1;
        }
        // The file appears only once whole; a failure keeps what was there.
        PendingPtr out(pending_file_create(dst));
        if (!out) {
            int err = errno;
            OLOG(OLOG_ERROR, "%s: open failed, %s", dst, errtext(err));
            return fail(err);
        }
        Progress p;
        p.cbk = reinterpret_cast<fs_vesk_restore_file_progress_cbk>(progress_cbk);
        p.record = static_cast<const exportdb_data_t *>(pdata);
        p.offset = progress_offset;
        p.size = progress_size;
        if (copy_range_to_fd(src_fd, static_cast<int64_t>(src_offset), static_cast<int64_t>(src_size),
                             pending_file_fd(out.get()), compress_method, p) != 0) {
            int err = errno;
            OLOG(OLOG_ERROR, "%s: decompress failed, %s", dst, errtext(err));
            return fail(err);
        }
        if (pending_file_commit(out.release(), 0, 0, 1) != 0)
            return -1;
        return 0;
    });
}

int copy_to_vesk(const char *path, int64_t offset, int64_t size, int dst_fd, int compress_method,
                 void *progress_cbk, int progress_offset, int progress_size, int64_t *store_offset,
                 int64_t *store_size) noexcept
{
    return c_edge(-1, [&] {
        if (!path || !known_method(compress_method) || offset < 0 || size < 0)
            return fail(EINVAL);
        Fd in(do_open(path, O_RDONLY, 0));
        if (!in) {
            int err = errno;
            OLOG(OLOG_ERROR, "%s: open failed, %s", path, errtext(err));
            return fail(err);
        }
        if (::lseek(in.get(), static_cast<off_t>(offset), SEEK_SET) < 0) {
            int err = errno;
            OLOG(OLOG_ERROR, "%s: seek to %lld, %s", path, static_cast<long long>(offset), errtext(err));
            return fail(err);
        }
        int rc = vesk_compressions[compress_method].compress(in.get(), size, dst_fd, progress_cbk, progress_offset,
                                                             progress_size, nullptr, store_offset, store_size);
        if (rc != 0) {
            int err = errno;
            OLOG(OLOG_ERROR, "%s: compress failed, %s", path, errtext(err));
            return fail(err);
        }
        return 0;
    });
}

} // extern "C"
