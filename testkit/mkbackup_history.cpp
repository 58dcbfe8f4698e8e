// `orvex-mkbackup history DIR`: the small folder whose entries go through
// every step a history can show (added, changed, unchanged, deleted, added
// again; a non-ASCII name), with contents, for demos and screenshots.
#include "mkbackup_commands.h"
#include "testkit/trellis_content.h"
#include "testkit/trellis_history.h"

#include <cstdio>
#include <memory>
#include <string>

namespace orvex::testkit {

namespace {

void register_history_command(CLI::App &app, MkbackupAction &action)
{
    auto dir = std::make_shared<std::string>();
    CLI::App *cmd = app.add_subcommand("history", "write a small folder showing every kind of history step");
    cmd->add_option("DIR", *dir, "folder to write")->required();
    cmd->callback([dir, &action] {
        action = [dir] {
            trellis::ContentOptions co;
            co.min_chunk = 4;
            co.max_chunk = 16;
            trellis::ContentWriter content(*dir, co);
            trellis::write_history_folder(
                *dir, [&](const std::string &p, trellis::HistoryRow &r, uint64_t s) { content.add(p, r, s); });
            content.finish();
            std::printf("wrote the history folder %s\n", dir->c_str());
            return 0;
        };
    });
}

const bool registered = add_mkbackup_command(&register_history_command);

} // namespace

} // namespace orvex::testkit
