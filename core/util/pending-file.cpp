// Pending files: the contents go into an unnamed file (or a file under a
// fresh hidden name) in the destination's folder, and the file gets its
// real name only when it is committed.
#include "native_path.h"

#include "util/pending_file.h"
#include "util/syscall.h"
#include "zlog.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <random>
#include <string>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

using orvex::util::keep_errno;
using orvex::util::NativePath;

struct pending_file {
    std::string dst;    // native destination path
    std::string shown;  // the path as the caller gave it, for log lines
    std::string folder; // native folder of the destination
    std::string tmp;    // the temporary name while the file has one
    int fd = -1;
    bool anonymous = false; // an O_TMPFILE file without any name yet

    ~pending_file() { discard(); }

    int close_fd()
    {
        int rc = 0;
        if (fd >= 0)
            rc = ::close(fd);
        fd = -1;
        return rc;
    }
    void discard()
    {
        int err = errno;
        close_fd(); // an unnamed file vanishes with its descriptor
        if (!tmp.empty())
            ::unlink(tmp.c_str());
        tmp.clear();
        errno = err;
    }
};

namespace {

using Pending = std::unique_ptr<pending_file>;

// The folder part of a native path: "." without a separator, "/" for a
// file at the root.
std::string folder_of(const std::string &native)
{
    size_t cut = native.rfind('/');
    if (cut == std::string::npos)
        return ".";
    return cut == 0 ? "/" : native.substr(0, cut);
}

std::string fresh_name(const std::string &folder)
{
    static const char chars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device rd;
    std::string name = folder + "/.orvex-restore-";
    for (int i = 0; i < 8; ++i)
        name += chars[rd() % (sizeof chars - 1)];
    return name;
}

bool open_anonymous(pending_file &f)
{
#if defined(O_TMPFILE)
    // Naming the file later goes through /proc; without it, use a name.
    static const bool proc = ::access("/proc/self/fd", X_OK) == 0;
    if (proc) {
        f.fd = ::open(f.folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0644);
        f.anonymous = f.fd >= 0;
    }
#else
    (void)f;
#endif
    return f.anonymous;
}

bool open_named(pending_file &f)
{
    for (int attempt = 0; attempt < 32; ++attempt) {
        std::string name = fresh_name(f.folder);
        // O_EXCL never follows a link, and the name is fresh.
        f.fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (f.fd >= 0) {
            f.tmp = name;
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    keep_errno([&] { OLOG(OLOG_ERROR, "%s: open, %s", f.shown.c_str(), std::strerror(errno)); });
    return false;
}

void set_time(pending_file &f, int64_t mtime)
{
    timespec ts[2];
    ts[0].tv_sec = static_cast<time_t>(mtime);
    ts[0].tv_nsec = 0;
    ts[1] = ts[0];
    if (::futimens(f.fd, ts) != 0)
        keep_errno([&] { OLOG(OLOG_ERROR, "%s: set time, %s", f.shown.c_str(), std::strerror(errno)); });
}

int fail_place(const pending_file &f)
{
    keep_errno([&] { OLOG(OLOG_ERROR, "%s: cannot put in place, %s", f.shown.c_str(), std::strerror(errno)); });
    return -1;
}

// Moves the named temporary file to the destination; without `replace` an
// entry there is kept and the call fails with EEXIST.
int rename_into_place(pending_file &f, bool replace)
{
    int rc;
#if defined(RENAME_NOREPLACE)
    if (!replace) {
        rc = ::renameat2(AT_FDCWD, f.tmp.c_str(), AT_FDCWD, f.dst.c_str(), RENAME_NOREPLACE);
        if (rc != 0 && errno == EINVAL) { // a file system without the flag
            struct stat st;
            if (::lstat(f.dst.c_str(), &st) == 0) {
                errno = EEXIST;
                return fail_place(f);
            }
            rc = ::rename(f.tmp.c_str(), f.dst.c_str());
        }
    } else
#endif
    {
        (void)replace;
        rc = ::rename(f.tmp.c_str(), f.dst.c_str());
    }
    if (rc != 0)
        return fail_place(f);
    f.tmp.clear();
    return 0;
}

// The error of a failed close: the file is not whole.
int fail_close(pending_file &f)
{
    int err = errno;
    OLOG(OLOG_ERROR, "%s: close, %s", f.shown.c_str(), std::strerror(err));
    f.discard();
    errno = err;
    return -1;
}

int commit_anonymous(pending_file &f, bool replace)
{
    std::string proc = "/proc/self/fd/" + std::to_string(f.fd);
    if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, f.dst.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        if (f.close_fd() == 0)
            return 0;
        int err = errno; // a late write error: the file is not whole
        OLOG(OLOG_ERROR, "%s: close, %s", f.shown.c_str(), std::strerror(err));
        ::unlink(f.dst.c_str());
        errno = err;
        return -1;
    }
    if (errno != EEXIST || !replace)
        return fail_place(f);
    // Replacing: a private name first, then one rename over the old entry
    // (a link there is replaced, not followed).
    for (int attempt = 0; attempt < 32 && f.tmp.empty(); ++attempt) {
        std::string name = fresh_name(f.folder);
        if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            f.tmp = name;
        else if (errno != EEXIST)
            break;
    }
    if (f.tmp.empty())
        return fail_place(f);
    if (f.close_fd() != 0)
        return fail_close(f);
    return rename_into_place(f, true);
}

} // namespace

extern "C" pending_file_t *pending_file_create(const char *path) noexcept
{
    try {
        NativePath p(path);
        if (!p.ok())
            return nullptr;
        Pending f(new pending_file);
        f->dst = p.c_str();
        f->shown = path;
        f->folder = folder_of(f->dst);
        if (!open_anonymous(*f) && !open_named(*f))
            return nullptr;
        return f.release();
    } catch (const std::bad_alloc &) {
        errno = ENOMEM;
        return nullptr;
    }
}

extern "C" int pending_file_fd(const pending_file_t *file) noexcept
{
    return file ? file->fd : -1;
}

extern "C" int pending_file_commit(pending_file_t *file, int64_t mtime, int set_mtime, int replace) noexcept
{
    if (!file || file->fd < 0) {
        delete file;
        errno = EINVAL;
        return -1;
    }
    Pending f(file);
    try {
        if (set_mtime)
            set_time(*f, mtime);
        if (f->anonymous)
            return commit_anonymous(*f, replace != 0);
        if (f->close_fd() != 0)
            return fail_close(*f);
        return rename_into_place(*f, replace != 0);
    } catch (const std::bad_alloc &) {
        errno = ENOMEM;
        return -1;
    }
}

extern "C" void pending_file_discard(pending_file_t *file) noexcept
{
    delete file;
}
