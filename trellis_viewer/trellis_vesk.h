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

ORVEX_EXTERN_C_END

#endif
