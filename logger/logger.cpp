// Stand-in for the outside logging library: spdlog behind the zlog_* calls.
#include "zlog.h"

#include <spdlog/sinks/rotating_file_sink.h>
#include <spdlog/sinks/stdout_sinks.h>
#include <spdlog/spdlog.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>

// The category handle never changes: the OLOG macro reads it without a lock
// from any thread, so it must not be written while the log opens or closes.
static char g_category[] = "orvex";
void *g_zc = g_category;

namespace {

struct LogState {
    std::mutex mutex;                       // guards `logger` replacement
    std::shared_ptr<spdlog::logger> logger; // null while closed
    std::atomic<int> threshold{-1};         // records above it are dropped; -1 = closed
};

LogState &state()
{
    static LogState s;
    return s;
}

spdlog::level::level_enum to_spdlog(int level)
{
    switch (level) {
    case OLOG_FATAL: return spdlog::level::critical;
    case OLOG_ERROR: return spdlog::level::err;
    case OLOG_WARN: return spdlog::level::warn;
    case OLOG_NOTICE:
    case OLOG_INFO: return spdlog::level::info;
    default: return spdlog::level::debug;
    }
}

// The debugging switch: ORVEX_LOG=stderr shows every record before zlog_create.
std::shared_ptr<spdlog::logger> stderr_logger()
{
    static std::shared_ptr<spdlog::logger> l = [] {
        const char *env = std::getenv("ORVEX_LOG");
        if (!env || std::strcmp(env, "stderr") != 0)
            return std::shared_ptr<spdlog::logger>();
        auto lg = std::make_shared<spdlog::logger>("orvex-stderr", std::make_shared<spdlog::sinks::stderr_sink_mt>());
        lg->set_pattern("%Y-%m-%d %H:%M:%S.%e %l %v");
        lg->set_level(spdlog::level::trace);
        return lg;
    }();
    return l;
}

std::string vformat(const char *format, va_list ap)
{
    char small[512];
    va_list copy;
    va_copy(copy, ap);
    int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0)
        return std::string("(bad log format) ") + format;
    if (static_cast<size_t>(n) < sizeof small)
        return std::string(small, static_cast<size_t>(n));
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, ap);
    out.resize(static_cast<size_t>(n));
    return out;
}

char *dup_string(const std::string &s)
{
    char *p = static_cast<char *>(std::malloc(s.size() + 1));
    if (p)
        std::memcpy(p, s.c_str(), s.size() + 1);
    return p;
}

} // namespace

extern "C" int zlog_create(const char *path, int level, uint64_t size, int keep) noexcept
{
    if (!path || !*path || size == 0)
        return -1;
    try {
        auto sink = std::make_shared<spdlog::sinks::rotating_file_sink_mt>(path, static_cast<size_t>(size),
                                                                           keep > 0 ? static_cast<size_t>(keep) : 1);
        auto lg = std::make_shared<spdlog::logger>("orvex", sink);
        lg->set_pattern("%Y-%m-%d %H:%M:%S.%e %l %v");
        lg->set_level(spdlog::level::trace);
        lg->flush_on(spdlog::level::warn);
        LogState &s = state();
        std::lock_guard<std::mutex> lock(s.mutex);
        s.logger = std::move(lg);
        s.threshold.store(level, std::memory_order_release);
        return 0;
    } catch (...) {
        return -1;
    }
}

extern "C" void zlog_destroy(void) noexcept
{
    LogState &s = state();
    std::shared_ptr<spdlog::logger> old;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        old = std::move(s.logger);
        s.logger.reset();
        s.threshold.store(-1, std::memory_order_release);
    }
    if (old) {
        try {
            old->flush();
        } catch (...) {
        }
    }
}

extern "C" void zlog_msg(void *, int level, const char *file, int line, const char *function, const char *format,
                         ...) noexcept
{
    LogState &s = state();
    std::shared_ptr<spdlog::logger> target;
    if (level <= s.threshold.load(std::memory_order_acquire)) {
        std::lock_guard<std::mutex> lock(s.mutex);
        target = s.logger;
    }
    if (!target)
        target = stderr_logger();
    if (!target || !format)
        return;
    try {
        va_list ap;
        va_start(ap, format);
        std::string msg = vformat(format, ap);
        va_end(ap);
        target->log(to_spdlog(level), "{}:{} {}: {}", file ? file : "?", line, function ? function : "?", msg);
    } catch (...) {
    }
}

extern "C" char *prepend_s(const char *dir, const char *name) noexcept
{
    if (!dir || !name)
        return nullptr;
    try {
        return dup_string(std::string(dir) + "\\" + name);
    } catch (...) {
        return nullptr;
    }
}

extern "C" char *prepend_ext(const char *path, const char *suffix) noexcept
{
    if (!path || !suffix)
        return nullptr;
    try {
        return dup_string(std::string(path) + suffix);
    } catch (...) {
        return nullptr;
    }
}

extern "C" char *appendstr(const char *s, ...) noexcept
{
    if (!s)
        return nullptr;
    try {
        std::string out(s);
        va_list ap;
        va_start(ap, s);
        for (const char *part = va_arg(ap, const char *); part; part = va_arg(ap, const char *))
            out += part;
        va_end(ap);
        return dup_string(out);
    } catch (...) {
        return nullptr;
    }
}
