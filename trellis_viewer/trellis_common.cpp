// File helpers of the library over UTF-8 paths with backslash separators,
// the cancellable copy, the tree removal, and the defensive catalogue open.
#include "trellis_common.h"
#include "trellis_raii.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace orvex::trellis {

fs::path native_path(const std::string &utf8)
{
#if defined(_WIN32)
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
#else
    std::string s = utf8;
    for (char &c : s)
        if (c == '\\')
            c = '/';
    return fs::path(s);
#endif
}

std::string join(const std::string &a, const std::string &b)
{
    std::string out = a;
    out += '\\';
    out += b;
    return out;
}

int is_folder_exist(const std::string &path)
{
    std::error_code ec;
    auto st = fs::status(native_path(path), ec);
    if (ec) {
        if (ec == std::errc::no_such_file_or_directory || ec == std::errc::not_a_directory)
            return 0;
        return -1;
    }
    return st.type() == fs::file_type::directory ? 1 : 0;
}

int is_file_exist(const std::string &path)
{
    std::error_code ec;
    auto st = fs::status(native_path(path), ec);
    return (!ec && st.type() != fs::file_type::not_found) ? 1 : 0;
}

FILE *trellis_fopen(const std::string &path, const char *mode)
{
    fs::path p = native_path(path);
#if defined(_WIN32)
    std::wstring wmode(mode, mode + std::strlen(mode));
    FILE *f = _wfopen(p.c_str(), wmode.c_str());
#else
    FILE *f = std::fopen(p.c_str(), mode);
#endif
    if (!f) {
        int err = errno;
        std::printf("open %s failed, errno %d\n", path.c_str(), err);
        errno = err;
    }
    return f;
}

int trellis_mkdir(const std::string &dir)
{
#if defined(_WIN32)
    std::error_code ec;
    return fs::create_directory(native_path(dir), ec) ? 0 : -1;
#else
    // Every folder the library makes holds working copies of a backup's
    // catalogue and descriptors: readable by its owner only.
    return ::mkdir(native_path(dir).c_str(), 0700) == 0 ? 0 : -1;
#endif
}

int trellis_stat(const std::string &path, struct stat *st)
{
#if defined(_WIN32)
    return _wstat64(native_path(path).c_str(), st);
#else
    return ::stat(native_path(path).c_str(), st);
#endif
}

int trellis_vesk_dirname(const char *path, char *buf, size_t buf_size)
{
    const char *cut = std::strrchr(path, '\\');
#if !defined(_WIN32)
    // On POSIX a caller's own path arrives with '/', so it separates too.
    const char *slash = std::strrchr(path, '/');
    if (!cut || (slash && slash > cut))
        cut = slash;
#endif
    if (!cut)
        return -1;
    size_t n = static_cast<size_t>(cut - path);
    if (n + 1 > buf_size)
        return -1;
    std::memcpy(buf, path, n);
    buf[n] = '\0';
    return 0;
}

int list_folder_names(const std::string &dir, std::vector<std::string> &names)
{
    std::error_code ec;
    fs::directory_iterator it(native_path(dir), ec);
    if (ec)
        return -1;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            return -1;
#if defined(_WIN32)
        auto u8 = it->path().filename().u8string();
        names.emplace_back(u8.begin(), u8.end());
#else
        names.push_back(it->path().filename().string());
#endif
    }
    return ec ? -1 : 0;
}

int remove_directory(const std::string &path)
{
    std::vector<std::string> names;
    if (list_folder_names(path, names) != 0)
        return -1;
    for (const auto &name : names) {
        std::string full = join(path, name);
        std::error_code ec;
        // symlink_status: a link (or junction) is looked at, never through.
        auto st = fs::symlink_status(native_path(full), ec);
        if (ec)
            return -1;
        if (st.type() == fs::file_type::directory) {
            if (remove_directory(full) != 0)
                return -1;
        } else if (!fs::remove(native_path(full), ec) || ec) {
            return -1;
        }
    }
    std::error_code ec;
    return fs::remove(native_path(path), ec) && !ec ? 0 : -1;
}

namespace {

std::atomic<chunk_write_fn> g_write{nullptr};

#if !defined(_WIN32)
const char *kind_of(mode_t mode)
{
    if (S_ISLNK(mode))
        return "a symbolic link";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode))
        return "a character device";
    if (S_ISBLK(mode))
        return "a block device";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISDIR(mode))
        return "a folder";
    return "not a regular file";
}

// 0 when nothing is at `path` or a regular file is; else a message naming
// the file and -1 (ELOOP for a link, EINVAL for anything else).
int refuse_special(const std::string &path, const struct stat &sb)
{
    if (S_ISREG(sb.st_mode))
        return 0;
    std::printf("%s is %s, not a regular file: refused\n", native_path(path).c_str(), kind_of(sb.st_mode));
    errno = S_ISLNK(sb.st_mode) ? ELOOP : EINVAL;
    return -1;
}

// Opens without following a final link and without blocking (a FIFO or a
// device opened by mistake must not hang the caller), then checks that what
// was opened is the regular file looked at. Blocking again on success.
int open_regular(const std::string &path, int flags, int mode)
{
    const std::string native = native_path(path).string();
    struct stat before;
    bool existed = ::lstat(native.c_str(), &before) == 0;
    if (existed && refuse_special(path, before) != 0)
        return -1;
    int fd = ::open(native.c_str(), flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode);
    if (fd < 0) {
        int err = errno;
        std::printf("open %s failed, errno %d\n", path.c_str(), err);
        errno = err;
        return -1;
    }
    struct stat after;
    int bad = ::fstat(fd, &after) != 0 || refuse_special(path, after) != 0;
    if (!bad && existed && (after.st_dev != before.st_dev || after.st_ino != before.st_ino)) {
        std::printf("%s changed while it was opened: refused\n", path.c_str());
        errno = EINVAL;
        bad = 1;
    }
    if (bad) {
        int err = errno;
        ::close(fd);
        errno = err;
        return -1;
    }
    int fl = ::fcntl(fd, F_GETFL);
    if (fl >= 0)
        ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK);
    return fd;
}
#endif

// A descriptor closed when the owner goes away.
struct OwnedFd {
    int fd = -1;
    ~OwnedFd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release() { return std::exchange(fd, -1); }
};

} // namespace

int check_backup_file(const std::string &path)
{
#if defined(_WIN32)
    (void)path;
    return 0;
#else
    struct stat sb;
    if (::lstat(native_path(path).c_str(), &sb) != 0)
        return -1;
    return refuse_special(path, sb);
#endif
}

int open_backup_file(const std::string &path)
{
#if defined(_WIN32)
    return ::_wopen(native_path(path).c_str(), _O_RDONLY | _O_BINARY);
#else
    return open_regular(path, O_RDONLY, 0);
#endif
}

FILE *fopen_backup_file(const std::string &path)
{
#if defined(_WIN32)
    return trellis_fopen(path, "rb");
#else
    int fd = open_backup_file(path);
    if (fd < 0)
        return nullptr;
    FILE *f = ::fdopen(fd, "rb");
    if (!f)
        ::close(fd);
    return f;
#endif
}

int create_working_copy(const std::string &path)
{
#if defined(_WIN32)
    return ::_wopen(native_path(path).c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
    int fd = open_regular(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    // A file that was there already keeps its mode on open: copies of a
    // catalogue or a descriptor are their owner's alone.
    if (fd >= 0)
        ::fchmod(fd, 0600);
    return fd;
#endif
}

ssize_t write_all_at(int fd, const char *data, size_t len, int64_t offset)
{
    chunk_write_fn hook = g_write.load(std::memory_order_relaxed);
    size_t done = 0;
    while (done < len) {
        ssize_t n = hook ? hook(fd, data + done, len - done, offset + static_cast<int64_t>(done))
                         : ::pwrite(fd, data + done, len - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        if (n == 0) {
            errno = ENOSPC; // no progress: the medium took nothing more
            return -1;
        }
        done += static_cast<size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

void set_chunk_write_hook(chunk_write_fn fn)
{
    g_write.store(fn, std::memory_order_relaxed);
}

int copy_file_v2(const std::string &src_path, const std::string &dest_path, const char *folder_name,
                 const std::string &file_name, cancel_cbk callback, void *user_data)
{
    std::string folder = dest_path;
    if (folder_name && *folder_name) {
        folder = join(dest_path, folder_name);
        trellis_mkdir(folder);
    }
    OwnedFd src{open_backup_file(src_path)};
    if (src.fd < 0)
        return TV_FAILURE;
    OwnedFd dst{create_working_copy(join(folder, file_name))};
    if (dst.fd < 0)
        return TV_FAILURE;
    // Large reads and writes cut the system calls; the cancel is still
    // polled once per 4096-byte block, and a cancel keeps only the blocks
    // polled so far.
    constexpr size_t kBlock = 4096;
    std::vector<char> piece(256 * kBlock);
    int64_t at = 0;
    for (;;) {
        ssize_t got = ::read(src.fd, piece.data(), piece.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return TV_FAILURE;
        if (got == 0)
            break;
        size_t keep = static_cast<size_t>(got);
        bool cancelled = false;
        for (size_t off = 0; callback && off < keep; off += kBlock)
            if (callback(user_data) != 0) {
                keep = std::min(off + kBlock, keep);
                cancelled = true;
                break;
            }
        if (write_all_at(dst.fd, piece.data(), keep, at) < 0)
            return -1; // errno tells a full disk
        if (cancelled)
            return -2;
        at += got;
    }
    // A failing close of a written file is a short write too.
    if (::close(dst.release()) != 0)
        return -1;
    return 0;
}

int copy_file(const std::string &src_path, const std::string &dest_path, const char *folder_name,
              const std::string &file_name)
{
    return copy_file_v2(src_path, dest_path, folder_name, file_name, nullptr, nullptr);
}

void make_32bits_key(const char *password, unsigned char key[32])
{
    size_t len = std::strlen(password);
    for (size_t i = 0; i < 32; ++i)
        key[i] = static_cast<unsigned char>(password[i % len]);
}

int open_catalogue(const std::string &path, int flags, sqlite3 **out)
{
    *out = nullptr;
    Db db;
#if defined(_WIN32)
    std::string name = path;
#else
    std::string name = native_path(path).string();
#endif
    // SQLite opens the file itself: a FIFO would block it and a link would
    // be followed, so anything but a regular file is refused first.
    if (check_backup_file(path) != 0 && (errno != ENOENT || !(flags & SQLITE_OPEN_CREATE)))
        return -1;
    if (sqlite3_open_v2(name.c_str(), db.out(), flags, nullptr) != SQLITE_OK)
        return -1;
    // Catalogues come from a backup medium: never let their schema run
    // functions or corrupt the connection's view of the file.
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_exec(db.get(), "PRAGMA cell_size_check=ON", nullptr, nullptr, nullptr);
    sqlite3_busy_timeout(db.get(), 2000);
    *out = db.release();
    return 0;
}

} // namespace orvex::trellis
