// The desktop program's job files ("Job<id>.job" and "Job<id>.jobs") as the
// program reads them back at start: whatever a damaged or hostile file
// holds, parsing fails cleanly or yields a job that writes back to a file
// which reads back the same (a job must survive any number of restarts).
#include "jobfile.h"

#include <cstdlib>
#include <string>

namespace oj = orvex::jobs;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    std::string error;

    oj::JobDefinition job;
    if (oj::parse_job(text, job, error)) {
        const std::string written = oj::format_job(job);
        oj::JobDefinition again;
        if (!oj::parse_job(written, again, error) || oj::format_job(again) != written)
            std::abort();
    }

    oj::JobState state;
    if (oj::parse_state(text, state, error)) {
        const std::string written = oj::format_state(state);
        oj::JobState again;
        if (!oj::parse_state(written, again, error) || !(again == state))
            std::abort();
    }

    std::string bytes;
    if (oj::base64_decode(text, bytes) && oj::base64_encode(bytes) != text)
        std::abort(); // only canonical text is accepted
    return 0;
}
