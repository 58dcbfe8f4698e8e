// `orvex-extract versions FOLDER [--json]`: the finished versions of a backup.
#include "session.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>

namespace orvex::cli {

namespace {

void register_versions(CLI::App &app, Action &action)
{
    auto opt = std::make_shared<SessionOptions>();
    CLI::App *cmd = app.add_subcommand("versions", "list the versions of a backup folder");
    cmd->add_option("FOLDER", opt->folder, kArchiveHelp)->required();
    add_session_options(cmd, *opt);
    cmd->callback([opt, &action] {
        action = [opt] {
            Session s;
            if (int rc = s.open(*opt))
                return rc;
            std::vector<Session::Version> all;
            if (int rc = s.versions(all))
                return rc;
            if (opt->json) {
                nlohmann::ordered_json out = nlohmann::ordered_json::array();
                for (const auto &v : all)
                    out.push_back({{"version", v.version}, {"timestamp", v.timestamp}});
                std::fprintf(cli_out(), "%s\n", out.dump().c_str());
            } else {
                for (const auto &v : all)
                    std::fprintf(cli_out(), "%6d  %s UTC\n", v.version, format_time(v.timestamp).c_str());
            }
            return static_cast<int>(EXIT_OK);
        };
    });
}

const bool registered = add_command(&register_versions);

} // namespace

} // namespace orvex::cli
