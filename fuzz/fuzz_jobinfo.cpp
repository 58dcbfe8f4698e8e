// The job information file, in its key-value and its JSON form: the job id,
// the signature, its base64 and the password check against it, as an open
// reads them.
#include "trellis_common.h"

#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string text(reinterpret_cast<const char *>(data), size);
    // The file is searched as a C string, as the open does.
    text.resize(std::strlen(text.c_str()));
    std::string job_id, signature;
    const bool have_id = orvex::trellis::get_job_id(text, job_id) == 0;
    if (orvex::trellis::get_signature(text, signature) != 0 || signature.empty())
        return 0;
    unsigned char decoded[4096];
    orvex::trellis::b64_Decode_Ex(signature.data(), signature.size(), decoded, sizeof decoded);
    if (have_id)
        orvex::trellis::check_password(job_id, signature, "pw");
    return 0;
}
