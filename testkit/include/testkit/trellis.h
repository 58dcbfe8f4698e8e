// Writer of Trellis backup folders for tests, benchmarks and demos: the job
// information file (both text forms, with or without a signature), full and
// differential catalogues, and a generator of whole folders over several
// versions that records what it wrote, version by version.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace orvex::testkit::trellis {

inline constexpr const char *kInfoName = "HalvernTrellisSync.info";
std::string full_name(int number);      // "HalvernTrellisSync_full_%d.db"
std::string diff_name(int number);      // "HalvernTrellisSync_full_%d_diff.db"

// Attribute record of a history row: 12 unused bytes, the size (big-endian
// 64-bit), the modification time (32-bit in a record of 24 bytes, 64-bit in
// one of 32 bytes).
std::vector<uint8_t> make_attr(uint64_t size, int64_t mtime, size_t record_len = 24);

// A job id shaped like a UUID (36 characters), reproducible from `seed`.
std::string make_job_id(uint64_t seed);
// base64(iv || AES-256-CBC(key = SHA-256(password), iv, job id)), the form
// the reader verifies a password against.
std::string make_signature(const std::string &password, const std::string &job_id, uint64_t seed);

enum class InfoForm { KeyValue, Json };
// The text of a job information file; an empty signature is left out.
std::string job_info_text(const std::string &job_id, const std::string &signature, InfoForm form);
void write_job_info(const std::filesystem::path &dir, const std::string &job_id, const std::string &signature,
                    InfoForm form);

struct HistoryRow {
    int64_t path_id = 0;
    int version = 1;
    bool is_dir = false;
    std::vector<uint8_t> attr;
    int deleted = 0;
    // Where the file's chunk map lives ("filedesc"); filled by a content
    // writer, zero while folders carry no file contents.
    int64_t fd_vault_id = 0;
    int64_t fd_vault_index = 0;
    std::string symlink_source;
};

// One catalogue database with the tables the reader uses: `version`, `path`,
// `history`, and for a differential catalogue `_sqlite_backup_deleted`. All
// writes run in one transaction, committed by finish() or the destructor.
class Catalogue {
public:
    Catalogue(const std::filesystem::path &file, bool differential, bool indexes = true);
    ~Catalogue();
    Catalogue(const Catalogue &) = delete;
    Catalogue &operator=(const Catalogue &) = delete;

    // rowid 0 lets SQLite choose. end_time nullopt: the version is unfinished.
    void add_version(int version_no, int64_t start_time, std::optional<int64_t> end_time, int64_t rowid = 0);
    int64_t add_path(std::optional<int64_t> pid, const std::string &name, int64_t rowid = 0);
    int64_t add_history(const HistoryRow &row, int64_t rowid = 0);
    // A deletion log entry; either value may be text or an integer.
    void add_deleted_text(const std::string &table_id, const std::string &deleted_rowid);
    void add_deleted(const std::string &table_id, int64_t deleted_rowid);
    void exec(const std::string &sql);
    sqlite3 *db() const { return db_; }
    void finish();

private:
    sqlite3 *db_ = nullptr;
    sqlite3_stmt *ins_version_ = nullptr, *ins_path_ = nullptr, *ins_history_ = nullptr, *ins_deleted_ = nullptr;
};

struct ManifestEntry {
    std::string path; // "\\docs\\a.txt"
    bool is_dir = false;
    uint64_t size = 0;
    int64_t mtime = 0;
    bool is_link = false; // a symbolic link: restored as an empty file with its time
};

struct VersionManifest {
    int version = 0;
    int64_t timestamp = 0;
    std::vector<ManifestEntry> entries; // every live entry at any depth, by path
};

struct FolderManifest {
    std::string job_id;
    std::string password;
    std::vector<VersionManifest> versions; // ascending
};

// The entries directly in `folder` ("\\" for the root), in listing order:
// files before folders, each group in byte order of the name.
std::vector<ManifestEntry> children(const VersionManifest &version, const std::string &folder);
std::string base_name(const std::string &path);

// How file sizes are drawn.
enum class FileSizes {
    Uniform, // 1..max_file_size, a fifth of them empty
    Fixed,   // every file max_file_size bytes
    Spread,  // log-normal, median a few KB, mean about max_file_size, up to 32 MiB:
             // most files small, a few of megabytes, as in a real folder
};

struct FolderOptions {
    std::string password;      // empty: no signature
    int versions = 3;          // the last one goes to the differential catalogue
    int files = 20;            // files of the first version
    uint64_t seed = 1;
    InfoForm form = InfoForm::KeyValue;
    int full_number = 1;
    bool differential = true;  // false: everything in the full catalogue
    bool indexes = true;       // catalogues carry (pid, name) and (path_id, version) indexes
    uint64_t max_file_size = 5'000'000; // file sizes are drawn from 1..max (a fifth are empty)
    FileSizes sizes = FileSizes::Uniform;
    bool links = false;        // every seventh file state is a symbolic link
    // Called for every file state that holds data, so a content writer can
    // write descriptors and vaults and fill the row's fd_vault_* fields.
    std::function<void(const std::string &path, HistoryRow &row, uint64_t content_seed)> content;
};

// Writes a whole backup folder into `dir` (created when missing).
FolderManifest write_folder(const std::filesystem::path &dir, const FolderOptions &options);

// The record as JSON text: {"job_id": ..., "versions": [{"version": 1,
// "timestamp": ..., "entries": [{"path", "type", "size", "mtime"}...]}...]}.
std::string manifest_json(const FolderManifest &manifest);

} // namespace orvex::testkit::trellis
