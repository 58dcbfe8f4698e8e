// orvex-mkbackup: writes sample backup folders and containers from a seed.
// Each kind of backup registers one subcommand (mkbackup_<kind>.cpp).
#include "mkbackup_commands.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    CLI::App app{"orvex-mkbackup: writes deterministic sample backup folders for tests, benchmarks and demos"};
    app.require_subcommand(1);
    orvex::testkit::MkbackupAction action;
    orvex::testkit::register_mkbackup_commands(app, action);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        return app.exit(e) == 0 ? 0 : 2;
    }
    try {
        return action ? action() : 2;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "orvex-mkbackup: %s\n", e.what());
        return 1;
    }
}
