// orvex-extract: command-line front end over the archive libraries, for
// scripts, servers and benchmarks. Exit codes: 0 ok, 1 other failure,
// 2 usage, 3 wrong or missing password, 4 not found.
#include "commands.h"
#include "session.h"
#include "workdir.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    CLI::App app{"orvex-extract: browse and restore files from deduplicated backup folders"};
    app.require_subcommand(1);
    app.set_version_flag("--version", "orvex-extract 0.1.0");
    orvex::cli::Action action;
    orvex::cli::register_commands(app, action);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        int rc = app.exit(e);
        return rc == 0 ? orvex::cli::EXIT_OK : orvex::cli::EXIT_USAGE;
    }
    try {
        // Before any library call: their diagnostics must not mix with output
        // that scripts parse.
        orvex::cli::cli_out();
        orvex::cli::install_signal_handlers();
        int rc = action ? action() : orvex::cli::EXIT_USAGE;
        orvex::cli::remove_working_folder();
        if (orvex::cli::interrupted())
            rc = orvex::cli::interrupted_exit_code();
        std::fflush(orvex::cli::cli_out());
        return rc;
    } catch (const std::exception &e) {
        orvex::cli::remove_working_folder();
        std::fprintf(stderr, "orvex-extract: %s\n", e.what());
        return orvex::cli::EXIT_FAILURE_OTHER;
    }
}
