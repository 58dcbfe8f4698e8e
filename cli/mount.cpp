// `orvex-extract mount FOLDER MOUNTPOINT [--version N | --all-versions]
//  [--foreground]`: a read-only file system (FUSE 3) of one version of a
// backup, or of every finished version as top folders named by number.
//
// Files and folders carry their sizes and times; links show as the empty
// files a restore makes of them. Reads go through the archive's range reads,
// each chunk checked as a restore checks it: a chunk that fails gives EIO for
// that read, never other bytes. A container's library reads whole files
// only: a file of a container is restored (and checked) when it is opened,
// so a damaged chunk there fails the open with EIO. Several reads run at
// once: each open file has its own reader, and the session (catalogue
// lookups, listings, opening files) serves one request at a time. Unmounting, SIGINT, SIGTERM or SIGHUP
// end the program, which then closes the session and removes its working
// folder.
#define FUSE_USE_VERSION 31
#include <fuse.h>

#include "session.h"
#include "text.h"

#include "names.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <map>
#include <mutex>
#include <new>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvex::cli {

namespace {

struct MountOptions : SessionOptions {
    std::string mountpoint;
    int version = -1;
    bool all_versions = false;
    bool foreground = false;
};

struct OpenFile {
    explicit OpenFile(std::unique_ptr<orvex::jobs::FileReader> f) : reader(std::move(f)) {}
    std::unique_ptr<orvex::jobs::FileReader> reader;
    std::mutex lock; // one read at a time per open file
};

struct Mounted {
    Session session;
    std::mutex lock; // one session request at a time
    bool all_versions = false;
    int version = -1;
    std::vector<Session::Version> versions; // finished, for --all-versions
    // Files still open when the program ends (their release never came)
    // are closed before the session.
    std::mutex files_lock;
    std::map<OpenFile *, std::unique_ptr<OpenFile>> files;

    OpenFile *add(std::unique_ptr<orvex::jobs::FileReader> reader)
    {
        auto f = std::make_unique<OpenFile>(std::move(reader));
        OpenFile *raw = f.get();
        std::lock_guard<std::mutex> hold(files_lock);
        files.emplace(raw, std::move(f));
        return raw;
    }
    void remove(OpenFile *f)
    {
        std::lock_guard<std::mutex> hold(files_lock);
        files.erase(f);
    }
};

Mounted &mounted()
{
    return *static_cast<Mounted *>(fuse_get_context()->private_data);
}

// Where a path of the mount leads: the top of an all-versions mount, or an
// entry of a version. false when it names nothing.
struct Target {
    bool top = false;
    int version = -1;
    std::string path; // catalogue form
};

bool is_version(const Mounted &m, const std::string &name, int &version)
{
    if (name.empty() || name.size() > 9 || name.find_first_not_of("0123456789") != std::string::npos)
        return false;
    version = std::stoi(name);
    for (const auto &v : m.versions)
        if (v.version == version && std::to_string(version) == name)
            return true;
    return false;
}

bool target_of(const Mounted &m, const char *fuse_path, Target &t)
{
    std::string rest = fuse_path;
    t.version = m.version;
    if (m.all_versions) {
        size_t end = rest.find('/', 1);
        const std::string first = rest.substr(1, end == std::string::npos ? std::string::npos : end - 1);
        if (first.empty()) {
            t.top = true;
            return true;
        }
        if (!is_version(m, first, t.version))
            return false;
        rest = end == std::string::npos ? "/" : rest.substr(end);
    }
    // '/' separates names here; a name holding a backslash cannot be shown
    // (it would name another path of the catalogue) and is never listed.
    if (rest.find('\\') != std::string::npos)
        return false;
    t.path = canonical_path(rest);
    return true;
}

// A name a directory of this file system can hold.
bool showable(const char *name)
{
    return *name && std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0 && !std::strchr(name, '/') &&
           !std::strchr(name, '\\');
}

void fill_dir(struct stat *st, long long mtime)
{
    st->st_mode = S_IFDIR | 0555;
    st->st_nlink = 2;
    st->st_mtime = st->st_ctime = st->st_atime = static_cast<time_t>(mtime);
    st->st_uid = getuid();
    st->st_gid = getgid();
}

int fs_getattr(const char *path, struct stat *st, struct fuse_file_info *)
{
    Mounted &m = mounted();
    Target t;
    if (!target_of(m, path, t))
        return -ENOENT;
    std::memset(st, 0, sizeof *st);
    if (t.top) {
        fill_dir(st, m.versions.empty() ? 0 : m.versions.back().timestamp);
        return 0;
    }
    orvex::jobs::Found e;
    int rc;
    {
        std::lock_guard<std::mutex> hold(m.lock);
        rc = m.session.archive().get_entry(t.version, t.path, e);
    }
    if (rc == orvex::jobs::kNoVersion || rc == orvex::jobs::kNotFound)
        return -ENOENT;
    if (rc != orvex::jobs::kOk)
        return -EIO;
    fill_dir(st, e.mtime);
    if (!e.is_dir) {
        st->st_mode = S_IFREG | 0444;
        st->st_nlink = 1;
        st->st_size = e.is_link ? 0 : static_cast<off_t>(e.size);
        st->st_blocks = (st->st_size + 511) / 512;
    }
    return 0;
}

int fs_readdir(const char *path, void *buf, fuse_fill_dir_t filler, off_t, struct fuse_file_info *,
               enum fuse_readdir_flags)
{
    Mounted &m = mounted();
    Target t;
    if (!target_of(m, path, t))
        return -ENOENT;
    filler(buf, ".", nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
    filler(buf, "..", nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
    if (t.top) {
        for (const auto &v : m.versions)
            filler(buf, std::to_string(v.version).c_str(), nullptr, 0, static_cast<fuse_fill_dir_flags>(0));
        return 0;
    }
    auto each = [&](const orvex::jobs::Entry &e) {
        if (!showable(e.name.c_str()))
            return true;
        struct stat st {};
        st.st_mode = e.is_dir ? S_IFDIR : S_IFREG;
        filler(buf, e.name.c_str(), &st, 0, static_cast<fuse_fill_dir_flags>(0));
        return true;
    };
    int rc;
    {
        std::lock_guard<std::mutex> hold(m.lock);
        rc = m.session.archive().list_folder(t.version, t.path, each);
    }
    if (rc == orvex::jobs::kNoVersion || rc == orvex::jobs::kNotFound)
        return -ENOENT;
    return rc == orvex::jobs::kOk ? 0 : -EIO;
}

int fs_open(const char *path, struct fuse_file_info *fi)
{
    if ((fi->flags & O_ACCMODE) != O_RDONLY)
        return -EROFS;
    Mounted &m = mounted();
    Target t;
    if (!target_of(m, path, t) || t.top)
        return -ENOENT;
    std::unique_ptr<orvex::jobs::FileReader> reader;
    int rc;
    {
        std::lock_guard<std::mutex> hold(m.lock);
        rc = m.session.archive().open_reader(t.version, t.path, reader);
    }
    if (rc == orvex::jobs::kNoVersion || rc == orvex::jobs::kNotFound)
        return -ENOENT;
    if (rc != orvex::jobs::kOk)
        return errno == EISDIR ? -EISDIR : -EIO;
    fi->fh = reinterpret_cast<uint64_t>(m.add(std::move(reader)));
    fi->keep_cache = 1; // a version never changes
    return 0;
}

int fs_read(const char *, char *buf, size_t size, off_t offset, struct fuse_file_info *fi)
{
    auto *f = reinterpret_cast<OpenFile *>(fi->fh);
    std::lock_guard<std::mutex> hold(f->lock);
    const int n =
        f->reader->read(static_cast<long long>(offset), buf, static_cast<int>(std::min<size_t>(size, INT_MAX)));
    return n < 0 ? -EIO : n;
}

int fs_release(const char *, struct fuse_file_info *fi)
{
    mounted().remove(reinterpret_cast<OpenFile *>(fi->fh));
    return 0;
}

void *fs_init(struct fuse_conn_info *, struct fuse_config *cfg)
{
    // Nothing here ever changes: the kernel may keep names, attributes and
    // pages for as long as it likes.
    cfg->kernel_cache = 1;
    cfg->entry_timeout = cfg->attr_timeout = cfg->negative_timeout = 3600;
    return fuse_get_context()->private_data;
}

// Each operation as libfuse calls it: no exception reaches its C code.
template <auto Fn>
struct Guarded;
template <typename... A, int (*Fn)(A...)>
struct Guarded<Fn> {
    static int call(A... a) noexcept
    {
        try {
            return Fn(a...);
        } catch (const std::bad_alloc &) {
            return -ENOMEM;
        } catch (...) {
            return -EIO;
        }
    }
};

const struct fuse_operations kOperations = [] {
    struct fuse_operations ops {};
    ops.getattr = Guarded<fs_getattr>::call;
    ops.readdir = Guarded<fs_readdir>::call;
    ops.open = Guarded<fs_open>::call;
    ops.read = Guarded<fs_read>::call;
    ops.release = Guarded<fs_release>::call;
    ops.init = fs_init;
    return ops;
}();

// Without --foreground the program goes to the background once the file
// system is mounted. It forks before anything is opened: the child opens the
// session (asking for a password on the terminal if need be) and mounts,
// then tells the waiting parent its exit code, which the parent exits with.
class Background {
public:
    // false in the parent, which must return `code()`.
    bool start()
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return true; // stay in the foreground
        const pid_t pid = ::fork();
        if (pid < 0) {
            ::close(fds[0]);
            ::close(fds[1]);
            return true;
        }
        if (pid > 0) {
            ::close(fds[1]);
            unsigned char c = EXIT_FAILURE_OTHER;
            ssize_t n;
            while ((n = ::read(fds[0], &c, 1)) < 0 && errno == EINTR) {
            }
            ::close(fds[0]);
            code_ = n == 1 ? static_cast<int>(c) : static_cast<int>(EXIT_FAILURE_OTHER);
            return false;
        }
        ::close(fds[0]);
        fd_ = fds[1];
        return true;
    }
    int code() const { return code_; }
    // In the child: detach from the terminal and report; 0 on success.
    void report(int code)
    {
        if (fd_ < 0)
            return;
        if (code == EXIT_OK) {
            ::setsid();
            if (::chdir("/") != 0) {
            }
            const int null = ::open("/dev/null", O_RDWR);
            if (null >= 0) {
                for (int fd : {0, 1, 2, fileno(cli_out())})
                    ::dup2(null, fd);
                ::close(null);
            }
        }
        const unsigned char c = static_cast<unsigned char>(code);
        while (::write(fd_, &c, 1) < 0 && errno == EINTR) {
        }
        ::close(fd_);
        fd_ = -1;
    }
    ~Background() { report(EXIT_FAILURE_OTHER); }

private:
    int fd_ = -1;
    int code_ = EXIT_OK;
};

int prepare(const MountOptions &opt, Mounted &m)
{
    SessionOptions so = opt;
    std::error_code ec;
    so.folder = std::filesystem::absolute(opt.folder, ec).string();
    if (int rc = m.session.open(so))
        return rc;
    m.all_versions = opt.all_versions;
    if (int rc = m.session.versions(m.versions))
        return rc;
    std::sort(m.versions.begin(), m.versions.end(),
              [](const Session::Version &a, const Session::Version &b) { return a.version < b.version; });
    if (!opt.all_versions)
        return m.session.resolve_version(opt.version, m.version);
    return EXIT_OK;
}

int serve(const MountOptions &opt, Mounted &m, Background &bg)
{
    const std::string mountpoint = std::filesystem::absolute(opt.mountpoint).string();
    const char *argv[] = {"orvex-extract", "-o", "ro,default_permissions,fsname=orvex-extract,subtype=orvex"};
    struct fuse_args args = FUSE_ARGS_INIT(3, const_cast<char **>(argv));
    struct fuse *f = fuse_new(&args, &kOperations, sizeof kOperations, &m);
    fuse_opt_free_args(&args);
    if (!f) {
        print_error("cannot set up the file system");
        return EXIT_FAILURE_OTHER;
    }
    std::unique_ptr<struct fuse, void (*)(struct fuse *)> owner(f, fuse_destroy);
    if (fuse_mount(f, mountpoint.c_str()) != 0) {
        print_error(orvex::jobs::printable(opt.mountpoint) + ": cannot mount there (FUSE device missing, or not permitted?)");
        return EXIT_FAILURE_OTHER;
    }
    // From here SIGINT, SIGTERM and SIGHUP end the loop (libfuse's handlers,
    // which it installs only over the default action). The signals are held
    // during the swap so none falls between the two handlers.
    struct fuse_session *se = fuse_get_session(f);
    sigset_t ends, before;
    sigemptyset(&ends);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&ends, sig);
    pthread_sigmask(SIG_BLOCK, &ends, &before);
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        std::signal(sig, SIG_DFL);
    const bool handled = fuse_set_signal_handlers(se) == 0;
    if (!handled)
        install_signal_handlers();
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
    if (!handled || interrupted()) {
        fuse_unmount(f);
        if (!handled)
            print_error("cannot install the signal handlers");
        return handled ? interrupted_exit_code() : EXIT_FAILURE_OTHER;
    }
    if (opt.foreground)
        std::fprintf(stderr, "orvex-extract: %s mounted at %s; unmount it (fusermount3 -u) or press Ctrl+C to end\n",
                     opt.all_versions ? "every version" : ("version " + std::to_string(m.version)).c_str(),
                     orvex::jobs::printable(mountpoint).c_str());
    bg.report(EXIT_OK);
    // The loop ends with 0 after an unmount, or with the number of the
    // signal that asked it to end: both are the ordinary end.
    const int rc = fuse_loop_mt(f, 0);
    fuse_remove_signal_handlers(se);
    install_signal_handlers(); // the clean-up below is not cut short by another one
    fuse_unmount(f);
    m.files.clear();
    return rc == 0 || rc == SIGINT || rc == SIGTERM || rc == SIGHUP ? EXIT_OK : EXIT_FAILURE_OTHER;
}

int run_mount(const MountOptions &opt)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(opt.mountpoint, ec)) {
        print_error(orvex::jobs::printable(opt.mountpoint) + ": not a folder to mount on");
        return EXIT_NOT_FOUND;
    }
    Background bg;
    if (!opt.foreground && !bg.start())
        return bg.code();
    Mounted m;
    int rc = prepare(opt, m);
    if (rc == EXIT_OK)
        rc = serve(opt, m, bg);
    bg.report(rc);
    return rc; // the session closes here and removes its working folder
}

void register_mount(CLI::App &app, Action &action)
{
    auto opt = std::make_shared<MountOptions>();
    CLI::App *cmd = app.add_subcommand("mount", "mount a version (or every version) read-only as a folder (FUSE)");
    cmd->footer("The program stays until the folder is unmounted (fusermount3 -u MOUNTPOINT) or it gets SIGINT, "
                "SIGTERM or SIGHUP (exit 0); then it closes the backup and removes its working folder. A damaged "
                "chunk makes the read that needs it fail with an I/O error (in a container, whose files are "
                "restored when opened: the open).");
    cmd->add_option("FOLDER", opt->folder, kArchiveHelp)->required();
    cmd->add_option("MOUNTPOINT", opt->mountpoint, "an existing folder to mount on")->required();
    auto *version = cmd->add_option("--version", opt->version, kVersionHelp)
                        ->check(CLI::NonNegativeNumber);
    cmd->add_flag("--all-versions", opt->all_versions, "every finished version as a top folder named by its number")
        ->excludes(version);
    cmd->add_flag("--foreground", opt->foreground, "stay in the foreground (messages go to standard error)");
    add_password_option(cmd, *opt);
    cmd->callback([opt, &action] { action = [opt] { return run_mount(*opt); }; });
}

const bool registered = add_command(&register_mount);

} // namespace

} // namespace orvex::cli
