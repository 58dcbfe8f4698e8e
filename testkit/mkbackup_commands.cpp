#include "mkbackup_commands.h"

namespace orvex::testkit {

namespace {
MkbackupAction g_action;
}

void register_mkbackup_commands(CLI::App &app)
{
    register_tree_command(app, g_action);
}

int run_selected_command(CLI::App &)
{
    return g_action ? g_action() : 2;
}

} // namespace orvex::testkit
