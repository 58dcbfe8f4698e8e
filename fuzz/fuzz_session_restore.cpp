// A whole session over a small backup folder whose catalogue and descriptor
// are the input (see session_template.h for its layout): open (copy,
// defensive settings, indexes), versions, listing, statistics, then every
// file restored and verified. Whatever the catalogue and descriptor say,
// the libraries must fail cleanly and write only inside the destination.
#include "fuzz_support.h"
#include "gcc_string_warnings.h"
#include "session_template.h"

#include "trellis_common.h"
#include "trellis_vesk.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path &folder()
{
    static const fs::path dir = [] {
        fs::path d = orvex::fuzz::scratch() / "backup";
        orvex::fuzz::write_session_template(d);
        return d;
    }();
    return dir;
}

struct Walk {
    void *inst;
    int version;
    std::vector<std::string> files;
    std::vector<std::string> folders;
};

int on_entry(void *, int, const char *path, trellis_vesk_item *item, void *user)
{
    auto *w = static_cast<Walk *>(user);
    std::string full = std::string(path) + (std::strcmp(path, "\\") == 0 ? "" : "\\") + item->name;
    if (item->type == TRELLIS_VESK_DIR)
        w->folders.push_back(full);
    else
        w->files.push_back(full);
    return w->files.size() + w->folders.size() > 64; // a bound on what one input may cost
}

int on_version(void *, trellis_vesk_version *v, void *user)
{
    static_cast<std::vector<int> *>(user)->push_back(v->version_id);
    return 0;
}

int on_progress(void *, int, const char *, const char *, int, float, void *)
{
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    folder();
    // The library's diagnostics on standard output only slow the runs down
    // (ORVEX_FUZZ_VERBOSE keeps them, with a line per input on stderr).
    if (!std::getenv("ORVEX_FUZZ_VERBOSE") && !std::freopen("/dev/null", "w", stdout))
        return 0;
    return 0;
}

ORVEX_GCC_STRING_WARNINGS_OFF
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 4 || size > (1u << 18))
        return 0;
    uint32_t cat_len = 0;
    for (int i = 3; i >= 0; --i)
        cat_len = (cat_len << 8) | data[i];
    if (cat_len > size - 4)
        return 0;
    const fs::path &dir = folder();
    orvex::fuzz::write_bytes(orvex::fuzz::session_catalogue(dir), data + 4, cat_len);
    orvex::fuzz::write_bytes(orvex::fuzz::session_descriptor(dir), data + 4 + cat_len, size - 4 - cat_len);

    const fs::path work = orvex::fuzz::scratch() / "work";
    const fs::path out = orvex::fuzz::scratch() / "out";
    fs::create_directories(work);
    fs::create_directories(out);
    void *inst = nullptr;
    const int rc = trellis_vesk_open(dir.c_str(), orvex::fuzz::kSessionPassword, &inst, work.c_str());
    int restored = 0;
    if (rc == 0) {
        std::vector<int> versions;
        trellis_vesk_list_versions(inst, on_version, &versions);
        for (size_t v = 0; v < versions.size() && v < 4; ++v) {
            Walk w{inst, versions[v], {}, {"\\"}};
            for (size_t i = 0; i < w.folders.size() && i < 16; ++i) {
                const std::string folder = w.folders[i]; // the list grows while it is listed
                trellis_vesk_list_folder(inst, w.version, folder.c_str(), on_entry, &w);
            }
            trellis_vesk_stat st;
            trellis_vesk_get_stat_sum(inst, w.version, "\\", &st);
            int n = 0;
            for (const std::string &f : w.files) {
                const std::string dst = (out / ("f" + std::to_string(n++))).string();
                restored += trellis_vesk_restore_file(inst, w.version, f.c_str(), dst.c_str(), 1, on_progress,
                                                      nullptr) == 0;
                orvex::trellis::verify_file(static_cast<TRELLIS_VESK_CLIENT *>(inst), w.version, f.c_str(), nullptr,
                                            nullptr);
            }
        }
        trellis_vesk_close(inst);
    }
    if (std::getenv("ORVEX_FUZZ_VERBOSE"))
        std::fprintf(stderr, "open %d, files restored %d\n", rc, restored);
    std::error_code ec;
    fs::remove_all(work, ec);
    fs::remove_all(out, ec);
    return 0;
}
ORVEX_GCC_STRING_WARNINGS_ON
