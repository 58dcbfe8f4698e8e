// A restore job: the rules that turn a selection of a backup into files and
// folders at a destination, shared by orvex-extract and the desktop
// program.
//
// A job expands the selected folders through the archive's listing (into a
// spill file read back in batches, so memory stays bounded however many
// entries there are), creates the destination folders, takes the conflict
// decision for every file (skip, replace, or rename to "name_N.ext"), refuses
// names that could leave the destination, restores the files (on several
// sessions at once when allowed), sets the folders' times last, and counts
// everything. With a resume point it passes over the files before that file
// and restores that file again with overwrite.
//
// Front ends see the job through a JobObserver; all its calls come from one
// thread at a time (the core serialises them), though not always the
// caller's.
#pragma once

#include "archive.h"
#include "progress.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace orvex::jobs {

enum class Policy { Skip = 0, Replace = 1, Rename = 2 };

enum class Mode {
    Restore, // write files and folders
    DryRun,  // take every decision, write nothing
    Verify,  // read and check every chunk of the selected files, write nothing
};

// One selected entry. A file or folder lands in `dest_folder` under its own
// name; a selection with an empty `name` stands for the contents of the
// folder `parent`, which land directly in `dest_folder`.
struct Selection {
    int version = 0;
    std::string parent = "\\"; // catalogue path of the folder holding it
    std::string name;
    bool is_dir = true;
    long long size = 0;
    long long mtime = 0;
    std::string dest_folder; // native path
    bool open_after = false; // ask the front end to open it once restored

    std::string source() const { return name.empty() ? parent : child_path(parent, name); }
};

// The first file not known to be finished: where an interrupted job starts
// again.
struct ResumePoint {
    int version = -1;
    std::string path; // catalogue path; empty: no resume point
    bool empty() const { return path.empty(); }
};

struct JobOptions {
    Mode mode = Mode::Restore;
    Policy policy = Policy::Skip;
    // Sessions restoring at once (the first one is the job's own).
    unsigned sessions = 1;
    // Where expanded entries spill; a private temporary file when empty.
    std::string spill_path;
    // Entries read back from the spill at a time.
    size_t batch = 100000;
    ResumePoint resume;
};

enum class Outcome {
    Restored,   // written (also: would be written, in a dry run; checked, in a verify)
    Replaced,   // written over an existing file
    Renamed,    // written under a new name because the name was taken
    Skipped,    // the name was taken and the policy is skip
    Passed,     // before the resume point: finished by an earlier run
    Failed,
};

// One file or folder the job has finished with.
struct ItemResult {
    int version = 0;
    std::string source;      // catalogue path
    std::string destination; // native path (the new name when renamed)
    bool is_dir = false;
    long long size = 0;
    Outcome outcome = Outcome::Restored;
    int code = kOk;      // the archive's result for a failed file
    std::string message; // why it failed
    bool open_after = false;
};

// Running per-file report (status as in FileProgress).
struct FileEvent {
    int version = 0;
    std::string source;
    std::string destination;
    long long size = 0;
    int status = 0;
    float percent = 0;
};

struct Counters {
    long long files = 0;   // restored (or checked) files, renamed and replaced ones included
    long long folders = 0; // folders created or found in place
    long long bytes = 0;   // bytes of those files
    long long skipped = 0;
    long long replaced = 0;
    long long renamed = 0;
    long long failed = 0;
    long long passed = 0;            // before the resume point
    long long unchecked_chunks = 0;  // verify: chunks without a digest
};

struct Summary {
    Counters counters;
    Totals totals;    // what was selected, counted before the work
    int status = kOk; // kOk, or the failures' codes (see below)
    bool stopped = false;        // the observer asked to stop
    long long not_started = 0;   // selected files never reached after the job stopped
    double seconds = 0;
};

// What a front end hears of a job. Every call comes under the job's lock.
class JobObserver {
public:
    virtual ~JobObserver() = default;
    // Polled often, from any of the job's threads; true stops the job.
    virtual bool stop_requested() { return false; }
    // Called between files and inside per-file progress: returns when the
    // job may go on (a paused front end blocks here). Not under the lock.
    virtual void wait_while_paused() {}

    virtual void on_totals(const Totals &) {}
    virtual void on_file_progress(const FileEvent &) {}
    virtual void on_item(const ItemResult &) {}
    virtual void on_resume_point(const ResumePoint &) {}
    // At most a few times a second, and once at the end.
    virtual void on_progress(const ProgressSnapshot &) {}
};

// Opens one more session of the job's backup (for jobs on several sessions);
// kOk with `out` set, or a result code (the job then uses fewer sessions).
using SessionOpener = std::function<int(std::unique_ptr<Archive> &out)>;

// Runs a job over `first` (an open session) to its end, or until the
// observer asks it to stop. `status` of the summary: kOk when nothing
// failed; kDiskFull, kNoVersion or kNotFound when a file's restore returned
// that code (the job then stops, as every further file would fail too);
// otherwise the bitwise OR of the failed files' codes.
Summary run_job(Archive &first, const SessionOpener &open_more, const std::vector<Selection> &selection,
                const JobOptions &options, JobObserver &observer);

} // namespace orvex::jobs
