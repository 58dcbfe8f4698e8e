#include "fields.h"

#include <cerrno>
#include <cstdlib>

namespace orvex::jobs {

namespace {

int hex_value(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}

} // namespace

std::string encode_field(const std::string &value)
{
    std::string out;
    out.reserve(value.size());
    for (char ch : value) {
        switch (ch) {
        case '%':
            out += "%25";
            break;
        case ';':
            out += "%3B";
            break;
        case '\r':
            out += "%0D";
            break;
        case '\n':
            out += "%0A";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

std::string decode_field(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            int hi = hex_value(text[i + 1]), lo = hex_value(text[i + 2]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string item_line(const std::vector<Field> &fields)
{
    std::string out = "[ ";
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i)
            out += "; ";
        out += fields[i].first + "=" + encode_field(fields[i].second);
    }
    return out + " ]";
}

bool parse_item_line(const std::string &line, std::vector<Field> &out)
{
    out.clear();
    std::string body = line;
    if (!body.empty() && body.back() == '\r')
        body.pop_back();
    if (body.size() < 4 || body.compare(0, 2, "[ ") != 0 || body.compare(body.size() - 2, 2, " ]") != 0)
        return false;
    body = body.substr(2, body.size() - 4);
    size_t start = 0;
    for (;;) {
        size_t end = body.find("; ", start);
        std::string part = body.substr(start, end == std::string::npos ? std::string::npos : end - start);
        size_t eq = part.find('=');
        if (eq == std::string::npos || eq == 0)
            return false;
        out.emplace_back(part.substr(0, eq), decode_field(part.substr(eq + 1)));
        if (end == std::string::npos)
            return true;
        start = end + 2;
    }
}

const std::string *find_field(const std::vector<Field> &fields, const std::string &key)
{
    for (const auto &f : fields)
        if (f.first == key)
            return &f.second;
    return nullptr;
}

bool parse_int64(const std::string &text, long long &out)
{
    if (text.empty() || text.size() > 20)
        return false;
    size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size())
        return false;
    for (size_t k = i; k < text.size(); ++k)
        if (text[k] < '0' || text[k] > '9')
            return false;
    errno = 0;
    char *end = nullptr;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno == ERANGE || end != text.c_str() + text.size())
        return false;
    out = v;
    return true;
}

} // namespace orvex::jobs
