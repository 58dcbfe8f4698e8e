// Small builders of Trellis folders for the library tests.
#pragma once

#include "testkit/tempdir.h"
#include "testkit/trellis.h"
#include "trellis_common.h"
#include "trellis_vesk.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace trellis_test {

namespace tk = orvex::testkit;
namespace tt = orvex::testkit::trellis;

inline const std::string kJobId = "0f8e2d3c-1b2a-4c5d-9e8f-7a6b5c4d3e2f";

// A folder with an unsigned job information file and one full catalogue
// holding versions 1..n (finished) and a root path row (rowid 1).
struct Folder {
    tk::TempDir dir{"trellis-test"};
    std::string path() const { return dir.str(); }
    void info(const std::string &signature = "", tt::InfoForm form = tt::InfoForm::KeyValue)
    {
        tt::write_job_info(dir.path(), kJobId, signature, form);
    }
};

inline void add_versions(tt::Catalogue &c, int n)
{
    for (int v = 1; v <= n; ++v)
        c.add_version(v, 1700000000 + v, 1700000100 + v, v);
}

inline tt::HistoryRow file_row(int64_t path_id, int version, uint64_t size = 1, int64_t mtime = 1600000000,
                               int deleted = 0, size_t attr_len = 24)
{
    tt::HistoryRow h;
    h.path_id = path_id;
    h.version = version;
    h.attr = tt::make_attr(size, mtime, attr_len);
    h.deleted = deleted;
    return h;
}

inline tt::HistoryRow dir_row(int64_t path_id, int version)
{
    tt::HistoryRow h = file_row(path_id, version, 0);
    h.is_dir = true;
    return h;
}

// An open session over `dir` in temporary mode; closed by the owner.
struct Session {
    void *inst = nullptr;
    int rc = 0;
    tk::TempDir temp{"trellis-work"};
    explicit Session(const std::string &dir, const char *password = nullptr)
    {
        rc = trellis_vesk_open(dir.c_str(), password, &inst, temp.str().c_str());
    }
    ~Session() { trellis_vesk_close(inst); }
};

struct Listed {
    std::string name;
    char type;
    long long size;
    long long mtime;
};

inline int list(void *inst, int version, const char *path, std::vector<Listed> &out)
{
    out.clear();
    auto cb = [](void *, int, const char *, trellis_vesk_item *it, void *user) -> int {
        static_cast<std::vector<Listed> *>(user)->push_back({it->name, it->type, it->size, it->mtime});
        return 0;
    };
    return trellis_vesk_list_folder(inst, version, path, cb, &out);
}

inline std::vector<std::string> names(const std::vector<Listed> &l)
{
    std::vector<std::string> n;
    for (const auto &e : l)
        n.push_back(e.name);
    return n;
}

} // namespace trellis_test
