// Small helpers of the container library tests: sessions, recorded
// progress reports, listings and file contents.
#pragma once

#include "testkit/tempdir.h"
#include "testkit/vesk_writer.h"
#include "vesk.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vesk_test {

namespace fs = std::filesystem;
namespace tk = orvex::testkit;
namespace tv = orvex::testkit::vesk;

// An open session over `file`, closed by the owner.
struct Session {
    tk::TempDir temp{"vesk-session"};
    void *inst = nullptr;
    int rc = 0;
    explicit Session(const fs::path &file, const char *password = nullptr)
    {
        rc = fs_vesk_open(file.c_str(), password, &inst, temp.str().c_str());
    }
    ~Session() { fs_vesk_close(inst); }
};

// The sample container in a folder of its own.
struct Sample {
    tk::TempDir dir{"vesk-sample"};
    fs::path file = dir / "sample.vesk";
    std::vector<tv::Expected> entries = tv::write_sample(file);

    const tv::Expected &at(const std::string &path) const
    {
        for (const auto &e : entries)
            if (e.path == path)
                return e;
        throw std::invalid_argument("not in the sample: " + path);
    }
};

struct Report {
    int status;
    float progress;
    std::string path, dst;
};

// Records every progress report; answers `answer` from report number
// `answer_from` on (counting from 0).
struct Reports {
    std::vector<Report> list;
    int answer = 0;
    size_t answer_from = SIZE_MAX;

    static int record(void *, int, const char *path, const char *dst, int status, float progress, void *user)
    {
        auto *r = static_cast<Reports *>(user);
        r->list.push_back({status, progress, path ? path : "", dst ? dst : ""});
        return r->list.size() - 1 >= r->answer_from ? r->answer : 0;
    }
    std::vector<float> running() const
    {
        std::vector<float> out;
        for (const auto &r : list)
            if (r.status == FS_VESK_STATUS_RUNNING)
                out.push_back(r.progress);
        return out;
    }
};

inline int restore(const Session &s, const std::string &path, const fs::path &dst, int overwrite, Reports &reports)
{
    return fs_vesk_restore_file(s.inst, 0, path.c_str(), dst.c_str(), overwrite, &Reports::record, &reports);
}

// A container path as a relative native path ("\\a\\b" -> "a/b").
inline fs::path relative(const std::string &path)
{
    std::string s = path.substr(1);
    for (char &c : s)
        if (c == '\\')
            c = '/';
    return fs::path(s);
}

struct Listed {
    std::string name;
    char type;
    int64_t size;
    int32_t mtime;
};

struct Listing {
    std::vector<Listed> items;
    std::vector<std::string> paths; // the path argument of every call
    int end_calls = 0;
};

inline int list(const Session &s, const std::string &path, Listing &out)
{
    auto cb = [](void *, int, const char *p, fs_vesk_item *item, void *user) -> int {
        auto *l = static_cast<Listing *>(user);
        l->paths.push_back(p ? p : "(null)");
        if (!item)
            ++l->end_calls;
        else
            l->items.push_back({item->name, item->type, item->size, item->mtime});
        return 0;
    };
    return fs_vesk_list_folder(s.inst, 0, path.c_str(), cb, &out);
}

inline std::vector<uint8_t> bytes_of(const fs::path &p)
{
    return tk::read_file(p);
}

inline int64_t mtime_of(const fs::path &p)
{
    struct stat st {};
    ::lstat(p.c_str(), &st);
    return st.st_mtime;
}

// Names in a folder (hidden temporary files included).
inline std::vector<std::string> names_in(const fs::path &dir)
{
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto &e : fs::directory_iterator(dir, ec))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace vesk_test
