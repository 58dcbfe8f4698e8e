// The folder session: opening (job information file, password, catalogue
// discovery, working folder, copy and merge, bookkeeping), closing, the
// version list, and the exported C calls of this layer.
#include "trellis_common.h"
#include "trellis_raii.h"

#include "restore.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <random>

#ifndef TRELLIS_BUILD_ID
#define TRELLIS_BUILD_ID "0000000000000000000000000000000000000000"
#endif

namespace orvex::trellis {

namespace {

const std::string kFullPrefix = "HalvernTrellisSync_full_";

// The number of a full catalogue name ("HalvernTrellisSync_full_%d.db"
// exactly, so "007" or a differential name does not count).
bool parse_full_number(const std::string &name, long long &number)
{
    const std::string suffix = ".db";
    if (name.size() <= kFullPrefix.size() + suffix.size() || name.compare(0, kFullPrefix.size(), kFullPrefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    std::string digits = name.substr(kFullPrefix.size(), name.size() - kFullPrefix.size() - suffix.size());
    if (digits.empty() || digits.size() > 10)
        return false;
    long long v = 0;
    size_t i = 0;
    bool neg = digits[0] == '-';
    if (neg)
        i = 1;
    if (i >= digits.size())
        return false;
    for (; i < digits.size(); ++i) {
        if (digits[i] < '0' || digits[i] > '9')
            return false;
        v = v * 10 + (digits[i] - '0');
    }
    if (neg)
        v = -v;
    if (v < INT32_MIN || v > INT32_MAX || std::to_string(v) != digits)
        return false;
    number = v;
    return true;
}

// A fresh "trellis-XXXXXX" folder under `parent`, its six X drawn from the
// system's random source; "" when none could be made.
std::string make_random_folder(const std::string &parent)
{
    static const char chars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device rd;
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof chars) - 2);
    for (int attempt = 0; attempt < 64; ++attempt) {
        std::string name = "trellis-";
        for (int i = 0; i < 6; ++i)
            name += chars[pick(rd)];
        std::string folder = join(parent, name);
        if (is_file_exist(folder))
            continue;
        if (trellis_mkdir(folder) == 0)
            return folder;
        if (errno != EEXIST)
            break; // errno tells the caller why
    }
    return {};
}

// In a caller's own temporary folder only our files go, never the folder.
void remove_working_files(const std::string &working, const std::vector<std::string> &names)
{
    std::error_code ec;
    for (const char *n : {kViewerName, kBookkeepingName}) {
        std::filesystem::remove(native_path(join(working, n)), ec);
        std::filesystem::remove(native_path(join(working, std::string(n) + "-wal")), ec);
        std::filesystem::remove(native_path(join(working, std::string(n) + "-shm")), ec);
        std::filesystem::remove(native_path(join(working, std::string(n) + "-journal")), ec);
    }
    for (size_t i = 1; i < names.size(); ++i)
        std::filesystem::remove(native_path(join(working, names[i])), ec);
    if (is_folder_exist(join(working, "filedesc")) == 1)
        remove_directory(join(working, "filedesc"));
}

void discard_working(const std::string &working, bool owns, const std::vector<std::string> &names)
{
    if (owns)
        remove_directory(working);
    else
        remove_working_files(working, names);
}

int read_whole(FILE *f, std::string &text)
{
    text.clear();
    char block[8192];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, f)) > 0)
        text.append(block, got);
    return std::ferror(f) ? -1 : 0;
}

void copy_cut(char *dst, size_t room, const std::string &src)
{
    size_t n = std::min(src.size(), room - 1);
    std::memcpy(dst, src.data(), n);
    dst[n] = '\0';
}

int close_session(TRELLIS_VESK_CLIENT *c)
{
    // Statements kept by restores live on the catalogue: they go first.
    release_restore_state(c);
    release_path_cache(c);
    if (c->db) {
        if (sqlite3_close(c->db) != SQLITE_OK)
            return TV_FAILURE;
        c->db = nullptr;
    }
    if (c->dedup_restore_instance) {
        restore_destroy_instance(c->dedup_restore_instance);
        c->dedup_restore_instance = nullptr;
    }
    if (c->use_temp) {
        if (c->owns_working_folder)
            remove_directory(c->working_folder);
        else
        {
            std::vector<std::string> names;
            get_db_list(c->db_home, names);
            remove_working_files(c->working_folder, names);
        }
    }
    std::memset(c->decrypt_password, 0, sizeof c->decrypt_password);
    delete c;
    return TV_OK;
}

int prepare_catalogue(const std::string &home, const std::string &working, bool use_temp,
                      const std::vector<std::string> &names, cancel_cbk callback, void *user_data)
{
    if (names.empty())
        return TV_OK; // nothing to copy; an existing viewer copy may still serve
    // A copy that fails half-way must never pass for current later on.
    std::error_code ec;
    std::filesystem::remove(native_path(join(working, kBookkeepingName)), ec);

    auto map_copy = [](int rc) { return rc == -1 ? TV_SHORT_WRITE : rc == -2 ? TV_CANCELLED : TV_FAILURE; };
    if (names.size() == 2 && use_temp) {
        int rc = copy_file_v2(join(home, names[1]), working, nullptr, names[1], callback, user_data);
        if (rc != 0)
            return map_copy(rc);
    }
    // The viewer copy is rebuilt from scratch: drop any journal of an old one.
    for (const char *suffix : {"-wal", "-shm", "-journal"})
        std::filesystem::remove(native_path(join(working, std::string(kViewerName) + suffix)), ec);
    int rc = copy_file_v2(join(home, names[0]), working, nullptr, kViewerName, callback, user_data);
    if (rc != 0)
        return map_copy(rc);
    if (names.size() == 2) {
        const std::string db_names[2] = {kViewerName, names[1]};
        rc = merge_db(working, db_names, callback, user_data);
        if (rc == -2)
            return TV_CANCELLED;
        if (rc != 0)
            return TV_FAILURE;
    }
    Db viewer;
    if (open_catalogue(join(working, kViewerName), SQLITE_OPEN_READWRITE, viewer.out()) == 0)
        ensure_viewer_indexes(viewer.get());
    return TV_OK;
}

int open_session(const char *vesk_path, const char *decrypt_password, void **inst, const char *temp_path,
                 char create_random_folder, cancel_cbk callback, void *user_data)
{
    if (!vesk_path || !inst)
        return TV_FAILURE;
    *inst = nullptr;

    // The job information file.
    std::string info_path;
    if (is_folder_exist(vesk_path) == 1)
        info_path = join(vesk_path, kInfoName);
    else if (is_file_exist(vesk_path) == 1)
        info_path = vesk_path;
    else
        return TV_NO_VERSION;
    std::string text;
    {
        File info(fopen_backup_file(info_path));
        if (!info)
            return TV_NOT_FOUND;
        if (read_whole(info.get(), text) != 0)
            return TV_NOT_FOUND;
    }
    // The text is searched as a C string, as the file was written.
    text.resize(std::strlen(text.c_str()));

    // Job id, signature, password.
    std::string job_id, signature;
    if (get_job_id(text, job_id) != 0)
        return TV_FAILURE;
    if (get_signature(text, signature) != 0)
        return TV_FAILURE;
    if (!signature.empty()) {
        if (!decrypt_password)
            return TV_PASSWORD;
        if (check_password(job_id, signature, decrypt_password) != 0)
            return TV_PASSWORD;
    }

    // The backup folder and its catalogues.
    std::vector<char> home_buf(kMaxPath + 1);
    if (trellis_vesk_dirname(info_path.c_str(), home_buf.data(), home_buf.size()) != 0)
        return TV_FAILURE;
    const std::string home = home_buf.data();
    std::vector<std::string> names;
    if (get_db_list(home, names) < 0)
        return TV_FAILURE;

    // The working folder. A temporary folder that was asked for and cannot
    // serve is an error: falling back to the backup folder would write
    // copies where the caller never meant them to go.
    const bool use_temp = temp_path && *temp_path;
    if (use_temp && is_folder_exist(temp_path) != 1) {
        std::printf("temporary folder %s does not exist or is not a folder\n", temp_path);
        return TV_FAILURE;
    }
    bool owns = false;
    std::string working = home;
    if (use_temp) {
        if (create_random_folder == 1) {
            working = make_random_folder(temp_path);
            if (working.empty()) {
                std::printf("cannot create a working folder in %s, errno %d\n", temp_path, errno);
                return TV_FAILURE;
            }
            owns = true;
        } else {
            working = temp_path;
        }
        if (trellis_mkdir(join(working, "filedesc")) != 0 && is_folder_exist(join(working, "filedesc")) != 1) {
            std::printf("cannot write in the temporary folder %s, errno %d\n", working.c_str(), errno);
            if (owns)
                remove_directory(working);
            return TV_FAILURE;
        }
    }
    if (working.size() > kMaxPath) {
        if (owns)
            remove_directory(working);
        return TV_FAILURE;
    }

    // The viewer catalogue, copied and merged unless still current.
    if (check_db_info(working, home, names) != 0) {
        int rc = prepare_catalogue(home, working, use_temp, names, callback, user_data);
        if (rc == TV_OK && !names.empty() && save_db_info(working, home, names) != 0)
            rc = TV_FAILURE;
        if (rc != TV_OK) {
            if (use_temp)
                discard_working(working, owns, names);
            return rc;
        }
    }

    // The session.
    std::unique_ptr<TRELLIS_VESK_CLIENT> c(new (std::nothrow) TRELLIS_VESK_CLIENT{});
    if (!c) {
        if (use_temp)
            discard_working(working, owns, names);
        return TV_FAILURE;
    }
    c->use_temp = use_temp ? 1 : 0;
    c->owns_working_folder = owns ? 1 : 0;
    copy_cut(c->db_home, sizeof c->db_home, home);
    copy_cut(c->working_folder, sizeof c->working_folder, working);
    std::string viewer = join(working, kViewerName);
    if (is_file_exist(viewer) != 1 || open_catalogue(viewer, SQLITE_OPEN_READWRITE, &c->db) != 0) {
        if (c->db) {
            sqlite3_close_v2(c->db);
            c->db = nullptr;
        }
        close_session(c.release());
        return TV_FAILURE;
    }
    // A copy in a working folder this session made is opened by nobody else,
    // and the session only reads it (the merge wrote it through its own
    // connection, in one transaction, before this). Keeping the lock spares
    // every statement its lock, unlock and check of the file header. A copy
    // in a folder others may share keeps SQLite's ordinary locking.
    if (owns)
        sqlite3_exec(c->db, "PRAGMA locking_mode=EXCLUSIVE", nullptr, nullptr, nullptr);
    copy_cut(c->decrypt_password, sizeof c->decrypt_password, decrypt_password ? decrypt_password : "");
    if (initialize_dedup_restore_instance(c.get()) != 0) {
        close_session(c.release());
        return TV_FAILURE;
    }
    *inst = c.release();
    return TV_OK;
}

} // namespace

int get_db_list(const std::string &folder, std::vector<std::string> &names)
{
    names.clear();
    std::vector<std::string> entries;
    if (list_folder_names(folder, entries) != 0)
        return -1;
    bool found = false;
    long long best = 0;
    for (const auto &e : entries) {
        long long n;
        if (parse_full_number(e, n) && (!found || n > best)) {
            best = n;
            found = true;
        }
    }
    if (!found)
        return 0;
    names.push_back(kFullPrefix + std::to_string(best) + ".db");
    const std::string diff = kFullPrefix + std::to_string(best) + "_diff.db";
    for (const auto &e : entries)
        if (e == diff) {
            names.push_back(diff);
            break;
        }
    return static_cast<int>(names.size());
}

int check_db_info(const std::string &working, const std::string &home, const std::vector<std::string> &names)
{
    const std::string path = join(working, kBookkeepingName);
    if (is_file_exist(path) != 1 || names.empty())
        return -1;
    // The bookkeeping row is worthless without the copy it describes.
    if (is_file_exist(join(working, kViewerName)) != 1)
        return -1;
    Db db;
    if (open_catalogue(path, SQLITE_OPEN_READONLY, db.out()) != 0)
        return -1;
    Stmt st;
    if (st.prepare(db.get(), "SELECT name, size, mtime FROM merged_db_source") != SQLITE_OK)
        return -1;
    size_t rows = 0;
    int rc;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
        if (++rows > names.size())
            return -1;
        const unsigned char *n = sqlite3_column_text(st.get(), 0);
        std::string row_name = n ? reinterpret_cast<const char *>(n) : "";
        uint32_t size = static_cast<uint32_t>(sqlite3_column_int64(st.get(), 1));
        int32_t mtime = static_cast<int32_t>(sqlite3_column_int64(st.get(), 2));
        bool matched = false;
        for (const auto &found : names)
            if (found == row_name)
                matched = true;
        if (!matched)
            return -1;
        struct stat sb;
        if (trellis_stat(join(home, row_name), &sb) != 0)
            return -1;
        if (static_cast<uint64_t>(sb.st_size) != size || static_cast<int64_t>(sb.st_mtime) != mtime)
            return -1;
    }
    if (rc != SQLITE_DONE)
        return -1;
    return rows == names.size() ? 0 : -1;
}

int save_db_info(const std::string &working, const std::string &home, const std::vector<std::string> &names)
{
    Db db;
    if (open_catalogue(join(working, kBookkeepingName), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, db.out()) != 0)
        return -1;
    // The record is only a shortcut: losing it costs one more copy, so it is
    // not worth waiting for the disk.
    sqlite3_exec(db.get(), "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
    if (sqlite3_exec(db.get(), "DROP TABLE IF EXISTS merged_db_source", nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_exec(db.get(),
                     "CREATE TABLE IF NOT EXISTS merged_db_source( name TEXT, size INTEGER, mtime INTEGER, "
                     "PRIMARY KEY(name))",
                     nullptr, nullptr, nullptr) != SQLITE_OK)
        return -1;
    Stmt st;
    if (st.prepare(db.get(), "INSERT INTO merged_db_source(name, size, mtime) VALUES (?, ?, ?)") != SQLITE_OK)
        return -1;
    for (const auto &name : names) {
        struct stat sb;
        if (trellis_stat(join(home, name), &sb) != 0)
            return -1;
        if (sqlite3_bind_text(st.get(), 1, name.c_str(), -1, SQLITE_TRANSIENT) != SQLITE_OK ||
            sqlite3_bind_int(st.get(), 2, static_cast<int>(static_cast<uint32_t>(sb.st_size))) != SQLITE_OK ||
            sqlite3_bind_int(st.get(), 3, static_cast<int>(static_cast<uint32_t>(sb.st_mtime))) != SQLITE_OK)
            return -1;
        int rc = sqlite3_step(st.get());
        if (rc != SQLITE_DONE) {
            std::printf("update failed %d %s\n", rc, sqlite3_errmsg(db.get()));
            return -1;
        }
        if (sqlite3_reset(st.get()) != SQLITE_OK)
            return -1;
    }
    return 0;
}

int check_version(sqlite3 *db, int version)
{
    Stmt st;
    if (st.prepare(db, "SELECT version_no FROM version WHERE version_no=?") != SQLITE_OK)
        return TV_FAILURE;
    sqlite3_bind_int(st.get(), 1, version);
    int rc = sqlite3_step(st.get());
    if (rc == SQLITE_ROW)
        return 0;
    return rc == SQLITE_DONE ? -1 : TV_FAILURE;
}

} // namespace orvex::trellis

using namespace orvex::trellis;

extern "C" {

TRELLIS_VESK_API int trellis_vesk_open_v3(const char *vesk_path, const char *decrypt_password,
                                          void **trellis_vesk_inst, const char *temp_path,
                                          char create_random_folder, cancel_cbk callback, void *user_data) noexcept
{
    try {
        return open_session(vesk_path, decrypt_password, trellis_vesk_inst, temp_path, create_random_folder,
                            callback, user_data);
    } catch (...) {
        return TV_FAILURE;
    }
}

TRELLIS_VESK_API int trellis_vesk_open_v2(const char *vesk_path, const char *decrypt_password,
                                          void **trellis_vesk_inst, const char *temp_path, cancel_cbk callback,
                                          void *user_data) noexcept
{
    return trellis_vesk_open_v3(vesk_path, decrypt_password, trellis_vesk_inst, temp_path, 1, callback,
                                user_data);
}

TRELLIS_VESK_API int trellis_vesk_open(const char *vesk_path, const char *decrypt_password, void **trellis_vesk_inst,
                                       const char *temp_path) noexcept
{
    return trellis_vesk_open_v3(vesk_path, decrypt_password, trellis_vesk_inst, temp_path, 1, nullptr, nullptr);
}

TRELLIS_VESK_API int trellis_vesk_close(void *trellis_vesk_inst) noexcept
{
    if (!trellis_vesk_inst)
        return TV_OK;
    try {
        return close_session(static_cast<TRELLIS_VESK_CLIENT *>(trellis_vesk_inst));
    } catch (...) {
        return TV_FAILURE;
    }
}

TRELLIS_VESK_API int trellis_vesk_list_versions(void *trellis_vesk_inst, trellis_vesk_list_version_callback callback,
                                                void *user_data) noexcept
{
    auto *c = static_cast<TRELLIS_VESK_CLIENT *>(trellis_vesk_inst);
    if (!c || !c->db || !callback)
        return TV_FAILURE;
    Stmt st;
    if (st.prepare(c->db, "SELECT version_no, start_time FROM version WHERE end_time is not null") != SQLITE_OK)
        return TV_FAILURE;
    int rc;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
        trellis_vesk_version v{};
        v.version_id = sqlite3_column_int(st.get(), 0);
        v.timestamp = sqlite3_column_int(st.get(), 1);
        if (callback(c, &v, user_data) != 0) {
            rc = SQLITE_DONE;
            break;
        }
    }
    if (rc != SQLITE_DONE)
        return TV_FAILURE;
    return st.finalize() == SQLITE_OK ? TV_OK : TV_FAILURE;
}

TRELLIS_VESK_API void trellis_vesk_print_version(void) noexcept
{
    std::printf("version: %s\n", TRELLIS_BUILD_ID);
}

} // extern "C"
