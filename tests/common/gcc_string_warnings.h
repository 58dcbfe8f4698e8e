// GCC 12 at -O2 and above reports an overlapping copy deep inside
// std::string's operator+ (`"text" + std::string`) where none can happen:
// its -Wrestrict false positive for inlined library code. These brackets
// silence exactly that warning around the few test and fuzzing functions
// where it arises, and nothing else.
#pragma once

#if defined(__GNUC__) && !defined(__clang__)
#define ORVEX_GCC_STRING_WARNINGS_OFF                                                                  \
    _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Wrestrict\"")
#define ORVEX_GCC_STRING_WARNINGS_ON _Pragma("GCC diagnostic pop")
#else
#define ORVEX_GCC_STRING_WARNINGS_OFF
#define ORVEX_GCC_STRING_WARNINGS_ON
#endif
