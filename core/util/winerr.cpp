// Windows error codes to errno, for callers that carry a Windows error code
// (archives written on Windows, and the Windows build of this layer).
#include "util/syscall.h"

#include <cerrno>
#include <cstdint>

namespace {

struct Row {
    unsigned long code;
    int err;
};

// Sorted by Windows code; each errno is the host's symbolic constant.
constexpr Row k_table[] = {
    {2, ENOENT},        {3, ENOENT},     {4, EMFILE},     {5, EACCES},     {6, EBADF},      {8, ENOMEM},
    {9, EFAULT},        {11, ENOEXEC},   {12, EACCES},    {13, EINVAL},    {14, ENOMEM},    {15, ENODEV},
    {16, EACCES},       {17, EXDEV},     {19, EROFS},     {20, ENODEV},    {21, EAGAIN},    {22, EIO},
    {23, EIO},          {24, EINVAL},    {25, EIO},       {29, EIO},       {30, EIO},       {31, EIO},
    {32, EACCES},       {33, EACCES},    {36, ENFILE},    {39, ENOSPC},    {55, ENODEV},    {80, EEXIST},
    {82, EACCES},       {85, EBUSY},     {86, EPERM},     {87, EINVAL},    {89, EAGAIN},    {107, EIO},
    {108, EBUSY},       {109, EPIPE},    {110, EIO},      {111, ENAMETOOLONG}, {112, ENOSPC}, {113, EIO},
    {114, EIO},         {119, ENXIO},    {122, ENOMEM},   {123, EINVAL},   {128, ECHILD},   {131, ESPIPE},
    {132, ESPIPE},      {142, EBUSY},    {145, ENOTEMPTY}, {148, EBUSY},   {161, ENOENT},   {170, EBUSY},
    {183, EEXIST},      {191, ENOEXEC},  {192, ENOEXEC}, {193, ENOEXEC},  {203, EINVAL},   {206, ENAMETOOLONG},
    {208, E2BIG},       {209, EINVAL},   {212, EBUSY},    {214, EMFILE},   {230, EPIPE},    {231, EBUSY},
    {232, EPIPE},       {233, EPIPE},    {234, EPIPE},    {267, EINVAL},   {487, EFAULT},   {534, ERANGE},
    {535, EPIPE},       {536, EPIPE},    {995, EINTR},    {996, EINTR},    {998, EFAULT},   {999, ENOENT},
    {1001, ENOMEM},     {1004, EINVAL},  {1005, ENODEV},  {1006, ENODEV},  {1011, EIO},     {1012, EIO},
    {1013, EIO},        {1117, EIO},     {1132, EINVAL},  {1200, ENODEV},  {1307, EINVAL},  {1308, EINVAL},
    {1313, EACCES},     {1314, EACCES},  {1326, EACCES},  {1327, EACCES},  {1328, EACCES},  {1329, EACCES},
    {1330, EACCES},     {1331, EACCES},  {1332, EINVAL},  {1785, ENXIO},   {2202, EINVAL},  {2401, EBUSY},
    {2404, EBUSY},
};

constexpr bool sorted()
{
    for (size_t i = 1; i < sizeof k_table / sizeof k_table[0]; ++i)
        if (k_table[i - 1].code >= k_table[i].code)
            return false;
    return true;
}
static_assert(sorted(), "the table is searched by bisection");

} // namespace

extern "C" int err_win_to_posix(unsigned long winerr) noexcept
{
    size_t lo = 0, hi = sizeof k_table / sizeof k_table[0];
    while (lo < hi) {
        size_t mid = lo + (hi - lo) / 2;
        if (k_table[mid].code < winerr)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo < sizeof k_table / sizeof k_table[0] && k_table[lo].code == winerr)
        return k_table[lo].err;
    return ENOSYS;
}
