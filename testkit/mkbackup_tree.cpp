// `orvex-mkbackup tree DIR`: a plain folder of deterministic files (the
// source side of a backup, handy for comparisons).
#include "mkbackup_commands.h"
#include "testkit/tempdir.h"

#include <cstdio>
#include <memory>
#include <string>

namespace orvex::testkit {

namespace {

void register_tree_command(CLI::App &app, MkbackupAction &action)
{
    struct Options {
        std::string dir;
        int files = 20;
        uint64_t seed = 1;
        size_t max_size = 256 * 1024;
    };
    auto opt = std::make_shared<Options>();
    CLI::App *cmd = app.add_subcommand("tree", "write a plain folder of deterministic files");
    cmd->add_option("DIR", opt->dir, "folder to write")->required();
    cmd->add_option("--files", opt->files, "number of files")->check(CLI::Range(0, 10000000));
    cmd->add_option("--seed", opt->seed, "seed of the content");
    cmd->add_option("--max-size", opt->max_size, "largest file in bytes");
    cmd->callback([opt, &action] {
        action = [opt] {
            auto written = write_tree(opt->dir, opt->seed, opt->files, opt->max_size);
            std::printf("wrote %zu files under %s\n", written.size(), opt->dir.c_str());
            return 0;
        };
    });
}

const bool registered = add_mkbackup_command(&register_tree_command);

} // namespace

} // namespace orvex::testkit
