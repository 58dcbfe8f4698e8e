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

// Length of the valid UTF-8 sequence at `s[i]`, 0 when there is none.
size_t utf8_length(const std::string &s, size_t i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    const size_t n = b >= 0xc2 && b <= 0xdf ? 2 : b >= 0xe0 && b <= 0xef ? 3 : b >= 0xf0 && b <= 0xf4 ? 4 : 0;
    if (n == 0 || i + n > s.size())
        return 0;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xc0) != 0x80)
            return 0;
    const auto b1 = static_cast<unsigned char>(s[i + 1]);
    // Overlong forms, surrogates, beyond U+10FFFF.
    if ((b == 0xe0 && b1 < 0xa0) || (b == 0xed && b1 >= 0xa0) || (b == 0xf0 && b1 < 0x90) ||
        (b == 0xf4 && b1 >= 0x90))
        return 0;
    return n;
}

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
    char hex[8];
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x20 && b != 0x7f && b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        if (b < 0x80) {
            std::snprintf(hex, sizeof hex, "\\x%02x", b);
            out += hex;
            ++i;
            continue;
        }
        // C1 controls (U+0080..U+009F) act on terminals as their escape
        // sequences do; bytes that are not UTF-8 could complete one.
        const size_t n = utf8_length(text, i);
        if (n == 2 && b == 0xc2 && static_cast<unsigned char>(text[i + 1]) < 0xa0) {
            std::snprintf(hex, sizeof hex, "\\u%04x", static_cast<unsigned char>(text[i + 1]));
            out += hex;
        } else if (n > 0) {
            out.append(text, i, n);
        } else {
            std::snprintf(hex, sizeof hex, "\\x%02x", b);
            out += hex;
        }
        i += n > 0 ? n : 1;
    }
    return out;
}

} // namespace orvex::jobs
