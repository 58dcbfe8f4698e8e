// orvex-mkbackup: writes sample backup folders and containers from a seed.
// Each kind of backup registers one subcommand in mkbackup_commands.h.
#include "mkbackup_commands.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    CLI::App app{"orvex-mkbackup: writes deterministic sample backup folders for tests, benchmarks and demos"};
    app.require_subcommand(1);
    orvex::testkit::register_mkbackup_commands(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        return app.exit(e) == 0 ? 0 : 2;
    }
    try {
        return orvex::testkit::run_selected_command(app);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "orvex-mkbackup: %s\n", e.what());
        return 1;
    }
}
