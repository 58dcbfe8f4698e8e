// `orvex-extract history FOLDER PATH [--json]`: each finished version in
// which an entry exists, with its state there, and the versions where it went.
#include "session.h"
#include "text.h"

#include "names.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>

namespace orvex::cli {

namespace {

struct HistoryOptions : SessionOptions {
    std::string path;
};

using orvex::jobs::Change;

const char *change_name(Change change)
{
    switch (change) {
    case Change::Added:
        return "added";
    case Change::Changed:
        return "changed";
    case Change::Unchanged:
        return "unchanged";
    default:
        return "deleted";
    }
}

struct Sink {
    bool json;
    nlohmann::ordered_json steps = nlohmann::ordered_json::array();

    // false once a signal asks to stop.
    bool add(const orvex::jobs::Step &step)
    {
        const orvex::jobs::Found &e = step.entry;
        const bool gone = step.change == Change::Deleted;
        if (json) {
            nlohmann::ordered_json o{{"version", e.version}, {"time", step.time}, {"state", change_name(step.change)}};
            if (!gone) {
                o["type"] = e.is_dir ? "dir" : "file";
                o["size"] = e.size;
                o["mtime"] = e.mtime;
            }
            steps.push_back(std::move(o));
        } else if (gone) {
            std::fprintf(cli_out(), "%6d  %s UTC  deleted\n", e.version, format_time(step.time).c_str());
        } else {
            std::fprintf(cli_out(), "%6d  %s UTC  %-9s  %c %14lld  %s\n", e.version, format_time(step.time).c_str(),
                         change_name(step.change), e.is_dir ? 'd' : '-', e.size, format_time(e.mtime).c_str());
        }
        return !interrupted();
    }
};

int run_history(const HistoryOptions &opt)
{
    Session s;
    if (int rc = s.open(opt))
        return rc;
    const std::string path = canonical_path(opt.path);
    Sink sink{opt.json};
    int rc = s.archive().history(path, [&](const orvex::jobs::Step &step) { return sink.add(step); });
    if (rc == orvex::jobs::kNotFound) {
        print_error(orvex::jobs::printable(path) + ": in no finished version");
        return EXIT_NOT_FOUND;
    }
    if (rc != 0) {
        print_error(orvex::jobs::printable(path) + ": cannot read its history (backup damaged?)");
        return EXIT_FAILURE_OTHER;
    }
    if (interrupted())
        return interrupted_exit_code(); // no JSON document cut short
    if (opt.json)
        std::fprintf(cli_out(), "%s\n", json_text(sink.steps).c_str());
    return EXIT_OK;
}

void register_history(CLI::App &app, Action &action)
{
    auto opt = std::make_shared<HistoryOptions>();
    CLI::App *cmd = app.add_subcommand("history", "show the versions of one file or folder and what changed in each");
    cmd->add_option("FOLDER", opt->folder, kArchiveHelp)->required();
    cmd->add_option("PATH", opt->path, "file or folder inside the backup (\\docs\\a.txt or /docs/a.txt)")
        ->required();
    add_session_options(cmd, *opt);
    cmd->callback([opt, &action] { action = [opt] { return run_history(*opt); }; });
}

const bool registered = add_command(&register_history);

} // namespace

} // namespace orvex::cli
