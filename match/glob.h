// Glob patterns of "find", shared by the Trellis library and the job core.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace orvex::match {

// A shell-style pattern over Unicode code points: '*', '?', "[...]" with
// ranges and "!"/"^" negation; no escape character. Bytes that are not UTF-8
// stand for themselves. Compiled once, matched many times by one thread.
class Glob {
public:
    Glob(const std::string &pattern, bool nocase);
    bool match(const char *text, size_t len);
    // A pattern for SQLite's GLOB that every name this glob matches also
    // matches (never fewer, maybe more): ASCII characters compared as they
    // are, everything else a '*'. "" when it would let every name through.
    std::string prefilter() const;
    // True when prefilter() narrows to exactly the names this glob matches,
    // damaged UTF-8 aside (every name SQLite lets through is matched again).
    bool prefilter_exact() const;

private:
    struct Token {
        enum Kind { Char, Any, Star, Set } kind = Char;
        char32_t c = 0;
        bool negate = false;
        std::vector<std::pair<char32_t, char32_t>> ranges;
    };
    bool in_set(const Token &t, char32_t c) const;
    // The match over code points `at(i)`, i < n (already folded with nocase).
    template <typename At>
    bool match_points(size_t n, At &&at) const;

    std::vector<Token> tokens_;
    bool nocase_;
    std::u32string text_; // decoded subject, reused between matches
};

} // namespace orvex::match
