/* Restore instances: the restore engine's one handle type and the flat set
 * of restore_* calls on it.
 *
 * A caller creates an instance, configures it, starts it and then either
 *  - restores whole files: register a descriptor and an output path, run
 *    (file-offset order once; vault order once per batch of vaults added
 *    with restore_add_hid_vid), unregister;
 *  - reads single chunks on demand ("read-chunk" order);
 *  - or reads byte ranges of one file on demand (restore_open_file,
 *    restore_from_descriptor_and_sparse, restore_close_file).
 *
 * Results: 0 or a non-negative count on success, -1 (NULL for pointers)
 * with errno on failure. A failure in any pipeline thread makes the run
 * fail; a restored file ends at the descriptor's file size.
 *
 * Threads: one instance serves one caller thread. restore_get_progress may
 * be called from another thread during restore_run_instance. Several
 * instances may exist at once. */
#ifndef ORVEX_RESTORE_H
#define ORVEX_RESTORE_H

#include <stdbool.h>
#include <stdint.h>
#include "orvex_export.h"
#include "restore-ctx.h"
#include "vaultlist.h"

ORVEX_EXTERN_C_BEGIN

typedef vlist_t pulllist_t;

/* Defaults of a new instance. */
#define RESTORE_DEFAULT_BUCKETSIZE 0x1400000u /* 20 MiB */
#define RESTORE_DEFAULT_VAULTSIZE_BUCKET 0x2800000u /* bucket size for restore_set_max_vault_size(0) */

/* Which folder restore_set_path sets. */
#define RESTORE_PATH_VAULTDIR 1
#define RESTORE_PATH_TEMPDIR 2

/* Statistic of restore_get_stats: microseconds of the last run. */
#define RESTORE_STAT_TIME 2

/* ---- Life cycle ---- */
ORVEX_RESTORE_API void *restore_create_instance(void) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_start_instance(void *instance) ORVEX_NOEXCEPT;
/* Whole-file orders: the output `file_p` must not exist (EEXIST) unless
 * overwrite is set; partial order: `file_p` is unused. */
ORVEX_RESTORE_API int restore_register_file(void *instance, const char *file_p, const char *descriptor_p) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_register_file2(void *instance, const char *file_p, const char *descriptor_p,
                                             int overwrite) ORVEX_NOEXCEPT;
/* Runs the pipeline once; -1 when any thread failed (the output is then not
 * a restored file). */
ORVEX_RESTORE_API int restore_run_instance(void *instance) ORVEX_NOEXCEPT;
/* Waits for the saver, closes the file; in check-only mode returns -1 when
 * the descriptor's checksum does not match what was read. */
ORVEX_RESTORE_API int restore_unregister_file(void *instance) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API void restore_destroy_instance(void *instance) ORVEX_NOEXCEPT;
/* A started partial-order instance for one descriptor; all paths required. */
ORVEX_RESTORE_API void *restore_open_file(const char *descriptor, const char *vaultdir, const char *tempdir,
                                          int num_threads, int do_ecc) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_close_file(void *instance) ORVEX_NOEXCEPT;

/* ---- Settings (NULL instance: EINVAL, -1) ---- */
/* which: RESTORE_PATH_VAULTDIR or RESTORE_PATH_TEMPDIR. The path must exist;
 * on failure the old value stays. */
ORVEX_RESTORE_API int restore_set_path(void *instance, const char *path, const int which) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_set_decrypter(void *instance, const char *algo, const void *key, int key_len) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_set_decrypter_v2(void *instance, const char *algo, const void *key, int key_len,
                                               bool disable_isal) ORVEX_NOEXCEPT;
/* "file-offset", "vault-id", "partial", "read-chunk" (exact case); NULL
 * keeps the order and returns 0. */
ORVEX_RESTORE_API int restore_set_sort_method(void *instance, const char *method) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_get_sort_method(void *instance) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_set_num_threads(void *instance, uint32_t n) ORVEX_NOEXCEPT;
/* Bucket size 2 * max_vaultsize, or 40 MiB for 0. */
ORVEX_RESTORE_API int restore_set_max_vault_size(void *instance, uint32_t max_vaultsize) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_set_ecc(void *instance, uint8_t option) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_set_dedupfs(void *instance, bool enable) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_set_check_integrity(void *instance, bool enable) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_add_hid_vid(void *instance, uint32_t hid, uint64_t vid) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_add_vid(void *instance, uint64_t vid) ORVEX_NOEXCEPT;
/* Logs the configuration at level 4. */
ORVEX_RESTORE_API int restore_get_config(void *instance) ORVEX_NOEXCEPT;

/* ---- Reading ---- */
ORVEX_RESTORE_API int restore_read_chunk(void *instance, const char *vault, uint32_t voffset, void *outbuf,
                                         uint32_t outbufsize) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_read_chunk2(void *instance, uint32_t hid, uint64_t vid, uint32_t voffset, void *outbuf,
                                          uint32_t outbufsize) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_read_chunk_from_buffer(void *instance, void *inbuf, uint32_t inbufsize, void *outbuf,
                                                     uint32_t outbufsize) ORVEX_NOEXCEPT;
/* Reserved: always NULL. */
ORVEX_RESTORE_API readout_t *restore_read(void *instance, readin_t *in, readout_t *out) ORVEX_NOEXCEPT;

/* ---- Progress, statistics, pull list ---- */
/* Percent (0-100) of the registered file written so far. */
ORVEX_RESTORE_API int restore_get_progress(void *instance) ORVEX_NOEXCEPT;
/* which RESTORE_STAT_TIME; another value gives (uint64_t)-1 with EINVAL. */
ORVEX_RESTORE_API uint64_t restore_get_stats(void *instance, int which) ORVEX_NOEXCEPT;
/* Vaults of the registered file not yet restored, ascending vid; free with
 * restore_put_pulllist. */
ORVEX_RESTORE_API pulllist_t *restore_get_pulllist(void *instance) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API uint64_t restore_pulllist_number(pulllist_t *list) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API uint64_t *restore_pulllist_vids(pulllist_t *list) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API uint32_t *restore_pulllist_hids(pulllist_t *list) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API void restore_destroy_pulllist(pulllist_t *list) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API void restore_put_pulllist(pulllist_t *list) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API void restore_put_pulllist2(pulllist_t *list) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API void restore_destroy_vlist(vlist_t *list) ORVEX_NOEXCEPT;
/* Relative vault path (caller frees). */
ORVEX_RESTORE_API char *restore_convert_vid_to_path(uint32_t hid, uint64_t vid) ORVEX_NOEXCEPT;

/* ---- Reserved descriptor calls: always -1 ---- */
ORVEX_RESTORE_API int restore_descriptor_read_stat(const char *path, file_attr_t *attr) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int64_t restore_descriptor_read_mapdb_filesize(const char *path) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int64_t restore_descriptor_read_filesize(const char *path) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_descriptor_ftruncate(const char *path, uint64_t size) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_descriptor_truncate(const char *path, uint64_t size) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int restore_descriptor_flush(const char *path) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int ftruncate_descriptor(const char *path, uint64_t size) ORVEX_NOEXCEPT;
ORVEX_RESTORE_API int truncate_descriptor(const char *path, uint64_t size) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
