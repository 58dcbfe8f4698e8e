// File helpers of the library over UTF-8 paths with backslash separators,
// the cancellable copy, the tree removal, and the defensive catalogue open.
#include "trellis_common.h"
#include "trellis_raii.h"

#include <cerrno>
#include <cstring>
#include <system_error>

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
    std::error_code ec;
    return fs::create_directory(native_path(dir), ec) ? 0 : -1;
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

int copy_file_v2(const std::string &src_path, const std::string &dest_path, const char *folder_name,
                 const std::string &file_name, cancel_cbk callback, void *user_data)
{
    std::string folder = dest_path;
    if (folder_name && *folder_name) {
        folder = join(dest_path, folder_name);
        trellis_mkdir(folder);
    }
    // Larger stream buffers cut the system calls; the copy still moves and
    // polls in 4096-byte blocks. Declared first: the streams use them until
    // they are closed.
    std::vector<char> src_buf(1 << 20), dst_buf(1 << 20);
    File src(trellis_fopen(src_path, "rb"));
    if (!src)
        return TV_FAILURE;
    File dst(trellis_fopen(join(folder, file_name), "wb"));
    if (!dst)
        return TV_FAILURE;
    std::setvbuf(src.get(), src_buf.data(), _IOFBF, src_buf.size());
    std::setvbuf(dst.get(), dst_buf.data(), _IOFBF, dst_buf.size());
    std::vector<char> block(4096);
    for (;;) {
        size_t got = std::fread(block.data(), 1, block.size(), src.get());
        if (got == 0) {
            if (std::ferror(src.get()))
                return TV_FAILURE;
            break;
        }
        if (std::fwrite(block.data(), 1, got, dst.get()) != got)
            return -1;
        if (callback && callback(user_data) != 0)
            return -2;
    }
    // Buffered bytes reach the disk only at close: a failing close is a
    // short write too.
    if (dst.close() != 0)
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
