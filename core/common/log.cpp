// The core library's switch for its diagnostics.
#include "util/syscall.h"
#include "zlog.h"

// The threshold is never stricter than information: the libraries' own
// configuration summaries always reach the log.
extern "C" int liborvex_log_create(const char *log, int level, uint64_t size) noexcept
{
    if (level < OLOG_INFO)
        level = OLOG_INFO;
    return zlog_create(log, level, size, 5);
}

extern "C" void liborvex_log_destroy(void) noexcept
{
    zlog_destroy();
}
