#include "plan.h"

#include "commands.h"
#include "session.h"
#include "names.h"
#include "trellis_vesk.h"

namespace orvex::cli {

namespace {

struct Listed {
    std::string name;
    bool is_dir;
    long long size;
    long long mtime;
};

// 0, -1 no version, -2 no such folder, other: failure.
int list(void *inst, int version, const std::string &path, std::vector<Listed> &out)
{
    out.clear();
    auto cb = [](void *, int, const char *, trellis_vesk_item *it, void *user) -> int {
        static_cast<std::vector<Listed> *>(user)->push_back({it->name, it->type == TRELLIS_VESK_DIR, it->size,
                                                             it->mtime});
        return 0;
    };
    return trellis_vesk_list_folder(inst, version, path.c_str(), cb, &out);
}

void add_tree(void *inst, int version, const std::string &folder, const std::vector<std::string> &rel, Plan &plan)
{
    std::vector<Listed> entries;
    int rc = list(inst, version, folder, entries);
    if (rc != 0) {
        plan.errors.push_back({folder, "cannot list this folder (catalogue damaged?)"});
        return;
    }
    for (const Listed &e : entries) {
        std::string src = child_path(folder, e.name);
        if (!orvex::jobs::is_safe_entry_name(e.name)) {
            plan.errors.push_back({src, "refused: the name \"" + e.name +
                                            "\" cannot be a file name (it would leave the destination)"});
            continue;
        }
        PlanItem item{src, rel, e.is_dir, e.size, e.mtime};
        item.rel.push_back(e.name);
        if (e.is_dir) {
            std::vector<std::string> sub = item.rel;
            plan.items.push_back(std::move(item));
            add_tree(inst, version, src, sub, plan);
        } else {
            plan.files += 1;
            plan.bytes += e.size;
            plan.items.push_back(std::move(item));
        }
    }
}

} // namespace

int build_plan(void *inst, int version, const std::vector<std::string> &paths, Plan &plan)
{
    std::vector<Listed> probe;
    int rc = list(inst, version, "\\", probe);
    if (rc == -1) {
        print_error("no version " + std::to_string(version));
        return EXIT_NOT_FOUND;
    }
    if (rc != 0) {
        print_error("cannot list the root of version " + std::to_string(version) + " (catalogue damaged?)");
        return EXIT_FAILURE_OTHER;
    }
    if (paths.empty()) {
        add_tree(inst, version, "\\", {}, plan);
        return EXIT_OK;
    }
    for (const std::string &p : paths) {
        if (p == "\\") {
            add_tree(inst, version, "\\", {}, plan);
            continue;
        }
        // The entry itself, from its parent's listing.
        size_t cut = p.rfind('\\');
        std::string parent = cut == 0 ? "\\" : p.substr(0, cut);
        std::string name = p.substr(cut + 1);
        std::vector<Listed> siblings;
        const Listed *found = nullptr;
        if (list(inst, version, parent, siblings) == 0)
            for (const Listed &s : siblings)
                if (s.name == name)
                    found = &s;
        if (!found) {
            plan.errors.push_back({p, "no such file or folder in version " + std::to_string(version)});
            continue;
        }
        if (!orvex::jobs::is_safe_entry_name(name)) {
            plan.errors.push_back({p, "refused: the name cannot be a file name"});
            continue;
        }
        PlanItem item{p, {name}, found->is_dir, found->size, found->mtime};
        if (found->is_dir) {
            plan.items.push_back(item);
            add_tree(inst, version, p, item.rel, plan);
        } else {
            plan.files += 1;
            plan.bytes += found->size;
            plan.items.push_back(std::move(item));
        }
    }
    return EXIT_OK;
}

int open_and_plan(Session &s, const SessionOptions &opt, int version, const std::vector<std::string> &paths,
                  std::optional<std::string> *password, int &resolved, Plan &plan)
{
    if (int rc = s.open(opt, password))
        return rc;
    if (int rc = s.resolve_version(version, resolved))
        return rc;
    std::vector<std::string> canonical;
    for (const auto &p : paths)
        canonical.push_back(canonical_path(p));
    return build_plan(s.handle(), resolved, canonical, plan);
}

} // namespace orvex::cli
