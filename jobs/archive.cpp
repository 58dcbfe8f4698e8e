#include "archive.h"

#include "trellis_archive.h"

namespace orvex::jobs {

int open_archive(const OpenRequest &req, std::unique_ptr<Archive> &out)
{
    return open_trellis(req, out);
}

std::string child_path(const std::string &folder, const std::string &name)
{
    if (folder.empty() || folder == "\\")
        return "\\" + name;
    return folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

} // namespace orvex::jobs
