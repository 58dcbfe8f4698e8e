/* Portable system layer: file-system calls over UTF-8 paths, character
 * conversion, directory helpers, unique names and time helpers.
 *
 * Paths use backslashes as separators, as everywhere in the libraries; this
 * layer is the one place that maps them to the native separator (on POSIX a
 * backslash becomes '/'). Every call reports failure by its result with errno
 * set by the platform call or by the conversion. */
#ifndef ORVEX_UTIL_SYSCALL_H
#define ORVEX_UTIL_SYSCALL_H

#include <stddef.h>
#include <stdint.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <time.h>
#include "orvex_export.h"

#if defined(_WIN32)
#include <wchar.h>
typedef struct _stat64 orvex_lstat_t;
typedef struct _stati64 orvex_stat_t;
typedef struct _WDIR orvex_dir_t;
typedef struct _wdirent orvex_dirent_t;
#else
#include <dirent.h>
typedef struct stat orvex_lstat_t;
typedef struct stat orvex_stat_t;
typedef DIR orvex_dir_t;
typedef struct dirent orvex_dirent_t;
#endif

/* Longest path the libraries accept: 259 characters on Windows, PATH_MAX - 1
 * elsewhere (the 259 limit is the Windows API's, not the file system's). */
#if defined(_WIN32)
#define ORVEX_MAX_PATH 259
#else
#define ORVEX_MAX_PATH 4095
#endif

ORVEX_EXTERN_C_BEGIN

typedef enum {
    DIR_ERROR = -1,
    DIR_NOEXIST = 0,
    DIR_EMPTY = 1,
    DIR_NOEMPTY = 2
} mkdir_retval_t;

/* Character sets. `outbuf` (outlen bytes) is zeroed first; 0 or -1. */
ORVEX_COMMON_API int code_convert(const char *from_charset, const char *to_charset, const char *inbuf, size_t inlen,
                                  char *outbuf, size_t outlen) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int utf8_to_wchar(const char *inbuf, size_t inlen, char *outbuf, size_t outlen) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int utf8_from_wchar(const char *inbuf, size_t inlen, char *outbuf, size_t outlen) ORVEX_NOEXCEPT;
/* Between UTF-8 and the process's default (locale) code set. */
ORVEX_COMMON_API int utf8_to_default(const char *inbuf, size_t inlen, char *outbuf, size_t outlen) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int utf8_from_default(const char *inbuf, size_t inlen, char *outbuf, size_t outlen) ORVEX_NOEXCEPT;

/* File calls over UTF-8 paths; results as the platform call's. A path longer
 * than ORVEX_MAX_PATH fails with ENAMETOOLONG and is logged. On POSIX do_stat
 * reaches every UTF-8 name (names are bytes there) and follows a final link;
 * do_lstat does not. do_open adds O_CLOEXEC to `flags`. */
ORVEX_COMMON_API int do_lstat(const char *path, orvex_lstat_t *st) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int do_stat(const char *path, orvex_stat_t *st) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int do_rename(const char *old_path, const char *new_path) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int do_rmdir(const char *path) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int do_unlink(const char *path) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int do_remove(const char *path) ORVEX_NOEXCEPT;
ORVEX_COMMON_API orvex_dir_t *do_opendir(const char *path) ORVEX_NOEXCEPT;
ORVEX_COMMON_API orvex_dirent_t *do_readdir(orvex_dir_t *dir) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int do_closedir(orvex_dir_t *dir) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int do_open(const char *path, int flags, int mode) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int do_access(const char *path, int mode) ORVEX_NOEXCEPT;
/* Hidden attribute: on POSIX a name that begins with a dot is hidden, and
 * setting or clearing the flag succeeds when the path exists. */
ORVEX_COMMON_API int do_set_hidden_flag(const char *path, int set) ORVEX_NOEXCEPT;

/* Native form of a library path (backslashes mapped), written to `out`
 * (outlen bytes). 0, or -1 with ENAMETOOLONG / EINVAL. */
ORVEX_COMMON_API int path_to_native(const char *path, char *out, size_t outlen) ORVEX_NOEXCEPT;

/* Flushes the data of `fd` to the disk (POSIX fdatasync); 0 or -1. */
ORVEX_COMMON_API int do_fdatasync(int fd) ORVEX_NOEXCEPT;
/* Sets the end of file of `fd` at `length` and leaves the file position
 * there (`offset` is unused). 0, or -1 when either step fails (EINVAL for a
 * negative length). do_allocate does the same on `path`, created if missing.
 * do_fsync opens `path` read-only and commits it to disk. */
ORVEX_COMMON_API int do_fallocate(int fd, int64_t offset, int64_t length) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int do_allocate(const char *path, int64_t offset, int64_t length) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int do_fsync(const char *path) ORVEX_NOEXCEPT;
/* Windows error code to errno; unknown codes give ENOSYS. */
ORVEX_COMMON_API int err_win_to_posix(unsigned long winerr) ORVEX_NOEXCEPT;

/* Directories. do_mkdir: an existing directory (or a link to one) is
 * success; anything else at the path fails with EEXIST. mkdir_p: with all
 * parents, without touching the process umask; ENAMETOOLONG past
 * ORVEX_MAX_PATH before anything is created. rmdir_rf: removes a tree (NULL
 * is success), never following a symbolic link: a link inside the tree, or
 * given as the tree, is removed as a link and what it points to stays.
 * Without `recurse` subfolders stay and the call fails with ENOTEMPTY.
 * ckdir: a mkdir_retval_t. */
ORVEX_COMMON_API int do_mkdir(const char *path) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int mkdir_p(const char *dir) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int rmdir_rf(const char *directory, int recurse) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int ckdir(const char *dir) ORVEX_NOEXCEPT;

/* Strings. assign_string: *string becomes a copy of `value` (NULL allowed)
 * and the old value is freed; -1 (old value kept) when the copy fails.
 * move_string: frees *dest, moves *src there and clears *src. */
ORVEX_COMMON_API int assign_string(char **string, const char *value) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void move_string(char **dest, char **src) ORVEX_NOEXCEPT;

/* A new 16-character name: a dot and 15 characters of [A-Za-z0-9] from the
 * system's random source. Free with free(); NULL on failure. */
ORVEX_COMMON_API char *dot_random_string(void) ORVEX_NOEXCEPT;
/* A new random (version 4) UUID string of 36 characters, from the system's
 * random source; free with free(); NULL on failure. */
ORVEX_COMMON_API char *uuid_get(void) ORVEX_NOEXCEPT;

/* Access time = now, modification time = mtime (full 64-bit value). 0 or -1. */
ORVEX_COMMON_API int attribs_set_mtime(const char *path, int64_t mtime) ORVEX_NOEXCEPT;
/* 0 when the extension of the last component (or the text from the last
 * '#') equals `ext`, else 1. The extension starts at the component's last
 * dot unless that dot begins the component (a hidden name) or follows
 * another dot: "a.b.ovt" has "ovt", "a..ovt" and ".ovt" have none. */
ORVEX_COMMON_API int check_extension(const char *path, const char *ext) ORVEX_NOEXCEPT;
/* Cuts a matching suffix and its separator off in place; NULL when nothing
 * would remain or nothing matches. */
ORVEX_COMMON_API char *remove_extension(char *path, const char *ext) ORVEX_NOEXCEPT;

ORVEX_COMMON_API int get_online_cpus(void) ORVEX_NOEXCEPT;
ORVEX_COMMON_API int64_t timestamp_in_sec(void) ORVEX_NOEXCEPT;
/* A new string "%d-%d" of seconds and microseconds; free with free(). */
ORVEX_COMMON_API char *timestamp_in_usec(void) ORVEX_NOEXCEPT;

/* Core library logging: opens the log with the level raised to at least 4. */
ORVEX_COMMON_API int liborvex_log_create(const char *log, int level, uint64_t size) ORVEX_NOEXCEPT;
ORVEX_COMMON_API void liborvex_log_destroy(void) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

#endif
