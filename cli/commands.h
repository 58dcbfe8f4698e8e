#pragma once

#include <CLI/CLI.hpp>
#include <functional>

namespace orvex::cli {

enum ExitCode { EXIT_OK = 0, EXIT_FAILURE_OTHER = 1, EXIT_USAGE = 2, EXIT_PASSWORD = 3, EXIT_NOT_FOUND = 4 };

// A parsed subcommand leaves its work here; main runs it after parsing.
using Action = std::function<int()>;

// Registers every subcommand (one register_* function per command file).
void register_commands(CLI::App &app, Action &action);

} // namespace orvex::cli
