// The folder this process lends the libraries for their working copies
// (catalogue copies, descriptors): <temp>/orvex-extract-<pid>-XXXXXX, readable
// by its owner only. The process id in the name lets a later run tell a
// folder whose process still runs from one left behind by a process that was
// killed or crashed; only the latter is removed.
#pragma once

#include <string>

namespace orvex::cli {

// The working folder, created on first use; the first use also removes the
// folders of earlier runs whose process no longer runs. TMPDIR chooses the
// parent (else the system's). Empty, after printing why, when the parent is
// missing, not a folder or not writable: the caller fails then, it never
// works in the backup folder instead.
const std::string &working_folder();

// Removes the working folder (at exit, after every session closed).
void remove_working_folder();

// Folders "orvex-extract-<pid>-XXXXXX" in `parent`, owned by this user and
// not links, whose process no longer runs, are removed. Returns how many.
int remove_abandoned_working_folders(const std::string &parent);

} // namespace orvex::cli
