#include "mkbackup_commands.h"

#include <vector>

namespace orvex::testkit {

namespace {
std::vector<MkbackupRegistrar> &registrars()
{
    static std::vector<MkbackupRegistrar> list;
    return list;
}
} // namespace

bool add_mkbackup_command(MkbackupRegistrar registrar)
{
    registrars().push_back(registrar);
    return true;
}

void register_mkbackup_commands(CLI::App &app, MkbackupAction &action)
{
    for (MkbackupRegistrar r : registrars())
        r(app, action);
}

} // namespace orvex::testkit
