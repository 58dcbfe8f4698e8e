// `orvex-extract restore FOLDER [--version N] [PATH...] --to DEST
//  [--policy skip|replace|rename] [--dry-run] [--json] [--threads N]`:
// restores files and folders of a version with their modification times.
//
// Order of work: the selection is expanded and every decision taken first
// (names, conflict policy, folders created), then the files are restored,
// several at once when more than one thread is allowed, and last the
// folders get their times (a file written into a folder changes its time).
#include "parallel.h"
#include "plan.h"
#include "progress.h"
#include "session.h"

#include "names.h"
#include "trellis_vesk.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>

namespace orvex::cli {

namespace {

namespace fs = std::filesystem;

enum class Policy { Skip, Replace, Rename };

struct RestoreOptions : SessionOptions {
    int version = -1;
    std::vector<std::string> paths;
    std::string dest;
    std::string policy = "skip";
    bool dry_run = false;
    unsigned threads = 0;
};

enum class Outcome { Pending, Restored, Skipped, Failed };

struct FileJob {
    const PlanItem *item = nullptr;
    std::string dst;
    int overwrite = 0;
    bool replaced = false;
    bool renamed = false;
    Outcome outcome = Outcome::Pending;
    std::string error;
};

struct Counters {
    long long files = 0, folders = 0, bytes = 0, skipped = 0, replaced = 0, renamed = 0, failed = 0;
};

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

std::string join_rel(const std::string &dest, const std::vector<std::string> &rel, size_t count)
{
    std::string out = dest;
    for (size_t i = 0; i < count; ++i)
        out += "/" + rel[i];
    return out;
}

std::string result_text(int rc)
{
    switch (rc) {
    case -1:
        return "no such version";
    case -2:
        return "no such file in this version";
    case -4:
        return "the disk is full";
    default:
        return "failed (damaged or missing chunk, wrong password, or a write error; see the lines above)";
    }
}

struct FileProgress {
    Progress *bar;
    long long size;
    float last = 0;
};

int on_progress(void *, int, const char *, const char *, int status, float progress, void *user)
{
    auto *p = static_cast<FileProgress *>(user);
    if (status == 0 && p->size > 0 && progress > p->last) {
        p->bar->add_bytes(static_cast<long long>((progress - p->last) / 100.0f * static_cast<float>(p->size)));
        p->last = progress;
    }
    return 0;
}

int run_restore(const RestoreOptions &opt)
{
    FILE *out = cli_out();
    const Policy policy = opt.policy == "replace" ? Policy::Replace : opt.policy == "rename" ? Policy::Rename
                                                                                            : Policy::Skip;
    Session s;
    std::optional<std::string> password;
    int version = -1;
    Plan plan;
    if (int rc = open_and_plan(s, opt, opt.version, opt.paths, &password, version, plan))
        return rc;

    Counters n;
    nlohmann::ordered_json failures = nlohmann::ordered_json::array();
    auto fail = [&](const std::string &src, const std::string &why) {
        ++n.failed;
        print_error(src + ": " + why);
        failures.push_back({{"path", src}, {"error", why}});
    };
    for (const auto &e : plan.errors)
        fail(e.src, e.message);

    // The destination itself is the user's choice (a link to a folder is
    // fine); below it nothing is followed.
    const std::string dest = opt.dest.size() > 1 && opt.dest.back() == '/' ? opt.dest.substr(0, opt.dest.size() - 1)
                                                                          : opt.dest;
    if (!opt.dry_run) {
        std::error_code ec;
        fs::create_directories(dest, ec);
        if (!fs::is_directory(dest, ec)) {
            print_error(dest + ": cannot create the destination folder");
            return EXIT_FAILURE_OTHER;
        }
    }

    // Folders first, in plan order (parents before children). A folder that
    // cannot be made blocks everything below it.
    std::set<std::vector<std::string>> blocked;
    std::vector<std::pair<std::string, long long>> made_folders;
    std::set<std::string> reserved; // destination names this job will write
    std::vector<FileJob> jobs;
    auto is_blocked = [&](const std::vector<std::string> &rel) {
        for (size_t k = 1; k < rel.size(); ++k)
            if (blocked.count(std::vector<std::string>(rel.begin(), rel.begin() + static_cast<long>(k))))
                return true;
        return false;
    };
    for (const PlanItem &item : plan.items) {
        if (is_blocked(item.rel)) {
            if (!item.is_dir)
                fail(item.src, "not restored: its folder could not be made");
            else
                blocked.insert(item.rel);
            continue;
        }
        const std::string target = join_rel(dest, item.rel, item.rel.size());
        if (item.is_dir) {
            Kind k = opt.dry_run ? Kind::Folder : kind_of(target);
            if (k == Kind::None) {
                if (::mkdir(target.c_str(), 0755) != 0 && kind_of(target) != Kind::Folder) {
                    fail(item.src, "cannot create " + target + ": " + std::strerror(errno));
                    blocked.insert(item.rel);
                    continue;
                }
                made_folders.emplace_back(target, item.mtime);
            } else if (k == Kind::Link) {
                fail(item.src, target + " is a link; it is not followed");
                blocked.insert(item.rel);
                continue;
            } else if (k != Kind::Folder) {
                fail(item.src, target + " exists and is not a folder");
                blocked.insert(item.rel);
                continue;
            }
            ++n.folders;
            continue;
        }
        FileJob job;
        job.item = &item;
        job.dst = target;
        const std::string name = item.rel.back();
        const std::string parent = join_rel(dest, item.rel, item.rel.size() - 1);
        auto taken = [&](const std::string &candidate_name) {
            std::string c = parent + "/" + candidate_name;
            return reserved.count(c) || kind_of(c) != Kind::None;
        };
        if (taken(name)) {
            Kind k = kind_of(target);
            if (policy == Policy::Skip || reserved.count(target)) {
                job.outcome = Outcome::Skipped;
            } else if (policy == Policy::Replace) {
                if (k == Kind::Folder) {
                    fail(item.src, target + " is a folder; not replaced");
                    continue;
                }
                job.overwrite = 1; // a link there is replaced, never followed
                job.replaced = true;
            } else {
                std::string fresh = orvex::jobs::next_free_name(name, taken);
                if (fresh.empty()) {
                    fail(item.src, "no free name for " + target);
                    continue;
                }
                job.dst = parent + "/" + fresh;
                job.renamed = true;
            }
        }
        reserved.insert(job.dst);
        jobs.push_back(std::move(job));
    }

    Progress bar(plan.files, plan.bytes, !opt.dry_run && Progress::stderr_is_terminal());
    std::atomic<bool> stop{false};
    std::vector<size_t> work;
    for (size_t i = 0; i < jobs.size(); ++i) {
        if (jobs[i].outcome == Outcome::Skipped) {
            bar.add_bytes(jobs[i].item->size);
            bar.file_done();
        } else if (opt.dry_run) {
            jobs[i].outcome = Outcome::Restored;
        } else {
            work.push_back(i);
        }
    }
    if (!work.empty()) {
        run_jobs(
            s, opt.folder, password, thread_count(opt.threads), work.size(),
            [&](void *inst, size_t w) {
                FileJob &job = jobs[work[w]];
                FileProgress fp{&bar, job.item->size};
                int rc = trellis_vesk_restore_file(inst, version, job.item->src.c_str(), job.dst.c_str(),
                                                   job.overwrite, on_progress, &fp);
                if (rc == 0) {
                    job.outcome = Outcome::Restored;
                    bar.add_bytes(static_cast<long long>(job.item->size -
                                                         static_cast<long long>(fp.last / 100.0f * job.item->size)));
                } else {
                    job.outcome = Outcome::Failed;
                    job.error = result_text(rc);
                    if (rc == -4)
                        stop = true; // every further file would fail the same way
                }
                bar.file_done();
            },
            stop);
    }
    bar.finish();
    if (password)
        std::fill(password->begin(), password->end(), '\0');

    for (const FileJob &job : jobs) {
        switch (job.outcome) {
        case Outcome::Restored:
            ++n.files;
            n.bytes += job.item->size;
            n.replaced += job.replaced;
            n.renamed += job.renamed;
            if (opt.dry_run && !opt.json)
                std::fprintf(out, "%s %s -> %s\n", job.replaced ? "replace" : job.renamed ? "rename " : "restore",
                             job.item->src.c_str(), job.dst.c_str());
            break;
        case Outcome::Skipped:
            ++n.skipped;
            break;
        case Outcome::Failed:
            fail(job.item->src, job.error);
            break;
        case Outcome::Pending:
            fail(job.item->src, "not restored: the job stopped after the disk became full");
            break;
        }
    }

    // Folder times last, deepest first; a link is never followed.
    if (!opt.dry_run)
        for (auto it = made_folders.rbegin(); it != made_folders.rend(); ++it) {
            timespec ts[2];
            ts[0].tv_sec = static_cast<time_t>(it->second);
            ts[0].tv_nsec = 0;
            ts[1] = ts[0];
            ::utimensat(AT_FDCWD, it->first.c_str(), ts, AT_SYMLINK_NOFOLLOW);
        }

    const double secs = bar.seconds();
    if (opt.json) {
        nlohmann::ordered_json j;
        j["version"] = version;
        j["destination"] = dest;
        j["dry_run"] = opt.dry_run;
        j["files"] = n.files;
        j["folders"] = n.folders;
        j["bytes"] = n.bytes;
        j["skipped"] = n.skipped;
        j["replaced"] = n.replaced;
        j["renamed"] = n.renamed;
        j["failed"] = n.failed;
        j["seconds"] = secs;
        j["failures"] = failures;
        std::fprintf(out, "%s\n", j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace).c_str());
    } else {
        std::fprintf(out, "%s %lld files (%s), %lld folders to %s in %.1f s; skipped %lld, replaced %lld, "
                          "renamed %lld, failed %lld\n",
                     opt.dry_run ? "would restore" : "restored", n.files, human_bytes(n.bytes).c_str(), n.folders,
                     dest.c_str(), secs, n.skipped, n.replaced, n.renamed, n.failed);
    }
    std::fflush(out);
    return n.failed == 0 ? EXIT_OK : EXIT_FAILURE_OTHER;
}

void register_restore(CLI::App &app, Action &action)
{
    auto opt = std::make_shared<RestoreOptions>();
    CLI::App *cmd = app.add_subcommand("restore", "restore files and folders of a version into a local folder");
    cmd->add_option("FOLDER", opt->folder, "backup folder or its job information file")->required();
    cmd->add_option("PATH", opt->paths, "files or folders inside the backup (default: the whole version)");
    cmd->add_option("--version", opt->version, "version number (default: the newest)")->check(CLI::NonNegativeNumber);
    cmd->add_option("--to", opt->dest, "destination folder (created when missing)")->required();
    cmd->add_option("--policy", opt->policy, "when a file exists: skip, replace or rename (name_1.ext)")
        ->check(CLI::IsMember({"skip", "replace", "rename"}));
    cmd->add_flag("--dry-run", opt->dry_run, "show what would be restored, write nothing");
    cmd->add_option("--threads", opt->threads, "files restored at once (default: one per core, at most 4)")
        ->check(CLI::Range(1u, 64u));
    add_session_options(cmd, *opt);
    cmd->callback([opt, &action] { action = [opt] { return run_restore(*opt); }; });
}

const bool registered = add_command(&register_restore);

} // namespace

} // namespace orvex::cli
