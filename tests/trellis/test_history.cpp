// Histories of single paths and differences between versions: the test kit's
// history folder step by step, and generated folders against the kit's record
// of what each version holds.
#include "trellis_fixture.h"

#include "testkit/trellis_history.h"

#include <map>
#include <set>
#include <tuple>

namespace {

using namespace trellis_test;

constexpr int A = TRELLIS_VESK_ADDED, C = TRELLIS_VESK_CHANGED, U = TRELLIS_VESK_UNCHANGED,
              D = TRELLIS_VESK_DELETED;

struct Step {
    int version;
    int change;
    int type;
    long long size;
    bool operator==(const Step &o) const
    {
        return std::tie(version, change, type, size) == std::tie(o.version, o.change, o.type, o.size);
    }
};

std::ostream &operator<<(std::ostream &os, const Step &s)
{
    return os << "{v" << s.version << " change " << s.change << " type " << s.type << " size " << s.size << "}";
}

struct Item {
    trellis_vesk_change_item item;
    std::string path;
};

int collect(void *, const trellis_vesk_change_item *item, void *user)
{
    static_cast<std::vector<Item> *>(user)->push_back({*item, item->entry.path});
    return 0;
}

int history(void *inst, const char *path, std::vector<Step> &out)
{
    std::vector<Item> items;
    int rc = trellis_vesk_history(inst, path, collect, &items);
    out.clear();
    for (const Item &i : items) {
        out.push_back({i.item.entry.version_id, i.item.change, i.item.entry.type, i.item.entry.size});
        EXPECT_EQ(i.item.timestamp, 1'700'000'000LL + 86'400LL * i.item.entry.version_id);
    }
    return rc;
}

std::vector<std::pair<int, std::string>> diff(void *inst, int from, int to, int *rc)
{
    std::vector<Item> items;
    *rc = trellis_vesk_diff(inst, from, to, collect, &items);
    std::vector<std::pair<int, std::string>> out;
    for (const Item &i : items)
        out.emplace_back(i.item.change, i.path);
    return out;
}

struct HistoryFolder : Folder {
    HistoryFolder() { tt::write_history_folder(dir.path()); }
};

TEST(TrellisHistory, EveryKindOfStepOfTheHistoryFolder)
{
    HistoryFolder f;
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    const int F = TRELLIS_VESK_FILE, Dir = TRELLIS_VESK_DIR;
    const std::map<std::string, std::vector<Step>> cases{
        // Version 6 is unfinished and left out.
        {"\\docs\\a.txt", {{1, A, F, 10}, {2, C, F, 20}, {3, U, F, 20}, {4, D, F, 20}, {5, A, F, 30}}},
        // Recorded again with the same state in 3: still unchanged (and any
        // spelling the path lookup takes).
        {"docs\\keep.txt\\", {{1, A, F, 1}, {2, U, F, 1}, {3, U, F, 1}, {4, U, F, 1}, {5, U, F, 1}}},
        {"\\thing", {{1, A, Dir, 0}, {2, U, Dir, 0}, {3, C, F, 7}, {4, U, F, 7}, {5, U, F, 7}}},
        {"\\thing\\inner.txt", {{1, A, F, 2}, {2, U, F, 2}, {3, D, F, 2}}},
        {"\\gone\\x.bin", {{1, A, F, 4}, {2, D, F, 4}}},
        {"\\dup.txt", {{1, A, F, 5}, {2, D, F, 5}, {3, A, F, 6}, {4, U, F, 6}, {5, U, F, 6}}},
        {"\\日本語\\résumé.TXT", {{1, A, F, 3}, {2, U, F, 3}, {3, U, F, 3}, {4, U, F, 3}, {5, U, F, 3}}},
    };
    for (const auto &[path, want] : cases) {
        std::vector<Step> got;
        EXPECT_EQ(history(s.inst, path.c_str(), got), 0) << path;
        EXPECT_EQ(got, want) << path;
    }
    std::vector<Step> got;
    EXPECT_EQ(history(s.inst, "\\docs\\nothing.txt", got), -2);
    EXPECT_EQ(history(s.inst, "\\gone\\x.bin\\deeper", got), -2);
    EXPECT_EQ(trellis_vesk_history(s.inst, nullptr, collect, &got), -999);
}

TEST(TrellisDiff, DifferencesOfTheHistoryFolderInPathOrder)
{
    HistoryFolder f;
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);
    using List = std::vector<std::pair<int, std::string>>;
    struct Case {
        int from, to;
        List want;
    } cases[] = {
        {1,
         3,
         {{C, "\\docs\\a.txt"},
          {C, "\\dup.txt"}, // one row of the name went, another came
          {D, "\\gone"},
          {D, "\\gone\\x.bin"},
          {C, "\\thing"}, // a folder that became a file
          {D, "\\thing\\inner.txt"}}},
        {3,
         1,
         {{C, "\\docs\\a.txt"},
          {C, "\\dup.txt"},
          {A, "\\gone"},
          {A, "\\gone\\x.bin"},
          {C, "\\thing"},
          {A, "\\thing\\inner.txt"}}},
        {3, 4, {{D, "\\docs\\a.txt"}}},
        {4, 5, {{A, "\\docs\\a.txt"}}},
        {5, 6, {{C, "\\docs\\a.txt"}}}, // an unfinished version can be named
        {2, 2, {}},
    };
    for (const Case &c : cases) {
        int rc = 0;
        EXPECT_EQ(diff(s.inst, c.from, c.to, &rc), c.want) << c.from << " -> " << c.to;
        EXPECT_EQ(rc, 0);
    }
    // The state handed over: the new one, or the one that went.
    std::vector<Item> items;
    ASSERT_EQ(trellis_vesk_diff(s.inst, 1, 2, collect, &items), 0);
    ASSERT_EQ(items.size(), 4u); // a.txt changed, dup.txt, gone and gone\x.bin deleted
    EXPECT_EQ(items[0].item.entry.size, 20);
    EXPECT_EQ(items[0].item.entry.version_id, 2);
    EXPECT_EQ(items[1].item.entry.size, 5);
    EXPECT_EQ(items[1].item.entry.version_id, 1);

    int rc = 0;
    diff(s.inst, 1, 99, &rc);
    EXPECT_EQ(rc, -1);
    diff(s.inst, -1, 2, &rc);
    EXPECT_EQ(rc, -1);
}

// Path order, told independently of the library: names compared one by one.
bool by_components(const std::string &a, const std::string &b)
{
    auto split = [](const std::string &p) {
        std::vector<std::string> parts;
        size_t at = 1;
        while (at <= p.size()) {
            size_t end = p.find('\\', at);
            if (end == std::string::npos)
                end = p.size();
            parts.push_back(p.substr(at, end - at));
            at = end + 1;
        }
        return parts;
    };
    return split(a) < split(b);
}

// Generated folders: every pair of versions, and the history of every path,
// against the kit's record of each version.
TEST(TrellisDiff, GeneratedFoldersAgreeWithTheRecordOfEachVersion)
{
    Folder f;
    tt::FolderOptions opt;
    opt.versions = 4;
    opt.files = 60;
    opt.seed = 23;
    const tt::FolderManifest m = tt::write_folder(f.dir.path(), opt);
    Session s(f.path());
    ASSERT_EQ(s.rc, 0);

    using State = std::tuple<bool, uint64_t, int64_t>;
    std::vector<std::map<std::string, State>> held;
    std::set<std::string> every;
    for (const auto &v : m.versions) {
        held.emplace_back();
        for (const auto &e : v.entries) {
            held.back()[e.path] = {e.is_dir, e.size, e.mtime};
            every.insert(e.path);
        }
    }
    for (size_t i = 0; i < held.size(); ++i)
        for (size_t j = 0; j < held.size(); ++j) {
            std::vector<std::pair<int, std::string>> want;
            for (const auto &path : every) {
                auto a = held[i].find(path), b = held[j].find(path);
                if (a != held[i].end() && b == held[j].end())
                    want.emplace_back(D, path);
                else if (a == held[i].end() && b != held[j].end())
                    want.emplace_back(A, path);
                else if (a != held[i].end() && a->second != b->second)
                    want.emplace_back(C, path);
            }
            std::sort(want.begin(), want.end(), [](const auto &x, const auto &y) {
                return by_components(x.second, y.second);
            });
            int rc = 0;
            EXPECT_EQ(diff(s.inst, m.versions[i].version, m.versions[j].version, &rc), want)
                << m.versions[i].version << " -> " << m.versions[j].version;
            EXPECT_EQ(rc, 0);
        }

    for (const auto &path : every) {
        std::vector<Step> want;
        const State *prev = nullptr;
        for (size_t i = 0; i < held.size(); ++i) {
            auto it = held[i].find(path);
            const State *cur = it == held[i].end() ? nullptr : &it->second;
            const State *shown = cur ? cur : prev;
            if (cur || prev) {
                int change = !cur ? D : !prev ? A : *cur == *prev ? U : C;
                want.push_back({m.versions[i].version, change,
                                std::get<0>(*shown) ? TRELLIS_VESK_DIR : TRELLIS_VESK_FILE,
                                static_cast<long long>(std::get<0>(*shown) ? 0 : std::get<1>(*shown))});
            }
            prev = cur;
        }
        std::vector<Step> got;
        EXPECT_EQ(history(s.inst, path.c_str(), got), 0);
        EXPECT_EQ(got, want) << path;
    }
}

} // namespace
