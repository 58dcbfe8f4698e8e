// Runs a harness over the inputs of its corpus once, without libFuzzer, so
// every build (GCC included) replays the corpora as ordinary tests. Arguments
// are files or folders of inputs; the run fails when there are none.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace {

void run(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // An input of its own size, so a read past it is seen by the sanitizers.
    std::vector<uint8_t> exact(bytes);
    static const uint8_t none = 0;
    LLVMFuzzerTestOneInput(exact.empty() ? &none : exact.data(), exact.size());
}

} // namespace

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    size_t inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path arg = argv[i];
        if (std::filesystem::is_directory(arg)) {
            std::vector<std::filesystem::path> files;
            for (const auto &e : std::filesystem::directory_iterator(arg))
                if (e.is_regular_file())
                    files.push_back(e.path());
            std::sort(files.begin(), files.end());
            for (const auto &f : files) {
                run(f);
                ++inputs;
            }
        } else {
            run(arg);
            ++inputs;
        }
    }
    std::fprintf(stderr, "replayed %zu inputs\n", inputs);
    return inputs > 0 ? 0 : 1;
}
