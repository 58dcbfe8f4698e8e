// `orvex-extract cat FOLDER PATH [--version N] [--force]`: the exact bytes of
// one file of a version on standard output, every chunk checked as a restore
// checks it.
#include "session.h"
#include "text.h"

#include "names.h"

#include "trellis_vesk.h"

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

struct FileCloser {
    void operator()(void *f) const { trellis_vesk_close_file(f); }
};

// EXIT_OK with the file open, or the exit code with the error printed.
int open_file(void *h, int version, const std::string &path, std::unique_ptr<void, FileCloser> &file)
{
    trellis_vesk_entry e{};
    int rc = trellis_vesk_get_entry(h, version, path.c_str(), &e);
    if (rc == -1 || rc == -2) {
        print_error(orvex::jobs::printable(path) + ": not in version " + std::to_string(version));
        return EXIT_NOT_FOUND;
    }
    if (rc == 0 && e.type == TRELLIS_VESK_DIR) {
        print_error(orvex::jobs::printable(path) + ": a folder in version " + std::to_string(version));
        return EXIT_FAILURE_OTHER;
    }
    void *f = nullptr;
    if (rc != 0 || trellis_vesk_open_file(h, version, path.c_str(), &f) != 0) {
        print_error(orvex::jobs::printable(path) + ": cannot be read (damaged chunk map or catalogue; see the lines above)");
        return EXIT_FAILURE_OTHER;
    }
    file.reset(f);
    return EXIT_OK;
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
    void *h = s.trellis_handle("cat");
    if (!h)
        return EXIT_USAGE;
    int version = -1;
    if (int rc = s.resolve_version(opt.version, version))
        return rc;
    const std::string path = canonical_path(opt.path);
    std::unique_ptr<void, FileCloser> file;
    if (int rc = open_file(h, version, path, file))
        return rc;
    std::vector<char> buf(kPiece);
    for (long long at = 0;;) {
        if (interrupted())
            return interrupted_exit_code();
        const int n = trellis_vesk_read_file(file.get(), at, buf.data(), kPiece);
        if (n < 0) {
            print_error(orvex::jobs::printable(path) + ": damaged or unreadable chunk after byte " + std::to_string(at) +
                        " (see the lines above); the output is incomplete");
            return EXIT_FAILURE_OTHER;
        }
        if (n == 0)
            return EXIT_OK;
        if (!write_all(out, buf.data(), static_cast<size_t>(n)))
            return EXIT_FAILURE_OTHER;
        at += n;
    }
}

void register_cat(CLI::App &app, Action &action)
{
    auto opt = std::make_shared<CatOptions>();
    CLI::App *cmd = app.add_subcommand("cat", "write the bytes of one file of a version to standard output");
    cmd->add_option("FOLDER", opt->folder, "backup folder or its job information file")->required();
    cmd->add_option("PATH", opt->path, "file inside the backup (\\docs\\a.txt or /docs/a.txt)")->required();
    cmd->add_option("--version", opt->version, "version number (default: the newest)")->check(CLI::NonNegativeNumber);
    cmd->add_flag("--force", opt->force, "write to standard output even when it is a terminal");
    add_password_option(cmd, *opt);
    cmd->callback([opt, &action] { action = [opt] { return run_cat(*opt); }; });
}

const bool registered = add_command(&register_cat);

} // namespace

} // namespace orvex::cli
