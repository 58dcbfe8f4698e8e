#include "names.h"

#include <cctype>
#include <cstdio>

namespace orvex::jobs {

namespace {

#if defined(_WIN32)
constexpr char kSep = '\\';
#else
constexpr char kSep = '/';
#endif

// The longest name common file systems take, in bytes.
constexpr size_t kMaxNameBytes = 255;

#if defined(_WIN32)
bool is_reserved_device(const std::string &name)
{
    std::string stem = name.substr(0, name.find('.'));
    for (auto &ch : stem)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    static const char *reserved[] = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                     "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                     "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    for (const char *r : reserved)
        if (stem == r)
            return true;
    return false;
}
#endif

} // namespace

std::string conflict_name(const std::string &name, unsigned n)
{
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return name + "_" + std::to_string(n);
    return name.substr(0, dot) + "_" + std::to_string(n) + name.substr(dot);
}

std::string next_free_name(const std::string &name, const std::function<bool(const std::string &)> &taken,
                           unsigned limit)
{
    for (unsigned n = 1; n <= limit; ++n) {
        std::string candidate = conflict_name(name, n);
        if (!taken(candidate))
            return candidate;
    }
    return {};
}

std::string unsafe_name_reason(const std::string &name)
{
    if (name.empty())
        return "the name is empty";
    if (name == "." || name == "..")
        return "the name \"" + name + "\" would leave its folder";
    for (char ch : name)
        if (ch == '/' || ch == '\\' || ch == '\0')
            return "the name \"" + printable(name) + "\" contains a path separator or NUL";
#if defined(_WIN32)
    if (name.find(':') != std::string::npos || is_reserved_device(name))
        return "the name \"" + name + "\" cannot be a file name on this system";
#endif
    if (name.size() > kMaxNameBytes)
        return "the name is longer than " + std::to_string(kMaxNameBytes) + " bytes";
    return {};
}

std::string native_join(const std::string &folder, const std::string &name)
{
    if (folder.empty())
        return name;
    if (folder.back() == kSep)
        return folder + name;
    return folder + kSep + name;
}

std::string native_path(const std::string &path)
{
    std::string out = path;
    for (char &ch : out)
        if (ch == '/' || ch == '\\')
            ch = kSep;
    while (out.size() > 1 && out.back() == kSep && !(out.size() == 3 && out[1] == ':'))
        out.pop_back();
    return out;
}

std::string printable(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char ch : text) {
        if (ch < 0x20 || ch == 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", ch);
            out += buf;
        } else {
            out += static_cast<char>(ch);
        }
    }
    return out;
}

} // namespace orvex::jobs
