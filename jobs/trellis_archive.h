// The job core's adapter over the Trellis backup-folder library.
#pragma once

#include "archive.h"

namespace orvex::jobs {

// Opens a Trellis backup folder (or its job information file).
int open_trellis(const OpenRequest &req, std::unique_ptr<Archive> &out);

} // namespace orvex::jobs
