// `orvex-extract verify FOLDER [--version N] [PATH...] [--json] [--threads N]`:
// reads and checks every chunk of the selected files (signatures, repair,
// decryption, decompression) without writing anything, and lists the files
// that fail.
#include "parallel.h"
#include "plan.h"
#include "progress.h"
#include "session.h"

#include "trellis_common.h"

#include <nlohmann/json.hpp>

#include <memory>

namespace orvex::cli {

namespace {

struct VerifyOptions : SessionOptions {
    int version = -1;
    std::vector<std::string> paths;
    unsigned threads = 0;
};

struct FileCheck {
    const PlanItem *item;
    int rc = 1; // 1: not checked
};

struct Tick {
    Progress *bar;
    long long size;
    float last = 0;
};

int on_tick(float progress, void *user)
{
    auto *t = static_cast<Tick *>(user);
    if (t->size > 0 && progress > t->last) {
        t->bar->add_bytes(static_cast<long long>((progress - t->last) / 100.0f * static_cast<float>(t->size)));
        t->last = progress;
    }
    return 0;
}

int run_verify(const VerifyOptions &opt)
{
    FILE *out = cli_out();
    Session s;
    std::optional<std::string> password;
    int version = -1;
    Plan plan;
    if (int rc = open_and_plan(s, opt, opt.version, opt.paths, &password, version, plan))
        return rc;

    std::vector<FileCheck> checks;
    for (const PlanItem &item : plan.items)
        if (!item.is_dir)
            checks.push_back({&item});
    Progress bar(plan.files, plan.bytes, Progress::stderr_is_terminal());
    std::atomic<bool> stop{false};
    run_jobs(
        s, opt.folder, password, thread_count(opt.threads), checks.size(),
        [&](void *inst, size_t i) {
            Tick t{&bar, checks[i].item->size};
            checks[i].rc = orvex::trellis::verify_file(static_cast<TRELLIS_VESK_CLIENT *>(inst), version,
                                                       checks[i].item->src.c_str(), on_tick, &t);
            bar.file_done();
        },
        stop);
    bar.finish();
    if (password)
        std::fill(password->begin(), password->end(), '\0');

    long long ok = 0, bytes = 0;
    nlohmann::ordered_json failures = nlohmann::ordered_json::array();
    for (const auto &e : plan.errors)
        failures.push_back({{"path", e.src}, {"error", e.message}});
    for (const FileCheck &c : checks) {
        if (c.rc == 0) {
            ++ok;
            bytes += c.item->size;
        } else {
            failures.push_back({{"path", c.item->src},
                                {"error", c.rc == -2 ? "no such file in this version"
                                                     : "damaged or missing chunk, or wrong password"}});
        }
    }
    if (opt.json) {
        nlohmann::ordered_json j;
        j["version"] = version;
        j["files"] = ok;
        j["bytes"] = bytes;
        j["failed"] = failures.size();
        j["seconds"] = bar.seconds();
        j["failures"] = failures;
        std::fprintf(out, "%s\n", j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace).c_str());
    } else {
        for (const auto &f : failures)
            std::fprintf(out, "FAILED %s: %s\n", f["path"].get<std::string>().c_str(),
                         f["error"].get<std::string>().c_str());
        std::fprintf(out, "verified %lld files (%s) in %.1f s; failed %zu\n", ok, human_bytes(bytes).c_str(),
                     bar.seconds(), failures.size());
    }
    std::fflush(out);
    return failures.empty() ? EXIT_OK : EXIT_FAILURE_OTHER;
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
