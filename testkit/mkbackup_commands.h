#pragma once

#include <CLI/CLI.hpp>
#include <functional>

namespace orvex::testkit {

// A parsed subcommand leaves its work here; main runs it after parsing.
using MkbackupAction = std::function<int()>;
using MkbackupRegistrar = void (*)(CLI::App &app, MkbackupAction &action);

// Each mkbackup_<kind>.cpp registers its subcommand at start-up:
//   static const bool registered = add_mkbackup_command(&register_my_command);
bool add_mkbackup_command(MkbackupRegistrar registrar);
void register_mkbackup_commands(CLI::App &app, MkbackupAction &action);

} // namespace orvex::testkit
