#include "workdir.h"

#include "session.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#if defined(_WIN32)
#include <process.h>
#else
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvex::cli {

namespace {

constexpr const char *kPrefix = "orvex-extract-";

std::string g_folder;
bool g_tried = false;

#if !defined(_WIN32)
// The process id in "orvex-extract-<pid>-XXXXXX", or 0 when the name has
// another shape.
pid_t pid_of(const std::string &name)
{
    const size_t prefix = std::strlen(kPrefix);
    if (name.compare(0, prefix, kPrefix) != 0)
        return 0;
    size_t dash = name.find('-', prefix);
    if (dash == std::string::npos || dash == prefix || dash - prefix > 9 || name.size() - dash - 1 != 6)
        return 0;
    long long pid = 0;
    for (size_t i = prefix; i < dash; ++i) {
        if (name[i] < '0' || name[i] > '9')
            return 0;
        pid = pid * 10 + (name[i] - '0');
    }
    return static_cast<pid_t>(pid);
}

// True only when no process with this id exists (EPERM: it runs as someone
// else, so it runs).
bool gone(pid_t pid)
{
    return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}
#endif

std::string make_folder(const std::string &parent)
{
    static const char chars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device rd;
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof chars) - 2);
    int err = 0;
    for (int attempt = 0; attempt < 64; ++attempt) {
#if defined(_WIN32)
        std::string name = kPrefix + std::to_string(static_cast<long long>(_getpid())) + "-";
#else
        std::string name = kPrefix + std::to_string(static_cast<long long>(::getpid())) + "-";
#endif
        for (int i = 0; i < 6; ++i)
            name += chars[pick(rd)];
        std::string folder = (std::filesystem::path(parent) / name).string();
#if defined(_WIN32)
        std::error_code ec;
        if (std::filesystem::create_directory(folder, ec))
            return folder;
        err = ec ? ec.value() : EEXIST;
#else
        if (::mkdir(folder.c_str(), 0700) == 0) {
            ::chmod(folder.c_str(), 0700); // whatever the umask
            return folder;
        }
        err = errno;
#endif
        if (err != EEXIST)
            break;
    }
    print_error("cannot create a working folder in the temporary folder " + parent + ": " + std::strerror(err) +
                " (set TMPDIR to a writable folder)");
    return {};
}

} // namespace

int remove_abandoned_working_folders(const std::string &parent)
{
    int removed = 0;
#if !defined(_WIN32)
    std::error_code ec;
    for (std::filesystem::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        pid_t pid = pid_of(name);
        if (pid == 0 || pid == ::getpid())
            continue;
        struct stat st;
        if (::lstat(it->path().c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
            continue;
        if (!gone(pid))
            continue;
        // remove_all removes a link inside as a link, never what it points to.
        std::error_code rm;
        std::filesystem::remove_all(it->path(), rm);
        if (!rm)
            ++removed;
    }
#else
    (void)parent;
#endif
    return removed;
}

const std::string &working_folder()
{
    if (g_tried)
        return g_folder;
    g_tried = true;
    const char *env = std::getenv("TMPDIR");
    std::string parent = env && *env ? env : "/tmp";
    std::error_code ec;
    if (!std::filesystem::is_directory(parent, ec)) {
        print_error("the temporary folder " + parent + " does not exist or is not a folder (set TMPDIR to a writable folder)");
        return g_folder;
    }
    remove_abandoned_working_folders(parent);
    g_folder = make_folder(parent);
    return g_folder;
}

void remove_working_folder()
{
    if (g_folder.empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(g_folder, ec);
    g_folder.clear();
}

} // namespace orvex::cli
