#include "commands.h"

#include <vector>

namespace orvex::cli {

namespace {
std::vector<Registrar> &registrars()
{
    static std::vector<Registrar> list;
    return list;
}
} // namespace

bool add_command(Registrar registrar)
{
    registrars().push_back(registrar);
    return true;
}

void register_commands(CLI::App &app, Action &action)
{
    for (Registrar r : registrars())
        r(app, action);
}

} // namespace orvex::cli
