// `orvex-extract stat FOLDER [PATH] [--version N] [--json]`: number of folders
// and files and their total size below a folder, at any depth.
#include "session.h"

#include "archive.h"
#include "names.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>

namespace orvex::cli {

namespace {

struct StatOptions : SessionOptions {
    std::string path = "\\";
    int version = -1;
};

int run_stat(const StatOptions &opt)
{
    Session s;
    if (int rc = s.open(opt))
        return rc;
    int version = -1;
    if (int rc = s.resolve_version(opt.version, version))
        return rc;
    const std::string path = canonical_path(opt.path);
    // The sum reports a missing path as a plain failure; the listing tells
    // "not found" apart.
    int rc = s.archive().list_folder(version, path, [](const orvex::jobs::Entry &) { return false; });
    if (rc == -1 || rc == -2)
        return path_result(rc, path, version, "list");
    orvex::jobs::Totals st;
    rc = s.archive().stat_sum(version, path, st);
    if (rc != 0)
        return path_result(rc, path, version, "sum");
    if (opt.json) {
        nlohmann::ordered_json o;
        o["path"] = path;
        o["folder_count"] = st.folders;
        o["file_count"] = st.files;
        o["total_size"] = st.bytes;
        std::fprintf(cli_out(), "%s\n", o.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace).c_str());
    } else {
        std::fprintf(cli_out(), "%s (version %d): %lld folders, %lld files, %lld bytes\n",
                     orvex::jobs::printable(path).c_str(), version, st.folders, st.files, st.bytes);
    }
    return EXIT_OK;
}

void register_stat(CLI::App &app, Action &action)
{
    auto opt = std::make_shared<StatOptions>();
    CLI::App *cmd = app.add_subcommand("stat", "count folders, files and bytes below a folder of a backup");
    cmd->add_option("FOLDER", opt->folder, "backup folder or its job information file")->required();
    cmd->add_option("PATH", opt->path, "folder inside the backup (default: the root)");
    cmd->add_option("--version", opt->version, "version number (default: the newest)")->check(CLI::NonNegativeNumber);
    add_session_options(cmd, *opt);
    cmd->callback([opt, &action] { action = [opt] { return run_stat(*opt); }; });
}

const bool registered = add_command(&register_stat);

} // namespace

} // namespace orvex::cli
