// Directory creation, classification and recursive removal.
#include "native_path.h"

#include "util/syscall.h"
#include "zlog.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using orvex::util::keep_errno;
using orvex::util::NativePath;

namespace {

bool is_dot_entry(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// mkdir of a native path; an existing directory (or a link to one) counts as
// created, anything else already at the path does not.
int make_one(const char *native, const char *shown)
{
    if (::mkdir(native, 0777) == 0)
        return 0;
    int err = errno;
    struct stat st;
    if (err == EEXIST && ::stat(native, &st) == 0 && S_ISDIR(st.st_mode))
        return 0;
    OLOG(OLOG_ERROR, "mkdir: %s, %s", shown, std::strerror(err));
    errno = err;
    return -1;
}

// Empties the directory open as `dfd` (taking ownership of it) and reports
// whether everything went. Entries are reached relative to their parent's
// descriptor and never through a link: a link, wherever it points, is
// unlinked as a link.
int empty_dir(int dfd, const std::string &shown, bool recurse)
{
    DIR *dir = ::fdopendir(dfd);
    if (!dir) {
        keep_errno([&] { OLOG(OLOG_ERROR, "opendir: %s, %s", shown.c_str(), std::strerror(errno)); });
        ::close(dfd);
        return -1;
    }
    int rc = 0;
    errno = 0;
    while (struct dirent *ent = ::readdir(dir)) {
        const char *name = ent->d_name;
        if (is_dot_entry(name))
            continue;
        std::string child = shown + "\\" + name;
        struct stat st;
        if (::fstatat(dfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
            OLOG(OLOG_WARN, "stat: %s, %s", child.c_str(), std::strerror(errno));
            errno = 0;
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            if (!recurse)
                continue; // the final rmdir reports the folder as not empty
            int sub = ::openat(dfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub < 0) {
                keep_errno([&] { OLOG(OLOG_ERROR, "open: %s, %s", child.c_str(), std::strerror(errno)); });
                rc = -1;
                break;
            }
            if (empty_dir(sub, child, recurse) != 0) {
                rc = -1;
                break;
            }
            if (::unlinkat(dfd, name, AT_REMOVEDIR) != 0) {
                keep_errno([&] { OLOG(OLOG_ERROR, "rmdir: %s, %s", child.c_str(), std::strerror(errno)); });
                rc = -1;
                break;
            }
        } else if (::unlinkat(dfd, name, 0) != 0) {
            keep_errno([&] { OLOG(OLOG_ERROR, "unlink: %s, %s", child.c_str(), std::strerror(errno)); });
            rc = -1;
            break;
        }
        OLOG(OLOG_DEBUG, "remove %s", child.c_str());
        errno = 0;
    }
    if (rc == 0 && errno != 0) {
        keep_errno([&] { OLOG(OLOG_ERROR, "readdir: %s, %s", shown.c_str(), std::strerror(errno)); });
        rc = -1;
    }
    int err = errno;
    ::closedir(dir); // also closes dfd
    errno = err;
    return rc;
}

int remove_tree(const char *directory, bool recurse)
{
    NativePath p(directory);
    if (!p.ok())
        return -1;
    struct stat st;
    if (::lstat(p.c_str(), &st) != 0) {
        keep_errno([&] { OLOG(OLOG_ERROR, "lstat: %s, %s", directory, std::strerror(errno)); });
        return -1;
    }
    if (S_ISLNK(st.st_mode)) {
        // A link given as the tree is removed as a link; its target stays.
        if (::unlink(p.c_str()) != 0) {
            keep_errno([&] { OLOG(OLOG_ERROR, "unlink: %s, %s", directory, std::strerror(errno)); });
            return -1;
        }
        return 0;
    }
    int dfd = ::open(p.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dfd < 0) {
        keep_errno([&] { OLOG(OLOG_ERROR, "opendir: %s, %s", directory, std::strerror(errno)); });
        return -1;
    }
    if (empty_dir(dfd, directory, recurse) != 0)
        return -1;
    if (::rmdir(p.c_str()) != 0) {
        keep_errno([&] { OLOG(OLOG_ERROR, "rmdir: %s, %s", directory, std::strerror(errno)); });
        return -1;
    }
    return 0;
}

} // namespace

extern "C" int do_mkdir(const char *path) noexcept
{
    NativePath p(path);
    return p.ok() ? make_one(p.c_str(), path) : -1;
}

// The process umask is left alone: changing it is visible to every thread
// of the host process, which could then create files wider open than meant.
extern "C" int mkdir_p(const char *dir) noexcept
{
    if (!dir || !*dir) {
        errno = dir ? ENOENT : EINVAL;
        return -1;
    }
    NativePath p(dir); // fails with ENAMETOOLONG before anything touches the disk
    if (!p.ok())
        return -1;
    char work[ORVEX_MAX_PATH + 1];
    std::memcpy(work, p.c_str(), std::strlen(p.c_str()) + 1);
    for (char *sep = std::strchr(work + 1, '/'); sep; sep = std::strchr(sep + 1, '/')) {
        if (sep[-1] == '/')
            continue; // "a//b": the prefix was made at the first slash
        *sep = '\0';
        int rc = make_one(work, work);
        *sep = '/';
        if (rc != 0)
            return -1;
    }
    if (::access(work, F_OK) == 0) {
        struct stat st;
        if (::stat(work, &st) == 0 && S_ISDIR(st.st_mode))
            return 0;
        OLOG(OLOG_ERROR, "do_mkdir: %s, %s", dir, std::strerror(ENOTDIR));
        errno = ENOTDIR;
        return -1;
    }
    if (errno != ENOENT) {
        keep_errno([&] { OLOG(OLOG_ERROR, "do_mkdir: %s, %s", dir, std::strerror(errno)); });
        return -1;
    }
    return make_one(work, dir);
}

extern "C" int rmdir_rf(const char *directory, int recurse) noexcept
{
    if (!directory)
        return 0;
    try {
        return remove_tree(directory, recurse != 0);
    } catch (...) { // allocation of a child path
        OLOG(OLOG_ERROR, "strdup: %s", directory);
        errno = ENOMEM;
        return -1;
    }
}

extern "C" int ckdir(const char *dir) noexcept
{
    errno = 0;
    orvex_dir_t *d = do_opendir(dir);
    if (!d)
        return errno == ENOENT ? DIR_NOEXIST : DIR_ERROR;
    errno = 0;
    int result = DIR_EMPTY;
    while (orvex_dirent_t *ent = ::readdir(d)) {
        if (!is_dot_entry(ent->d_name)) {
            result = DIR_NOEMPTY;
            break;
        }
    }
    int err = errno;
    ::closedir(d);
    errno = err;
    return err != 0 ? DIR_ERROR : result;
}
