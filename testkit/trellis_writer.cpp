// Trellis backup folders written with real SQLite databases and a real
// AES-256-CBC signature; the generator keeps a model of the merged catalogue
// and derives from it what every version holds.
#include "testkit/tempdir.h"
#include "testkit/trellis.h"

#include <openssl/evp.h>
#include <openssl/sha.h>
#include <sqlite3.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>

namespace fs = std::filesystem;

namespace orvex::testkit::trellis {

namespace {

void check(int rc, sqlite3 *db, const char *what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(std::string("catalogue writer: ") + what + ": " + (db ? sqlite3_errmsg(db) : "?"));
}

sqlite3_stmt *prepare(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *st = nullptr;
    check(sqlite3_prepare_v2(db, sql, -1, &st, nullptr), db, sql);
    return st;
}

void run(sqlite3 *db, sqlite3_stmt *st)
{
    int rc = sqlite3_step(st);
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
    if (rc != SQLITE_DONE)
        throw std::runtime_error(std::string("catalogue writer: insert: ") + sqlite3_errmsg(db));
}

void bind_rowid(sqlite3_stmt *st, int idx, int64_t rowid)
{
    if (rowid > 0)
        sqlite3_bind_int64(st, idx, rowid);
    else
        sqlite3_bind_null(st, idx);
}

std::string b64(const std::vector<uint8_t> &bytes)
{
    std::string out(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    int n = EVP_EncodeBlock(reinterpret_cast<unsigned char *>(out.data()), bytes.data(), static_cast<int>(bytes.size()));
    out.resize(static_cast<size_t>(n));
    return out;
}

} // namespace

std::string full_name(int number)
{
    return "HalvernTrellisSync_full_" + std::to_string(number) + ".db";
}

std::string diff_name(int number)
{
    return "HalvernTrellisSync_full_" + std::to_string(number) + "_diff.db";
}

std::vector<uint8_t> make_attr(uint64_t size, int64_t mtime, size_t record_len)
{
    std::vector<uint8_t> a(record_len, 0);
    for (size_t i = 0; i < 12 && i < record_len; ++i)
        a[i] = static_cast<uint8_t>(0xA0 + i); // bytes the reader must skip
    for (int i = 0; i < 8 && 12 + i < static_cast<int>(record_len); ++i)
        a[12 + i] = static_cast<uint8_t>(size >> (56 - 8 * i));
    if (record_len >= 29) {
        for (int i = 0; i < 8; ++i)
            a[20 + i] = static_cast<uint8_t>(static_cast<uint64_t>(mtime) >> (56 - 8 * i));
    } else if (record_len >= 24) {
        for (int i = 0; i < 4; ++i)
            a[20 + i] = static_cast<uint8_t>(static_cast<uint32_t>(mtime) >> (24 - 8 * i));
    }
    return a;
}

std::string make_job_id(uint64_t seed)
{
    Rng rng(seed ^ 0x6a6f6269640aULL);
    static const char hex[] = "0123456789abcdef";
    std::string id;
    for (int i = 0; i < 32; ++i) {
        if (i == 8 || i == 12 || i == 16 || i == 20)
            id += '-';
        id += hex[rng.next() & 15];
    }
    return id;
}

std::string make_signature(const std::string &password, const std::string &job_id, uint64_t seed)
{
    unsigned char key[SHA256_DIGEST_LENGTH];
    SHA256(reinterpret_cast<const unsigned char *>(password.data()), password.size(), key);
    std::vector<uint8_t> iv = make_bytes(seed ^ 0x1f, 16, Content::Random);
    std::vector<uint8_t> out(iv);
    std::vector<uint8_t> cipher(job_id.size() + 32);
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    int n1 = 0, n2 = 0;
    bool ok = ctx && EVP_EncryptInit_ex(ctx, EVP_aes_256_cbc(), nullptr, key, iv.data()) == 1 &&
              EVP_EncryptUpdate(ctx, cipher.data(), &n1, reinterpret_cast<const unsigned char *>(job_id.data()),
                                static_cast<int>(job_id.size())) == 1 &&
              EVP_EncryptFinal_ex(ctx, cipher.data() + n1, &n2) == 1;
    EVP_CIPHER_CTX_free(ctx);
    if (!ok)
        throw std::runtime_error("signature: encryption failed");
    out.insert(out.end(), cipher.begin(), cipher.begin() + n1 + n2);
    return b64(out);
}

std::string job_info_text(const std::string &job_id, const std::string &signature, InfoForm form)
{
    std::string t;
    if (form == InfoForm::KeyValue) {
        t = "job id: " + job_id + "\njob name: sample backup\nversion: 2\n";
        if (!signature.empty())
            t += "signature: " + signature + "\n";
    } else {
        t = "{\n    \"job_id\": \"" + job_id + "\",\n    \"job_name\": \"sample backup\",\n";
        if (!signature.empty())
            t += "    \"signature\": \"" + signature + "\",\n";
        t += "    \"version\": 2\n}\n";
    }
    return t;
}

void write_job_info(const fs::path &dir, const std::string &job_id, const std::string &signature, InfoForm form)
{
    fs::create_directories(dir);
    std::string t = job_info_text(job_id, signature, form);
    write_file(dir / kInfoName, std::vector<uint8_t>(t.begin(), t.end()));
}

Catalogue::Catalogue(const fs::path &file, bool differential, bool indexes)
{
    fs::create_directories(file.parent_path());
    fs::remove(file);
    check(sqlite3_open(file.string().c_str(), &db_), db_, "open");
    exec("PRAGMA journal_mode=OFF");
    exec("PRAGMA synchronous=OFF");
    exec("CREATE TABLE version (version_no INTEGER, start_time INTEGER, end_time INTEGER, file_count INTEGER)");
    exec("CREATE TABLE path (pid INTEGER, name TEXT)");
    exec("CREATE TABLE history (path_id INTEGER, version INTEGER, is_dir INTEGER, attr BLOB, deleted INTEGER, "
         "fd_vault_id INTEGER, fd_vault_index INTEGER, symlink_source TEXT)");
    if (indexes) {
        exec("CREATE INDEX path_pid_name ON path(pid, name)");
        exec("CREATE INDEX history_path_version ON history(path_id, version)");
    }
    if (differential)
        exec("CREATE TABLE _sqlite_backup_deleted (table_id TEXT, deleted_rowid)");
    exec("BEGIN");
    ins_version_ = prepare(db_, "INSERT INTO version(rowid, version_no, start_time, end_time, file_count) "
                                "VALUES (?, ?, ?, ?, 0)");
    ins_path_ = prepare(db_, "INSERT INTO path(rowid, pid, name) VALUES (?, ?, ?)");
    ins_history_ = prepare(db_, "INSERT INTO history(rowid, path_id, version, is_dir, attr, deleted, fd_vault_id, "
                                "fd_vault_index, symlink_source) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (differential)
        ins_deleted_ = prepare(db_, "INSERT INTO _sqlite_backup_deleted(table_id, deleted_rowid) VALUES (?, ?)");
}

Catalogue::~Catalogue()
{
    try {
        finish();
    } catch (...) {
    }
}

void Catalogue::finish()
{
    if (!db_)
        return;
    for (sqlite3_stmt *st : {ins_version_, ins_path_, ins_history_, ins_deleted_})
        sqlite3_finalize(st);
    ins_version_ = ins_path_ = ins_history_ = ins_deleted_ = nullptr;
    int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
    db_ = nullptr;
    if (rc != SQLITE_OK)
        throw std::runtime_error("catalogue writer: commit failed");
}

void Catalogue::exec(const std::string &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : "?";
        sqlite3_free(err);
        throw std::runtime_error("catalogue writer: " + sql + ": " + msg);
    }
}

void Catalogue::add_version(int version_no, int64_t start_time, std::optional<int64_t> end_time, int64_t rowid)
{
    bind_rowid(ins_version_, 1, rowid);
    sqlite3_bind_int(ins_version_, 2, version_no);
    sqlite3_bind_int64(ins_version_, 3, start_time);
    if (end_time)
        sqlite3_bind_int64(ins_version_, 4, *end_time);
    run(db_, ins_version_);
}

int64_t Catalogue::add_path(std::optional<int64_t> pid, const std::string &name, int64_t rowid)
{
    bind_rowid(ins_path_, 1, rowid);
    if (pid)
        sqlite3_bind_int64(ins_path_, 2, *pid);
    sqlite3_bind_text(ins_path_, 3, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
    run(db_, ins_path_);
    return sqlite3_last_insert_rowid(db_);
}

int64_t Catalogue::add_history(const HistoryRow &r, int64_t rowid)
{
    bind_rowid(ins_history_, 1, rowid);
    sqlite3_bind_int64(ins_history_, 2, r.path_id);
    sqlite3_bind_int(ins_history_, 3, r.version);
    sqlite3_bind_int(ins_history_, 4, r.is_dir ? 1 : 0);
    sqlite3_bind_blob(ins_history_, 5, r.attr.data(), static_cast<int>(r.attr.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(ins_history_, 6, r.deleted);
    sqlite3_bind_int64(ins_history_, 7, r.fd_vault_id);
    sqlite3_bind_int64(ins_history_, 8, r.fd_vault_index);
    if (!r.symlink_source.empty())
        sqlite3_bind_text(ins_history_, 9, r.symlink_source.c_str(), -1, SQLITE_TRANSIENT);
    run(db_, ins_history_);
    return sqlite3_last_insert_rowid(db_);
}

void Catalogue::add_deleted_text(const std::string &table_id, const std::string &deleted_rowid)
{
    sqlite3_bind_text(ins_deleted_, 1, table_id.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(ins_deleted_, 2, deleted_rowid.c_str(), -1, SQLITE_TRANSIENT);
    run(db_, ins_deleted_);
}

void Catalogue::add_deleted(const std::string &table_id, int64_t deleted_rowid)
{
    sqlite3_bind_text(ins_deleted_, 1, table_id.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int64(ins_deleted_, 2, deleted_rowid);
    run(db_, ins_deleted_);
}

std::string base_name(const std::string &path)
{
    size_t cut = path.rfind('\\');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::vector<ManifestEntry> children(const VersionManifest &version, const std::string &folder)
{
    std::string prefix = folder == "\\" ? "\\" : folder + "\\";
    std::vector<ManifestEntry> out;
    for (const auto &e : version.entries)
        if (e.path.size() > prefix.size() && e.path.compare(0, prefix.size(), prefix) == 0 &&
            e.path.find('\\', prefix.size()) == std::string::npos)
            out.push_back(e);
    std::sort(out.begin(), out.end(), [](const ManifestEntry &a, const ManifestEntry &b) {
        if (a.is_dir != b.is_dir)
            return !a.is_dir;
        return base_name(a.path) < base_name(b.path);
    });
    return out;
}

namespace {

// The merged catalogue as the generator builds it.
struct Node {
    int64_t rowid;
    std::optional<int64_t> pid;
    std::string name;
    bool is_dir;
    int created; // version of its first history row
};

struct Row {
    int64_t rowid;
    HistoryRow h;
};

struct Model {
    std::vector<Node> nodes;
    std::vector<Row> history;
    std::map<int64_t, size_t> node_index;

    int64_t add_node(std::optional<int64_t> pid, const std::string &name, bool is_dir, int version)
    {
        int64_t id = static_cast<int64_t>(nodes.size()) + 1;
        nodes.push_back({id, pid, name, is_dir, version});
        node_index[id] = nodes.size() - 1;
        return id;
    }
    void add_row(HistoryRow h)
    {
        history.push_back({static_cast<int64_t>(history.size()) + 1, std::move(h)});
    }
    std::string path_of(int64_t id) const
    {
        std::string p;
        const Node *n = &nodes[node_index.at(id)];
        while (n->pid) {
            p = "\\" + n->name + p;
            n = &nodes[node_index.at(*n->pid)];
        }
        return p.empty() ? "\\" : p;
    }
};

const char *kNames[] = {"report", "Notes", "photo", "budget", "a", "B", "readme", "zeta", "Alpha", "data",
                        "résumé", "日本語", "log", "x-y_z", "mixed Case"};
const char *kExts[] = {".txt", ".doc", ".jpg", ".bin", "", ".tar.gz"};

// Log-normal with a median of 3,000 bytes (or `mean`, when smaller) and a
// spread that puts the mean near `mean`; clamped to 1 byte..32 MiB.
uint64_t spread_size(Rng &rng, uint64_t mean)
{
    const double median = std::min(3000.0, static_cast<double>(std::max<uint64_t>(mean, 1)));
    const double sigma = std::sqrt(2.0 * std::log(std::max(1.0, static_cast<double>(mean) / median)));
    const double u1 = std::max(rng.unit(), 1e-12), u2 = rng.unit();
    const double normal = std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
    const double size = median * std::exp(sigma * normal);
    return static_cast<uint64_t>(std::clamp(size, 1.0, 32.0 * 1024 * 1024));
}

uint64_t draw_size(Rng &rng, uint64_t max_size, FileSizes how)
{
    switch (how) {
    case FileSizes::Fixed:
        return max_size;
    case FileSizes::Spread:
        return spread_size(rng, max_size);
    case FileSizes::Uniform:
        break;
    }
    return rng.range(0, 4) == 0 ? 0 : rng.range(1, std::max<uint64_t>(1, max_size));
}

HistoryRow file_state(int64_t path_id, int version, Rng &rng, uint64_t max_size, FileSizes how)
{
    HistoryRow h;
    h.path_id = path_id;
    h.version = version;
    uint64_t size = draw_size(rng, max_size, how);
    bool wide = rng.range(0, 1) == 1;
    // Records of 32 bytes carry 64-bit times; some of them past 2106, which a
    // 32-bit field could not hold.
    int64_t mtime = wide && rng.range(0, 2) == 0 ? 7258118400LL + static_cast<int64_t>(rng.range(0, 1000000))
                                                 : 1600000000LL + static_cast<int64_t>(rng.range(0, 100000000));
    h.attr = make_attr(size, mtime, wide ? 32 : 24);
    return h;
}

HistoryRow dir_state(int64_t path_id, int version, int64_t mtime)
{
    HistoryRow h;
    h.path_id = path_id;
    h.version = version;
    h.is_dir = true;
    h.attr = make_attr(0, mtime, 24);
    return h;
}

uint64_t attr_size(const std::vector<uint8_t> &a)
{
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v = (v << 8) | a[12 + i];
    return v;
}

int64_t attr_mtime(const std::vector<uint8_t> &a)
{
    uint64_t v = 0;
    if (a.size() >= 29) {
        for (int i = 0; i < 8; ++i)
            v = (v << 8) | a[20 + i];
    } else {
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | a[20 + i];
    }
    return static_cast<int64_t>(v);
}

int64_t version_start(int v)
{
    return 1700000000LL + 86400LL * v;
}

} // namespace

FolderManifest write_folder(const fs::path &dir, const FolderOptions &opt)
{
    if (opt.versions < 1)
        throw std::invalid_argument("write_folder: at least one version");
    fs::create_directories(dir);
    Rng rng(opt.seed);
    Model m;
    FolderManifest manifest;
    manifest.job_id = make_job_id(opt.seed);
    manifest.password = opt.password;

    // Version 1: a root, a few folders (some nested) and the files.
    int64_t root = m.add_node(std::nullopt, "", true, 1);
    m.add_row(dir_state(root, 1, version_start(1)));
    std::vector<int64_t> folders{root};
    int folder_count = std::max(1, opt.files / 6);
    for (int i = 0; i < folder_count; ++i) {
        int64_t parent = folders[rng.range(0, folders.size() - 1)];
        std::string name = std::string(kNames[rng.range(0, std::size(kNames) - 1)]) + "-dir" + std::to_string(i);
        int64_t id = m.add_node(parent, name, true, 1);
        m.add_row(dir_state(id, 1, version_start(1) - 3600 * i));
        folders.push_back(id);
    }
    std::vector<int64_t> files;
    int serial = 0;
    auto new_file = [&](int version) {
        int64_t parent = folders[rng.range(0, folders.size() - 1)];
        std::string name = std::string(kNames[rng.range(0, std::size(kNames) - 1)]) + "_" +
                           std::to_string(serial++) + kExts[rng.range(0, std::size(kExts) - 1)];
        int64_t id = m.add_node(parent, name, false, version);
        m.add_row(file_state(id, version, rng, opt.max_file_size, opt.sizes));
        files.push_back(id);
    };
    for (int i = 0; i < opt.files; ++i)
        new_file(1);

    // Later versions: changes, deletions, re-additions and new files.
    std::set<int64_t> deleted;
    for (int v = 2; v <= opt.versions; ++v) {
        for (int64_t id : files) {
            uint64_t roll = rng.range(0, 99);
            if (deleted.count(id)) {
                if (roll < 40) { // recorded again under the same path row
                    m.add_row(file_state(id, v, rng, opt.max_file_size, opt.sizes));
                    deleted.erase(id);
                }
            } else if (roll < 15) {
                HistoryRow h = file_state(id, v, rng, opt.max_file_size, opt.sizes);
                h.deleted = 1;
                m.add_row(h);
                deleted.insert(id);
            } else if (roll < 40) {
                m.add_row(file_state(id, v, rng, opt.max_file_size, opt.sizes));
            }
        }
        if (v % 2 == 0) {
            int64_t id = m.add_node(folders[rng.range(0, folders.size() - 1)], "added-v" + std::to_string(v), true, v);
            m.add_row(dir_state(id, v, version_start(v)));
            folders.push_back(id);
        }
        int extra = std::max(1, opt.files / 10);
        for (int i = 0; i < extra; ++i)
            new_file(v);
    }

    // Links: every seventh file state (chosen by row, not by the random
    // sequence, so the rest of the folder stays the same).
    if (opt.links)
        for (auto &r : m.history)
            if (!r.h.is_dir && !r.h.deleted && r.rowid % 7 == 3)
                r.h.symlink_source = "../target-of-" + std::to_string(r.rowid);

    // Content hook: every file state that holds data.
    if (opt.content)
        for (auto &r : m.history)
            if (!r.h.is_dir && !r.h.deleted && r.h.symlink_source.empty())
                opt.content(m.path_of(r.h.path_id), r.h, opt.seed * 1000003ULL + static_cast<uint64_t>(r.rowid));

    // The catalogues: the last version goes to the differential one.
    bool split = opt.differential && opt.versions >= 2;
    const int last_full = split ? opt.versions - 1 : opt.versions;
    {
        Catalogue full(dir / full_name(opt.full_number), false, opt.indexes);
        for (int v = 1; v <= last_full; ++v)
            full.add_version(v, version_start(v), version_start(v) + 600, v);
        std::vector<Row> replaced;
        if (split) {
            // The full catalogue was written while the last version ran: its
            // row is unfinished there and finished in the differential one.
            full.add_version(opt.versions, version_start(opt.versions), std::nullopt, opt.versions);
        }
        for (const auto &n : m.nodes)
            if (n.created <= last_full)
                full.add_path(n.pid, n.name, n.rowid);
        bool stale_written = false;
        for (const auto &r : m.history) {
            if (r.h.version > last_full)
                continue;
            if (split && !stale_written && !r.h.is_dir && r.h.version == last_full) {
                // A row the differential catalogue corrects (same row id).
                HistoryRow stale = r.h;
                stale.attr = make_attr(attr_size(r.h.attr) + 1, attr_mtime(r.h.attr) + 1, r.h.attr.size());
                full.add_history(stale, r.rowid);
                replaced.push_back(r);
                stale_written = true;
                continue;
            }
            full.add_history(r.h, r.rowid);
        }
        if (split) {
            // Rows of an aborted run that the differential catalogue deletes.
            const int64_t junk = 1'000'000'000LL + static_cast<int64_t>(opt.seed % 1000);
            full.add_path(root, "~aborted.tmp", junk);
            HistoryRow h = file_state(junk, opt.versions, rng, opt.max_file_size, opt.sizes);
            h.path_id = junk;
            full.add_history(h, junk);
            full.add_history(h, junk + 1);
            full.finish();

            Catalogue diff(dir / diff_name(opt.full_number), true, opt.indexes);
            diff.add_version(opt.versions, version_start(opt.versions), version_start(opt.versions) + 600,
                             opt.versions);
            for (const auto &n : m.nodes)
                if (n.created > last_full)
                    diff.add_path(n.pid, n.name, n.rowid);
            for (const auto &r : replaced)
                diff.add_history(r.h, r.rowid);
            for (const auto &r : m.history)
                if (r.h.version > last_full)
                    diff.add_history(r.h, r.rowid);
            diff.add_deleted("path", junk);
            diff.add_deleted_text("history", std::to_string(junk));
            diff.add_deleted("history", junk + 1);
            diff.finish();
        } else {
            full.finish();
        }
    }

    std::string signature = opt.password.empty() ? "" : make_signature(opt.password, manifest.job_id, opt.seed);
    write_job_info(dir, manifest.job_id, signature, opt.form);

    // What each version holds: per path, the latest state at or before it.
    for (int v = 1; v <= opt.versions; ++v) {
        VersionManifest vm;
        vm.version = v;
        vm.timestamp = version_start(v);
        std::map<int64_t, const HistoryRow *> latest;
        for (const auto &r : m.history)
            if (r.h.version <= v) {
                auto it = latest.find(r.h.path_id);
                if (it == latest.end() || it->second->version <= r.h.version)
                    latest[r.h.path_id] = &r.h;
            }
        for (const auto &[id, h] : latest) {
            if (id == root || h->deleted)
                continue;
            ManifestEntry e;
            e.path = m.path_of(id);
            e.is_dir = h->is_dir;
            e.size = attr_size(h->attr);
            e.mtime = attr_mtime(h->attr);
            e.is_link = !h->symlink_source.empty();
            vm.entries.push_back(e);
        }
        std::sort(vm.entries.begin(), vm.entries.end(),
                  [](const ManifestEntry &a, const ManifestEntry &b) { return a.path < b.path; });
        manifest.versions.push_back(std::move(vm));
    }
    return manifest;
}

std::string manifest_json(const FolderManifest &manifest)
{
    nlohmann::json versions = nlohmann::json::array();
    for (const auto &v : manifest.versions) {
        nlohmann::json entries = nlohmann::json::array();
        for (const auto &e : v.entries) {
            nlohmann::json j = {{"path", e.path}, {"type", e.is_dir ? "dir" : "file"}, {"size", e.size},
                                {"mtime", e.mtime}};
            if (e.is_link)
                j["link"] = true;
            entries.push_back(j);
        }
        versions.push_back({{"version", v.version}, {"timestamp", v.timestamp}, {"entries", entries}});
    }
    nlohmann::json doc = {{"job_id", manifest.job_id}, {"versions", versions}};
    return doc.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

} // namespace orvex::testkit::trellis
