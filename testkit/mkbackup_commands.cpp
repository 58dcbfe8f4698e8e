#include "mkbackup_commands.h"

#include <stdexcept>
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

uint64_t parse_size(const std::string &text)
{
    size_t used = 0;
    unsigned long long v = std::stoull(text, &used);
    std::string unit = text.substr(used);
    if (unit == "K" || unit == "k" || unit == "KiB")
        v <<= 10;
    else if (unit == "M" || unit == "m" || unit == "MiB")
        v <<= 20;
    else if (unit == "G" || unit == "g" || unit == "GiB")
        v <<= 30;
    else if (!unit.empty())
        throw std::invalid_argument("bad size " + text);
    return v;
}

} // namespace orvex::testkit
