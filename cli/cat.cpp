// `orvex-extract cat FOLDER PATH [--version N] [--force]`: the exact bytes of
// one file of a version on standard output, every chunk checked as a restore
// checks it.
#include "session.h"
#include "text.h"

#include "names.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <unistd.h>

namespace orvex::cli {

namespace {

struct CatOptions : SessionOptions {
    std::string path;
    int version = -1;
    bool force = false;
};

constexpr int kPiece = 1 << 20;

// false after a failed write (the error printed unless the reader went away).
bool write_all(int fd, const char *data, size_t len)
{
    while (len > 0) {
        ssize_t n = ::write(fd, data, len);
        if (n < 0 && errno == EINTR && !interrupted())
            continue;
        if (n <= 0) {
            if (errno != EPIPE && !interrupted())
                print_error(std::string("cannot write to standard output: ") + std::strerror(errno));
            return false;
        }
        data += n;
        len -= static_cast<size_t>(n);
    }
    return true;
}

// EXIT_OK with the file open, or the exit code with the error printed.
int open_file(orvex::jobs::Archive &archive, int version, const std::string &path,
              std::unique_ptr<orvex::jobs::FileReader> &file)
{
    using namespace orvex::jobs;
    Found e;
    int rc = archive.get_entry(version, path, e);
    if (rc == kNoVersion || rc == kNotFound) {
        print_error(printable(path) + ": not in version " + std::to_string(version));
        return EXIT_NOT_FOUND;
    }
    if (rc == kOk && e.is_dir) {
        print_error(printable(path) + ": a folder in version " + std::to_string(version));
        return EXIT_FAILURE_OTHER;
    }
    if (rc == kOk)
        rc = archive.open_reader(version, path, file);
    if (rc == kCancelled && interrupted())
        return interrupted_exit_code();
    if (rc == kDiskFull) { // a container's file is read from a copy
        print_error(printable(path) + ": no room for its copy in the working folder (see TMPDIR)");
        return EXIT_FAILURE_OTHER;
    }
    if (rc != kOk) {
        print_error(printable(path) + ": cannot be read (damaged chunk, chunk map or catalogue; see the lines above)");
        return EXIT_FAILURE_OTHER;
    }
    return EXIT_OK;
}

// As verify says it: the bytes are out, but some could not be checked.
void note_unchecked(long long chunks)
{
    if (chunks > 0)
        print_error("note: " + std::to_string(chunks) +
                    " chunks carry no digest; they were read and decoded but could not be checked against their "
                    "original bytes");
}

int run_cat(const CatOptions &opt)
{
    const int out = fileno(cli_out());
    if (isatty(out) && !opt.force) {
        print_error("standard output is a terminal: redirect it, or add --force to print the bytes there");
        return EXIT_USAGE;
    }
    // A reader that goes away (`| head`) ends the command through its
    // clean-up, as a signal does, instead of killing it with the working
    // folder left behind.
    std::signal(SIGPIPE, SIG_IGN);
    Session s;
    if (int rc = s.open(opt))
        return rc;
    int version = -1;
    if (int rc = s.resolve_version(opt.version, version))
        return rc;
    const std::string path = canonical_path(opt.path);
    std::unique_ptr<orvex::jobs::FileReader> file;
    if (int rc = open_file(s.archive(), version, path, file))
        return rc;
    std::vector<char> buf(kPiece);
    for (long long at = 0;;) {
        if (interrupted())
            return interrupted_exit_code();
        const int n = file->read(at, buf.data(), kPiece);
        if (n < 0) {
            print_error(orvex::jobs::printable(path) + ": damaged or unreadable chunk after byte " + std::to_string(at) +
                        " (see the lines above); the output is incomplete");
            return EXIT_FAILURE_OTHER;
        }
        if (n == 0) {
            note_unchecked(file->unchecked_chunks());
            return EXIT_OK;
        }
        if (!write_all(out, buf.data(), static_cast<size_t>(n)))
            return EXIT_FAILURE_OTHER;
        at += n;
    }
}

void register_cat(CLI::App &app, Action &action)
{
    auto opt = std::make_shared<CatOptions>();
    CLI::App *cmd = app.add_subcommand("cat", "write the bytes of one file of a version to standard output");
    cmd->add_option("FOLDER", opt->folder, kArchiveHelp)->required();
    cmd->add_option("PATH", opt->path, "file inside the backup (\\docs\\a.txt or /docs/a.txt)")->required();
    cmd->add_option("--version", opt->version, kVersionHelp)->check(CLI::NonNegativeNumber);
    cmd->add_flag("--force", opt->force, "write to standard output even when it is a terminal");
    add_password_option(cmd, *opt);
    cmd->callback([opt, &action] { action = [opt] { return run_cat(*opt); }; });
}

const bool registered = add_command(&register_cat);

} // namespace

} // namespace orvex::cli
