// `orvex-extract stat FOLDER [PATH] [--version N] [--json]`: number of folders
// and files and their total size below a folder, at any depth.
#include "session.h"

#include "trellis_vesk.h"

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
    auto stop = [](void *, int, const char *, trellis_vesk_item *, void *) -> int { return 1; };
    int rc = trellis_vesk_list_folder(s.handle(), version, path.c_str(), stop, nullptr);
    if (rc == -1) {
        print_error("no version " + std::to_string(version));
        return EXIT_NOT_FOUND;
    }
    if (rc == -2) {
        print_error(path + ": no such folder in version " + std::to_string(version));
        return EXIT_NOT_FOUND;
    }
    trellis_vesk_stat st{};
    rc = trellis_vesk_get_stat_sum(s.handle(), version, path.c_str(), &st);
    if (rc != 0) {
        print_error(path + ": cannot sum (catalogue damaged?)");
        return EXIT_FAILURE_OTHER;
    }
    if (opt.json) {
        nlohmann::ordered_json o;
        o["path"] = path;
        o["folder_count"] = st.folder_count;
        o["file_count"] = st.file_count;
        o["total_size"] = st.total_size;
        std::fprintf(cli_out(), "%s\n", o.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace).c_str());
    } else {
        std::fprintf(cli_out(), "%s (version %d): %d folders, %d files, %lld bytes\n", path.c_str(), version, st.folder_count,
                    st.file_count, st.total_size);
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
