// Internal interface of libtrellis-vesk: the session record, the file helpers
// over UTF-8 backslash paths, the job information file, the catalogue
// preparation and the catalogue queries shared by listing, statistics and
// restore. Nothing here is exported from the shared library; tests link the
// library's static twin to reach it.
#pragma once

#include "trellis_vesk.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace orvex::trellis {

constexpr const char *kInfoName = "HalvernTrellisSync.info";
constexpr const char *kViewerName = ".HalvernTrellisSync_viewer.db";
constexpr const char *kBookkeepingName = ".HalvernTrellisSync_info.db";
constexpr size_t kMaxPath = 4096;        // composed paths, without the NUL
constexpr size_t kJobIdLen = 36;
constexpr size_t kMaxSignature = 4095;   // signature characters kept
constexpr size_t kMaxPassword = 1023;    // password bytes kept

// Results shared by the exported calls.
enum : int {
    TV_OK = 0,
    TV_NO_VERSION = -1, // also: open path neither folder nor file
    TV_NOT_FOUND = -2,
    TV_PASSWORD = -3,
    TV_SHORT_WRITE = -4,
    TV_CANCELLED = -5,
    TV_FAILURE = -999,
};

} // namespace orvex::trellis

// The session behind the opaque handle.
typedef struct trellis_vesk_client {
    sqlite3 *db;
    void *dedup_restore_instance;
    char decrypt_password[1024];
    char db_home[4097];
    char working_folder[4097];
    int use_temp;
    // Working folder made by this session (a fresh "trellis-XXXXXX"); only
    // such a folder is removed whole at close. A caller's own temporary
    // folder loses only the files the session put there.
    int owns_working_folder;
    // What restores of this session keep between calls (the last descriptor
    // database, the chunk buffer); released by trellis_vesk_close.
    void *restore_state;
    // The folders whose paths this session resolved last (see resolve_path);
    // released by trellis_vesk_close.
    void *path_cache;
} TRELLIS_VESK_CLIENT;

namespace orvex::trellis {

// ---- file helpers (trellis_common.cpp) ------------------------------------
// Library paths use backslashes; on POSIX '\\' maps to '/'.
std::filesystem::path native_path(const std::string &utf8);
// a + '\\' + b
std::string join(const std::string &a, const std::string &b);

int is_folder_exist(const std::string &path);
int is_file_exist(const std::string &path);
FILE *trellis_fopen(const std::string &path, const char *mode);
// Creates one folder readable by its owner only (0700): every folder the
// library makes holds working copies. 0 or -1.
int trellis_mkdir(const std::string &dir);
int trellis_stat(const std::string &path, struct stat *st);
// Text before the last separator ('\\', and '/' on POSIX); -1 without one or
// when it would not fit `buf_size` bytes with its NUL.
int trellis_vesk_dirname(const char *path, char *buf, size_t buf_size);
// Names in a folder ("." and ".." left out); -1 when it cannot be listed.
int list_folder_names(const std::string &dir, std::vector<std::string> &names);
// Removes a folder tree; a symbolic link is removed as a link, never
// followed. 0, or -1.
int remove_directory(const std::string &path);
// Files of a backup folder (job information file, catalogues, descriptors,
// vaults) may be anything a medium or a hostile folder holds. They are opened
// for reading without blocking (a FIFO or a device never hangs the caller)
// and without following a final link; anything but a regular file is
// refused with a message naming it. A descriptor, or -1 with errno (ELOOP for
// a link, EINVAL for another kind).
int open_backup_file(const std::string &path);
// The same as a "rb" stream; NULL on failure.
FILE *fopen_backup_file(const std::string &path);
// For files that SQLite opens itself: 0 when `path` is a regular file (not a
// link); else -1 with errno (ENOENT when nothing is there; a message for any
// other kind).
int check_backup_file(const std::string &path);
// A copy in the working folder: created or emptied with mode 0600, never
// through a link, a FIFO or a device. A descriptor, or -1 with errno.
int create_working_copy(const std::string &path);
// Writes all `len` bytes at `offset` (through the test hook when one is
// set). `len`, or -1 with errno (ENOSPC when the medium took nothing more).
ssize_t write_all_at(int fd, const char *data, size_t len, int64_t offset);
// 0, -1 short write (errno tells a full disk), -2 cancelled, -999 source or
// destination not openable (or not a regular file). The destination is
// created with mode 0600.
int copy_file_v2(const std::string &src_path, const std::string &dest_path, const char *folder_name,
                 const std::string &file_name, cancel_cbk callback, void *user_data);
int copy_file(const std::string &src_path, const std::string &dest_path, const char *folder_name,
              const std::string &file_name);
// 32 bytes of the password repeated; the password must not be empty.
void make_32bits_key(const char *password, unsigned char key[32]);

// Opens an untrusted catalogue with SQLite's defensive settings.
int open_catalogue(const std::string &path, int flags, sqlite3 **db);

// ---- job information file and password (trellis_jobinfo.cpp) -------------
// 0 with the 36-character job id, -1 when absent or of another length.
int get_job_id(const std::string &text, std::string &job_id);
// 0 with the signature (empty: none), -1 when malformed.
int get_signature(const std::string &text, std::string &signature);
// Standard base64; see the definition for the exact rules. Returns the
// decoded length; `dst` NUL-terminated when there is room.
size_t b64_Decode_Ex(const char *src, size_t src_len, unsigned char *dst, size_t dst_size);
// 0 when `password` verifies against `signature` for `job_id`, else -1.
int check_password(const std::string &job_id, const std::string &signature, const std::string &password);

// ---- catalogue preparation (trellis_vesk_session.cpp) --------------------
// Number of catalogue names found (0, 1 or 2): full first, then differential.
int get_db_list(const std::string &folder, std::vector<std::string> &names);
// 0 when the viewer catalogue in `working` was built from exactly `names` of
// `home` as they are now, else -1.
int check_db_info(const std::string &working, const std::string &home, const std::vector<std::string> &names);
int save_db_info(const std::string &working, const std::string &home, const std::vector<std::string> &names);
int check_version(sqlite3 *db, int version);

// ---- merge (trellis_vesk_merge_db.cpp) -----------------------------------
// Merges source `db_names[1]` into target `db_names[0]`, both in `dir`.
// 0, -1 failure, -2 cancelled. The target is unchanged after a failure or
// cancel (one transaction).
int merge_db(const std::string &dir, const std::string db_names[2], cancel_cbk callback, void *user_data);
int copy_db(sqlite3 *diff_db, sqlite3 *full_db, cancel_cbk callback, void *user_data);
// Table names in database order; -1 when the query cannot be prepared.
int list_tables(sqlite3 *db, std::vector<std::string> &names);
// Column names in column order; -1 when the query cannot be prepared.
int get_column_names(sqlite3 *db, const std::string &table, std::vector<std::string> &names);
// 0 when `query` begins with one of the names, else -1.
int is_string_in_array(const std::vector<std::string> &names, const std::string &query);
// "name" with inner quotes doubled: safe as an SQL identifier.
std::string quote_identifier(const std::string &name);

// ---- paths, listing, statistics (trellis_vesk_path.cpp) ------------------
// Row id of the entry at `path`, -1 when a name does not exist, -999 on
// failure.
long long get_path_id(sqlite3 *db, const char *path);
// The same with its two statements kept by the caller between calls
// (prepared on first use, reset after each; the caller finalises them).
long long get_path_id_cached(sqlite3 *db, const char *path, sqlite3_stmt **root, sqlite3_stmt **step);
// get_path_id for the session's catalogue, starting from the longest path
// among the last folders it resolved instead of from the root: a caller that
// walks a tree folder by folder pays one lookup per folder, not one per
// folder and level (a chain of 2,000 nested folders would otherwise take
// two million). Same results as get_path_id.
long long resolve_path(TRELLIS_VESK_CLIENT *c, const char *path);
// Drops what resolve_path kept (before the catalogue is closed).
void release_path_cache(TRELLIS_VESK_CLIENT *c);
struct attr_info {
    long long size;
    long long mtime;
};
// An attribute record shorter than this lacks the size (bytes 12..19) or the
// time (from byte 20): a file with such a record is not restored.
constexpr int kAttrMinBytes = 24;
attr_info parse_attr(const void *blob, int len);
// Indexes that the listing and the path lookup need, on the viewer copy.
void ensure_viewer_indexes(sqlite3 *db);

// ---- file restore (trellis_vesk_restore.cpp) -----------------------------
// Sets up the session's restore-engine instance (vault folder, key from the
// password, single-chunk order). 0, or -1 with nothing left behind.
int initialize_dedup_restore_instance(TRELLIS_VESK_CLIENT *client);
// Releases what restores kept in the session (see restore_state).
void release_restore_state(TRELLIS_VESK_CLIENT *client);
// How many descriptor rows restores of this session hold in memory, over
// all descriptors and for one (a larger descriptor is queried per file);
// for tests of both ways. Drops what is held.
void set_held_descriptor_rows(TRELLIS_VESK_CLIENT *client, size_t total, size_t each);
// Reads and checks every chunk of the file at `path` in `version` without
// writing anything, as a restore would (digests, coverage of the recorded
// size, attribute record). `progress` (may be NULL) gets the percent read
// after each chunk; non-zero cancels. `unchecked_chunks` (may be NULL) is
// increased by the number of tvt chunks read that carry no digest (an
// all-zero field), which could not be checked. Results as
// trellis_vesk_restore_file.
typedef int (*verify_progress_fn)(float progress, void *user_data);
int verify_file(TRELLIS_VESK_CLIENT *c, int version, const char *path, verify_progress_fn progress,
                void *user_data, long long *unchecked_chunks = nullptr);
// Test seam: replaces pwrite for every write of restored chunks and of copies
// into the working folder (NULL restores pwrite). Lets tests make the disk
// "full".
typedef ssize_t (*chunk_write_fn)(int fd, const void *data, size_t len, int64_t offset);
void set_chunk_write_hook(chunk_write_fn fn);

} // namespace orvex::trellis
