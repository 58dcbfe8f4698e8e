// `orvex-mkbackup trellis DIR`: a Trellis backup folder over several versions
// (full and differential catalogues, job information file, optional
// password), and optionally the record of what each version holds.
#include "mkbackup_commands.h"
#include "testkit/tempdir.h"
#include "testkit/trellis.h"
#include "testkit/trellis_content.h"

#include <compressor.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>
#include <algorithm>
#include <stdexcept>

namespace orvex::testkit {

namespace {

// "mixed" rotates ovt chunks through every method, as the kit's folders always
// did; a method's name stores every ovt chunk with that one method, as a real
// folder does.
std::vector<int> compression_methods(const std::string &name)
{
    std::vector<int> all;
    for (int m = 0; m < COMPRESSION_MAX; ++m) {
        if (name == compressor_methods[m]->name)
            return {m};
        all.push_back(m);
    }
    return all;
}

std::vector<std::string> compression_names()
{
    std::vector<std::string> names{"mixed"};
    for (const compressor_method_t *m : compressor_methods)
        names.emplace_back(m->name);
    return names;
}

void register_trellis_command(CLI::App &app, MkbackupAction &action)
{
    struct Options {
        std::string dir;
        std::string password;
        std::string manifest;
        int versions = 3;
        int files = 20;
        uint64_t seed = 1;
        int number = 1;
        bool json_info = false;
        bool single = false;
        std::string size;
        std::string chunk = "16K-64K";
        std::string vaults = "mixed";
        std::string compress = "mixed";
        std::string sizes = "uniform";
        bool no_content = false;
        bool links = false;
    };
    auto opt = std::make_shared<Options>();
    CLI::App *cmd = app.add_subcommand("trellis", "write a Trellis backup folder over several versions");
    cmd->add_option("DIR", opt->dir, "folder to write")->required();
    cmd->add_option("--password", opt->password, "password of the job (a test fixture; empty: none)");
    cmd->add_option("--versions", opt->versions, "number of versions")->check(CLI::Range(1, 10000));
    cmd->add_option("--files", opt->files, "files of the first version")->check(CLI::Range(0, 10000000));
    cmd->add_option("--seed", opt->seed, "seed of names, sizes and times");
    cmd->add_option("--catalogue-number", opt->number, "number of the full catalogue");
    cmd->add_flag("--json-info", opt->json_info, "write the job information file in its JSON form");
    cmd->add_flag("--no-diff", opt->single, "write every version into the full catalogue");
    cmd->add_option("--manifest", opt->manifest, "write the record of each version's entries (JSON) here");
    cmd->add_option("--size", opt->size, "about this many bytes of file contents in all (e.g. 1G); sizes files to fit");
    cmd->add_option("--sizes", opt->sizes,
                    "file sizes: uniform (up to a maximum, a fifth empty), fixed (all alike) or spread (median a few KB, "
                    "a few of megabytes)")
        ->check(CLI::IsMember({"uniform", "fixed", "spread"}));
    cmd->add_option("--chunk", opt->chunk, "chunk sizes MIN-MAX or SIZE (e.g. 48K-80K)");
    cmd->add_option("--vaults", opt->vaults, "where chunks live: ovt, tvt or mixed")
        ->check(CLI::IsMember({"ovt", "tvt", "mixed"}));
    cmd->add_option("--compress", opt->compress, "how ovt chunks are compressed: a method's name or mixed (all of them)")
        ->check(CLI::IsMember(compression_names()));
    cmd->add_flag("--no-content", opt->no_content, "catalogues only: no descriptors, no vaults");
    cmd->add_flag("--links", opt->links, "make every seventh file a symbolic link");
    cmd->callback([opt, &action] {
        action = [opt] {
            trellis::FolderOptions fo;
            fo.password = opt->password;
            fo.versions = opt->versions;
            fo.files = opt->files;
            fo.seed = opt->seed;
            fo.full_number = opt->number;
            fo.form = opt->json_info ? trellis::InfoForm::Json : trellis::InfoForm::KeyValue;
            fo.differential = !opt->single;
            fo.links = opt->links;
            fo.sizes = opt->sizes == "fixed"    ? trellis::FileSizes::Fixed
                       : opt->sizes == "spread" ? trellis::FileSizes::Spread
                                                : trellis::FileSizes::Uniform;
            if (fo.sizes != trellis::FileSizes::Uniform)
                fo.max_file_size = 4096; // the size, or the mean, of a file
            if (!opt->size.empty() && opt->files > 0) {
                // File states over all versions. Uniform: a fifth of them
                // empty, the rest in 1..max, so max = 2.5 * size / states;
                // otherwise the size given is the mean's.
                double states = opt->files * (1.0 + 0.35 * (opt->versions - 1));
                double factor = fo.sizes == trellis::FileSizes::Uniform ? 2.5 : 1.0;
                fo.max_file_size =
                    std::max<uint64_t>(1, static_cast<uint64_t>(factor * parse_size(opt->size) / states));
            }
            trellis::FolderManifest m;
            if (opt->no_content) {
                m = trellis::write_folder(opt->dir, fo);
            } else {
                trellis::ContentOptions co;
                co.password = opt->password;
                size_t dash = opt->chunk.find('-');
                co.min_chunk = static_cast<uint32_t>(parse_size(opt->chunk.substr(0, dash)));
                co.max_chunk = dash == std::string::npos ? co.min_chunk
                                                         : static_cast<uint32_t>(parse_size(opt->chunk.substr(dash + 1)));
                if (co.min_chunk == 0 || co.max_chunk < co.min_chunk || co.max_chunk > (32u << 20))
                    throw std::invalid_argument("--chunk: MIN-MAX with 0 < MIN <= MAX <= 32M");
                co.placement = opt->vaults == "ovt"   ? trellis::Placement::Ovt
                               : opt->vaults == "tvt" ? trellis::Placement::Tvt
                                                      : trellis::Placement::Mixed;
                co.cmp_methods = compression_methods(opt->compress);
                co.vault_capacity = 64ull << 20;
                co.files_per_descriptor = 64;
                m = trellis::write_folder_with_content(opt->dir, fo, co).manifest;
            }
            if (!opt->manifest.empty()) {
                std::ofstream out(opt->manifest, std::ios::binary);
                out << trellis::manifest_json(m);
                if (!out)
                    throw std::runtime_error("cannot write " + opt->manifest);
            }
            std::printf("wrote a Trellis backup folder of %d versions under %s\n", opt->versions, opt->dir.c_str());
            return 0;
        };
    });
}

const bool registered = add_mkbackup_command(&register_trellis_command);

} // namespace

} // namespace orvex::testkit
