#include "commands.h"

namespace orvex::cli {

void register_commands(CLI::App &app, Action &action)
{
    (void)app;
    (void)action;
}

} // namespace orvex::cli
