// Opening a backup folder for a command: where the password comes from, the
// working folder, and how library results become exit codes and messages.
#pragma once

#include "commands.h"

#include "archive.h"
#include "job.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvex::cli {

struct SessionOptions {
    std::string folder;
    std::string password_file;
    bool json = false;
};

// Help texts of the FOLDER argument and of --version, the same everywhere.
inline constexpr const char *kArchiveHelp = "backup folder, its job information file, or a container file";
inline constexpr const char *kVersionHelp = "version number (default: the newest; a container has only 0)";

// --password-file and --json, shared by every command that opens a folder.
void add_session_options(CLI::App *cmd, SessionOptions &opt);
// --password-file alone, for commands without JSON output.
void add_password_option(CLI::App *cmd, SessionOptions &opt);

// The password from --password-file (first line), else ORVEX_PASSWORD;
// `found` false when neither gives one. Throws when the file cannot be read.
std::string password_from_options(const SessionOptions &opt, bool &found);
// Asks on the terminal without echo; `found` false without a terminal.
std::string prompt_password(const std::string &folder, bool &found);

// The libraries print their diagnostics on standard output. Commands whose
// output scripts read call this first: the libraries' lines go to stderr
// from then on, and the returned stream is the real standard output.
FILE *claim_stdout();
// The real standard output, claimed on first use (see claim_stdout): every
// command prints its results here.
FILE *cli_out();

// One line on stderr: "orvex-extract: <text>".
void print_error(const std::string &text);

// An open backup; closed when the owner goes away.
class Session {
public:
    Session() = default;
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // An exit code; on EXIT_OK the session is open. Prints the error line.
    // A password is used only when the backup needs one (a folder that is
    // not encrypted opens without it, and a note says it was ignored).
    // `used_password` (may be NULL) receives the password that opened it,
    // so more sessions of the same backup can be opened without asking.
    int open(const SessionOptions &opt, std::optional<std::string> *used_password = nullptr);
    // Another session of a backup with a known password (none: nullopt).
    int open_with(const std::string &folder, const std::optional<std::string> &password);
    orvex::jobs::Archive &archive() const { return *archive_; }
    // Hands the open archive over; the session is closed afterwards.
    std::unique_ptr<orvex::jobs::Archive> take() { return std::move(archive_); }
    struct Version {
        int version;
        long long timestamp;
    };
    // Finished versions in the library's order; EXIT_OK or an exit code.
    int versions(std::vector<Version> &out) const;
    // `requested` when it is a version number (>= 0), else the newest
    // finished version; EXIT_OK or an exit code (not found) when none.
    int resolve_version(int requested, int &version) const;

private:
    std::unique_ptr<orvex::jobs::Archive> archive_;
};

// Opens more sessions of `folder` for a job on several sessions; the
// password is read when a session opens, so it must outlive the job.
orvex::jobs::SessionOpener more_sessions(const std::string &folder, const std::optional<std::string> &password);
// Sessions for a job: `threads` when given, else one per core, at most 4.
unsigned session_count(unsigned threads);

// The exit code of a library result for `path` in `version` (EXIT_OK for
// 0), with its error line printed; `what` names the call ("list", "sum").
int path_result(int rc, const std::string &path, int version, const std::string &what);

// True once SIGINT, SIGTERM or SIGHUP arrived (see install_signal_handlers).
bool interrupted();
// The exit code for the signal that arrived: 128 + its number.
int interrupted_exit_code();
// Catches SIGINT, SIGTERM and SIGHUP: work in progress is cancelled through
// the libraries' callbacks, so working folders and temporary files are
// removed before the process exits.
void install_signal_handlers();

// "\\" for the root; names joined with backslashes after one leading
// backslash ('/' is taken as a separator too).
std::string canonical_path(const std::string &path);
std::string child_path(const std::string &folder, const std::string &name);
// "2023-11-14 22:13:20" (UTC) or the plain number when out of range.
std::string format_time(long long seconds);

} // namespace orvex::cli
