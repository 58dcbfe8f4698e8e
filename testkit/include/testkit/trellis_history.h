// A small Trellis backup folder whose entries go through every kind of step
// a history or a difference can show, for tests and demos. Versions 1 to 5
// are finished, version 6 is not.
//
//   \docs                 folder, versions 1-6
//   \docs\a.txt           added 1 (10 bytes), changed 2 (20), unchanged 3,
//                         deleted 4, added again 5 (30), changed 6 (unfinished)
//   \docs\keep.txt        added 1; recorded again unchanged in 3
//   \thing                folder in 1-2, a file of 7 bytes from 3 on
//   \thing\inner.txt      added 1; gone with its folder in 3 (no row of its own)
//   \日本語\résumé.TXT    added 1 (non-ASCII names)
//   \gone, \gone\x.bin    added 1; the folder is deleted in 2 (the file has no
//                         row of its own)
//   \dup.txt              two path rows of one name: the first added 1 (5
//                         bytes) and deleted 2, the second added 3 (6 bytes)
//
// Files carry sizes and times only, unless `content` is given: it is called
// for every file state that holds data (as FolderOptions::content).
#pragma once

#include "testkit/trellis.h"

#include <filesystem>
#include <functional>
#include <string>

namespace orvex::testkit::trellis {

// Modification time of every file state written in version v: 1'600'000'000 + v.
int64_t history_mtime(int version);

void write_history_folder(const std::filesystem::path &dir,
                          const std::function<void(const std::string &path, HistoryRow &row,
                                                   uint64_t content_seed)> &content = {});

} // namespace orvex::testkit::trellis
