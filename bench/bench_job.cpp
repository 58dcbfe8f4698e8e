// The restore-job core as the desktop program runs it, against
// `orvex-extract restore` of the same selection with the same number of
// sessions, in one run:
//   cli N    `orvex-extract restore --threads N` of the whole version, a child
//            process (open, listing, restore)
//   job N    the same job run by the job core in a child process of this
//            program, with an observer that does what the program's restore
//            thread does with the reports (queued progress to another thread,
//            the job's state file rewritten as the resume point moves)
// Rounds interleave the two into fresh destination folders on the same file
// system (the work folder's, not a memory file system); the best of five
// counts, for wall time and for CPU time (which a loaded machine disturbs
// less). Then the peak memory of a job over 2,000, 20,000 and 200,000 small
// files, which must not grow with the number of files beyond the spill batch.
//
// Usage: bench_job [size (1G)] [files (2000)] [work folder (./bench-job)]
// orvex-extract must be built next to this program. Folders are kept in the
// work folder and reused by the next run.
#include "job.h"
#include "jobfile.h"
#include "testkit/trellis.h"
#include "testkit/trellis_content.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>

namespace fs = std::filesystem;
namespace tt = orvex::testkit::trellis;
namespace oj = orvex::jobs;

namespace {

using Clock = std::chrono::steady_clock;
const char *kPassword = "bench password";

uint64_t parse_size(const std::string &t)
{
    size_t used = 0;
    uint64_t v = std::stoull(t, &used);
    char u = used < t.size() ? t[used] : 0;
    return u == 'G' ? v << 30 : u == 'M' ? v << 20 : u == 'K' ? v << 10 : v;
}

// A folder of `files` files averaging `size / files` bytes, zstd and
// AES-256-GCM in ovt vaults, written once and reused.
fs::path folder_for(const fs::path &work, uint64_t size, int files, const std::string &password)
{
    const fs::path folder = work / ("folder-" + std::to_string(size) + "-" + std::to_string(files));
    if (fs::exists(folder / "done"))
        return folder;
    fs::remove_all(folder);
    tt::FolderOptions fo;
    fo.password = password;
    fo.versions = 1;
    fo.files = files;
    fo.seed = 3;
    fo.max_file_size = std::max<uint64_t>(1, static_cast<uint64_t>(2.5 * static_cast<double>(size) / files));
    tt::ContentOptions co;
    co.password = password;
    co.placement = tt::Placement::Ovt;
    co.cmp_methods = {5};
    co.min_chunk = 48 * 1024;
    co.max_chunk = 80 * 1024;
    co.vault_capacity = 64ull << 20;
    co.files_per_descriptor = files > 10000 ? 1000 : 64;
    auto t0 = Clock::now();
    tt::write_folder_with_content(folder, fo, co);
    std::fclose(std::fopen((folder / "done").c_str(), "w"));
    std::printf("wrote %s in %.1f s\n", folder.c_str(), std::chrono::duration<double>(Clock::now() - t0).count());
    return folder;
}

// What the program's restore thread does with the job's reports: a file's
// progress crosses to the window thread (a queued signal) at most every
// 200 ms, every progress snapshot crosses, failures are logged, and the
// resume point rewrites the job's state file at most once a second.
class ProgramObserver : public oj::JobObserver {
public:
    explicit ProgramObserver(const fs::path &state)
        : state_(state.string(), oj::JobState{}), consumer_([this] {
              std::unique_lock<std::mutex> lock(mu_);
              for (;;) {
                  cv_.wait(lock, [&] { return done_ || !queue_.empty(); });
                  if (queue_.empty())
                      return;
                  queue_.pop_front();
              }
          })
    {
    }
    ~ProgramObserver() override
    {
        {
            std::lock_guard<std::mutex> lock(mu_);
            done_ = true;
        }
        cv_.notify_all();
        consumer_.join();
    }
    void on_file_progress(const oj::FileEvent &e) override
    {
        const auto now = Clock::now();
        if (now - last_ < std::chrono::milliseconds(200))
            return;
        last_ = now;
        post(e);
    }
    void on_item(const oj::ItemResult &r) override
    {
        if (r.outcome == oj::Outcome::Failed)
            post({r.version, r.source, r.destination, r.size, 1, 100});
    }
    void on_progress(const oj::ProgressSnapshot &) override { post({}); }
    void on_resume_point(const oj::ResumePoint &p) override
    {
        point_ = p;
        const auto now = Clock::now();
        if (now - last_point_ < std::chrono::seconds(1))
            return;
        last_point_ = now;
        write_resume_point();
    }
    void write_resume_point() { state_.set_resume_point(point_.version, point_.path); }

private:
    void post(const oj::FileEvent &e)
    {
        std::lock_guard<std::mutex> lock(mu_);
        queue_.push_back(e);
        cv_.notify_one();
    }
    oj::JobStateFile state_;
    Clock::time_point last_{};
    Clock::time_point last_point_{};
    oj::ResumePoint point_;
    std::mutex mu_;
    std::condition_variable cv_;
    std::deque<oj::FileEvent> queue_;
    bool done_ = false;
    std::thread consumer_;
};

// Runs in a child: the whole version of `folder` into `dest` on `sessions`.
int run_job_child(const fs::path &folder, const fs::path &dest, unsigned sessions)
{
    oj::OpenRequest req;
    req.path = folder.string();
    req.password = kPassword;
    req.temp_folder = fs::temp_directory_path().string();
    std::unique_ptr<oj::Archive> first;
    if (oj::open_archive(req, first) != 0)
        return 2;
    oj::Selection all;
    all.version = 1;
    all.dest_folder = dest.string();
    oj::JobOptions opt;
    opt.sessions = sessions;
    ProgramObserver obs(fs::path(dest).parent_path() / "Job1.jobs");
    auto more = [&](std::unique_ptr<oj::Archive> &out) { return oj::open_archive(req, out); };
    oj::Summary s = oj::run_job(*first, more, {all}, opt, obs);
    obs.write_resume_point();
    return s.counters.failed == 0 ? 0 : 1;
}

struct Run {
    double seconds = 0;
    double cpu_seconds = 0;
    long max_rss_kib = 0;
    int code = 0;
};

// Runs `child` in a child process after a sync; wall time, CPU time and peak
// memory. The child must exec a fresh program: a forked copy of this one
// would count the pages of this process (the folders it wrote) as its own.
template <class F> Run measure(F child)
{
    ::sync();
    std::fflush(stdout); // the child must not write this process's buffer again
    auto t0 = Clock::now();
    pid_t pid = fork();
    if (pid == 0)
        _exit(child());
    int status = 0;
    rusage ru{};
    wait4(pid, &status, 0, &ru);
    Run r;
    r.seconds = std::chrono::duration<double>(Clock::now() - t0).count();
    r.cpu_seconds = static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
                    static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec) / 1e6;
    r.max_rss_kib = ru.ru_maxrss;
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

int run_cli(const fs::path &exe, const fs::path &folder, const fs::path &dest, unsigned sessions)
{
    setenv("ORVEX_PASSWORD", kPassword, 1);
    std::string threads = std::to_string(sessions);
    if (!freopen("/dev/null", "w", stdout))
        return 3;
    execl(exe.c_str(), exe.c_str(), "restore", folder.c_str(), "--to", dest.c_str(), "--threads", threads.c_str(),
          static_cast<char *>(nullptr));
    return 127;
}

// The job child: this program again, started fresh with "--job".
int exec_job(const fs::path &folder, const fs::path &dest, unsigned sessions)
{
    std::string n = std::to_string(sessions);
    execl("/proc/self/exe", "bench_job", "--job", folder.c_str(), dest.c_str(), n.c_str(),
          static_cast<char *>(nullptr));
    return 127;
}

uint64_t tree_bytes(const fs::path &p)
{
    uint64_t n = 0;
    for (const auto &e : fs::recursive_directory_iterator(p))
        if (e.is_regular_file())
            n += e.file_size();
    return n;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 5 && std::string(argv[1]) == "--job")
        return run_job_child(argv[2], argv[3], static_cast<unsigned>(std::atoi(argv[4])));
    const uint64_t size = argc > 1 ? parse_size(argv[1]) : 1ull << 30;
    const int files = argc > 2 ? std::atoi(argv[2]) : 2000;
    const fs::path work = fs::absolute(argc > 3 ? argv[3] : "bench-job");
    const fs::path exe = fs::canonical("/proc/self/exe").parent_path() / "orvex-extract";
    fs::create_directories(work);
    const fs::path folder = folder_for(work, size, files, kPassword);
    const fs::path out = work / "out";

    std::printf("\nthroughput: %s, %d files, best of 5, destination on %s\n", argv[1] ? argv[1] : "1G", files,
                work.c_str());
    for (unsigned sessions : {1u, 2u}) {
        double best_cli = 1e9, best_job = 1e9, cpu_cli = 1e9, cpu_job = 1e9;
        uint64_t bytes = 0;
        for (int round = 0; round < 5; ++round) {
            fs::remove_all(out);
            Run c = measure([&] { return run_cli(exe, folder, out, sessions); });
            bytes = tree_bytes(out);
            fs::remove_all(out);
            Run j = measure([&] { return exec_job(folder, out, sessions); });
            if (c.code != 0 || j.code != 0) {
                std::fprintf(stderr, "a run failed (cli %d, job %d)\n", c.code, j.code);
                return 1;
            }
            best_cli = std::min(best_cli, c.seconds);
            best_job = std::min(best_job, j.seconds);
            cpu_cli = std::min(cpu_cli, c.cpu_seconds);
            cpu_job = std::min(cpu_job, j.cpu_seconds);
        }
        std::printf("sessions %u: cli %.0f MB/s, job %.0f MB/s, job/cli %.3f (target >= 0.95); "
                    "CPU s: cli %.2f, job %.2f, cli/job %.3f\n",
                    sessions, bytes / best_cli / 1e6, bytes / best_job / 1e6, best_cli / best_job, cpu_cli, cpu_job,
                    cpu_cli / cpu_job);
    }
    fs::remove_all(out);

    std::printf("\npeak memory of a job over small files (2 sessions):\n");
    for (int n : {2000, 20000, 200000}) {
        const fs::path small = folder_for(work, static_cast<uint64_t>(n) * 2000, n, kPassword);
        fs::remove_all(out);
        Run j = measure([&] { return exec_job(small, out, 2); });
        std::printf("%7d files: %6.1f MiB peak, %.1f s%s\n", n, j.max_rss_kib / 1024.0, j.seconds,
                    j.code ? " (FAILED)" : "");
        fs::remove_all(out);
    }
    return 0;
}
