// `orvex-mkbackup vesk DIR/FILE.vesk`: a VESK container, either the sample
// with every kind of entry or, with --size or --files, a bulk of
// deduplicated (or stored) files for benchmarks.
#include "mkbackup_commands.h"
#include "testkit/vesk_writer.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

namespace orvex::testkit {

namespace {

void register_vesk_command(CLI::App &app, MkbackupAction &action)
{
    struct Options {
        std::string file;
        std::string size;
        int files = 0;
        bool stored = false;
        uint64_t seed = 1;
        std::string manifest;
    };
    auto opt = std::make_shared<Options>();
    CLI::App *cmd = app.add_subcommand("vesk", "write a VESK container (the sample, or a bulk with --size/--files)");
    cmd->add_option("FILE", opt->file, "container to write (DIR/FILE.vesk; the folder is created)")->required();
    cmd->add_option("--size", opt->size, "about this many bytes of file contents in all (e.g. 1G)");
    cmd->add_option("--files", opt->files, "number of files of the bulk (default 64)")->check(CLI::Range(1, 10000000));
    cmd->add_flag("--stored", opt->stored, "bulk files stored whole instead of deduplicated");
    cmd->add_option("--seed", opt->seed, "seed of the contents");
    cmd->add_option("--manifest", opt->manifest, "write the record of the entries (JSON) here");
    cmd->callback([opt, &action] {
        action = [opt] {
            std::filesystem::path file(opt->file);
            if (file.has_parent_path())
                std::filesystem::create_directories(file.parent_path());
            std::vector<vesk::Expected> entries;
            if (opt->size.empty() && opt->files == 0 && !opt->stored) {
                entries = vesk::write_sample(file, opt->seed);
            } else {
                vesk::BulkOptions bo;
                bo.files = opt->files > 0 ? opt->files : 64;
                bo.size = opt->size.empty() ? (64ull << 20) : parse_size(opt->size);
                bo.stored = opt->stored;
                bo.seed = opt->seed;
                entries = vesk::write_bulk(file, bo);
            }
            if (!opt->manifest.empty()) {
                std::ofstream out(opt->manifest, std::ios::binary);
                out << vesk::manifest_json(entries);
                if (!out)
                    throw std::runtime_error("cannot write " + opt->manifest);
            }
            std::printf("wrote a VESK container of %zu entries to %s\n", entries.size(), opt->file.c_str());
            return 0;
        };
    });
}

const bool registered = add_mkbackup_command(&register_vesk_command);

} // namespace

} // namespace orvex::testkit
