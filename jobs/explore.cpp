// The generic forms of find, history, diff, entry lookup and range reads,
// built on listing folders and restoring files: what an archive library
// without calls of its own for these answers (a container, whose one
// version is shown as 0).
#include "archive.h"

#include "glob.h"
#include "names.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <optional>
#include <string_view>

namespace orvex::jobs {

namespace {

// Longer paths name nothing a file system takes; a tree that reaches them
// has a cycle (a folder listed inside itself) or is hostile.
constexpr size_t kMaxPathBytes = 4096;

struct VersionTime {
    int version;
    long long time;
};

int finished_versions(Archive &a, std::vector<VersionTime> &out)
{
    out.clear();
    return a.list_versions([&](int v, long long t) {
        out.push_back({v, t});
        return true;
    });
}

// kOk with the version's time, kNoVersion, or the listing's failure.
int version_time(Archive &a, int version, long long &time)
{
    std::vector<VersionTime> all;
    if (int rc = finished_versions(a, all))
        return rc;
    for (const VersionTime &v : all)
        if (v.version == version) {
            time = v.time;
            return kOk;
        }
    return kNoVersion;
}

Found found_of(int version, const std::string &path, const Entry &e)
{
    return Found{version, path, e.is_dir, false, e.is_dir ? 0 : e.size, e.mtime};
}

// Every entry below the root of `version`, in path order: a folder right
// before its contents, each folder's entries in byte order of their names.
// fn returning false stops the walk (still kOk).
template <typename Fn>
int walk(Archive &a, int version, Fn &&fn)
{
    struct Pending {
        std::string path;
        std::vector<Entry> entries; // sorted, consumed from the back
    };
    std::vector<Pending> stack;
    auto enter = [&](const std::string &path) {
        Pending p{path, {}};
        int rc = a.list_folder(version, path, [&](const Entry &e) {
            p.entries.push_back(e);
            return true;
        });
        std::sort(p.entries.begin(), p.entries.end(),
                  [](const Entry &x, const Entry &y) { return x.name > y.name; });
        stack.push_back(std::move(p));
        return rc;
    };
    if (int rc = enter("\\"))
        return rc;
    while (!stack.empty()) {
        Pending &top = stack.back();
        if (top.entries.empty()) {
            stack.pop_back();
            continue;
        }
        const Entry e = std::move(top.entries.back());
        top.entries.pop_back();
        std::string path = child_path(top.path, e.name);
        if (path.size() > kMaxPathBytes) {
            errno = ELOOP;
            return kFailure;
        }
        if (!fn(found_of(version, path, e)))
            return kOk;
        if (e.is_dir)
            if (int rc = enter(path))
                return rc;
    }
    return kOk;
}

// Path order as std::map keys: the names of a path, compared name by name.
std::vector<std::string> names_of(const std::string &path)
{
    std::vector<std::string> out;
    size_t at = 1;
    while (at < path.size()) {
        size_t end = path.find('\\', at);
        if (end == std::string::npos)
            end = path.size();
        out.push_back(path.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

using Tree = std::map<std::vector<std::string>, Found>;

int tree_of(Archive &a, int version, Tree &out)
{
    return walk(a, version, [&](Found &&f) {
        out.emplace(names_of(f.path), std::move(f));
        return true;
    });
}

// A restored copy read through its descriptor; the name is gone already.
class RestoredReader final : public FileReader {
public:
    explicit RestoredReader(int fd) : fd_(fd) {}
    ~RestoredReader() override { ::close(fd_); }
    RestoredReader(const RestoredReader &) = delete;
    RestoredReader &operator=(const RestoredReader &) = delete;

    int read(long long offset, char *buf, int size) override
    {
        if (offset < 0 || size < 0)
            return kFailure;
        int done = 0;
        while (done < size) {
            ssize_t n = ::pread(fd_, buf + done, static_cast<size_t>(size - done), static_cast<off_t>(offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return kFailure;
            if (n == 0)
                break;
            done += static_cast<int>(n);
        }
        return done;
    }

private:
    int fd_;
};

} // namespace

bool same_state(const Found &a, const Found &b)
{
    return a.is_dir == b.is_dir && a.is_link == b.is_link && a.size == b.size && a.mtime == b.mtime;
}

int Archive::get_entry(int version, const std::string &path, Found &out)
{
    if (path == "\\") {
        long long time = 0;
        if (int rc = version_time(*this, version, time))
            return rc;
        out = Found{version, path, true, false, 0, time};
        return kOk;
    }
    const size_t cut = path.find_last_of('\\');
    if (path.empty() || path[0] != '\\' || cut + 1 == path.size())
        return kNotFound;
    const std::string folder = cut == 0 ? "\\" : path.substr(0, cut);
    const std::string name = path.substr(cut + 1);
    bool found = false;
    int rc = list_folder(version, folder, [&](const Entry &e) {
        if (e.name != name)
            return true;
        out = found_of(version, path, e);
        found = true;
        return false;
    });
    if (rc != kOk)
        return rc;
    return found ? kOk : kNotFound;
}

int Archive::find(int version, const FindQuery &query, const std::function<bool(const Found &)> &on_match)
{
    std::vector<VersionTime> versions;
    if (int rc = finished_versions(*this, versions))
        return rc;
    if (version != kAllVersions) {
        long long time = 0;
        if (int rc = version_time(*this, version, time))
            return rc;
        versions = {{version, time}};
    }
    orvex::match::Glob glob(query.pattern, query.nocase);
    // Across versions each state is told once: the states of the version
    // before, by path.
    std::map<std::string, Found> before, now;
    for (const VersionTime &v : versions) {
        bool stopped = false;
        int rc = walk(*this, v.version, [&](Found &&f) {
            const std::string_view subject =
                query.whole_path ? std::string_view(f.path) : std::string_view(f.path).substr(f.path.rfind('\\') + 1);
            if (!glob.match(subject.data(), subject.size()))
                return true;
            auto was = before.find(f.path);
            if (was == before.end() || !same_state(was->second, f))
                stopped = !on_match(f);
            if (versions.size() > 1)
                now.emplace(f.path, std::move(f));
            return !stopped;
        });
        if (rc != kOk || stopped)
            return rc;
        before = std::move(now);
        now.clear();
    }
    return kOk;
}

int Archive::history(const std::string &path, const std::function<bool(const Step &)> &on_step)
{
    std::vector<VersionTime> versions;
    if (int rc = finished_versions(*this, versions))
        return rc;
    std::sort(versions.begin(), versions.end(),
              [](const VersionTime &a, const VersionTime &b) { return a.version < b.version; });
    std::optional<Found> before;
    bool seen = false;
    for (const VersionTime &v : versions) {
        Step step;
        step.time = v.time;
        int rc = get_entry(v.version, path, step.entry);
        if (rc == kNotFound) {
            if (!before)
                continue;
            step.change = Change::Deleted;
            step.entry = *before;
            step.entry.version = v.version;
            before.reset();
        } else if (rc != kOk) {
            return rc == kNoVersion ? kFailure : rc; // listed a moment ago
        } else {
            step.change = !before                             ? Change::Added
                          : same_state(*before, step.entry) ? Change::Unchanged
                                                              : Change::Changed;
            before = step.entry;
            seen = true;
        }
        if (!on_step(step))
            return kOk;
    }
    return seen ? kOk : kNotFound;
}

int Archive::diff(int from, int to, const std::function<bool(const Step &)> &on_step)
{
    long long time = 0;
    if (int rc = version_time(*this, from, time))
        return rc;
    if (int rc = version_time(*this, to, time))
        return rc;
    if (from == to)
        return kOk;
    Tree older, newer;
    if (int rc = tree_of(*this, from, older))
        return rc;
    if (int rc = tree_of(*this, to, newer))
        return rc;
    auto o = older.begin();
    auto n = newer.begin();
    while (o != older.end() || n != newer.end()) {
        Step step;
        if (n == newer.end() || (o != older.end() && o->first < n->first)) {
            step = Step{Change::Deleted, 0, o++->second};
        } else if (o == older.end() || n->first < o->first) {
            step = Step{Change::Added, 0, n++->second};
        } else {
            const bool same = same_state(o->second, n->second);
            ++o;
            if (same) {
                ++n;
                continue;
            }
            step = Step{Change::Changed, 0, n++->second};
        }
        if (!on_step(step))
            return kOk;
    }
    return kOk;
}

int Archive::open_reader(int, const std::string &, std::unique_ptr<FileReader> &)
{
    errno = ENOTSUP;
    return kFailure;
}

int Archive::open_restored_reader(int version, const std::string &path, const std::string &work_folder,
                                  const std::function<bool()> &cancelled, std::unique_ptr<FileReader> &out)
{
    Found entry;
    if (int rc = get_entry(version, path, entry))
        return rc;
    if (entry.is_dir) {
        errno = EISDIR;
        return kFailure;
    }
    // A folder of its own (0700), so the copy's name is never one a
    // restore would refuse as taken, and nobody else can open it.
    std::string folder = native_join(work_folder, "read-XXXXXX");
    if (!::mkdtemp(folder.data()))
        return kFailure;
    const std::string copy = native_join(folder, "file");
    int rc = restore_file(version, path, copy, false, [&](int, float) { return cancelled && cancelled(); });
    const int fd = rc == kOk ? ::open(copy.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW) : -1;
    const int saved = errno;
    ::unlink(copy.c_str());
    ::rmdir(folder.c_str());
    errno = saved;
    if (rc != kOk)
        return rc;
    if (fd < 0)
        return kFailure;
    out = std::make_unique<RestoredReader>(fd);
    return kOk;
}

} // namespace orvex::jobs
