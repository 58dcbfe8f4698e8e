#pragma once

#include <CLI/CLI.hpp>
#include <functional>

namespace orvex::cli {

enum ExitCode { EXIT_OK = 0, EXIT_FAILURE_OTHER = 1, EXIT_USAGE = 2, EXIT_PASSWORD = 3, EXIT_NOT_FOUND = 4 };

// A parsed subcommand leaves its work here; main runs it after parsing.
using Action = std::function<int()>;
using Registrar = void (*)(CLI::App &app, Action &action);

// Each command file registers its subcommand at start-up:
//   static const bool registered = add_command(&register_ls);
bool add_command(Registrar registrar);
void register_commands(CLI::App &app, Action &action);

} // namespace orvex::cli
