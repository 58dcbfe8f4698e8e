#include "session.h"

#include "names.h"
#include "workdir.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <csignal>
#include <stdexcept>
#include <thread>

#if !defined(_WIN32)
#include <termios.h>
#include <unistd.h>
#endif

namespace orvex::cli {

void add_password_option(CLI::App *cmd, SessionOptions &opt)
{
    cmd->add_option("--password-file", opt.password_file,
                    "file whose first line is the password (else ORVEX_PASSWORD, else a prompt)");
}

void add_session_options(CLI::App *cmd, SessionOptions &opt)
{
    add_password_option(cmd, opt);
    cmd->add_flag("--json", opt.json, "print JSON for scripts");
}

void print_error(const std::string &text)
{
    std::fprintf(stderr, "orvex-extract: %s\n", text.c_str());
}

std::string password_from_options(const SessionOptions &opt, bool &found)
{
    found = false;
    if (!opt.password_file.empty()) {
        std::ifstream in(opt.password_file, std::ios::binary);
        if (!in)
            throw std::runtime_error("cannot read the password file " + opt.password_file);
        std::string line;
        std::getline(in, line);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        found = true;
        return line;
    }
    if (const char *env = std::getenv("ORVEX_PASSWORD")) {
        found = true;
        return env;
    }
    return {};
}

std::string prompt_password(const std::string &folder, bool &found)
{
    found = false;
#if defined(_WIN32)
    (void)folder;
    return {};
#else
    // Only a person at a terminal is asked; a script gets exit code 3.
    if (!isatty(STDIN_FILENO))
        return {};
    FILE *tty = std::fopen("/dev/tty", "r+");
    if (!tty)
        return {};
    int fd = fileno(tty);
    termios old{};
    if (tcgetattr(fd, &old) != 0) {
        std::fclose(tty);
        return {};
    }
    std::fprintf(tty, "Password for %s: ", folder.c_str());
    std::fflush(tty);
    termios quiet = old;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(fd, TCSAFLUSH, &quiet);
    std::string line;
    int ch;
    while ((ch = std::fgetc(tty)) != EOF && ch != '\n')
        line += static_cast<char>(ch);
    tcsetattr(fd, TCSAFLUSH, &old);
    std::fprintf(tty, "\n");
    std::fclose(tty);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    found = ch != EOF || !line.empty();
    return line;
#endif
}

namespace {

volatile std::sig_atomic_t g_signal = 0;

void on_signal(int sig)
{
    g_signal = sig;
}

} // namespace

bool interrupted()
{
    return g_signal != 0;
}

int interrupted_exit_code()
{
    return 128 + static_cast<int>(g_signal);
}

void install_signal_handlers()
{
#if !defined(_WIN32)
    struct sigaction sa {};
    sa.sa_handler = on_signal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0; // no restart: a prompt waiting for input gives up
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        sigaction(sig, &sa, nullptr);
#else
    std::signal(SIGINT, on_signal);
    std::signal(SIGTERM, on_signal);
#endif
}

namespace {

// What a failed open of a container means for people; `err` is the
// library's errno.
std::string container_failure(const std::string &path, int rc, int err)
{
    switch (rc) {
    case -1:
        return path + ": no such folder or file";
    case -2:
        return path + ": not a VESK container (a Trellis backup is opened by its folder or its job information file)";
    default:
        break;
    }
    switch (err) {
    case EIO:
    case EPROTO:
    case ENODATA:
    case EOVERFLOW:
        return path + ": the container is truncated or damaged (its header or export database cannot be read)";
    case ENOSPC:
    case EDQUOT:
        return path + ": cannot write the working copy of the container's export database (disk full?)";
    case 0:
        return path + ": cannot open the container";
    default:
        return path + ": cannot open the container: " + std::strerror(err);
    }
}

// The working folder could not be made (the reason is printed already).
constexpr int kNoWorkingFolder = -1000;

int open_result(int rc, const std::string &folder, int err)
{
    if (rc == -5 && interrupted())
        return interrupted_exit_code();
    if (rc == kNoWorkingFolder)
        return EXIT_FAILURE_OTHER;
    const bool container = rc != 0 && rc != -5 && orvex::jobs::archive_kind(folder) == orvex::jobs::ArchiveKind::Container;
    if (container) {
        print_error(container_failure(folder, rc, err));
        return rc == -1 || rc == -2 ? EXIT_NOT_FOUND : EXIT_FAILURE_OTHER;
    }
    switch (rc) {
    case 0:
        return EXIT_OK;
    case -1:
        print_error(folder + ": no such folder or file");
        return EXIT_NOT_FOUND;
    case -2:
        print_error(folder + ": no job information file (HalvernTrellisSync.info) can be read there");
        return EXIT_NOT_FOUND;
    case -3:
        print_error(folder + ": wrong or missing password");
        return EXIT_PASSWORD;
    case -4:
        print_error(folder + ": cannot write the working copy of the catalogue (disk full?)");
        return EXIT_FAILURE_OTHER;
    case -5:
        print_error(folder + ": cancelled");
        return EXIT_FAILURE_OTHER;
    default:
        print_error(folder + ": not a readable backup folder (job information or catalogue missing or damaged)");
        return EXIT_FAILURE_OTHER;
    }
}

} // namespace

FILE *claim_stdout()
{
#if !defined(_WIN32)
    std::fflush(stdout);
    int fd = dup(STDOUT_FILENO);
    if (fd >= 0) {
        if (FILE *f = fdopen(fd, "w")) {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            return f;
        }
        close(fd);
    }
#endif
    return stdout;
}

FILE *cli_out()
{
    static FILE *out = claim_stdout();
    return out;
}

namespace {

int open_archive_at(const std::string &folder, const std::optional<std::string> &password,
                    std::unique_ptr<orvex::jobs::Archive> &out)
{
    // Never without a working folder: the library would then keep its
    // copies in the backup folder itself.
    const std::string &work = working_folder();
    if (work.empty())
        return kNoWorkingFolder;
    orvex::jobs::OpenRequest req;
    req.path = folder;
    req.password = password;
    req.temp_folder = work;
    req.cancelled = [] { return interrupted(); };
    errno = 0;
    return orvex::jobs::open_archive(req, out);
}

} // namespace

int Session::open_with(const std::string &folder, const std::optional<std::string> &password)
{
    int rc = open_archive_at(folder, password, archive_);
    return open_result(rc, folder, errno);
}

int Session::open(const SessionOptions &opt, std::optional<std::string> *used_password)
{
    bool have = false;
    std::string given = password_from_options(opt, have);
    std::optional<std::string> password;
    // Without a password first: a folder that is not encrypted must not be
    // read with a key derived from one.
    int rc = open_archive_at(opt.folder, std::nullopt, archive_);
    int err = errno;
    if (rc == 0 && have && !given.empty())
        print_error(opt.folder + " is not encrypted; the password given is not used");
    if (rc == -3 && !have)
        given = prompt_password(opt.folder, have);
    if (rc == -3 && have) {
        password = given;
        rc = open_archive_at(opt.folder, password, archive_);
        err = errno;
    }
    if (rc == 0 && used_password)
        *used_password = password;
    std::fill(given.begin(), given.end(), '\0');
    if (password)
        std::fill(password->begin(), password->end(), '\0');
    return open_result(rc, opt.folder, err);
}

orvex::jobs::SessionOpener more_sessions(const std::string &folder, const std::optional<std::string> &password)
{
    return [&folder, &password](std::unique_ptr<orvex::jobs::Archive> &out) {
        return open_archive_at(folder, password, out);
    };
}

unsigned session_count(unsigned threads)
{
    if (threads > 0)
        return threads;
    unsigned hw = std::thread::hardware_concurrency();
    return hw == 0 ? 1 : std::min(hw, 4u);
}

int Session::versions(std::vector<Version> &out) const
{
    out.clear();
    if (archive_->list_versions([&](int version, long long time) {
            out.push_back({version, time});
            return true;
        }) != 0) {
        print_error("cannot read the versions of the catalogue");
        return EXIT_FAILURE_OTHER;
    }
    return EXIT_OK;
}

int Session::resolve_version(int requested, int &version) const
{
    if (requested >= 0) {
        version = requested;
        return EXIT_OK;
    }
    std::vector<Version> all;
    int rc = versions(all);
    if (rc != EXIT_OK)
        return rc;
    if (all.empty()) {
        print_error("the backup folder has no finished version");
        return EXIT_NOT_FOUND;
    }
    version = all.front().version;
    for (const auto &v : all)
        version = std::max(version, v.version);
    return EXIT_OK;
}

int path_result(int rc, const std::string &path, int version, const std::string &what)
{
    switch (rc) {
    case 0:
        return EXIT_OK;
    case -1:
        print_error("no version " + std::to_string(version));
        return EXIT_NOT_FOUND;
    case -2:
        print_error(orvex::jobs::printable(path) + ": no such folder in version " + std::to_string(version));
        return EXIT_NOT_FOUND;
    default:
        print_error(orvex::jobs::printable(path) + ": cannot " + what + " (catalogue damaged?)");
        return EXIT_FAILURE_OTHER;
    }
}

std::string canonical_path(const std::string &path)
{
    std::string out;
    std::string name;
    auto flush = [&] {
        if (!name.empty())
            out += "\\" + name;
        name.clear();
    };
    for (char c : path) {
        if (c == '\\' || c == '/')
            flush();
        else
            name += c;
    }
    flush();
    return out.empty() ? "\\" : out;
}

std::string child_path(const std::string &folder, const std::string &name)
{
    return folder == "\\" ? "\\" + name : folder + "\\" + name;
}

std::string format_time(long long seconds)
{
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
#if defined(_WIN32)
    if (gmtime_s(&tm, &t) != 0)
        return std::to_string(seconds);
#else
    if (!gmtime_r(&t, &tm))
        return std::to_string(seconds);
#endif
    char buf[64];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
    return buf;
}

} // namespace orvex::cli
