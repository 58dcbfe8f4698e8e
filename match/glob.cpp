// Shell-style glob patterns over the Unicode code points of UTF-8 names, the
// one matching rule of every "find": the Trellis library matches catalogue
// names with it, the job core the names of archives that have no search of
// their own. A static library linked into both (its symbols stay hidden in
// the shared library).
#include "glob.h"

#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <cstdint>

namespace orvex::match {

namespace {

// Code points of `s`; a byte that does not start a valid UTF-8 sequence
// stands for itself in the low surrogate range, which no valid text uses.
void decode_utf8(const char *s, size_t len, std::u32string &out)
{
    out.clear();
    const auto *p = reinterpret_cast<const unsigned char *>(s);
    size_t i = 0;
    while (i < len) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        size_t n = b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 0;
        char32_t cp = n == 4 ? b & 0x07 : n == 3 ? b & 0x0F : b & 0x1F;
        bool ok = n != 0 && i + n <= len;
        for (size_t k = 1; ok && k < n; ++k) {
            ok = (p[i + k] & 0xC0) == 0x80;
            cp = (cp << 6) | (p[i + k] & 0x3F);
        }
        // No overlong forms, surrogates or values past U+10FFFF.
        ok = ok && !(n == 3 && cp < 0x800) && !(n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) &&
             !(cp >= 0xD800 && cp <= 0xDFFF);
        if (!ok) {
            out.push_back(0xDC00 | b);
            ++i;
            continue;
        }
        out.push_back(cp);
        i += n;
    }
}

// Simple Unicode case mapping through the C library's UTF-8 tables, without
// touching the process's locale; ASCII only where those tables are missing.
locale_t utf8_locale()
{
    static const locale_t loc = [] {
        locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
        return l ? l : newlocale(LC_CTYPE_MASK, "C.utf8", static_cast<locale_t>(0));
    }();
    return loc;
}

char32_t fold(char32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 32 : c;
    if (locale_t l = utf8_locale())
        return static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), l));
    return c;
}

char32_t upper(char32_t c)
{
    if (c < 0x80)
        return c >= 'a' && c <= 'z' ? c - 32 : c;
    if (locale_t l = utf8_locale())
        return static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), l));
    return c;
}

} // namespace

Glob::Glob(const std::string &pattern, bool nocase) : nocase_(nocase)
{
    std::u32string p;
    decode_utf8(pattern.data(), pattern.size(), p);
    for (size_t i = 0; i < p.size(); ++i) {
        Token t;
        t.kind = Token::Char;
        if (p[i] == U'*') {
            if (!tokens_.empty() && tokens_.back().kind == Token::Star)
                continue;
            t.kind = Token::Star;
        } else if (p[i] == U'?') {
            t.kind = Token::Any;
        } else if (p[i] == U'[') {
            // A set runs to the first ']' after its first member; without
            // one the bracket is an ordinary character.
            size_t j = i + 1;
            t.negate = j < p.size() && (p[j] == U'!' || p[j] == U'^');
            if (t.negate)
                ++j;
            const size_t first = j;
            while (j < p.size() && (p[j] != U']' || j == first)) {
                if (j + 2 < p.size() && p[j + 1] == U'-' && p[j + 2] != U']') {
                    t.ranges.emplace_back(std::min(p[j], p[j + 2]), std::max(p[j], p[j + 2]));
                    j += 3;
                } else {
                    t.ranges.emplace_back(p[j], p[j]);
                    ++j;
                }
            }
            if (j < p.size()) {
                t.kind = Token::Set;
                i = j;
            } else {
                t.ranges.clear();
                t.negate = false;
                t.c = U'[';
            }
        } else {
            t.c = p[i];
        }
        if (t.kind == Token::Char && nocase_)
            t.c = fold(t.c);
        tokens_.push_back(std::move(t));
    }
}

bool Glob::in_set(const Token &t, char32_t c) const
{
    auto hit = [&](char32_t x) {
        for (const auto &[lo, hi] : t.ranges)
            if (x >= lo && x <= hi)
                return true;
        return false;
    };
    // With nocase the subject is folded already: its upper case counts too.
    bool in = hit(c) || (nocase_ && hit(upper(c)));
    return in != t.negate;
}

template <typename At>
bool Glob::match_points(size_t nt, At &&at) const
{
    const size_t np = tokens_.size();
    size_t p = 0, t = 0, star = SIZE_MAX, star_t = 0;
    while (t < nt) {
        if (p < np && tokens_[p].kind == Token::Star) {
            star = p++;
            star_t = t;
            continue;
        }
        if (p < np) {
            const Token &k = tokens_[p];
            const char32_t c = at(t);
            bool one = k.kind == Token::Any || (k.kind == Token::Char && k.c == c) ||
                       (k.kind == Token::Set && in_set(k, c));
            if (one) {
                ++p;
                ++t;
                continue;
            }
        }
        if (star == SIZE_MAX)
            return false;
        // Let the last star take one more character and try again.
        p = star + 1;
        t = ++star_t;
    }
    while (p < np && tokens_[p].kind == Token::Star)
        ++p;
    return p == np;
}

std::string Glob::prefilter() const
{
    // Only ASCII literals are kept: SQLite decodes names on its own terms
    // (a damaged UTF-8 sequence may count as another number of characters
    // than ours), but an ASCII byte is the same character for both. Letters
    // go with -i: other code points fold to ASCII ones (the Kelvin sign to
    // 'k').
    std::string out;
    bool selective = false;
    for (const Token &t : tokens_) {
        const bool keep = t.kind == Token::Char && t.c < 0x80 &&
                          !(nocase_ && ((t.c >= 'a' && t.c <= 'z') || (t.c >= 'A' && t.c <= 'Z')));
        if (!keep) {
            if (out.empty() || out.back() != '*')
                out += '*';
            continue;
        }
        const char c = static_cast<char>(t.c);
        if (c == '*' || c == '?' || c == '[')
            out += std::string("[") + c + "]";
        else
            out += c;
        selective = true;
    }
    return selective ? out : std::string();
}

bool Glob::prefilter_exact() const
{
    if (nocase_)
        return false;
    for (const Token &t : tokens_)
        if (t.kind != Token::Star && !(t.kind == Token::Char && t.c < 0x80))
            return false;
    return true;
}

bool Glob::match(const char *text, size_t len)
{
    // "*" (or "**"): every name, without looking at it.
    if (tokens_.size() == 1 && tokens_[0].kind == Token::Star)
        return true;
    // Most names are ASCII: their bytes are their code points, and matching
    // them in place spares decoding every name of a large catalogue.
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    bool ascii = true;
    for (size_t i = 0; i < len && ascii; ++i)
        ascii = bytes[i] < 0x80;
    if (ascii) {
        if (nocase_)
            return match_points(len, [bytes](size_t i) {
                const char32_t c = bytes[i];
                return c >= 'A' && c <= 'Z' ? c + 32 : c;
            });
        return match_points(len, [bytes](size_t i) { return static_cast<char32_t>(bytes[i]); });
    }
    decode_utf8(text, len, text_);
    if (nocase_)
        for (char32_t &c : text_)
            c = fold(c);
    return match_points(text_.size(), [this](size_t i) { return text_[i]; });
}

} // namespace orvex::match
