// GCC 12 at -O2 and above reports overlapping or out-of-bounds copies deep
// inside std::string's operator+ and std::vector::insert where nothing of
// the kind can happen (its -Wrestrict and -Warray-bounds false positives for
// inlined library code). These brackets silence exactly those two warnings
// around the few test functions where it happens, and nothing else.
#pragma once

#if defined(__GNUC__) && !defined(__clang__)
#define ORVEX_GCC_STRING_WARNINGS_OFF                                                                  \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wrestrict\"")                    \
        _Pragma("GCC diagnostic ignored \"-Warray-bounds\"")
#define ORVEX_GCC_STRING_WARNINGS_ON _Pragma("GCC diagnostic pop")
#else
#define ORVEX_GCC_STRING_WARNINGS_OFF
#define ORVEX_GCC_STRING_WARNINGS_ON
#endif
