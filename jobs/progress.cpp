#include "progress.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace orvex::jobs {

namespace {

// Speed is measured over this much recent time, so a pause or a run of
// small files does not distort it for long.
constexpr std::chrono::seconds kWindow{5};
constexpr std::chrono::milliseconds kSampleEvery{250};

double seconds_between(ProgressMeter::Clock::time_point a, ProgressMeter::Clock::time_point b)
{
    return std::chrono::duration<double>(b - a).count();
}

} // namespace

ProgressMeter::ProgressMeter(Clock::time_point start) : start_(start), last_report_(start)
{
    samples_.push_back({start, 0});
}

void ProgressMeter::set_totals(long long files, long long bytes)
{
    files_total_ = files;
    bytes_total_ = bytes;
}

void ProgressMeter::file_done(long long size)
{
    ++files_done_;
    if (__builtin_add_overflow(bytes_finished_, std::max(0LL, size), &bytes_finished_))
        bytes_finished_ = std::numeric_limits<long long>::max();
}

void ProgressMeter::set_running_bytes(long long bytes)
{
    bytes_running_ = std::max(0LL, bytes);
}

bool ProgressMeter::due(Clock::time_point now, std::chrono::milliseconds interval)
{
    if (now - last_report_ < interval)
        return false;
    last_report_ = now;
    return true;
}

ProgressSnapshot ProgressMeter::snapshot(Clock::time_point now)
{
    ProgressSnapshot s;
    s.files_done = files_done_;
    s.files_total = files_total_;
    if (__builtin_add_overflow(bytes_finished_, bytes_running_, &s.bytes_done))
        s.bytes_done = std::numeric_limits<long long>::max();
    if (bytes_total_ > 0)
        s.bytes_done = std::min(s.bytes_done, bytes_total_);
    s.bytes_total = bytes_total_;
    s.seconds = seconds_between(start_, now);
    s.current = current_;

    if (now - samples_.back().at >= kSampleEvery)
        samples_.push_back({now, s.bytes_done});
    while (samples_.size() > 2 && now - samples_[1].at >= kWindow)
        samples_.pop_front();
    const Sample &first = samples_.front();
    const double span = seconds_between(first.at, now);
    if (span > 0.2)
        s.bytes_per_second = std::max(0.0, static_cast<double>(s.bytes_done - first.bytes) / span);
    if (s.bytes_per_second > 0 && bytes_total_ > 0)
        s.seconds_left = static_cast<double>(std::max(0LL, bytes_total_ - s.bytes_done)) / s.bytes_per_second;
    return s;
}

std::string human_bytes(long long n)
{
    const char *units[] = {"B", "kB", "MB", "GB", "TB", "PB"};
    double v = static_cast<double>(n);
    int u = 0;
    while ((v >= 1000.0 || v <= -1000.0) && u < 5) {
        v /= 1000.0;
        ++u;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, u == 0 ? "%.0f %s" : "%.1f %s", v, units[u]);
    return buf;
}

std::string human_duration(double seconds)
{
    long long s = seconds < 0 ? 0 : static_cast<long long>(seconds + 0.5);
    char buf[48];
    if (s >= 3600)
        std::snprintf(buf, sizeof buf, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    else
        std::snprintf(buf, sizeof buf, "%lld:%02lld", s / 60, s % 60);
    return buf;
}

} // namespace orvex::jobs
