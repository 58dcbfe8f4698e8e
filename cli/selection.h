// The PATHs of a restore or verify command turned into a job's selection.
#pragma once

#include "job.h"

#include <string>
#include <vector>

namespace orvex::cli {

class Session;
struct SessionOptions;

// A path of the command line that cannot be part of the job.
struct SelectionError {
    std::string path;
    std::string message;
};

// `paths` (as typed; empty: the whole version) of `version` landing in
// `dest`: the root's contents go straight into `dest`, any other path lands
// there under its own name. Paths that do not exist, or whose name cannot
// be a file name, go to `errors`. Returns EXIT_OK or the exit code that
// ends the command (no such version).
int build_selection(orvex::jobs::Archive &archive, int version, const std::vector<std::string> &paths,
                    const std::string &dest, std::vector<orvex::jobs::Selection> &out,
                    std::vector<SelectionError> &errors);

// The common start of restore and verify: opens `s` (the password it used
// in `*password`), takes `version` or, when negative, the newest one into
// `resolved`, and builds the selection. EXIT_OK or the exit code that ends
// the command.
int open_and_select(Session &s, const SessionOptions &opt, int version, const std::vector<std::string> &paths,
                    const std::string &dest, std::optional<std::string> &password, int &resolved,
                    std::vector<orvex::jobs::Selection> &out, std::vector<SelectionError> &errors);

} // namespace orvex::cli
