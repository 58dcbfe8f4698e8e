#include "selection.h"

#include "names.h"
#include "session.h"

namespace orvex::cli {

namespace oj = orvex::jobs;

namespace {

// The entry `name` of the folder `parent`, from the folder's listing.
bool find_entry(oj::Archive &archive, int version, const std::string &parent, const std::string &name,
                oj::Entry &out)
{
    bool found = false;
    int rc = archive.list_folder(version, parent, [&](const oj::Entry &e) {
        if (e.name != name)
            return true;
        out = e;
        found = true;
        return false;
    });
    return rc == 0 && found;
}

} // namespace

int build_selection(oj::Archive &archive, int version, const std::vector<std::string> &paths,
                    const std::string &dest, std::vector<oj::Selection> &out, std::vector<SelectionError> &errors)
{
    // Is there such a version at all? The root answers without listing it all.
    int rc = archive.list_folder(version, "\\", [](const oj::Entry &) { return false; });
    if (rc != 0)
        return path_result(rc, "\\", version, "list the root");

    oj::Selection root;
    root.version = version;
    root.dest_folder = dest;
    if (paths.empty()) {
        out.push_back(root);
        return EXIT_OK;
    }
    for (const std::string &typed : paths) {
        const std::string p = canonical_path(typed);
        if (p == "\\") {
            out.push_back(root);
            continue;
        }
        const size_t cut = p.rfind('\\');
        oj::Selection s = root;
        s.parent = cut == 0 ? "\\" : p.substr(0, cut);
        s.name = p.substr(cut + 1);
        oj::Entry e;
        if (!find_entry(archive, version, s.parent, s.name, e)) {
            errors.push_back({p, "no such file or folder in version " + std::to_string(version)});
            continue;
        }
        s.is_dir = e.is_dir;
        s.size = e.size;
        s.mtime = e.mtime;
        out.push_back(s);
    }
    return EXIT_OK;
}

int open_and_select(Session &s, const SessionOptions &opt, int version, const std::vector<std::string> &paths,
                    const std::string &dest, std::optional<std::string> &password, int &resolved,
                    std::vector<oj::Selection> &out, std::vector<SelectionError> &errors)
{
    if (int rc = s.open(opt, &password))
        return rc;
    if (int rc = s.resolve_version(version, resolved))
        return rc;
    return build_selection(s.archive(), resolved, paths, dest, out, errors);
}

} // namespace orvex::cli
