// Runs orvex-extract as a child process without a terminal and collects its
// exit code and both output streams.
#pragma once

#include "gcc_string_warnings.h"
#include "testkit/tempdir.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orvex::test {

struct Outcome {
    int code = -1;
    std::string out, err;
};

// `s` as one single-quoted shell word.
inline std::string quote(const std::string &s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string slurp(const std::filesystem::path &p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Runs orvex-extract with `args`, standard input closed and ORVEX_PASSWORD
// unset unless `env` (like "ORVEX_PASSWORD=x") sets it.
ORVEX_GCC_STRING_WARNINGS_OFF
inline Outcome extract(const std::vector<std::string> &args, const std::string &env = "")
{
    static orvex::testkit::TempDir io("cli-io");
    std::string cmd = "env -u ORVEX_PASSWORD " + env + " " + quote(ORVEX_EXTRACT_EXE);
    for (const auto &a : args)
        cmd += " " + quote(a);
    cmd += " >" + quote((io / "out").string()) + " 2>" + quote((io / "err").string()) + " </dev/null";
    int status = std::system(cmd.c_str());
    Outcome r;
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = slurp(io / "out");
    r.err = slurp(io / "err");
    return r;
}
ORVEX_GCC_STRING_WARNINGS_ON

} // namespace orvex::test
