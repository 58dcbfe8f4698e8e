// Progress of a job with speed and time left, computed one way for every
// front end (the command line's bar, the program's job rows and progress
// dialog).
#pragma once

#include <chrono>
#include <deque>
#include <string>

namespace orvex::jobs {

struct ProgressSnapshot {
    long long files_done = 0;
    long long files_total = 0;
    long long bytes_done = 0;
    long long bytes_total = 0;
    double seconds = 0;           // since the job started
    double bytes_per_second = 0;  // over the last few seconds
    double seconds_left = -1;     // -1 while unknown
    std::string current;          // catalogue path of a file being worked on
};

// Not thread-safe: the job updates it under its lock.
class ProgressMeter {
public:
    using Clock = std::chrono::steady_clock;

    explicit ProgressMeter(Clock::time_point start = Clock::now());
    void set_totals(long long files, long long bytes);
    // A file finished (or was passed over): its whole size counts as done.
    void file_done(long long size);
    // Bytes of files still running, as their progress reports them.
    void set_running_bytes(long long bytes);
    void set_current(const std::string &path) { current_ = path; }

    // True when a report is due (at most every `interval`).
    bool due(Clock::time_point now, std::chrono::milliseconds interval = std::chrono::milliseconds(200));
    ProgressSnapshot snapshot(Clock::time_point now);

private:
    struct Sample {
        Clock::time_point at;
        long long bytes;
    };

    Clock::time_point start_, last_report_;
    long long files_total_ = 0, bytes_total_ = 0;
    long long files_done_ = 0, bytes_finished_ = 0, bytes_running_ = 0;
    std::deque<Sample> samples_;
    std::string current_;
};

// "1.5 MB" style, powers of 1000.
std::string human_bytes(long long n);
// "1:05:09", "4:02" or "0:07".
std::string human_duration(double seconds);

} // namespace orvex::jobs
