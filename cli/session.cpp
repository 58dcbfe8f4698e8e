#include "session.h"

#include "trellis_vesk.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>

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

Session::~Session()
{
    if (inst_)
        trellis_vesk_close(inst_);
}

namespace {

int open_result(int rc, const std::string &folder)
{
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

int Session::open_with(const std::string &folder, const char *password)
{
    std::error_code ec;
    std::string temp = std::filesystem::temp_directory_path(ec).string();
    int rc = trellis_vesk_open_v2(folder.c_str(), password, &inst_, ec ? nullptr : temp.c_str(), nullptr, nullptr);
    if (rc != 0)
        inst_ = nullptr;
    return open_result(rc, folder);
}

int Session::open(const SessionOptions &opt, std::optional<std::string> *used_password)
{
    bool have = false;
    std::string password = password_from_options(opt, have);
    std::error_code ec;
    std::string temp = std::filesystem::temp_directory_path(ec).string();
    const char *temp_path = ec ? nullptr : temp.c_str();
    int rc = trellis_vesk_open_v2(opt.folder.c_str(), have ? password.c_str() : nullptr, &inst_, temp_path, nullptr,
                                  nullptr);
    if (rc == -3 && !have) {
        password = prompt_password(opt.folder, have);
        if (have)
            rc = trellis_vesk_open_v2(opt.folder.c_str(), password.c_str(), &inst_, temp_path, nullptr, nullptr);
    }
    if (rc == 0 && used_password)
        {
        if (have)
            *used_password = password;
        else
            used_password->reset();
    }
    std::fill(password.begin(), password.end(), '\0');
    if (rc != 0)
        inst_ = nullptr;
    return open_result(rc, opt.folder);
}

int Session::versions(std::vector<Version> &out) const
{
    out.clear();
    auto cb = [](void *, trellis_vesk_version *v, void *user) -> int {
        static_cast<std::vector<Version> *>(user)->push_back({v->version_id, v->timestamp});
        return 0;
    };
    if (trellis_vesk_list_versions(inst_, cb, &out) != 0) {
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
