// Internal: a library path turned into the platform's form for one call.
#pragma once

#include "util/syscall.h"

#include "zlog.h"

#include <cerrno>
#include <cstring>

namespace orvex::util {

// Holds the native form of a UTF-8 library path on the stack. When the path
// cannot be converted (NULL, too long) ok() is false, errno is set and the
// failure has been logged, so callers just return their failure value.
class NativePath {
public:
    explicit NativePath(const char *path) noexcept
    {
        ok_ = path_to_native(path, buf_, sizeof buf_) == 0;
        if (!ok_) {
            int err = errno;
            OLOG(OLOG_ERROR, "%s: converted from utf8, %s", path ? path : "(null)", std::strerror(err));
            errno = err;
        }
    }
    NativePath(const NativePath &) = delete;
    NativePath &operator=(const NativePath &) = delete;

    bool ok() const noexcept { return ok_; }
    const char *c_str() const noexcept { return buf_; }

private:
    char buf_[ORVEX_MAX_PATH + 1];
    bool ok_ = false;
};

// Runs `fn` and restores errno afterwards, for logging on a failure path.
template <typename Fn> void keep_errno(Fn &&fn) noexcept
{
    int err = errno;
    fn();
    errno = err;
}

} // namespace orvex::util
