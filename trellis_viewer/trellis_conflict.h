// Conflict rules of restore jobs, shared by the command line and the desktop
// program: the name the "rename" policy gives a restored file when its name
// is taken, and the check that a catalogue name can become a file name.
// Header-only C++ so both can use it without a library call.
#pragma once

#include <functional>
#include <string>

namespace orvex::trellis {

// "name_N.ext": the base name, an underscore, N, and the suffix after the
// last full stop. A name without a suffix, or whose only full stop is its
// first character (".profile"), gets "_N" at the end.
inline std::string conflict_name(const std::string &name, unsigned n)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return name + "_" + std::to_string(n);
    return name.substr(0, dot) + "_" + std::to_string(n) + name.substr(dot);
}

// The first conflict_name(name, 1, 2, ...) for which `taken` is false; ""
// when `limit` names are all taken.
inline std::string next_free_name(const std::string &name, const std::function<bool(const std::string &)> &taken,
                                  unsigned limit = 1000000)
{
    for (unsigned n = 1; n <= limit; ++n) {
        std::string candidate = conflict_name(name, n);
        if (!taken(candidate))
            return candidate;
    }
    return {};
}

// A catalogue name that may become one file or folder name inside a
// destination: not empty, not "." or "..", no separator or NUL (and on
// Windows no ':' and no reserved device name). Anything else could write
// outside the destination or into another entry.
inline bool is_safe_entry_name(const std::string &name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (char ch : name)
        if (ch == '/' || ch == '\\' || ch == '\0')
            return false;
#if defined(_WIN32)
    if (name.find(':') != std::string::npos)
        return false;
    std::string stem = name.substr(0, name.find('.'));
    for (auto &ch : stem)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    static const char *reserved[] = {"CON", "PRN", "AUX", "NUL", "COM1", "COM2", "COM3", "COM4", "COM5", "COM6",
                                     "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7",
                                     "LPT8", "LPT9"};
    for (const char *r : reserved)
        if (stem == r)
            return false;
#endif
    return true;
}

} // namespace orvex::trellis
