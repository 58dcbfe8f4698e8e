// Time helpers and the processor count.
#include "native_path.h"

#include "util/syscall.h"
#include "zlog.h"

#include <cerrno>
#include <limits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>

using orvex::util::keep_errno;
using orvex::util::NativePath;

// The whole 64-bit time reaches the file system: no 32-bit step on the way,
// so times past 2038 survive. A time the platform's time_t cannot hold
// fails with EOVERFLOW instead of landing on another date.
extern "C" int attribs_set_mtime(const char *path, int64_t mtime) noexcept
{
    NativePath p(path);
    if (!p.ok())
        return -1;
    if constexpr (sizeof(time_t) < sizeof(int64_t)) {
        if (mtime < static_cast<int64_t>(std::numeric_limits<time_t>::min()) ||
            mtime > static_cast<int64_t>(std::numeric_limits<time_t>::max())) {
            errno = EOVERFLOW;
            return -1;
        }
    }
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_NOW;
    times[1].tv_sec = static_cast<time_t>(mtime);
    times[1].tv_nsec = 0;
    if (::utimensat(AT_FDCWD, p.c_str(), times, 0) != 0) {
        keep_errno([&] { OLOG(OLOG_ERROR, "utime: %s, %s", path, std::strerror(errno)); });
        return -1;
    }
    return 0;
}

// Callers that want more workers configure them; the default stays one.
extern "C" int get_online_cpus(void) noexcept
{
    return 1;
}

extern "C" int64_t timestamp_in_sec(void) noexcept
{
    return static_cast<int64_t>(::time(nullptr));
}

extern "C" char *timestamp_in_usec(void) noexcept
{
    struct timeval tv;
    ::gettimeofday(&tv, nullptr);
    char text[48];
    int n = std::snprintf(text, sizeof text, "%lld-%ld", static_cast<long long>(tv.tv_sec),
                          static_cast<long>(tv.tv_usec));
    char *out = static_cast<char *>(std::malloc(static_cast<size_t>(n) + 1));
    if (!out) {
        errno = ENOMEM;
        return nullptr;
    }
    std::memcpy(out, text, static_cast<size_t>(n) + 1);
    return out;
}
