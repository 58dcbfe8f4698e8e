#include "job.h"

#include "names.h"
#include "spill.h"

#include <condition_variable>
#include <cstring>
#include <deque>
#include <filesystem>
#include <limits>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <unordered_set>

#include <fcntl.h>
#include <sys/stat.h>

namespace orvex::jobs {

namespace {

using Clock = ProgressMeter::Clock;
constexpr std::chrono::milliseconds kFileEventGap{100};

// What sits at `path`, never following a final link.
enum class Kind { None, Folder, File, Link, Other, Unknown };

Kind kind_of(const std::string &path)
{
    struct stat sb;
    if (::lstat(path.c_str(), &sb) != 0)
        return errno == ENOENT ? Kind::None : Kind::Unknown;
    if (S_ISLNK(sb.st_mode))
        return Kind::Link;
    if (S_ISDIR(sb.st_mode))
        return Kind::Folder;
    if (S_ISREG(sb.st_mode))
        return Kind::File;
    return Kind::Other;
}

std::string system_text(int err)
{
    if (err == ENAMETOOLONG)
        return "the path is too long for the file system";
    return std::strerror(err);
}

// Why a restore or verify failed, for people.
std::string result_text(int rc, Mode mode = Mode::Restore)
{
    switch (rc) {
    case kNoVersion:
        return "no such version";
    case kNotFound:
        return "no such file in this version";
    case kDiskFull:
        return "the disk is full";
    default:
        return mode == Mode::Verify ? "damaged or missing chunk, or wrong password"
                                    : "failed (damaged or missing chunk, wrong password, or a write error)";
    }
}

// Codes after which every further file would fail the same way.
bool ends_job(int rc)
{
    return rc == kNoVersion || rc == kNotFound || rc == kDiskFull;
}

// Sizes come from a catalogue: a hostile one could make a sum wrap around.
void add_bytes(long long &total, long long n)
{
    if (n > 0 && __builtin_add_overflow(total, n, &total))
        total = std::numeric_limits<long long>::max();
}

ItemResult item_of(const SpillEntry &e, Outcome outcome)
{
    ItemResult r;
    r.version = e.version;
    r.source = e.source;
    r.destination = e.destination;
    r.is_dir = e.is_dir;
    r.size = e.is_dir ? 0 : e.size;
    r.outcome = outcome;
    return r;
}

// One file handed to a session.
struct Task {
    unsigned long long seq = 0;
    SpillEntry entry;
    bool overwrite = false;
    Outcome planned = Outcome::Restored; // Restored, Replaced or Renamed
    bool open_after = false;
};

// An open archive session and the lock that keeps it to one thread.
struct Session {
    Archive *archive = nullptr;
    std::unique_ptr<Archive> owned;
    std::mutex mu;
};

class JobRun {
public:
    JobRun(Archive &first, const SessionOpener &open_more, const std::vector<Selection> &selection,
           const JobOptions &options, JobObserver &observer)
        : open_more_(open_more), selection_(selection), opt_(options), obs_(observer),
          spill_(options.spill_path), resume_(options.resume)
    {
        auto s = std::make_unique<Session>();
        s->archive = &first;
        sessions_.push_back(std::move(s));
    }

    Summary run();

private:
    bool writes() const { return opt_.mode == Mode::Restore; }
    bool stopping();

    void count_totals();
    void open_sessions();
    void plan_selection(const Selection &sel);
    void plan_folder(const SpillEntry &e);
    bool make_folder(const SpillEntry &e);
    void expand(int version, const std::string &source, const std::string &destination);
    void plan_file(const SpillEntry &e, bool open_after);
    bool decide(Task &t);
    std::string free_name(const std::string &dst);
    void dispatch(Task t);

    void start_workers();
    void stop_workers();
    void worker_loop(Session &s);
    void execute(Session &s, Task &t);
    int run_task(Session &s, Task &t, bool &exists);
    bool retry_after_conflict(Task &t);
    void finish_task(const Task &t, int rc, const VerifyInfo &vi);

    void begin_inflight(const Task &t);
    void end_inflight(const Task &t);
    void report_resume_point();
    void check_resume_point();
    void report_item(ItemResult r);
    void report_file_event(const SpillEntry &e, int status, float percent);
    void report_progress(bool force);
    void fail(const std::string &source, const std::string &destination, bool is_dir, int code,
              const std::string &message);
    void finished_without_work(const SpillEntry &e, Outcome outcome, bool open_after);
    void set_folder_times();

    template <class F> auto with_any_session(F &&fn);

    const SessionOpener &open_more_;
    const std::vector<Selection> &selection_;
    const JobOptions &opt_;
    JobObserver &obs_;
    Spill spill_;
    std::unique_ptr<Spill> folder_times_;
    ResumePoint resume_;
    std::vector<std::unique_ptr<Session>> sessions_;

    // Everything below is guarded by mu_.
    std::mutex mu_;
    Summary sum_;
    ProgressMeter meter_;
    unsigned long long next_seq_ = 0;
    std::map<unsigned long long, ResumePoint> inflight_;
    std::unordered_map<unsigned long long, long long> running_bytes_;
    long long running_total_ = 0;
    std::unordered_set<std::string> reserved_; // destinations of files in flight
    long long files_finished_ = 0; // restored, skipped, passed or failed
    bool halted_ = false; // a file's result ends the job

    // The work queue of jobs on several sessions.
    std::mutex qmu_;
    std::condition_variable qcv_;
    std::deque<Task> queue_;
    bool closed_ = false;
    std::vector<std::thread> workers_;
};

bool JobRun::stopping()
{
    if (obs_.stop_requested()) {
        std::lock_guard<std::mutex> lock(mu_);
        sum_.stopped = true;
        return true;
    }
    std::lock_guard<std::mutex> lock(mu_);
    return halted_;
}

// The planner lists on whichever session is free, so a long file restore
// on one session does not hold up the expansion.
template <class F> auto JobRun::with_any_session(F &&fn)
{
    for (auto &s : sessions_) {
        std::unique_lock<std::mutex> lock(s->mu, std::try_to_lock);
        if (lock.owns_lock())
            return fn(*s->archive);
    }
    std::lock_guard<std::mutex> lock(sessions_.front()->mu);
    return fn(*sessions_.front()->archive);
}

Summary JobRun::run()
{
    const Clock::time_point start = Clock::now();
    count_totals();
    check_resume_point();
    if (writes())
        folder_times_ = std::make_unique<Spill>(std::string());
    open_sessions();
    start_workers();
    try {
        for (const Selection &sel : selection_) {
            if (stopping())
                break;
            plan_selection(sel);
        }
        std::vector<SpillEntry> batch;
        while (!stopping() && spill_.read_batch(batch, opt_.batch) > 0)
            for (const SpillEntry &e : batch) {
                if (stopping())
                    break;
                if (e.is_dir)
                    plan_folder(e);
                else
                    plan_file(e, false);
            }
    } catch (...) {
        stop_workers();
        throw;
    }
    stop_workers();
    if (folder_times_)
        set_folder_times();

    std::lock_guard<std::mutex> lock(mu_);
    if (halted_ || sum_.stopped)
        sum_.not_started = std::max(0LL, sum_.totals.files - files_finished_);
    if (halted_ && !sum_.stopped)
        sum_.counters.failed += sum_.not_started;
    sum_.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    report_progress(true);
    return sum_;
}

void JobRun::count_totals()
{
    Totals t;
    for (const Selection &sel : selection_) {
        if (!sel.is_dir) {
            t.files += 1;
            add_bytes(t.bytes, sel.size);
            continue;
        }
        Totals below;
        if (with_any_session([&](Archive &a) { return a.stat_sum(sel.version, sel.source(), below); }) == kOk) {
            t.folders += below.folders;
            t.files += below.files;
            add_bytes(t.bytes, below.bytes);
        }
    }
    std::lock_guard<std::mutex> lock(mu_);
    sum_.totals = t;
    meter_.set_totals(t.files, t.bytes);
    obs_.on_totals(t);
}

// Without this check a resume point that names no file of the version would
// pass over every file and report the job finished with nothing written.
void JobRun::check_resume_point()
{
    if (resume_.empty())
        return;
    const size_t cut = resume_.path.find_last_of('\\');
    const std::string parent = cut == std::string::npos || cut == 0 ? std::string("\\") : resume_.path.substr(0, cut);
    const std::string name = cut == std::string::npos ? resume_.path : resume_.path.substr(cut + 1);
    bool found = false;
    with_any_session([&](Archive &a) {
        return a.list_folder(resume_.version, parent, [&](const Entry &e) {
            found = !e.is_dir && e.name == name;
            return !found;
        });
    });
    if (found)
        return;
    resume_ = ResumePoint{};
    std::lock_guard<std::mutex> lock(mu_);
    sum_.resume_ignored = true;
}

void JobRun::open_sessions()
{
    for (unsigned i = 1; i < opt_.sessions && open_more_; ++i) {
        auto s = std::make_unique<Session>();
        if (open_more_(s->owned) != kOk || !s->owned)
            break; // fewer sessions, same job
        s->archive = s->owned.get();
        sessions_.push_back(std::move(s));
    }
}

void JobRun::plan_selection(const Selection &sel)
{
    if (writes()) {
        std::error_code ec;
        std::filesystem::create_directories(sel.dest_folder, ec);
        if (kind_of(sel.dest_folder) == Kind::None || ec) {
            fail(sel.source(), sel.dest_folder, sel.is_dir, kFailure,
                 "cannot create the destination folder " + sel.dest_folder + ": " +
                     system_text(ec ? ec.value() : ENOENT));
            return;
        }
    }
    if (sel.name.empty()) {
        expand(sel.version, sel.parent, sel.dest_folder);
        return;
    }
    if (std::string why = unsafe_name_reason(sel.name); !why.empty()) {
        fail(sel.source(), sel.dest_folder, sel.is_dir, kFailure, "refused: " + why);
        return;
    }
    SpillEntry e{sel.version, sel.source(), native_join(sel.dest_folder, sel.name), sel.is_dir, sel.size,
                 sel.mtime};
    if (sel.is_dir)
        plan_folder(e);
    else
        plan_file(e, sel.open_after);
}

void JobRun::plan_folder(const SpillEntry &e)
{
    if (writes() && !make_folder(e))
        return;
    if (folder_times_)
        folder_times_->append(e);
    {
        std::lock_guard<std::mutex> lock(mu_);
        ++sum_.counters.folders;
        report_file_event(e, 0, 0);
        report_item(item_of(e, Outcome::Restored));
    }
    expand(e.version, e.source, e.destination);
}

bool JobRun::make_folder(const SpillEntry &e)
{
    Kind k = kind_of(e.destination);
    if (k == Kind::None) {
        if (::mkdir(e.destination.c_str(), 0755) == 0)
            return true;
        int err = errno;
        if (err != EEXIST || kind_of(e.destination) != Kind::Folder) {
            fail(e.source, e.destination, true, kFailure, "cannot create " + e.destination + ": " + system_text(err));
            return false;
        }
        return true;
    }
    if (k == Kind::Folder)
        return true;
    if (k == Kind::Link)
        fail(e.source, e.destination, true, kFailure, e.destination + " is a link; it is not followed");
    else if (k == Kind::Unknown)
        fail(e.source, e.destination, true, kFailure, "cannot look at " + e.destination + ": " + system_text(errno));
    else
        fail(e.source, e.destination, true, kFailure, e.destination + " exists and is not a folder");
    return false;
}

void JobRun::expand(int version, const std::string &source, const std::string &destination)
{
    int rc = with_any_session([&](Archive &a) {
        return a.list_folder(version, source, [&](const Entry &entry) {
            const std::string child = child_path(source, entry.name);
            if (std::string why = unsafe_name_reason(entry.name); !why.empty()) {
                fail(child, destination, entry.is_dir, kFailure, "refused: " + why);
                return true;
            }
            spill_.append({version, child, native_join(destination, entry.name), entry.is_dir, entry.size,
                           entry.mtime});
            return !obs_.stop_requested();
        });
    });
    if (rc != kOk)
        fail(source, destination, true, rc, "cannot list this folder (" + result_text(rc) + ")");
}

void JobRun::plan_file(const SpillEntry &e, bool open_after)
{
    obs_.wait_while_paused();
    if (stopping())
        return;
    Task t;
    t.entry = e;
    t.open_after = open_after;
    if (!resume_.empty()) {
        if (resume_.version != e.version || resume_.path != e.source) {
            // Before the recorded file: finished by the interrupted run. A
            // file that is not there after all (it failed then, or the
            // record names a file this job never reaches) is restored like
            // any other instead of being reported done.
            if (!writes() || kind_of(e.destination) == Kind::File) {
                finished_without_work(e, Outcome::Passed, false);
                return;
            }
        } else {
            resume_ = ResumePoint{};
            // The file the interrupted run was on: it may be half done by
            // an older program, so it is written again whatever the policy
            // -- except under "rename", where the name may belong to the
            // user's own file that the run was writing a new name beside;
            // there a second copy is the lesser harm.
            if (opt_.policy != Policy::Rename || opt_.mode == Mode::Verify) {
                t.overwrite = true;
                t.planned = Outcome::Restored;
                dispatch(std::move(t));
                return;
            }
        }
    }
    if (opt_.mode != Mode::Verify && !decide(t))
        return;
    dispatch(std::move(t));
}

// The conflict policy for a file whose name may be taken. False when the
// file needs no restore (skipped, or failed).
bool JobRun::decide(Task &t)
{
    std::lock_guard<std::mutex> lock(mu_);
    const std::string dst = t.entry.destination;
    auto taken = [&](const std::string &path) { return reserved_.count(path) > 0 || kind_of(path) != Kind::None; };
    if (!taken(dst))
        return true;
    auto finish = [&](Outcome outcome, const std::string &message) {
        ++files_finished_;
        ItemResult r = item_of(t.entry, outcome);
        if (outcome == Outcome::Skipped) {
            ++sum_.counters.skipped;
            meter_.file_done(t.entry.size);
            report_file_event(t.entry, 0, 0);
            report_file_event(t.entry, 1, 100);
        } else {
            ++sum_.counters.failed;
            sum_.status |= kFailure;
            r.code = kFailure;
            r.message = message;
        }
        report_item(std::move(r));
        return false;
    };
    // Two entries of this job with one destination: the first one wins.
    if (opt_.policy == Policy::Skip || reserved_.count(dst))
        return finish(Outcome::Skipped, {});
    if (opt_.policy == Policy::Replace) {
        if (kind_of(dst) == Kind::Folder)
            return finish(Outcome::Failed, dst + " is a folder; not replaced");
        t.overwrite = true; // a link there is replaced, never followed
        t.planned = Outcome::Replaced;
        return true;
    }
    std::string fresh = free_name(dst);
    if (fresh.empty())
        return finish(Outcome::Failed, "no free name for " + dst);
    t.entry.destination = fresh;
    t.planned = Outcome::Renamed;
    return true;
}

// The first "name_N.ext" beside `dst` that neither exists nor is being
// written by this job; "" when there is none. Called under mu_.
std::string JobRun::free_name(const std::string &dst)
{
    const size_t cut = dst.find_last_of("/\\");
    const std::string folder = cut == std::string::npos ? std::string() : dst.substr(0, cut);
    const std::string name = cut == std::string::npos ? dst : dst.substr(cut + 1);
    std::string fresh = next_free_name(name, [&](const std::string &n) {
        const std::string p = native_join(folder, n);
        return reserved_.count(p) > 0 || kind_of(p) != Kind::None;
    });
    if (fresh.empty() || !unsafe_name_reason(fresh).empty())
        return {};
    return native_join(folder, fresh);
}

void JobRun::dispatch(Task t)
{
    if (opt_.mode == Mode::DryRun) {
        finished_without_work(t.entry, t.planned, t.open_after);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mu_);
        t.seq = next_seq_++;
        begin_inflight(t);
    }
    if (workers_.empty()) {
        std::lock_guard<std::mutex> lock(sessions_.front()->mu);
        execute(*sessions_.front(), t);
        return;
    }
    std::unique_lock<std::mutex> lock(qmu_);
    // A short queue: enough to keep every session busy, little to redo.
    qcv_.wait(lock, [&] { return queue_.size() < 2 * workers_.size(); });
    queue_.push_back(std::move(t));
    qcv_.notify_all();
}

void JobRun::start_workers()
{
    if (sessions_.size() < 2)
        return;
    for (auto &s : sessions_)
        workers_.emplace_back([this, session = s.get()] { worker_loop(*session); });
}

void JobRun::stop_workers()
{
    {
        std::lock_guard<std::mutex> lock(qmu_);
        closed_ = true;
    }
    qcv_.notify_all();
    for (auto &w : workers_)
        w.join();
    workers_.clear();
}

void JobRun::worker_loop(Session &s)
{
    for (;;) {
        Task t;
        {
            std::unique_lock<std::mutex> lock(qmu_);
            qcv_.wait(lock, [&] { return closed_ || !queue_.empty(); });
            if (queue_.empty())
                return;
            t = std::move(queue_.front());
            queue_.pop_front();
            qcv_.notify_all();
        }
        if (stopping()) {
            std::lock_guard<std::mutex> lock(mu_);
            end_inflight(t);
            continue;
        }
        std::lock_guard<std::mutex> lock(s.mu);
        execute(s, t);
    }
}

int JobRun::run_task(Session &s, Task &t, bool &exists)
{
    exists = false;
    const SpillEntry &e = t.entry;
    // The archive reports every chunk; front ends hear of a file's progress
    // at most every kFileEventGap (and always of its end), which is all a
    // person can read and keeps queued reports off the restore's path.
    Clock::time_point last_event{};
    FileProgress progress = [&](int status, float percent) {
        if (status == -1) {
            exists = true;
            return false;
        }
        {
            std::lock_guard<std::mutex> lock(mu_);
            if (status == 0 && e.size > 0) {
                long long now_bytes = static_cast<long long>(percent / 100.0 * static_cast<double>(e.size));
                long long &mine = running_bytes_[t.seq];
                running_total_ += now_bytes - mine;
                mine = now_bytes;
                meter_.set_running_bytes(running_total_);
            }
            const Clock::time_point now = Clock::now();
            if (status != 0 || percent >= 100 || now - last_event >= kFileEventGap) {
                last_event = now;
                report_file_event(e, status, percent);
            }
            report_progress(false);
        }
        if (stopping())
            return true;
        obs_.wait_while_paused();
        return stopping();
    };
    if (opt_.mode == Mode::Verify) {
        VerifyInfo vi;
        int rc = s.archive->verify_file(e.version, e.source, progress, vi);
        std::lock_guard<std::mutex> lock(mu_);
        sum_.counters.unchecked_chunks += vi.unchecked_chunks;
        return rc;
    }
    return s.archive->restore_file(e.version, e.source, e.destination, t.overwrite, progress);
}

// Another program created the destination after the decision: the policy
// decides again. False when the file is finished (skipped).
bool JobRun::retry_after_conflict(Task &t)
{
    std::lock_guard<std::mutex> lock(mu_);
    if (opt_.policy == Policy::Replace) {
        t.overwrite = true;
        t.planned = Outcome::Replaced;
        return true;
    }
    if (opt_.policy != Policy::Rename)
        return false;
    std::string fresh = free_name(t.entry.destination);
    if (fresh.empty())
        return false;
    reserved_.erase(t.entry.destination);
    t.entry.destination = fresh;
    t.planned = Outcome::Renamed;
    reserved_.insert(fresh);
    return true;
}

void JobRun::execute(Session &s, Task &t)
{
    obs_.wait_while_paused();
    int rc = kOk;
    VerifyInfo vi;
    for (int attempt = 0; attempt < 3; ++attempt) {
        bool exists = false;
        rc = run_task(s, t, exists);
        if (rc == kOk || !exists || t.overwrite)
            break;
        if (!retry_after_conflict(t)) {
            std::lock_guard<std::mutex> lock(mu_);
            end_inflight(t);
            ++files_finished_;
            sum_.counters.skipped++;
            meter_.file_done(t.entry.size);
            report_item(item_of(t.entry, Outcome::Skipped));
            return;
        }
    }
    finish_task(t, rc, vi);
}

void JobRun::finish_task(const Task &t, int rc, const VerifyInfo &)
{
    const bool user_stop = rc != kOk && obs_.stop_requested();
    std::lock_guard<std::mutex> lock(mu_);
    end_inflight(t);
    ItemResult r = item_of(t.entry, t.planned);
    r.open_after = t.open_after;
    Counters &n = sum_.counters;
    if (rc != kOk && user_stop) {
        sum_.stopped = true;
        return; // not a failure: the user stopped it, and it starts again on resume
    }
    ++files_finished_;
    if (rc == kOk) {
        meter_.file_done(t.entry.size);
        ++n.files;
        add_bytes(n.bytes, t.entry.size);
        n.replaced += t.planned == Outcome::Replaced;
        n.renamed += t.planned == Outcome::Renamed;
    } else {
        ++n.failed;
        r.outcome = Outcome::Failed;
        r.code = rc;
        r.message = result_text(rc, opt_.mode);
        if (ends_job(rc)) {
            sum_.status = rc;
            halted_ = true;
        } else if (!halted_) {
            sum_.status |= rc;
        }
    }
    report_item(std::move(r));
    report_progress(false);
}

void JobRun::begin_inflight(const Task &t)
{
    const bool first = inflight_.empty();
    inflight_[t.seq] = ResumePoint{t.entry.version, t.entry.source};
    reserved_.insert(t.entry.destination);
    meter_.set_current(t.entry.source);
    if (first)
        report_resume_point();
}

void JobRun::end_inflight(const Task &t)
{
    const bool was_first = !inflight_.empty() && inflight_.begin()->first == t.seq;
    inflight_.erase(t.seq);
    reserved_.erase(t.entry.destination);
    if (auto it = running_bytes_.find(t.seq); it != running_bytes_.end()) {
        running_total_ -= it->second;
        running_bytes_.erase(it);
        meter_.set_running_bytes(running_total_);
    }
    if (was_first && !inflight_.empty())
        report_resume_point();
}

// Once the job is asked to stop, files in flight are given up unfinished
// (running or still queued, in any order): the point recorded before the
// stop is the last one that lies before all of them. Called under mu_.
void JobRun::report_resume_point()
{
    if (sum_.stopped || obs_.stop_requested())
        return;
    obs_.on_resume_point(inflight_.begin()->second);
}

void JobRun::report_item(ItemResult r)
{
    obs_.on_item(r);
}

void JobRun::report_file_event(const SpillEntry &e, int status, float percent)
{
    obs_.on_file_progress(FileEvent{e.version, e.source, e.destination, e.is_dir ? 0 : e.size, status, percent});
}

void JobRun::report_progress(bool force)
{
    const Clock::time_point now = Clock::now();
    if (force || meter_.due(now))
        obs_.on_progress(meter_.snapshot(now));
}

void JobRun::fail(const std::string &source, const std::string &destination, bool is_dir, int code,
                  const std::string &message)
{
    std::lock_guard<std::mutex> lock(mu_);
    ++sum_.counters.failed;
    files_finished_ += is_dir ? 0 : 1;
    if (!halted_)
        sum_.status |= code == kOk ? kFailure : code;
    ItemResult r;
    r.source = source;
    r.destination = destination;
    r.is_dir = is_dir;
    r.outcome = Outcome::Failed;
    r.code = code;
    r.message = message;
    report_item(std::move(r));
}

// A file that needs no restore: passed over before the resume point, or
// planned only (dry run).
void JobRun::finished_without_work(const SpillEntry &e, Outcome outcome, bool open_after)
{
    std::lock_guard<std::mutex> lock(mu_);
    ++files_finished_;
    Counters &n = sum_.counters;
    if (outcome == Outcome::Passed) {
        ++n.passed;
    } else {
        ++n.files;
        add_bytes(n.bytes, e.size);
        n.replaced += outcome == Outcome::Replaced;
        n.renamed += outcome == Outcome::Renamed;
    }
    meter_.file_done(e.size);
    report_file_event(e, 0, 0);
    report_file_event(e, 1, 100);
    ItemResult r = item_of(e, outcome);
    r.open_after = open_after;
    report_item(std::move(r));
    report_progress(false);
}

// Folder times come last: every file written into a folder changes its
// time. Setting one folder's time does not touch its parent's, so the order
// does not matter. A link is never followed.
void JobRun::set_folder_times()
{
    std::vector<SpillEntry> batch;
    while (folder_times_->read_batch(batch, opt_.batch) > 0)
        for (const SpillEntry &e : batch) {
            timespec ts[2];
            ts[0].tv_sec = static_cast<time_t>(e.mtime);
            ts[0].tv_nsec = 0;
            ts[1] = ts[0];
            ::utimensat(AT_FDCWD, e.destination.c_str(), ts, AT_SYMLINK_NOFOLLOW);
        }
}

} // namespace

Summary run_job(Archive &first, const SessionOpener &open_more, const std::vector<Selection> &selection,
                const JobOptions &options, JobObserver &observer)
{
    JobRun run(first, open_more, selection, options, observer);
    return run.run();
}

} // namespace orvex::jobs
