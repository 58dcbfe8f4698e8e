// Rules of names in a restore job, shared by every front end: the name the
// "rename" policy gives a restored file when its name is taken, the check
// that a name from a catalogue can become a file name, and how destination
// paths are composed.
#pragma once

#include <functional>
#include <string>

namespace orvex::jobs {

// "name_N.ext": the base name, an underscore, N, and the suffix after the
// last full stop. A name without a suffix, or whose only full stop is its
// first character (".profile"), gets "_N" at the end.
std::string conflict_name(const std::string &name, unsigned n);

// The first conflict_name(name, 1, 2, ...) for which `taken` is false; ""
// when `limit` names are all taken (or `taken` asks to give up by throwing).
std::string next_free_name(const std::string &name, const std::function<bool(const std::string &)> &taken,
                           unsigned limit = 1000000);

// Why a catalogue name may not become one file or folder name inside a
// destination, or "" when it may: empty, "." or "..", a separator or NUL
// (on Windows also ':' and reserved device names), or longer than a file
// system takes (255 bytes). Anything else could write outside the
// destination or into another entry.
std::string unsafe_name_reason(const std::string &name);
inline bool is_safe_entry_name(const std::string &name)
{
    return unsafe_name_reason(name).empty();
}

// `folder` and `name` joined with the platform's separator.
std::string native_join(const std::string &folder, const std::string &name);
// A path as the user gave it, with the platform's separators ('\\' and '/'
// both accepted) and without a trailing separator (except a root).
std::string native_path(const std::string &path);

// Text for a terminal or a log line: control characters (and DEL) become
// "\xNN" escapes, C1 controls "\u00NN", bytes that are not UTF-8 "\xNN",
// so a hostile name cannot move the cursor or clear a line. Everything else,
// backslashes included, stays as it is.
std::string printable(const std::string &text);

} // namespace orvex::jobs
