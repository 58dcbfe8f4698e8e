// The job core's adapter over the container library (liborvex-vesk): one
// file that carries a single exported state, shown as one version, 0.
#pragma once

#include "archive.h"

namespace orvex::jobs {

class VeskArchive final : public Archive {
public:
    // Takes over an open session of the library (closed with this object).
    // `written` is the time its one version is listed with.
    // `work_folder` holds the copies open_reader reads; `cancelled` (may be
    // empty) stops such a copy.
    VeskArchive(void *inst, long long written, std::string work_folder, std::function<bool()> cancelled)
        : inst_(inst), written_(written), work_folder_(std::move(work_folder)), cancelled_(std::move(cancelled))
    {
    }
    ~VeskArchive() override;
    VeskArchive(const VeskArchive &) = delete;
    VeskArchive &operator=(const VeskArchive &) = delete;

    // Version 0, dated with the container file's modification time.
    int list_versions(const std::function<bool(int, long long)> &on_version) override;
    // Every call below gives kNoVersion for a version other than 0: the
    // library itself would ignore the number and answer for the one state.
    int list_folder(int version, const std::string &path, const std::function<bool(const Entry &)> &on_entry) override;
    int stat_sum(int version, const std::string &path, Totals &out) override;
    // Links, devices and FIFOs come back as empty regular files (the
    // library's rule).
    int restore_file(int version, const std::string &path, const std::string &dst, bool overwrite,
                     const FileProgress &progress) override;
    // Every chunk carries a signature, so nothing is left unchecked.
    int verify_file(int version, const std::string &path, const FileProgress &progress, VerifyInfo &info) override;
    // The library reads whole entries only: the file is restored once into
    // the working folder and read from there (see open_restored_reader).
    // Finding, history and differences are the generic forms over the one
    // version.
    int open_reader(int version, const std::string &path, std::unique_ptr<FileReader> &out) override;

private:
    void *inst_;
    long long written_;
    std::string work_folder_;
    std::function<bool()> cancelled_;
};

// Opens a container file. kNoVersion when nothing is there, kNotFound when
// the file is not a container, kCancelled when `req.cancelled` already
// answers true, kFailure otherwise (truncated or damaged, no room for the
// working copy of its export database); on failure errno tells why.
int open_vesk(const OpenRequest &req, std::unique_ptr<Archive> &out);

} // namespace orvex::jobs
