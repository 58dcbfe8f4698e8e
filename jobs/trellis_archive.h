// The job core's adapter over the Trellis backup-folder library.
#pragma once

#include "archive.h"

namespace orvex::jobs {

class TrellisArchive final : public Archive {
public:
    // Takes over an open session of the library (closed with this object).
    explicit TrellisArchive(void *inst) : inst_(inst) {}
    ~TrellisArchive() override;
    TrellisArchive(const TrellisArchive &) = delete;
    TrellisArchive &operator=(const TrellisArchive &) = delete;

    // The library's session, for calls only this library has.
    void *handle() const { return inst_; }

    int list_versions(const std::function<bool(int, long long)> &on_version) override;
    int list_folder(int version, const std::string &path, const std::function<bool(const Entry &)> &on_entry) override;
    int stat_sum(int version, const std::string &path, Totals &out) override;
    int restore_file(int version, const std::string &path, const std::string &dst, bool overwrite,
                     const FileProgress &progress) override;
    int verify_file(int version, const std::string &path, const FileProgress &progress, VerifyInfo &info) override;
    // The library's own calls, over its catalogue.
    int get_entry(int version, const std::string &path, Found &out) override;
    int find(int version, const FindQuery &query, const std::function<bool(const Found &)> &on_match) override;
    int history(const std::string &path, const std::function<bool(const Step &)> &on_step) override;
    int diff(int from, int to, const std::function<bool(const Step &)> &on_step) override;
    int open_reader(int version, const std::string &path, std::unique_ptr<FileReader> &out) override;

private:
    void *inst_;
};

// Opens a Trellis backup folder (or its job information file).
int open_trellis(const OpenRequest &req, std::unique_ptr<Archive> &out);

} // namespace orvex::jobs
