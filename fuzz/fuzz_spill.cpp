// The job information file ("Job<id>.jobi"): each line an entry of a job's
// expanded folders. Any line parses cleanly or not at all, and an entry that
// parses writes back to a line that reads back the same entry.
#include "spill.h"

#include <cstdlib>
#include <string>

namespace oj = orvex::jobs;

namespace {

bool same(const oj::SpillEntry &a, const oj::SpillEntry &b)
{
    return a.version == b.version && a.source == b.source && a.destination == b.destination &&
           a.is_dir == b.is_dir && a.size == b.size && a.mtime == b.mtime;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        oj::SpillEntry e;
        if (oj::Spill::parse(text.substr(start, end - start), e)) {
            oj::SpillEntry again;
            if (!oj::Spill::parse(oj::Spill::format(e), again) || !same(again, e))
                std::abort();
        }
        start = end + 1;
    }
    return 0;
}
