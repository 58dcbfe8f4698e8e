// A one-line progress bar on stderr (files, bytes, MB/s, ETA), drawn only
// when stderr is a terminal, at most a few times a second. Thread-safe.
#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>

namespace orvex::cli {

class Progress {
public:
    Progress(long long files, long long bytes, bool enabled);
    ~Progress();
    void add_bytes(long long n);
    void file_done();
    // Clears the bar so the summary starts on a clean line.
    void finish();
    double seconds() const;
    long long bytes_done() const { return bytes_.load(); }

    static bool stderr_is_terminal();

private:
    void draw(bool force);

    const long long total_files_, total_bytes_;
    const bool enabled_;
    std::atomic<long long> files_{0}, bytes_{0};
    std::chrono::steady_clock::time_point start_, last_draw_;
    std::mutex mu_;
    bool drawn_ = false;
};

// "1.5 MB" style, powers of 1000.
std::string human_bytes(long long n);

} // namespace orvex::cli
