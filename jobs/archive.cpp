#include "archive.h"

#include "names.h"
#include "trellis_archive.h"
#include "vesk_archive.h"

#include <sys/stat.h>

#include <cctype>

namespace orvex::jobs {

namespace {

// The name of a Trellis folder's job information file, which the Trellis
// library also opens when given directly.
constexpr const char *kJobInformationFile = "HalvernTrellisSync.info";

bool same_name_ignoring_case(const std::string &a, const char *b)
{
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

} // namespace

ArchiveKind archive_kind(const std::string &path)
{
    // Paths may come in the libraries' form, with backslashes, which the
    // libraries take as separators on every platform.
    const std::string native = native_path(path);
    struct stat st {};
    if (::stat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return ArchiveKind::TrellisFolder;
    const size_t cut = native.find_last_of("/\\");
    const std::string name = cut == std::string::npos ? native : native.substr(cut + 1);
    // Folders copied from Windows may carry the name in another case.
    return same_name_ignoring_case(name, kJobInformationFile) ? ArchiveKind::TrellisFolder : ArchiveKind::Container;
}

int open_archive(const OpenRequest &req, std::unique_ptr<Archive> &out)
{
    return archive_kind(req.path) == ArchiveKind::Container ? open_vesk(req, out) : open_trellis(req, out);
}

std::string child_path(const std::string &folder, const std::string &name)
{
    if (folder.empty() || folder == "\\")
        return "\\" + name;
    return folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

} // namespace orvex::jobs
