// Character conversion over the C library's iconv. The converter is opened
// and released per call, so these calls are safe from any thread.
#include "native_path.h"

#include "util/syscall.h"
#include "zlog.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>

using orvex::util::keep_errno;

namespace {

// The process's default code set as the locale names it (the C locale gives
// "ANSI_X3.4-1968", i.e. ASCII, until the program calls setlocale).
const char *default_charset() noexcept
{
    const char *cs = nl_langinfo(CODESET);
    return cs && *cs ? cs : "ASCII";
}

int convert_logged(const char *from, const char *to, const char *inbuf, size_t inlen, char *outbuf,
                   size_t outlen) noexcept
{
    if (code_convert(from, to, inbuf, inlen, outbuf, outlen) == 0)
        return 0;
    keep_errno([&] { OLOG(OLOG_ERROR, "%s to %s: %s", from, to, std::strerror(errno)); });
    return -1;
}

} // namespace

extern "C" int code_convert(const char *from_charset, const char *to_charset, const char *inbuf, size_t inlen,
                            char *outbuf, size_t outlen) noexcept
{
    if (!from_charset || !to_charset || (!inbuf && inlen) || !outbuf) {
        errno = EINVAL;
        return -1;
    }
    std::memset(outbuf, 0, outlen);
    iconv_t cd = iconv_open(to_charset, from_charset);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return -1;
    // iconv takes non-const input pointers but does not write through them.
    char *in = const_cast<char *>(inbuf);
    size_t in_left = inlen;
    char *out = outbuf;
    size_t out_left = outlen;
    int rc = 0;
    if (iconv(cd, &in, &in_left, &out, &out_left) == static_cast<size_t>(-1))
        rc = -1;
    else if (iconv(cd, nullptr, nullptr, &out, &out_left) == static_cast<size_t>(-1)) // flush shift state
        rc = -1;
    int err = errno;
    iconv_close(cd);
    errno = err;
    return rc;
}

extern "C" int utf8_to_wchar(const char *inbuf, size_t inlen, char *outbuf, size_t outlen) noexcept
{
    return convert_logged("UTF-8", "WCHAR_T", inbuf, inlen, outbuf, outlen);
}

extern "C" int utf8_from_wchar(const char *inbuf, size_t inlen, char *outbuf, size_t outlen) noexcept
{
    return convert_logged("WCHAR_T", "UTF-8", inbuf, inlen, outbuf, outlen);
}

extern "C" int utf8_to_default(const char *inbuf, size_t inlen, char *outbuf, size_t outlen) noexcept
{
    const char *to = default_charset();
    OLOG(OLOG_DEBUG, "charset: %s to %s", "UTF-8", to);
    return convert_logged("UTF-8", to, inbuf, inlen, outbuf, outlen);
}

extern "C" int utf8_from_default(const char *inbuf, size_t inlen, char *outbuf, size_t outlen) noexcept
{
    const char *from = default_charset();
    OLOG(OLOG_DEBUG, "charset: %s to %s", from, "UTF-8");
    return convert_logged(from, "UTF-8", inbuf, inlen, outbuf, outlen);
}
