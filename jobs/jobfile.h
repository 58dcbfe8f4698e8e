// The desktop program's job files, kept so that unfinished restore jobs
// survive a restart. In the folder "Jobs" under the program's data folder:
//   "Job<id>.job"   the definition, written once when the job is created:
//                   "Key=value" lines, then one item line per selected entry;
//   "Job<id>.jobs"  the state: status, and the file to resume at;
//   "Job<id>.jobi"  the spill of the job's expanded folders (see spill.h).
//
// Text values are stored as fields.h encodes them ('%', ';', CR and LF as
// %25, %3B, %0D, %0A), so a name holding "; " or a line break cannot end a
// field or a line early; the password is stored as Base64 of its UTF-8
// bytes. Paths of the local file system are written in the platform's own
// form and read in either separator form; catalogue paths keep their
// backslashes.
//
// The files hold the password: they are created readable by their owner
// only, and always through a temporary name renamed into place, so a killed
// program never leaves a half-written file behind.
#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace orvex::jobs {

constexpr int kMinJobId = 1;
constexpr int kMaxJobId = 250;

// One selected entry of a job.
struct JobItem {
    std::string name;
    std::string parent = "\\"; // catalogue path of the folder holding it
    long long size = 0;        // a file's size, a folder's total (-1 unknown)
    long long mtime = 0;       // seconds since 1970
    bool is_dir = false;
    int version = 0;
    int check_state = 2;       // 0 unchecked, 1 partly, 2 checked
    bool overwrite = false;
    std::string dest_folder;   // where the entry lands (native path)
    bool open_file = false;    // open it with its application once restored
    long long folder_count = 0;
    long long file_count = 0;

    bool operator==(const JobItem &) const = default;
};

struct JobDefinition {
    int id = 0;
    std::string source;   // the backup folder
    std::string password; // empty: none
    long long estimated_size = 0;
    std::string target;   // the destination the user chose
    long long created = 0; // seconds since 1970
    bool extract_all = false;
    int policy = 0;       // 0 skip, 1 replace, 2 rename
    std::vector<JobItem> items;

    bool operator==(const JobDefinition &) const = default;
};

// Job status values as the state file stores them.
enum JobStatus {
    kQueued = 0,
    kExtracting = 1,
    kPaused = 2,
    kQueuedToResume = 3,
    kResetting = 4, // never stored
    kCompleted = 5,
    kFailed = 6,
};

struct JobState {
    int status = kQueued;
    int version = -1;
    std::string file; // catalogue path of the resume point; empty: none

    bool operator==(const JobState &) const = default;
};

// "Job7.job", "Job7.jobs", "Job7.jobi".
std::string job_file_name(int id);
std::string state_file_name(int id);
std::string spill_file_name(int id);

std::string format_job(const JobDefinition &job);
// False, with a short reason in `error`, for anything we would not have
// written: a missing or repeated key, a value that is not a number where one
// belongs or is out of range, an id outside 1..250, a bad item line, an item
// count that does not match the item lines, or a password that is not
// Base64.
bool parse_job(const std::string &text, JobDefinition &out, std::string &error);

std::string format_state(const JobState &state);
bool parse_state(const std::string &text, JobState &out, std::string &error);

std::string base64_encode(const std::string &bytes);
// False for anything but canonical standard Base64 (padding included).
bool base64_decode(const std::string &text, std::string &out);

// Writes `content` to `path` through a temporary name in the same folder,
// readable by the owner only; with `durable` the data reaches the disk before
// the rename. False with the system's reason in `error`.
bool write_private_file(const std::string &path, const std::string &content, bool durable, std::string &error);
// Reads a whole job file (refusing anything larger than a job file can
// reasonably be). False with the reason in `error`.
bool read_job_text(const std::string &path, std::string &out, std::string &error);

// The state file of one job. The program's window changes the status and
// the job's worker records the resume point, each from its own thread; every
// change rewrites the whole file under one lock, so the file always holds
// the latest of both.
class JobStateFile {
public:
    JobStateFile(std::string path, JobState initial);

    // Each returns false when the file could not be written (the state in
    // memory changes all the same; `last_error` says why).
    bool set_status(int status);
    bool set_resume_point(int version, const std::string &file);
    bool clear_resume_point();
    // Writes the state as it is (when the job is created).
    bool save();

    JobState state() const;
    std::string last_error() const;
    const std::string &path() const { return path_; }

private:
    bool write_locked();

    const std::string path_;
    mutable std::mutex mu_;
    JobState state_;
    std::string error_;
};

} // namespace orvex::jobs
