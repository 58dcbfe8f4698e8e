// `orvex-extract restore FOLDER [--version N] [PATH...] --to DEST
//  [--policy skip|replace|rename] [--dry-run] [--json] [--threads N]`:
// restores files and folders of a version with their modification times,
// through the restore-job core the desktop program uses too.
#include "progress.h"
#include "selection.h"
#include "session.h"

#include "job.h"
#include "names.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

namespace orvex::cli {

namespace {

namespace fs = std::filesystem;
namespace oj = orvex::jobs;

struct RestoreOptions : SessionOptions {
    int version = -1;
    std::vector<std::string> paths;
    std::string dest;
    std::string policy = "skip";
    bool dry_run = false;
    unsigned threads = 0;
};

// A dry run lists what each file would become.
class RestoreView : public JobView {
public:
    RestoreView(bool bar, bool list) : JobView(bar), list_(list) {}

protected:
    void item(const oj::ItemResult &r) override
    {
        if (!list_ || r.is_dir)
            return;
        const char *verb = r.outcome == oj::Outcome::Replaced ? "replace"
                           : r.outcome == oj::Outcome::Renamed ? "rename "
                           : r.outcome == oj::Outcome::Restored ? "restore"
                                                                : nullptr;
        if (verb)
            std::fprintf(cli_out(), "%s %s -> %s\n", verb, oj::printable(r.source).c_str(),
                         oj::printable(r.destination).c_str());
    }

private:
    const bool list_;
};

oj::Policy policy_of(const std::string &name)
{
    return name == "replace" ? oj::Policy::Replace : name == "rename" ? oj::Policy::Rename : oj::Policy::Skip;
}

void print_summary(const RestoreOptions &opt, int version, const std::string &dest, const oj::Summary &sum,
                   const JobView &view)
{
    const oj::Counters &n = sum.counters;
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
        j["seconds"] = sum.seconds;
        j["failures"] = view.failures();
        std::fprintf(cli_out(), "%s\n", dump_json(j).c_str());
    } else {
        std::fprintf(cli_out(),
                     "%s %lld files (%s), %lld folders to %s in %.1f s; skipped %lld, replaced %lld, "
                     "renamed %lld, failed %lld\n",
                     opt.dry_run ? "would restore" : "restored", n.files, oj::human_bytes(n.bytes).c_str(), n.folders,
                     oj::printable(dest).c_str(), sum.seconds, n.skipped, n.replaced, n.renamed, n.failed);
    }
    std::fflush(cli_out());
}

int run_restore(const RestoreOptions &opt)
{
    // The destination itself is the user's choice (a link to a folder is
    // fine); below it nothing is followed.
    const std::string dest = opt.dest.size() > 1 && opt.dest.back() == '/' ? opt.dest.substr(0, opt.dest.size() - 1)
                                                                          : opt.dest;
    Session s;
    std::optional<std::string> password;
    int version = -1;
    std::vector<oj::Selection> selection;
    std::vector<SelectionError> errors;
    if (int rc = open_and_select(s, opt, opt.version, opt.paths, dest, password, version, selection, errors))
        return rc;
    if (!opt.dry_run) {
        std::error_code ec;
        fs::create_directories(dest, ec);
        if (!fs::is_directory(dest, ec)) {
            print_error(oj::printable(dest) + ": cannot create the destination folder");
            return EXIT_FAILURE_OTHER;
        }
    }

    RestoreView view(!opt.dry_run && !opt.json && JobView::stderr_is_terminal(), opt.dry_run && !opt.json);
    for (const auto &e : errors)
        view.add_failure(e.path, e.message);
    oj::JobOptions jo;
    jo.mode = opt.dry_run ? oj::Mode::DryRun : oj::Mode::Restore;
    jo.policy = policy_of(opt.policy);
    jo.sessions = session_count(opt.threads);
    oj::Summary sum = oj::run_job(s.archive(), more_sessions(opt.folder, password), selection, jo, view);
    if (password)
        std::fill(password->begin(), password->end(), '\0');
    view.finish();
    if (sum.stopped)
        print_error("interrupted: " + std::to_string(sum.not_started) + " files were not restored");
    else if (sum.not_started > 0)
        view.add_failure("\\", std::to_string(sum.not_started) + " more files not restored: the job stopped after " +
                                   (sum.status == oj::kDiskFull ? "the disk became full" : "a failure that ends it"));
    sum.counters.failed += static_cast<long long>(errors.size());
    print_summary(opt, version, dest, sum, view);
    if (interrupted())
        return interrupted_exit_code();
    return sum.counters.failed == 0 ? EXIT_OK : EXIT_FAILURE_OTHER;
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
