#include "progress.h"

#include <cstdio>

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace orvex::cli {

std::string human_bytes(long long n)
{
    const char *units[] = {"B", "kB", "MB", "GB", "TB"};
    double v = static_cast<double>(n);
    int u = 0;
    while (v >= 1000.0 && u < 4) {
        v /= 1000.0;
        ++u;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, u == 0 ? "%.0f %s" : "%.1f %s", v, units[u]);
    return buf;
}

bool Progress::stderr_is_terminal()
{
#if defined(_WIN32)
    return false;
#else
    return isatty(STDERR_FILENO) == 1;
#endif
}

Progress::Progress(long long files, long long bytes, bool enabled)
    : total_files_(files), total_bytes_(bytes), enabled_(enabled), start_(std::chrono::steady_clock::now()),
      last_draw_(start_)
{
}

Progress::~Progress()
{
    finish();
}

double Progress::seconds() const
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void Progress::add_bytes(long long n)
{
    bytes_ += n;
    draw(false);
}

void Progress::file_done()
{
    ++files_;
    draw(false);
}

void Progress::draw(bool force)
{
    if (!enabled_)
        return;
    std::unique_lock<std::mutex> lock(mu_, std::try_to_lock);
    if (!lock.owns_lock())
        return;
    auto now = std::chrono::steady_clock::now();
    if (!force && now - last_draw_ < std::chrono::milliseconds(200))
        return;
    last_draw_ = now;
    const double secs = std::chrono::duration<double>(now - start_).count();
    const long long done = bytes_.load();
    const double rate = secs > 0 ? done / secs : 0;
    const double frac = total_bytes_ > 0 ? std::min(1.0, static_cast<double>(done) / total_bytes_) : 0.0;
    char bar[21];
    int filled = static_cast<int>(frac * 20);
    for (int i = 0; i < 20; ++i)
        bar[i] = i < filled ? '#' : '.';
    bar[20] = '\0';
    char eta[32] = "--:--";
    if (rate > 0 && total_bytes_ > done) {
        long long left = static_cast<long long>((total_bytes_ - done) / rate);
        std::snprintf(eta, sizeof eta, "%02lld:%02lld", left / 60, left % 60);
    }
    std::fprintf(stderr, "\r[%s] %lld/%lld files  %s/%s  %.1f MB/s  ETA %s   ", bar, files_.load(), total_files_,
                 human_bytes(done).c_str(), human_bytes(total_bytes_).c_str(), rate / 1e6, eta);
    std::fflush(stderr);
    drawn_ = true;
}

void Progress::finish()
{
    if (!enabled_)
        return;
    std::lock_guard<std::mutex> lock(mu_);
    if (drawn_) {
        std::fprintf(stderr, "\r%*s\r", 100, "");
        std::fflush(stderr);
        drawn_ = false;
    }
}

} // namespace orvex::cli
