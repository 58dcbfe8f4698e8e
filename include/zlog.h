/* The logging library the system writes its diagnostics through.
 * Records carry the source file (relative to the library root), line, function
 * and a printf-style message. Nothing is written until zlog_create opens a log
 * file, except when the environment variable ORVEX_LOG is "stderr". Safe to
 * call from any thread. */
#ifndef ORVEX_ZLOG_H
#define ORVEX_ZLOG_H

#include <stdint.h>
#include "orvex_export.h"

ORVEX_EXTERN_C_BEGIN

typedef enum {
    OLOG_FATAL = 0,
    OLOG_ERROR = 1,
    OLOG_WARN = 2,
    OLOG_NOTICE = 3,
    OLOG_INFO = 4,
    OLOG_DEBUG = 5,
    OLOG_MAX = 6
} loglevel_t;

/* Category handle; every record passes its current value. */
LOGGER_API extern void *g_zc;

/* Opens the log file `path`; records above `level` are dropped; the file is
 * kept under `size` bytes (older records are rotated away). `keep` is the
 * number of rotated files kept (callers pass 5). 0 or -1. */
LOGGER_API int zlog_create(const char *path, int level, uint64_t size, int keep) ORVEX_NOEXCEPT;
LOGGER_API void zlog_destroy(void) ORVEX_NOEXCEPT;
LOGGER_API void zlog_msg(void *category, int level, const char *file, int line, const char *function,
                         const char *format, ...) ORVEX_NOEXCEPT
#if defined(__GNUC__)
    __attribute__((format(printf, 6, 7)))
#endif
    ;

/* Newly allocated strings (free with free()), NULL on allocation failure. */
LOGGER_API char *prepend_s(const char *dir, const char *name) ORVEX_NOEXCEPT;
LOGGER_API char *prepend_ext(const char *path, const char *suffix) ORVEX_NOEXCEPT;
/* `s` followed by every further argument up to a NULL. */
LOGGER_API char *appendstr(const char *s, ...) ORVEX_NOEXCEPT;

ORVEX_EXTERN_C_END

/* One record from library code: file, line and function are filled in. */
#define OLOG(level, ...) zlog_msg(g_zc, (level), __FILE__, __LINE__, __func__, __VA_ARGS__)

#endif
