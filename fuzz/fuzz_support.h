// What the harnesses share: a private scratch folder for parsers that read
// files by path, and a way to hand them the input as a file there.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <unistd.h>

namespace orvex::fuzz {

// A folder of this process, on a memory file system when there is one,
// removed at exit.
inline const std::filesystem::path &scratch()
{
    static const std::filesystem::path dir = [] {
        std::error_code ec;
        std::filesystem::path base = "/dev/shm";
        if (!std::filesystem::is_directory(base, ec) || ::access(base.c_str(), W_OK) != 0)
            base = std::filesystem::temp_directory_path();
        std::string tmpl = (base / "orvex-fuzz-XXXXXX").string();
        if (!::mkdtemp(tmpl.data()))
            std::abort();
        std::atexit([] {
            std::error_code e;
            std::filesystem::remove_all(scratch(), e);
        });
        return std::filesystem::path(tmpl);
    }();
    return dir;
}

// Writes `size` bytes at `data` to `path` (replacing it).
inline void write_bytes(const std::filesystem::path &path, const uint8_t *data, size_t size)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        std::abort();
    if (size && std::fwrite(data, 1, size, f) != size)
        std::abort();
    std::fclose(f);
}

} // namespace orvex::fuzz
