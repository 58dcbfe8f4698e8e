#include "text.h"

#include <cstdio>

namespace orvex::cli {

namespace {

// Length of the valid UTF-8 sequence at `s[i]`, 0 when there is none.
size_t utf8_length(std::string_view s, size_t i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    const size_t n = b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
    if (n == 0 || i + n > s.size())
        return 0;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
            return 0;
    const auto b1 = static_cast<unsigned char>(s[i + 1]);
    // Overlong forms, surrogates, beyond U+10FFFF.
    if ((b == 0xE0 && b1 < 0xA0) || (b == 0xED && b1 >= 0xA0) || (b == 0xF0 && b1 < 0x90) ||
        (b == 0xF4 && b1 >= 0x90))
        return 0;
    return n;
}

} // namespace

std::string printable(std::string_view name)
{
    std::string out;
    out.reserve(name.size());
    char hex[8];
    for (size_t i = 0; i < name.size();) {
        const auto b = static_cast<unsigned char>(name[i]);
        if (b >= 0x20 && b != 0x7F && b < 0x80) {
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
        const size_t n = utf8_length(name, i);
        if (n == 2 && b == 0xC2 && static_cast<unsigned char>(name[i + 1]) < 0xA0) {
            std::snprintf(hex, sizeof hex, "\\u%04x", static_cast<unsigned char>(name[i + 1]));
            out += hex;
        } else if (n > 0) {
            out.append(name.substr(i, n));
        } else {
            std::snprintf(hex, sizeof hex, "\\x%02x", b);
            out += hex;
        }
        i += n > 0 ? n : 1;
    }
    return out;
}

std::string json_text(const nlohmann::ordered_json &j)
{
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace orvex::cli
