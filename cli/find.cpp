// `orvex-extract find FOLDER PATTERN [--version N | --all-versions] [-i]
//  [--path] [--json]`: entries whose name (or whole path) matches a glob
// pattern, in one version or across every finished version.
#include "session.h"
#include "text.h"

#include "names.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>

namespace orvex::cli {

namespace {

struct FindOptions : SessionOptions {
    std::string pattern;
    int version = -1;
    bool all_versions = false;
    bool nocase = false;
    bool whole_path = false;
};

struct Sink {
    bool json;
    nlohmann::ordered_json matches = nlohmann::ordered_json::array();

    // false once a signal asks to stop.
    bool add(const orvex::jobs::Found &e)
    {
        if (json)
            matches.push_back({{"version", e.version},
                               {"path", e.path},
                               {"type", e.is_dir ? "dir" : "file"},
                               {"size", e.size},
                               {"mtime", e.mtime}});
        else
            std::fprintf(cli_out(), "%6d  %c %14lld  %s  %s\n", e.version, e.is_dir ? 'd' : '-', e.size,
                         format_time(e.mtime).c_str(), orvex::jobs::printable(e.path).c_str());
        return !interrupted();
    }
};

// Whole-path patterns in the catalogue's form: backslashes, one leading.
std::string path_pattern(std::string p)
{
    for (char &c : p)
        if (c == '/')
            c = '\\';
    if (p.empty() || (p[0] != '\\' && p[0] != '*'))
        p.insert(p.begin(), '\\');
    return p;
}

int run_find(const FindOptions &opt)
{
    Session s;
    if (int rc = s.open(opt))
        return rc;
    int version = orvex::jobs::kAllVersions;
    if (!opt.all_versions)
        if (int rc = s.resolve_version(opt.version, version))
            return rc;
    const orvex::jobs::FindQuery query{opt.whole_path ? path_pattern(opt.pattern) : opt.pattern, opt.nocase,
                                       opt.whole_path};
    Sink sink{opt.json};
    int rc = s.archive().find(version, query, [&](const orvex::jobs::Found &e) { return sink.add(e); });
    if (rc == orvex::jobs::kNoVersion) {
        print_error("no version " + std::to_string(version));
        return EXIT_NOT_FOUND;
    }
    if (rc != 0) {
        print_error("cannot search the backup (damaged?)");
        return EXIT_FAILURE_OTHER;
    }
    if (interrupted())
        return interrupted_exit_code(); // no JSON document cut short
    if (opt.json)
        std::fprintf(cli_out(), "%s\n", json_text(sink.matches).c_str());
    return EXIT_OK;
}

void register_find(CLI::App &app, Action &action)
{
    auto opt = std::make_shared<FindOptions>();
    CLI::App *cmd = app.add_subcommand("find", "find files and folders by a name pattern, in one or every version");
    cmd->footer("PATTERN: '*' any run of characters, '?' one character, '[a-z]' / '[!a-z]' one of (not of) a "
                "set; no escape character ('[*]' matches a star). With --path the pattern covers the whole "
                "path (\\docs\\*.txt or /docs/*.txt) and '*' crosses folders. Across versions an entry is shown "
                "once per state, in each version where it was added or changed.");
    cmd->add_option("FOLDER", opt->folder, kArchiveHelp)->required();
    cmd->add_option("PATTERN", opt->pattern, "glob pattern of the name (or of the whole path with --path)")
        ->required();
    auto *version = cmd->add_option("--version", opt->version, kVersionHelp)
                        ->check(CLI::NonNegativeNumber);
    cmd->add_flag("--all-versions", opt->all_versions, "search every finished version")->excludes(version);
    cmd->add_flag("-i,--ignore-case", opt->nocase, "letters match in either case");
    cmd->add_flag("--path", opt->whole_path, "match the whole path instead of the name");
    add_session_options(cmd, *opt);
    cmd->callback([opt, &action] { action = [opt] { return run_find(*opt); }; });
}

const bool registered = add_command(&register_find);

} // namespace

} // namespace orvex::cli
