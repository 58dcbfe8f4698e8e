// What a restore or verify command works on: the selected paths of a version
// expanded through the listing into folders and files, each with the names
// it takes below the destination.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace orvex::cli {

struct PlanItem {
    std::string src;              // catalogue path ("\\docs\\a.txt")
    std::vector<std::string> rel; // names below the destination, every one checked
    bool is_dir = false;
    long long size = 0;
    long long mtime = 0;
};

struct PlanError {
    std::string src;
    std::string message;
};

struct Plan {
    std::vector<PlanItem> items; // folders before their contents, listing order
    std::vector<PlanError> errors;
    long long files = 0;
    long long bytes = 0;
};

// Expands `paths` (canonical catalogue paths; empty: the whole version, its
// root mapped to the destination itself) depth first. A selected folder
// lands under its own name, and so does a selected file. Names that could
// not be a file name (empty, ".", "..", with a separator) are refused into
// `errors` with everything below them. Returns EXIT_OK or the exit code of
// a failure that ends the command (no such version); paths that do not
// exist are errors of the plan.
int build_plan(void *inst, int version, const std::vector<std::string> &paths, Plan &plan);

class Session;
struct SessionOptions;

// The common start of restore and verify: opens `s` (the password it used in
// `*password`), takes `version` or, when negative, the newest one into
// `resolved`, and plans `paths` as given on the command line. EXIT_OK or the
// exit code that ends the command.
int open_and_plan(Session &s, const SessionOptions &opt, int version, const std::vector<std::string> &paths,
                  std::optional<std::string> *password, int &resolved, Plan &plan);

} // namespace orvex::cli
