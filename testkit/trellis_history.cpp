// The history folder described in testkit/trellis_history.h.
#include "testkit/trellis_history.h"

namespace orvex::testkit::trellis {

int64_t history_mtime(int version)
{
    return 1'600'000'000LL + version;
}

void write_history_folder(const std::filesystem::path &dir,
                          const std::function<void(const std::string &, HistoryRow &, uint64_t)> &content)
{
    std::filesystem::create_directories(dir);
    Catalogue c(dir / full_name(1), false);
    for (int v = 1; v <= 6; ++v)
        c.add_version(v, 1'700'000'000LL + 86'400LL * v,
                      v < 6 ? std::optional<int64_t>(1'700'000'000LL + 86'400LL * v + 600) : std::nullopt, v);
    uint64_t seed = 100;
    auto folder = [&](int64_t id, int version, int deleted = 0) {
        HistoryRow h;
        h.path_id = id;
        h.version = version;
        h.is_dir = true;
        h.deleted = deleted;
        h.attr = make_attr(0, history_mtime(version), 24);
        c.add_history(h);
    };
    auto file = [&](int64_t id, const std::string &path, int version, uint64_t size, int deleted = 0) {
        HistoryRow h;
        h.path_id = id;
        h.version = version;
        h.deleted = deleted;
        h.attr = make_attr(size, history_mtime(version), 24);
        if (content && !deleted && size > 0)
            content(path, h, ++seed);
        c.add_history(h);
        return h;
    };

    const int64_t root = c.add_path(std::nullopt, "", 1);
    folder(root, 1);
    const int64_t docs = c.add_path(root, "docs");
    folder(docs, 1);
    const int64_t a = c.add_path(docs, "a.txt");
    file(a, "\\docs\\a.txt", 1, 10);
    file(a, "\\docs\\a.txt", 2, 20);
    file(a, "\\docs\\a.txt", 4, 20, 1);
    file(a, "\\docs\\a.txt", 5, 30);
    file(a, "\\docs\\a.txt", 6, 99);
    const int64_t keep = c.add_path(docs, "keep.txt");
    HistoryRow kept = file(keep, "\\docs\\keep.txt", 1, 1);
    kept.version = 3; // the same state recorded again
    c.add_history(kept);

    const int64_t thing = c.add_path(root, "thing");
    folder(thing, 1);
    file(thing, "\\thing", 3, 7);
    file(c.add_path(thing, "inner.txt"), "\\thing\\inner.txt", 1, 2);

    const int64_t jp = c.add_path(root, "日本語");
    folder(jp, 1);
    file(c.add_path(jp, "résumé.TXT"), "\\日本語\\résumé.TXT", 1, 3);

    const int64_t gone = c.add_path(root, "gone");
    folder(gone, 1);
    folder(gone, 2, 1);
    file(c.add_path(gone, "x.bin"), "\\gone\\x.bin", 1, 4);

    const int64_t dup1 = c.add_path(root, "dup.txt");
    file(dup1, "\\dup.txt", 1, 5);
    file(dup1, "\\dup.txt", 2, 5, 1);
    file(c.add_path(root, "dup.txt"), "\\dup.txt", 3, 6);
    c.finish();
    write_job_info(dir, make_job_id(15), "", InfoForm::KeyValue);
}

} // namespace orvex::testkit::trellis
