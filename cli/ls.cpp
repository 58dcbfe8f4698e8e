// `orvex-extract ls FOLDER [PATH] [--version N] [-R] [--json]`: the entries of
// a folder as they stood in a version (the newest by default).
#include "session.h"

#include "archive.h"
#include "names.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

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

// EXIT_OK, or the exit code with the error printed. The items of one folder
// are held until its listing succeeded, so a folder that fails prints
// nothing; memory follows the largest folder, never the whole tree.
int list_one(orvex::jobs::Archive &archive, int version, const std::string &path, std::vector<Item> &items)
{
    items.clear();
    int rc = archive.list_folder(version, path, [&](const orvex::jobs::Entry &e) {
        items.push_back({e.name, e.is_dir, e.size, e.mtime});
        return true;
    });
    return path_result(rc, path, version, "list");
}

// A JSON string as nlohmann's compact dump writes it. Names are mostly
// plain ASCII, which needs no escaping; anything else goes through the
// library (bytes that are not UTF-8 are replaced rather than failing the
// whole listing).
void put_json_string(FILE *out, const std::string &s)
{
    const bool plain = std::all_of(s.begin(), s.end(), [](char c) {
        return c >= 0x20 && c < 0x7f && c != '"' && c != '\\';
    });
    if (plain) {
        std::fputc('"', out);
        std::fwrite(s.data(), 1, s.size(), out);
        std::fputc('"', out);
        return;
    }
    const std::string text =
        nlohmann::ordered_json(s).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    std::fwrite(text.data(), 1, text.size(), out);
}

// One folder of the listing in JSON, the same document nlohmann would dump
// for {"path", "version", "entries": [{"name", "type", "size", "mtime"}]},
// written entry by entry instead of built whole.
void print_json(const std::string &path, int version, const std::vector<Item> &items)
{
    FILE *out = cli_out();
    std::fputs("{\"path\":", out);
    put_json_string(out, path);
    std::fprintf(out, ",\"version\":%d,\"entries\":[", version);
    bool first = true;
    for (const auto &i : items) {
        std::fputs(first ? "{\"name\":" : ",{\"name\":", out);
        first = false;
        put_json_string(out, i.name);
        std::fprintf(out, ",\"type\":\"%s\",\"size\":%lld,\"mtime\":%lld}", i.is_dir ? "dir" : "file", i.size,
                     i.mtime);
    }
    std::fputs("]}", out);
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

// The folders below `path` that can be descended into, in listing order. A
// name that cannot be addressed as a path (empty, with a separator) would
// resolve to another folder, so it is reported and left out, as is a path
// too long to be one.
std::vector<std::string> sub_folders(const std::string &path, const std::vector<Item> &items, int &result)
{
    std::vector<std::string> subs;
    for (const auto &i : items) {
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
        subs.push_back(std::move(sub));
    }
    return subs;
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
        if (opt.json) {
            print_json(root, version, items);
            std::fputs("\n", cli_out());
        } else {
            print_text(root, items, false);
        }
        return EXIT_OK;
    }

    // Depth first, in the library's order, each folder printed as soon as it
    // is listed: besides the folder at hand only the paths of the folders
    // still to visit are kept.
    int result = EXIT_OK;
    std::vector<std::string> pending{root};
    bool first = true;
    if (opt.json)
        std::fputs("[", cli_out());
    while (!pending.empty()) {
        const std::string path = std::move(pending.back());
        pending.pop_back();
        if (path != root) {
            if (int rc = list_one(s.archive(), version, path, items)) {
                result = rc;
                continue;
            }
        }
        if (opt.json) {
            if (!first)
                std::fputs(",", cli_out());
            print_json(path, version, items);
        } else {
            print_text(path, items, true);
        }
        first = false;
        std::vector<std::string> subs = sub_folders(path, items, result);
        for (auto it = subs.rbegin(); it != subs.rend(); ++it)
            pending.push_back(std::move(*it));
    }
    if (opt.json)
        std::fputs("]\n", cli_out());
    return result;
}

void register_ls(CLI::App &app, Action &action)
{
    auto opt = std::make_shared<LsOptions>();
    CLI::App *cmd = app.add_subcommand("ls", "list a folder of a backup as it stood in a version");
    cmd->add_option("FOLDER", opt->folder, kArchiveHelp)->required();
    cmd->add_option("PATH", opt->path, "folder inside the backup (default: the root)");
    cmd->add_option("--version", opt->version, kVersionHelp)->check(CLI::NonNegativeNumber);
    cmd->add_flag("-R,--recursive", opt->recursive, "list every folder below as well");
    add_session_options(cmd, *opt);
    cmd->callback([opt, &action] { action = [opt] { return run_ls(*opt); }; });
}

const bool registered = add_command(&register_ls);

} // namespace

} // namespace orvex::cli
