// `orvex-extract ls FOLDER [PATH] [--version N] [-R] [--json]`: the entries of
// a folder as they stood in a version (the newest by default).
#include "session.h"

#include "archive.h"
#include "names.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>

namespace orvex::cli {

namespace {

struct LsOptions : SessionOptions {
    std::string path = "\\";
    int version = -1;
    bool recursive = false;
};

struct Item {
    std::string name;
    bool is_dir;
    long long size;
    long long mtime;
};

// EXIT_OK, or the exit code with the error printed.
int list_one(orvex::jobs::Archive &archive, int version, const std::string &path, std::vector<Item> &items)
{
    items.clear();
    int rc = archive.list_folder(version, path, [&](const orvex::jobs::Entry &e) {
        items.push_back({e.name, e.is_dir, e.size, e.mtime});
        return true;
    });
    return path_result(rc, path, version, "list");
}

nlohmann::ordered_json folder_json(const std::string &path, int version, const std::vector<Item> &items)
{
    nlohmann::ordered_json entries = nlohmann::ordered_json::array();
    for (const auto &i : items)
        entries.push_back(
            {{"name", i.name}, {"type", i.is_dir ? "dir" : "file"}, {"size", i.size}, {"mtime", i.mtime}});
    nlohmann::ordered_json o;
    o["path"] = path;
    o["version"] = version;
    o["entries"] = entries;
    return o;
}

void print_text(const std::string &path, const std::vector<Item> &items, bool header)
{
    if (header)
        std::fprintf(cli_out(), "%s:\n", orvex::jobs::printable(path).c_str());
    for (const auto &i : items)
        std::fprintf(cli_out(), "%c %14lld  %s  %s\n", i.is_dir ? 'd' : '-', i.size, format_time(i.mtime).c_str(),
                    orvex::jobs::printable(i.name).c_str());
    if (header)
        std::fprintf(cli_out(), "\n");
}

std::string dump(const nlohmann::ordered_json &j)
{
    // Names come from the catalogue: bytes that are not UTF-8 are replaced
    // rather than failing the whole listing.
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

int run_ls(const LsOptions &opt)
{
    Session s;
    if (int rc = s.open(opt))
        return rc;
    int version = -1;
    if (int rc = s.resolve_version(opt.version, version))
        return rc;
    const std::string root = canonical_path(opt.path);
    std::vector<Item> items;
    if (int rc = list_one(s.archive(), version, root, items))
        return rc;
    if (!opt.recursive) {
        if (opt.json)
            std::fprintf(cli_out(), "%s\n", dump(folder_json(root, version, items)).c_str());
        else
            print_text(root, items, false);
        return EXIT_OK;
    }

    // Depth first, in the library's order. A name that cannot be addressed as
    // a path (empty, with a backslash) would resolve to another folder, so it
    // is reported and not descended into.
    int result = EXIT_OK;
    nlohmann::ordered_json all = nlohmann::ordered_json::array();
    std::vector<std::pair<std::string, std::vector<Item>>> stack;
    stack.emplace_back(root, std::move(items));
    while (!stack.empty()) {
        auto [path, list] = std::move(stack.back());
        stack.pop_back();
        if (opt.json)
            all.push_back(folder_json(path, version, list));
        else
            print_text(path, list, true);
        std::vector<std::pair<std::string, std::vector<Item>>> subs;
        for (const auto &i : list) {
            if (!i.is_dir)
                continue;
            if (i.name.empty() || i.name.find('\\') != std::string::npos || i.name.find('/') != std::string::npos) {
                print_error(orvex::jobs::printable(path) + ": skipping a folder whose name cannot be a path: \"" +
                            orvex::jobs::printable(i.name) + "\"");
                result = EXIT_FAILURE_OTHER;
                continue;
            }
            std::string sub = child_path(path, i.name);
            if (sub.size() > 4096) {
                print_error(orvex::jobs::printable(sub.substr(0, 64)) + "...: path too long, not descended into");
                result = EXIT_FAILURE_OTHER;
                continue;
            }
            std::vector<Item> sub_items;
            if (int rc = list_one(s.archive(), version, sub, sub_items)) {
                result = rc;
                continue;
            }
            subs.emplace_back(sub, std::move(sub_items));
        }
        for (auto it = subs.rbegin(); it != subs.rend(); ++it)
            stack.push_back(std::move(*it));
    }
    if (opt.json)
        std::fprintf(cli_out(), "%s\n", dump(all).c_str());
    return result;
}

void register_ls(CLI::App &app, Action &action)
{
    auto opt = std::make_shared<LsOptions>();
    CLI::App *cmd = app.add_subcommand("ls", "list a folder of a backup as it stood in a version");
    cmd->add_option("FOLDER", opt->folder, "backup folder or its job information file")->required();
    cmd->add_option("PATH", opt->path, "folder inside the backup (default: the root)");
    cmd->add_option("--version", opt->version, "version number (default: the newest)")->check(CLI::NonNegativeNumber);
    cmd->add_flag("-R,--recursive", opt->recursive, "list every folder below as well");
    add_session_options(cmd, *opt);
    cmd->callback([opt, &action] { action = [opt] { return run_ls(*opt); }; });
}

const bool registered = add_command(&register_ls);

} // namespace

} // namespace orvex::cli
