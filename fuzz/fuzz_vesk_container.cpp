// libFuzzer harness of the container reader: the input is a whole
// container. It is opened, every folder is listed, and every entry is
// verified and restored into a scratch folder. Whatever the bytes, the
// library must answer with results, never crash, read out of bounds or
// write outside the scratch folder.
#include "gcc_string_warnings.h"
#include "vesk.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Listed {
    std::vector<std::pair<std::string, char>> entries;
};

int note(void *, int, const char *, fs_vesk_item *item, void *user)
{
    if (item)
        static_cast<Listed *>(user)->entries.push_back({item->name, item->type});
    return 0;
}

int quiet(void *, int, const char *, const char *, int, float, void *)
{
    return 0;
}

ORVEX_GCC_STRING_WARNINGS_OFF
void walk(void *inst, const std::string &folder, const fs::path &out, int depth)
{
    Listed l;
    if (depth > 8 || fs_vesk_list_folder(inst, 0, folder.c_str(), note, &l) != 0)
        return;
    fs_vesk_stat st{};
    fs_vesk_get_stat_sum(inst, 0, folder.c_str(), &st);
    int n = 0;
    for (const auto &[name, type] : l.entries) {
        const std::string path = (folder == "\\" ? "" : folder) + "\\" + name;
        fs_vesk_verify_file(inst, 0, path.c_str(), quiet, nullptr);
        // A destination of our own naming: the harness checks the library's
        // reading, not a caller's path composition.
        const fs::path dst = out / ("e" + std::to_string(depth) + "-" + std::to_string(n++));
        fs_vesk_restore_file(inst, 0, path.c_str(), dst.c_str(), 1, quiet, nullptr);
        if (type == FS_VESK_DIR)
            walk(inst, path, out, depth + 1);
    }
}
ORVEX_GCC_STRING_WARNINGS_ON

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const fs::path root = fs::temp_directory_path() / ("fuzz-vesk-" + std::to_string(::getpid()));
    std::error_code ec;
    fs::remove_all(root, ec);
    fs::create_directories(root / "out", ec);
    const fs::path file = root / "input.vesk";
    if (FILE *f = std::fopen(file.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    void *inst = nullptr;
    if (fs_vesk_open(file.c_str(), nullptr, &inst, root.c_str()) == 0) {
        walk(inst, "\\", root / "out", 0);
        fs_vesk_close(inst);
    }
    fs::remove_all(root, ec);
    return 0;
}
