/* libtrellis-vesk: reader of Trellis Sync backup folders.
 *
 * A session opens one backup folder (its folder or its job information file),
 * checks the password against the signature of the job information file,
 * prepares a viewer copy of the catalogue in a working folder and then answers
 * version lists, folder listings, statistics and file restores by version.
 *
 * All strings are NUL-terminated UTF-8. Catalogue paths are names separated by
 * backslashes; "\" and "" name the root. A session is used by one thread at a
 * time; the library starts no threads and takes no locks. Records handed to a
 * callback are valid only during that call. A non-zero callback result stops
 * the operation.
 *
 * Results: 0 on success; -1 no such version (or path for open), -2 path not
 * found or not openable, -3 missing or wrong password, -4 disk full or short
 * write, -5 cancelled, -999 every other failure.
 *
 * Export ordinals (trellis_vesk.def) are fixed: programs bind by ordinal.
 */
#ifndef TRELLIS_VESK_H
#define TRELLIS_VESK_H

#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

/* One finished version of the backup. */
typedef struct trellis_vesk_version {
    int timestamp;  /* start time of the version, seconds since 1970 */
    int version_id; /* version number */
} trellis_vesk_version;

typedef enum trellis_vesk_file_type {
    TRELLIS_VESK_FILE = 0,
    TRELLIS_VESK_DIR = 1
} trellis_vesk_file_type;

/* One listed entry of a folder. */
typedef struct trellis_vesk_item {
    char name[256];  /* entry name, cut at 255 bytes, NUL-terminated */
    long long size;  /* bytes */
    long long mtime; /* modification time, seconds since 1970 */
    char type;       /* a trellis_vesk_file_type */
} trellis_vesk_item;

/* Everything below a folder at any depth (not the folder itself). */
typedef struct trellis_vesk_stat {
    int folder_count;
    int file_count;
    long long total_size;
} trellis_vesk_stat;

/* Polled during the catalogue copy and merge; non-zero cancels. */
typedef int (*cancel_cbk)(void *user_data);

/* One call per finished version; non-zero stops the listing. */
typedef int (*trellis_vesk_list_version_callback)(void *trellis_vesk_inst, trellis_vesk_version *version,
                                                  void *user_data);

/* One call per entry, files first then folders, each group in byte order of
 * the name; non-zero stops the listing (the listing still returns 0). */
typedef int (*trellis_vesk_list_folder_callback)(void *trellis_vesk_inst, int version_id, const char *path,
                                                 trellis_vesk_item *item, void *user_data);

/* status -1: the destination exists and overwrite is 0 (progress 0);
 * status 0: running, progress in percent; status 1: done (progress 100).
 * A non-zero result cancels the restore (see trellis_vesk_restore_file). */
typedef int (*trellis_vesk_restore_file_progress_cbk)(void *trellis_vesk_inst, int version_id, const char *path,
                                                      const char *dst_path, int status, float progress,
                                                      void *user_data);

/* Ordinal 1. Closes the viewer catalogue, releases the restore engine and, in
 * temporary mode, removes the working folder. NULL gives 0. -999 when the
 * catalogue cannot be closed (the session then stays valid). */
TRELLIS_VESK_API int trellis_vesk_close(void *trellis_vesk_inst) ORVEX_NOEXCEPT;

/* Ordinal 2. Sums folders, files and bytes below `path` in `version_id`.
 * 0, -1 no such version, -999 failure (including a path that does not exist). */
TRELLIS_VESK_API int trellis_vesk_get_stat_sum(void *trellis_vesk_inst, int version_id, const char *path,
                                               trellis_vesk_stat *result) ORVEX_NOEXCEPT;

/* Ordinal 3. Lists one folder as it stood in `version_id`.
 * 0 (also when the callback stopped early), -1 no such version, -2 no such
 * path, -999 failure. */
TRELLIS_VESK_API int trellis_vesk_list_folder(void *trellis_vesk_inst, int version_id, const char *path,
                                              trellis_vesk_list_folder_callback callback,
                                              void *user_data) ORVEX_NOEXCEPT;

/* Ordinal 4. Lists the finished versions. 0, or -999 on a database failure. */
TRELLIS_VESK_API int trellis_vesk_list_versions(void *trellis_vesk_inst, trellis_vesk_list_version_callback callback,
                                                void *user_data) ORVEX_NOEXCEPT;

/* Ordinal 5. trellis_vesk_open_v3 with a fresh working folder and no cancel. */
TRELLIS_VESK_API int trellis_vesk_open(const char *vesk_path, const char *decrypt_password, void **trellis_vesk_inst,
                                       const char *temp_path) ORVEX_NOEXCEPT;

/* Ordinal 6. trellis_vesk_open_v3 with a fresh working folder. */
TRELLIS_VESK_API int trellis_vesk_open_v2(const char *vesk_path, const char *decrypt_password,
                                          void **trellis_vesk_inst, const char *temp_path, cancel_cbk callback,
                                          void *user_data) ORVEX_NOEXCEPT;

/* Ordinal 7. Opens a backup folder (or its job information file).
 * `decrypt_password`, `temp_path` and `callback` may be NULL. With a
 * `temp_path` the working folder lives there (a fresh "trellis-XXXXXX"
 * sub-folder, mode 0700, when `create_random_folder` is 1) and is removed at
 * close; a `temp_path` that is not an existing, writable folder fails the
 * open (-999) rather than writing anywhere else. With a NULL or empty
 * `temp_path` the working folder is the backup folder itself.
 * 0 with *trellis_vesk_inst set; -1 path neither folder nor file; -2 job
 * information file not openable; -3 password missing or wrong; -4 short
 * write of a catalogue copy; -5 cancelled; -999 other failure. */
TRELLIS_VESK_API int trellis_vesk_open_v3(const char *vesk_path, const char *decrypt_password,
                                          void **trellis_vesk_inst, const char *temp_path,
                                          char create_random_folder, cancel_cbk callback,
                                          void *user_data) ORVEX_NOEXCEPT;

/* Ordinal 8. Prints "version: <40 hex digits>\n" on standard output. */
TRELLIS_VESK_API void trellis_vesk_print_version(void) ORVEX_NOEXCEPT;

/* Ordinal 9. Restores one file of `version_id` to `dst_path` (full path of
 * the file; its folder must exist). `progress_cbk` must not be NULL.
 * 0, -1 no such version, -2 no such path, -4 disk full, -999 other failure
 * (including a cancel). */
TRELLIS_VESK_API int trellis_vesk_restore_file(void *trellis_vesk_inst, int version_id, const char *path,
                                               const char *dst_path, int overwrite,
                                               trellis_vesk_restore_file_progress_cbk progress_cbk,
                                               void *user_data) ORVEX_NOEXCEPT;

/* Ordinal 10. Reads the chunk record at `offset` of a tvt vault with the
 * 32-byte `key` into `buf` and checks it against the record's digest (the
 * content's SHA-256, else that of the stored chunk data; an all-zero digest
 * means none). The content length, or -1 header/memory/inflate failure, -2
 * chunk size not positive or beyond `buffer_size`, -3 short chunk data, -4
 * wrong magic or key, -5 vault not openable (also: not a regular file), -6
 * content that matches neither reading of its digest. */
TRELLIS_VESK_API int tvt_read_chunk(char *tvt_path, char *key, long long offset, char *buf,
                                    int buffer_size) ORVEX_NOEXCEPT;

/* What a verify saw besides its result. */
typedef struct trellis_vesk_verify_info {
    long long unchecked_chunks; /* tvt chunks read that carry no digest */
} trellis_vesk_verify_info;

/* Percent of the file read and checked; a non-zero result cancels. */
typedef int (*trellis_vesk_verify_progress_cbk)(void *trellis_vesk_inst, int version_id, const char *path,
                                                float progress, void *user_data);

/* Ordinal 11. Reads and checks every chunk of one file of `version_id`
 * (signatures, repair from parities, decryption, decompression) without
 * writing anything. `progress_cbk` and `info` may be NULL; `info` is filled
 * as far as the check went. 0, -1 no such version, -2 no such path, -999
 * a damaged or missing chunk, a cancel, or another failure. */
TRELLIS_VESK_API int trellis_vesk_verify_file(void *trellis_vesk_inst, int version_id, const char *path,
                                              trellis_vesk_verify_progress_cbk progress_cbk,
                                              trellis_vesk_verify_info *info, void *user_data) ORVEX_NOEXCEPT;

/* ---- Finding, history, differences and reading single files ------------
 *
 * The tree of a version: the entries reachable from the root through folders
 * that exist in that version. An entry whose own latest state is live but
 * whose folder was deleted (or became a file) is not part of it. Paths are in
 * the catalogue's form ("\docs\a.txt"). "Path order" below is depth first,
 * each folder's entries in byte order of their names (a folder's own entry
 * comes right before everything below it). */

/* Pass as version_id to trellis_vesk_find: every finished version. */
#define TRELLIS_VESK_ALL_VERSIONS (-1)

/* Flags of trellis_vesk_find. */
#define TRELLIS_VESK_FIND_NOCASE 1 /* letters match in either case (simple Unicode case folding) */
#define TRELLIS_VESK_FIND_PATH 2   /* match the whole path; then '*' and '?' match '\' too */

/* One entry of a version, handed to callbacks (valid during the call only). */
typedef struct trellis_vesk_entry {
    int version_id;   /* the version this state belongs to */
    const char *path; /* catalogue form, NUL-terminated UTF-8 */
    long long size;   /* recorded size in bytes (a link's data is not restored: see is_link) */
    long long mtime;  /* modification time, seconds since 1970 */
    char type;        /* a trellis_vesk_file_type */
    char is_link;     /* 1: a symbolic link, restored (and read) as an empty file */
} trellis_vesk_entry;

/* What happened to an entry from one version to another. */
typedef enum trellis_vesk_change {
    TRELLIS_VESK_ADDED = 0,     /* absent before, present now */
    TRELLIS_VESK_CHANGED = 1,   /* present in both, recorded state differs (kind, size, time, content or link) */
    TRELLIS_VESK_UNCHANGED = 2, /* present in both with the same recorded state */
    TRELLIS_VESK_DELETED = 3    /* present before, absent now */
} trellis_vesk_change;

/* One step of a history or one difference. For TRELLIS_VESK_DELETED `entry`
 * is the state the entry had before it went (its version_id is the version
 * that no longer has it in the history, the older version in a difference). */
typedef struct trellis_vesk_change_item {
    int change;          /* a trellis_vesk_change */
    long long timestamp; /* start time of entry.version_id, seconds since 1970 (0 in differences) */
    trellis_vesk_entry entry;
} trellis_vesk_change_item;

/* One call per match; non-zero stops the search (the call still returns 0). */
typedef int (*trellis_vesk_find_callback)(void *trellis_vesk_inst, const trellis_vesk_entry *entry,
                                          void *user_data);

/* One call per history step or difference; non-zero stops (result 0). */
typedef int (*trellis_vesk_change_callback)(void *trellis_vesk_inst, const trellis_vesk_change_item *item,
                                            void *user_data);

/* Ordinal 12. Finds the entries of the tree of `version_id` whose name (with
 * TRELLIS_VESK_FIND_PATH: whole path) matches the glob `pattern`: '*' any
 * run of characters, '?' one character, "[...]" one of a set with ranges
 * ("[a-z]") and negation ("[!...]" or "[^...]"); a ']' right after the
 * opening bracket belongs to the set; a '[' without its ']' is an ordinary
 * character; there is no escape character ("[*]" matches a star).
 * Characters are Unicode code points of the UTF-8 names.
 * With TRELLIS_VESK_ALL_VERSIONS, every finished version is searched and an
 * entry is reported once per state: in each version where it was added or
 * changed (trellis_vesk_history tells the versions in between).
 * Matches come in catalogue order (path rows as recorded, versions ascending).
 * 0 (also without any match), -1 no such version, -999 failure (also a
 * parent cycle in the catalogue). */
TRELLIS_VESK_API int trellis_vesk_find(void *trellis_vesk_inst, int version_id, const char *pattern, int flags,
                                       trellis_vesk_find_callback callback, void *user_data) ORVEX_NOEXCEPT;

/* Ordinal 13. The history of the entry at `path`: for each finished version,
 * ascending, from the first that has it, one step: ADDED, CHANGED or
 * UNCHANGED with its state there, or DELETED once in the version where it
 * went (versions that still lack it afterwards are left out; an entry that
 * comes back is ADDED again). A folder that became a file is CHANGED.
 * 0, -2 the path exists in no finished version, -999 failure. */
TRELLIS_VESK_API int trellis_vesk_history(void *trellis_vesk_inst, const char *path,
                                          trellis_vesk_change_callback callback, void *user_data) ORVEX_NOEXCEPT;

/* Ordinal 14. The differences from the tree of `version_from` to that of
 * `version_to`, in path order: ADDED and CHANGED carry the state in
 * `version_to`, DELETED the state in `version_from`. Everything below a
 * folder that went (or became a file) is DELETED with it; everything below a
 * folder that came is ADDED. Equal versions give no differences.
 * 0, -1 either version does not exist, -999 failure. */
TRELLIS_VESK_API int trellis_vesk_diff(void *trellis_vesk_inst, int version_from, int version_to,
                                       trellis_vesk_change_callback callback, void *user_data) ORVEX_NOEXCEPT;

/* Ordinal 15. The entry at `path` in the tree of `version_id` ("\" is the
 * root, a folder); `entry->path` is `path` as given. 0, -1 no such version,
 * -2 no such entry in that version, -999 failure. */
TRELLIS_VESK_API int trellis_vesk_get_entry(void *trellis_vesk_inst, int version_id, const char *path,
                                            trellis_vesk_entry *entry) ORVEX_NOEXCEPT;

/* Ordinal 16. Opens the file at `path` of `version_id` for reading byte
 * ranges; `*file` receives the handle, released by trellis_vesk_close_file.
 * The chunk map is read and checked here: its rows must start at 0, follow
 * each other without overlap and stay inside the recorded size. A link or
 * an empty file opens as an empty file.
 * A handle has its own chunk reader and no further use of the session: it
 * may be read on another thread than the session's, and several handles may
 * be read at once on different threads; one handle serves one thread at a
 * time. Close every handle before the session.
 * 0, -1 no such version, -2 no such entry, -999 failure (a folder, a
 * damaged or missing chunk map, memory). */
TRELLIS_VESK_API int trellis_vesk_open_file(void *trellis_vesk_inst, int version_id, const char *path,
                                            void **file) ORVEX_NOEXCEPT;

/* Ordinal 17. Reads up to `size` bytes at `offset` of an open file into
 * `buf`. Every chunk is read and checked as a restore reads and checks it
 * (signature, repair, decryption, decompression, digest), and its length
 * must be exactly the distance to the next chunk (to the end for the last);
 * a few decoded chunks are kept for the next reads.
 * The number of bytes placed in `buf`: `size`, fewer only where the file
 * ends, 0 at or past the end. -999 when a chunk cannot be read or fails a
 * check (nothing of it reaches `buf` as data), or for a negative offset or
 * size. */
TRELLIS_VESK_API int trellis_vesk_read_file(void *file, long long offset, char *buf, int size) ORVEX_NOEXCEPT;

/* Ordinal 18. Releases an open file; NULL is ignored. */
TRELLIS_VESK_API void trellis_vesk_close_file(void *file) ORVEX_NOEXCEPT;

/* Ordinal 19. How many tvt chunks the reads of an open file decoded that
 * carry no digest (an all-zero digest field): their bytes were decoded but
 * could not be checked against the original ones. A chunk decoded again
 * (after it left the few kept) counts again. 0 for NULL. */
TRELLIS_VESK_API long long trellis_vesk_file_unchecked_chunks(void *file) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
