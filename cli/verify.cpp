// `orvex-extract verify FOLDER [--version N] [PATH...] [--json] [--threads N]`:
// reads and checks every chunk of the selected files (signatures, repair,
// decryption, decompression) without writing anything, and lists the files
// that fail.
#include "progress.h"
#include "selection.h"
#include "session.h"

#include "job.h"
#include "names.h"

#include <memory>

namespace orvex::cli {

namespace {

namespace oj = orvex::jobs;

struct VerifyOptions : SessionOptions {
    int version = -1;
    std::vector<std::string> paths;
    unsigned threads = 0;
};

int run_verify(const VerifyOptions &opt)
{
    Session s;
    std::optional<std::string> password;
    int version = -1;
    std::vector<oj::Selection> selection;
    std::vector<SelectionError> errors;
    if (int rc = open_and_select(s, opt, opt.version, opt.paths, std::string(), password, version, selection,
                                 errors))
        return rc;
    JobView view(!opt.json && JobView::stderr_is_terminal());
    for (const auto &e : errors)
        view.add_failure(e.path, e.message);
    oj::JobOptions jo;
    jo.mode = oj::Mode::Verify;
    jo.sessions = session_count(opt.threads);
    oj::Summary sum = oj::run_job(s.archive(), more_sessions(opt.folder, password), selection, jo, view);
    if (password)
        std::fill(password->begin(), password->end(), '\0');
    view.finish();

    FILE *out = cli_out();
    const oj::Counters &n = sum.counters;
    const size_t failed = view.failures().size();
    if (opt.json) {
        nlohmann::ordered_json j;
        j["version"] = version;
        j["files"] = n.files;
        j["bytes"] = n.bytes;
        j["failed"] = failed;
        j["seconds"] = sum.seconds;
        j["failures"] = view.failures();
        j["unchecked_chunks"] = n.unchecked_chunks;
        std::fprintf(out, "%s\n", dump_json(j).c_str());
    } else {
        for (const auto &f : view.failures())
            std::fprintf(out, "FAILED %s: %s\n", oj::printable(f["path"].get<std::string>()).c_str(),
                         oj::printable(f["error"].get<std::string>()).c_str());
        std::fprintf(out, "verified %lld files (%s) in %.1f s; failed %zu\n", n.files,
                     oj::human_bytes(n.bytes).c_str(), sum.seconds, failed);
        if (n.unchecked_chunks > 0)
            std::fprintf(out, "note: %lld chunks carry no digest; they were read and decoded but could not be "
                              "checked against their original bytes\n",
                         n.unchecked_chunks);
    }
    std::fflush(out);
    if (interrupted())
        return interrupted_exit_code();
    return failed == 0 ? EXIT_OK : EXIT_FAILURE_OTHER;
}

void register_verify(CLI::App &app, Action &action)
{
    auto opt = std::make_shared<VerifyOptions>();
    CLI::App *cmd = app.add_subcommand("verify", "read and check every chunk of files of a version, writing nothing");
    cmd->add_option("FOLDER", opt->folder, "backup folder or its job information file")->required();
    cmd->add_option("PATH", opt->paths, "files or folders inside the backup (default: the whole version)");
    cmd->add_option("--version", opt->version, "version number (default: the newest)")->check(CLI::NonNegativeNumber);
    cmd->add_option("--threads", opt->threads, "files checked at once (default: one per core, at most 4)")
        ->check(CLI::Range(1u, 64u));
    add_session_options(cmd, *opt);
    cmd->callback([opt, &action] { action = [opt] { return run_verify(*opt); }; });
}

const bool registered = add_command(&register_verify);

} // namespace

} // namespace orvex::cli
