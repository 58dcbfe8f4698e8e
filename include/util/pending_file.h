/* A file that appears under its final name only once it is complete.
 *
 * Restores write a file's bytes into a pending file and commit it at the
 * end: a failed or cancelled restore never leaves a partial file under the
 * real name, an existing file that is being replaced survives a failure, and
 * a link that sits at the destination is replaced, never written through.
 *
 * The pending file is an unnamed file in the destination's folder where the
 * file system allows it (it vanishes by itself if the process dies), else a
 * file under a fresh hidden name beside the destination.
 *
 * Paths are UTF-8 library paths (backslashes allowed, see util/syscall.h).
 * One pending file is used by one thread at a time. */
#ifndef ORVEX_UTIL_PENDING_FILE_H
#define ORVEX_UTIL_PENDING_FILE_H

#include <stdint.h>
#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

typedef struct pending_file pending_file_t;

/* Starts the file that will become `path`. NULL with errno when no file can
 * be made in the folder (ENOENT when the folder is missing). */
ORVEX_COMMON_API pending_file_t *pending_file_create(const char *path) ORVEX_NOEXCEPT;

/* The descriptor to write the contents through (opened for writing). */
ORVEX_COMMON_API int pending_file_fd(const pending_file_t *file) ORVEX_NOEXCEPT;

/* Sets the modification time to `mtime` (when `set_mtime`; a failure there is
 * logged and does not fail the call), closes the file and gives it its name.
 * With `replace` an entry at the path that is not a folder (a link included)
 * is replaced in one step; without it an entry there fails the call with
 * EEXIST and stays as it was. 0, or -1 with errno (ENOSPC when the file
 * system reported a late write error while closing). The record is released
 * in every case. */
ORVEX_COMMON_API int pending_file_commit(pending_file_t *file, int64_t mtime, int set_mtime,
                                         int replace) ORVEX_NOEXCEPT;

/* Drops the contents and releases the record; NULL is ignored. */
ORVEX_COMMON_API void pending_file_discard(pending_file_t *file) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
