/* Access to a VESK container: one file that carries an exported backup
 * folder (its export database, descriptors, vaults and stored file data).
 *
 * A caller opens a session with fs_vesk_open, lists folders and sums
 * selections through the export database, restores or verifies entries one
 * at a time, and closes the session. A container holds one exported state:
 * every `version_id` argument is accepted and ignored.
 *
 * Results of the fs_vesk_* calls: 0 on success, else one of the
 * FS_VESK_ERR_* codes below. The helpers (copy and compression) return 0 or
 * -1 with errno. Diagnostics go to the process log (fs_vesk_set_log).
 *
 * Paths inside a container use backslashes; the root is a lone backslash.
 *
 * Threads: the library starts no threads and takes no locks. One session
 * serves one caller thread at a time; several sessions (also on the same
 * container) may be used at once from different threads. Callbacks run on
 * the caller's thread; the records they receive are valid only during the
 * call; a non-zero result from a callback stops the operation. */
#ifndef ORVEX_VESK_H
#define ORVEX_VESK_H

#include <stdint.h>
#include "exportdb.h"
#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

/* Results of the fs_vesk_* calls. */
#define FS_VESK_OK 0
#define FS_VESK_ERR_NO_CONTAINER (-1) /* fs_vesk_open: the container file does not exist */
#define FS_VESK_ERR_NOT_FOUND (-2)    /* not a VESK container; no such path in the container */
#define FS_VESK_ERR_DISK_FULL (-4)    /* the destination took fewer bytes than written */
#define FS_VESK_ERR_FAILURE (-999)    /* anything else (cancel included: errno EINTR) */

/* Statuses of a restore progress report. */
#define FS_VESK_STATUS_FAILED (-1) /* the destination exists (or the entry failed) */
#define FS_VESK_STATUS_RUNNING 0   /* with a percentage */
#define FS_VESK_STATUS_DONE 1      /* the entry was restored */

/* A session, made by fs_vesk_open and released by fs_vesk_close. */
typedef struct fs_vesk_instance fs_vesk_instance_t;

/* Progress of one entry: `path` in the container, `dst_path` the
 * destination (NULL while verifying), `status` as above, `progress` in
 * percent. A non-zero result cancels (see fs_vesk_restore_file). */
typedef int (*fs_vesk_restore_file_progress_cbk)(void *instance, int version_id, const char *path,
                                                 const char *dst_path, int status, float progress,
                                                 void *user_data);

/* ---- Session ---- */

/* Opens the container `vesk_path`, with a new private folder under
 * `tmp_path` (readable by the owner only) that holds the extracted export
 * database. `decrypt_password` is accepted and not used. Sets the C
 * library's character-type locale to the user's default.
 * 0 with *instance set; FS_VESK_ERR_NO_CONTAINER when the file does not
 * exist; FS_VESK_ERR_NOT_FOUND when it is not a VESK container;
 * FS_VESK_ERR_FAILURE otherwise (NULL paths, a truncated or damaged
 * container, no room for the temporary folder). */
ORVEX_VESK_API int fs_vesk_open(const char *vesk_path, const char *decrypt_password, void **instance,
                                const char *tmp_path) ORVEX_NOEXCEPT;
/* Closes the session, removes its temporary folder and closes the process
 * log (liborvex_log_destroy). 0; FS_VESK_ERR_FAILURE for NULL. */
ORVEX_VESK_API int fs_vesk_close(void *instance) ORVEX_NOEXCEPT;
/* The session's message text (empty: no call of this library writes it);
 * NULL for NULL. Valid until fs_vesk_close. */
ORVEX_VESK_API const char *fs_vesk_get_msg(void *instance) ORVEX_NOEXCEPT;
/* Opens the process log: liborvex_log_create(log, level, size). */
ORVEX_VESK_API int fs_vesk_set_log(const char *log, int level, uint64_t size) ORVEX_NOEXCEPT;

/* ---- Listing and statistics ---- */

/* Calls `callback` once per entry of the folder `path` (folders first, then
 * by name), with the session, version 0 and `path` as given, then once more
 * with a NULL item. 0; FS_VESK_ERR_NOT_FOUND when the path is not in the
 * container; FS_VESK_ERR_FAILURE for NULL arguments, a failing export
 * database, or a callback that returned non-zero (also on the last call). */
ORVEX_VESK_API int fs_vesk_list_folder(void *instance, int version_id, const char *path,
                                       fs_vesk_list_folder_callback callback, void *user_data) ORVEX_NOEXCEPT;
/* Fills `result` for `path`: a file gives folder_count 0, file_count 1 and
 * its size; a folder the number of folders and of other entries below it
 * at any depth and their total size (the folder itself not counted). `ino`
 * and `type` are the entry's. 0; FS_VESK_ERR_NOT_FOUND; FS_VESK_ERR_FAILURE
 * (partial sums may remain in `result`). */
ORVEX_VESK_API int fs_vesk_get_stat_sum(void *instance, int version_id, const char *path,
                                        fs_vesk_stat *result) ORVEX_NOEXCEPT;

/* ---- Restore and verify ---- */

/* Restores the entry `path` of the container to `dstpath`, which must not
 * be a folder of the caller's when `overwrite` is 1.
 *  - A folder is created with its missing parents.
 *  - A link, device, FIFO or socket becomes an empty regular file (a link's
 *    target is only logged).
 *  - A regular file is rebuilt from its stored bytes or from its descriptor
 *    and vaults, every chunk checked, and gets its modification time.
 * A file appears under `dstpath` only once complete; a failure leaves no
 * file there and keeps a file that `overwrite` 1 would have replaced. A
 * link at `dstpath` is replaced, never written through.
 * `overwrite` 0: an existing `dstpath` is reported with status -1; the call
 * returns 0 (skipped) when the callback answers 0 and FS_VESK_ERR_FAILURE
 * otherwise. `overwrite` other than 0 or 1: FS_VESK_ERR_FAILURE with EINVAL.
 * An entry whose name could leave the destination ("", ".", "..", or with a
 * separator) is refused (FS_VESK_ERR_FAILURE, EINVAL).
 * Progress: status 0 reports in percent (stored bytes 0-100 in 8192-byte
 * steps; a deduplicated file's descriptor 0-20, its chunks 20-100, or
 * 60-100 after a sparse part), status 1 at the end; status -1 with 0 when
 * the entry failed. A non-zero answer to a status 0 report cancels.
 * 0; FS_VESK_ERR_NOT_FOUND (no such entry); FS_VESK_ERR_DISK_FULL;
 * FS_VESK_ERR_FAILURE (cancel: errno EINTR). `progress_cbk` is required. */
ORVEX_VESK_API int fs_vesk_restore_file(void *instance, int version_id, const char *path, const char *dstpath,
                                        int overwrite, fs_vesk_restore_file_progress_cbk progress_cbk,
                                        void *user_data) ORVEX_NOEXCEPT;
/* Looks `from` up and restores it to `to` as fs_vesk_restore_file does with
 * `overwrite` 1, without the existence check and the final reports. `path`
 * and `dstpath` are accepted for the record. 0, or -1 with errno (ENOENT:
 * no such entry; ENOSPC, EFBIG, EDQUOT: the disk is full; EINTR: cancelled
 * by `progress_cbk`, a fs_vesk_restore_file_progress_cbk or NULL). */
ORVEX_VESK_API int restore_file_from_vesk(fs_vesk_instance_t *instance, int version_id, const char *path,
                                          const char *dstpath, const char *from, const char *to,
                                          void *progress_cbk, void *user_data) ORVEX_NOEXCEPT;
/* Reads and checks the entry `path` as a restore would, writing nothing:
 * every chunk of a deduplicated file is read, checked against its signature
 * (repaired from its parities when it can be) and decoded, and its pieces
 * must rebuild the entry exactly; a stored file's bytes must all be there.
 * Folders, links and special files pass. `progress_cbk` (may be NULL) gets
 * status 0 reports with `dst_path` NULL; a non-zero answer cancels.
 * 0; FS_VESK_ERR_NOT_FOUND; FS_VESK_ERR_FAILURE (damaged or refused entry;
 * cancel: errno EINTR). */
ORVEX_VESK_API int fs_vesk_verify_file(void *instance, int version_id, const char *path,
                                       fs_vesk_restore_file_progress_cbk progress_cbk,
                                       void *user_data) ORVEX_NOEXCEPT;

/* ---- Copy and compression ---- */

typedef enum { VESK_COMPRESS_NONE = 0, VESK_COMPRESS_ZSTD = 1, VESK_COMPRESS_MAX = 2 } vesk_compress_type_t;

/* One row of the compression table: `compress` reads `size` bytes from the
 * current position of `src_fd` and writes them (compressed) at the current
 * position of `dst_fd`, reporting where they went in *store_offset and
 * *store_size (either may be NULL); `decompress` reads at most `size` stored
 * bytes from `src_fd` and writes what they decode to at the position of
 * `dst_fd`. `progress_cbk` (a fs_vesk_restore_file_progress_cbk, may be
 * NULL) gets status 0 reports mapped into [progress_offset, progress_offset
 * + progress_size]; `pdata` (an exportdb_data_t, may be NULL) supplies the
 * instance, version, paths and user data of those reports. 0 or -1 with
 * errno (EINTR when a report was answered non-zero, EIO when the source
 * ends early or the stream is damaged, ENOSPC for a short write). */
typedef int (*fs_vesk_compress)(int src_fd, int64_t size, int dst_fd, void *progress_cbk, int progress_offset,
                                int progress_size, void *pdata, int64_t *store_offset, int64_t *store_size);
typedef fs_vesk_compress fs_vesk_decompress;

typedef struct vesk_compression {
    const char *name; /* "none", "zstd" */
    fs_vesk_compress compress;
    fs_vesk_decompress decompress;
} vesk_compression_t;

/* Plain copies, with a report per 8192-byte block. */
ORVEX_VESK_API int compress_to_dst_none(int src_fd, int64_t size, int dst_fd, void *progress_cbk,
                                        int progress_offset, int progress_size, void *pdata,
                                        int64_t *store_offset, int64_t *store_size) ORVEX_NOEXCEPT;
ORVEX_VESK_API int decompress_to_dst_none(int src_fd, int64_t size, int dst_fd, void *progress_cbk,
                                          int progress_offset, int progress_size, void *pdata,
                                          int64_t *store_offset, int64_t *store_size) ORVEX_NOEXCEPT;
/* One zstd frame (level 1), no progress reports. Decompression stops at the
 * end of the frame; a frame that runs past `size` bytes fails. */
ORVEX_VESK_API int compress_to_dst_zstd(int src_fd, int64_t size, int dst_fd, void *progress_cbk,
                                        int progress_offset, int progress_size, void *pdata,
                                        int64_t *store_offset, int64_t *store_size) ORVEX_NOEXCEPT;
ORVEX_VESK_API int decompress_to_dst_zstd(int src_fd, int64_t size, int dst_fd, void *progress_cbk,
                                          int progress_offset, int progress_size, void *pdata,
                                          int64_t *store_offset, int64_t *store_size) ORVEX_NOEXCEPT;

/* Copies `src_size` bytes at `src_offset` of the open container `src_fd`
 * through the method's decompress into the file `dst` (folders created).
 * The file appears (replacing one at `dst`) only when the copy succeeded.
 * 0 or -1 with errno (EINVAL for a NULL dst or an unknown method). */
ORVEX_VESK_API int copy_from_vesk(int src_fd, uint64_t src_offset, uint64_t src_size, const char *dst,
                                  int compress_method, void *progress_cbk, int progress_offset, int progress_size,
                                  void *pdata) ORVEX_NOEXCEPT;
/* Copies `size` bytes at `offset` of the file `path` through the method's
 * compress to the current position of `dst_fd` (a container being written)
 * and reports where they went. 0 or -1 with errno. */
ORVEX_VESK_API int copy_to_vesk(const char *path, int64_t offset, int64_t size, int dst_fd, int compress_method,
                                void *progress_cbk, int progress_offset, int progress_size, int64_t *store_offset,
                                int64_t *store_size) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
