// `orvex-mkbackup trellis DIR`: a Trellis backup folder over several versions
// (full and differential catalogues, job information file, optional
// password), and optionally the record of what each version holds.
#include "mkbackup_commands.h"
#include "testkit/tempdir.h"
#include "testkit/trellis.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace orvex::testkit {

namespace {

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
            trellis::FolderManifest m = trellis::write_folder(opt->dir, fo);
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
