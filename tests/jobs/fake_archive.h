// An archive held in memory for the job-core tests: a tree of folders and
// files of one version, written the way the archive libraries write (a
// temporary name renamed into place when complete, an existing destination
// refused unless overwrite), with failures that a test can inject per path.
#pragma once

#include "archive.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvex::test {

struct FakeEntry {
    bool is_dir = false;
    std::string content;
    long long mtime = 1600000000;
};

// The tree shared by every session of one fake archive.
struct FakeTree {
    int version = 1;
    std::map<std::string, FakeEntry> entries; // catalogue path -> entry; "\\" is the root
    std::map<std::string, int> fail_with;     // path -> result code of its restore
    // Called before a file's restore starts (to act as another program).
    std::function<void(const std::string &path, const std::string &dst)> before_restore;
    std::mutex mu;
    std::vector<std::string> restored; // paths in the order restores finished

    FakeTree() { entries["\\"] = FakeEntry{true, {}, 1500000000}; }
    void folder(const std::string &path, long long mtime = 1500000000) { entries[path] = {true, {}, mtime}; }
    void file(const std::string &path, const std::string &content, long long mtime = 1600000000)
    {
        entries[path] = {false, content, mtime};
    }
};

class FakeArchive final : public orvex::jobs::Archive {
public:
    explicit FakeArchive(FakeTree &tree) : tree_(tree) {}

    int list_versions(const std::function<bool(int, long long)> &on_version) override
    {
        on_version(tree_.version, 1700000000);
        return 0;
    }

    int list_folder(int version, const std::string &path,
                    const std::function<bool(const orvex::jobs::Entry &)> &on_entry) override
    {
        if (version != tree_.version)
            return orvex::jobs::kNoVersion;
        auto it = tree_.entries.find(path);
        if (it == tree_.entries.end() || !it->second.is_dir)
            return orvex::jobs::kNotFound;
        for (const auto &[p, e] : tree_.entries) {
            if (p == "\\" || parent_of(p) != path)
                continue;
            if (!on_entry({name_of(p), e.is_dir, static_cast<long long>(e.content.size()), e.mtime}))
                break;
        }
        return 0;
    }

    int stat_sum(int version, const std::string &path, orvex::jobs::Totals &out) override
    {
        if (version != tree_.version)
            return orvex::jobs::kNoVersion;
        out = {};
        const std::string prefix = path == "\\" ? "\\" : path + "\\";
        for (const auto &[p, e] : tree_.entries) {
            if (p == "\\" || p.rfind(prefix, 0) != 0 || p == path)
                continue;
            if (e.is_dir)
                ++out.folders;
            else {
                ++out.files;
                out.bytes += static_cast<long long>(e.content.size());
            }
        }
        return 0;
    }

    int restore_file(int version, const std::string &path, const std::string &dst, bool overwrite,
                     const orvex::jobs::FileProgress &progress) override
    {
        if (version != tree_.version)
            return orvex::jobs::kNoVersion;
        auto it = tree_.entries.find(path);
        if (it == tree_.entries.end() || it->second.is_dir)
            return orvex::jobs::kNotFound;
        if (tree_.before_restore)
            tree_.before_restore(path, dst);
        struct stat sb;
        if (::lstat(dst.c_str(), &sb) == 0 && !overwrite) {
            progress(-1, 0);
            return orvex::jobs::kFailure;
        }
        if (auto f = tree_.fail_with.find(path); f != tree_.fail_with.end())
            return f->second;
        if (progress(0, 0))
            return orvex::jobs::kFailure;
        const std::string tmp = dst + ".fake-part";
        {
            std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
            out << it->second.content;
        }
        if (progress(0, 50)) {
            ::unlink(tmp.c_str());
            return orvex::jobs::kFailure;
        }
        std::rename(tmp.c_str(), dst.c_str());
        timespec ts[2] = {{static_cast<time_t>(it->second.mtime), 0}, {static_cast<time_t>(it->second.mtime), 0}};
        ::utimensat(AT_FDCWD, dst.c_str(), ts, AT_SYMLINK_NOFOLLOW);
        {
            std::lock_guard<std::mutex> lock(tree_.mu);
            tree_.restored.push_back(path);
        }
        progress(1, 100);
        return 0;
    }

    int verify_file(int version, const std::string &path, const orvex::jobs::FileProgress &progress,
                    orvex::jobs::VerifyInfo &) override
    {
        if (version != tree_.version)
            return orvex::jobs::kNoVersion;
        if (auto f = tree_.fail_with.find(path); f != tree_.fail_with.end())
            return f->second;
        progress(0, 100);
        return tree_.entries.count(path) ? 0 : orvex::jobs::kNotFound;
    }

    static std::string parent_of(const std::string &p)
    {
        size_t cut = p.rfind('\\');
        return cut == 0 ? "\\" : p.substr(0, cut);
    }
    static std::string name_of(const std::string &p) { return p.substr(p.rfind('\\') + 1); }

private:
    FakeTree &tree_;
};

} // namespace orvex::test
