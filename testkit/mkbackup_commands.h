#pragma once

#include <CLI/CLI.hpp>
#include <functional>

namespace orvex::testkit {

// Every subcommand stores its action here when it is parsed.
using MkbackupAction = std::function<int()>;

void register_mkbackup_commands(CLI::App &app);
int run_selected_command(CLI::App &app);

// One registration function per kind of backup (mkbackup_<kind>.cpp).
void register_tree_command(CLI::App &app, MkbackupAction &action);

} // namespace orvex::testkit
