// `orvex-extract diff FOLDER V1 V2 [--json]`: what was added, deleted and
// changed from version V1 to version V2, in path order.
#include "session.h"
#include "text.h"

#include "names.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>

namespace orvex::cli {

namespace {

struct DiffOptions : SessionOptions {
    int from = -1;
    int to = -1;
};

struct Sink {
    bool json;
    nlohmann::ordered_json added = nlohmann::ordered_json::array();
    nlohmann::ordered_json deleted = nlohmann::ordered_json::array();
    nlohmann::ordered_json changed = nlohmann::ordered_json::array();

    // false once a signal asks to stop.
    bool add(const orvex::jobs::Step &step)
    {
        using orvex::jobs::Change;
        const std::string &path = step.entry.path;
        if (json) {
            (step.change == Change::Added     ? added
             : step.change == Change::Deleted ? deleted
                                              : changed)
                .push_back(path);
            return !interrupted();
        }
        const char mark = step.change == Change::Added ? '+' : step.change == Change::Deleted ? '-' : 'M';
        std::fprintf(cli_out(), "%c %s\n", mark, orvex::jobs::printable(path).c_str());
        return !interrupted();
    }
};

int run_diff(const DiffOptions &opt)
{
    Session s;
    if (int rc = s.open(opt))
        return rc;
    Sink sink{opt.json};
    int rc = s.archive().diff(opt.from, opt.to, [&](const orvex::jobs::Step &step) { return sink.add(step); });
    if (rc == orvex::jobs::kNoVersion) {
        print_error("no version " + std::to_string(opt.from) + " or no version " + std::to_string(opt.to));
        return EXIT_NOT_FOUND;
    }
    if (rc != 0) {
        print_error("cannot compare the versions (backup damaged?)");
        return EXIT_FAILURE_OTHER;
    }
    if (interrupted())
        return interrupted_exit_code(); // no JSON document cut short
    if (opt.json) {
        nlohmann::ordered_json o{{"added", sink.added}, {"deleted", sink.deleted}, {"changed", sink.changed}};
        std::fprintf(cli_out(), "%s\n", json_text(o).c_str());
    }
    return EXIT_OK;
}

void register_diff(CLI::App &app, Action &action)
{
    auto opt = std::make_shared<DiffOptions>();
    CLI::App *cmd = app.add_subcommand("diff", "show what was added (+), deleted (-) and changed (M) between two versions");
    cmd->add_option("FOLDER", opt->folder, kArchiveHelp)->required();
    cmd->add_option("V1", opt->from, "the older version (or any version)")->required()->check(CLI::NonNegativeNumber);
    cmd->add_option("V2", opt->to, "the version compared with V1")->required()->check(CLI::NonNegativeNumber);
    add_session_options(cmd, *opt);
    cmd->callback([opt, &action] { action = [opt] { return run_diff(*opt); }; });
}

const bool registered = add_command(&register_diff);

} // namespace

} // namespace orvex::cli
