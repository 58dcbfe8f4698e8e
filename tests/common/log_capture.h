// Captures what the libraries log during one test: opens the log in a
// temporary folder and hands back its text once the log is closed.
#pragma once

#include "testkit/tempdir.h"
#include "zlog.h"

#include <fstream>
#include <sstream>
#include <string>

namespace orvex::test {

class LogCapture {
public:
    LogCapture() : dir_("orvex-log"), path_((dir_ / "test.log").string())
    {
        open_ = zlog_create(path_.c_str(), OLOG_DEBUG, 4u << 20, 1) == 0;
    }
    ~LogCapture()
    {
        if (open_)
            zlog_destroy();
    }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    // Closes the log (so every record is on disk) and returns its text.
    std::string text()
    {
        if (open_) {
            zlog_destroy();
            open_ = false;
        }
        std::ifstream in(path_);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    orvex::testkit::TempDir dir_;
    std::string path_;
    bool open_ = false;
};

} // namespace orvex::test
