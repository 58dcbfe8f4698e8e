// `orvex-extract history FOLDER PATH [--json]`: each finished version in
// which an entry exists, with its state there, and the versions where it went.
#include "session.h"
#include "text.h"

#include "names.h"

#include "trellis_vesk.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>

namespace orvex::cli {

namespace {

struct HistoryOptions : SessionOptions {
    std::string path;
};

const char *change_name(int change)
{
    switch (change) {
    case TRELLIS_VESK_ADDED:
        return "added";
    case TRELLIS_VESK_CHANGED:
        return "changed";
    case TRELLIS_VESK_UNCHANGED:
        return "unchanged";
    default:
        return "deleted";
    }
}

struct Sink {
    bool json;
    nlohmann::ordered_json steps = nlohmann::ordered_json::array();
};

int on_step(void *, const trellis_vesk_change_item *item, void *user)
{
    auto *s = static_cast<Sink *>(user);
    const trellis_vesk_entry &e = item->entry;
    const bool gone = item->change == TRELLIS_VESK_DELETED;
    const bool dir = e.type == TRELLIS_VESK_DIR;
    if (s->json) {
        nlohmann::ordered_json o{{"version", e.version_id}, {"time", item->timestamp}, {"state", change_name(item->change)}};
        if (!gone) {
            o["type"] = dir ? "dir" : "file";
            o["size"] = e.size;
            o["mtime"] = e.mtime;
        }
        s->steps.push_back(std::move(o));
    } else if (gone) {
        std::fprintf(cli_out(), "%6d  %s UTC  deleted\n", e.version_id, format_time(item->timestamp).c_str());
    } else {
        std::fprintf(cli_out(), "%6d  %s UTC  %-9s  %c %14lld  %s\n", e.version_id,
                     format_time(item->timestamp).c_str(), change_name(item->change), dir ? 'd' : '-', e.size,
                     format_time(e.mtime).c_str());
    }
    return interrupted() ? 1 : 0;
}

int run_history(const HistoryOptions &opt)
{
    Session s;
    if (int rc = s.open(opt))
        return rc;
    void *h = s.trellis_handle("history");
    if (!h)
        return EXIT_USAGE;
    const std::string path = canonical_path(opt.path);
    Sink sink{opt.json};
    int rc = trellis_vesk_history(h, path.c_str(), on_step, &sink);
    if (rc == -2) {
        print_error(orvex::jobs::printable(path) + ": in no finished version");
        return EXIT_NOT_FOUND;
    }
    if (rc != 0) {
        print_error(orvex::jobs::printable(path) + ": cannot read its history (catalogue damaged?)");
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
    cmd->add_option("FOLDER", opt->folder, "backup folder or its job information file")->required();
    cmd->add_option("PATH", opt->path, "file or folder inside the backup (\\docs\\a.txt or /docs/a.txt)")
        ->required();
    add_session_options(cmd, *opt);
    cmd->callback([opt, &action] { action = [opt] { return run_history(*opt); }; });
}

const bool registered = add_command(&register_history);

} // namespace

} // namespace orvex::cli
