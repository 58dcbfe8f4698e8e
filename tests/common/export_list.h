// The names a library promises (its Windows ordinal file) and the names its
// shared object really exports, for the tests that compare them.
#pragma once

#include <cstdio>
#include <fstream>
#include <set>
#include <string>

namespace orvex::test {

// Every name of a .def file that carries an ordinal ("name @N").
inline std::set<std::string> def_file_names(const std::string &def)
{
    std::set<std::string> names;
    std::ifstream in(def);
    std::string line;
    while (std::getline(in, line)) {
        if (line.find('@') == std::string::npos || line.find(';') == line.find_first_not_of(" \t"))
            continue;
        auto first = line.find_first_not_of(" \t");
        names.insert(line.substr(first, line.find_first_of(" \t", first) - first));
    }
    return names;
}

// Code and data the shared object defines and exports (nm -D).
inline std::set<std::string> shared_object_exports(const std::string &lib)
{
    std::string cmd = "nm -D --defined-only '" + lib + "' 2>/dev/null";
    std::set<std::string> names;
    FILE *p = popen(cmd.c_str(), "r");
    if (!p)
        return names;
    char buf[1024];
    while (std::fgets(buf, sizeof buf, p)) {
        std::string l(buf);
        // "<address> T <name>": only code and data defined here.
        if (l.size() > 19 && (l[17] == 'T' || l[17] == 'D' || l[17] == 'B')) {
            std::string name = l.substr(19);
            name.erase(name.find_last_not_of("\n") + 1);
            names.insert(name);
        }
    }
    pclose(p);
    return names;
}

} // namespace orvex::test
