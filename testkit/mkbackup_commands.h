#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <functional>
#include <string>

namespace orvex::testkit {

// A parsed subcommand leaves its work here; main runs it after parsing.
using MkbackupAction = std::function<int()>;
using MkbackupRegistrar = void (*)(CLI::App &app, MkbackupAction &action);

// Each mkbackup_<kind>.cpp registers its subcommand at start-up:
//   static const bool registered = add_mkbackup_command(&register_my_command);
bool add_mkbackup_command(MkbackupRegistrar registrar);
void register_mkbackup_commands(CLI::App &app, MkbackupAction &action);

// "64K", "1M", "2G", "4096": bytes. Throws std::invalid_argument.
uint64_t parse_size(const std::string &text);

} // namespace orvex::testkit
