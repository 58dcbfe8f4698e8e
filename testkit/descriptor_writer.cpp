// Descriptor writer of the test kit over the library's descriptor kind.
#include "testkit/descriptor_writer.h"

#include "descriptor.h"
#include "file.h"
#include "sqldb.h"

#include <algorithm>
#include <cstring>
#include <sqlite3.h>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

namespace orvex::testkit {

std::vector<DescriptorRow> rows_for_vault(const VaultWriter &vault, uint64_t foffset)
{
    std::vector<DescriptorRow> rows;
    for (const VaultChunkRef &ref : vault.chunks()) {
        DescriptorRow r;
        r.hid = static_cast<int32_t>(vault.hid());
        r.vid = static_cast<int64_t>(vault.vid());
        r.cid = ref.cid;
        r.voffset = ref.voffset;
        r.foffset = foffset;
        r.chunksize = ref.chunksize;
        r.store_size = ref.store_chunksize;
        r.sig = ref.sig;
        rows.push_back(r);
        foffset += ref.chunksize;
    }
    return rows;
}

namespace {

// The header row of `header` with the counts taken from `rows`.
filehdr_t make_header(const DescriptorHeader &header, const std::vector<DescriptorRow> &rows)
{
    filehdr_t hdr{};
    hdr.hash_algo = header.hash_algo;
    hdr.cmp_algo = header.cmp_algo;
    hdr.cry_algo = header.cry_algo;
    hdr.chk_algo = header.chk_algo;
    hdr.x = header.x;
    hdr.winsize = header.winsize;
    hdr.min_chunksize = header.min_chunksize;
    hdr.max_chunksize = header.max_chunksize;
    hdr.primemod = header.primemod;
    hdr.filesize = header.filesize;
    hdr.vaultsize = header.vaultsize;
    hdr.cksum = header.cksum;
    std::set<std::pair<int32_t, int64_t>> vaults;
    for (const auto &r : rows) {
        hdr.num_chunks++;
        if (r.vid >= 0) {
            hdr.num_data_chunks++;
            vaults.insert({r.hid, r.vid});
        }
    }
    hdr.num_vaults = vaults.size();
    hdr.attr.mode = header.mode;
    hdr.attr.nlink = 1;
    hdr.attr.size = static_cast<int64_t>(header.filesize);
    hdr.attr.mtime = header.mtime;
    hdr.attr.atime = header.mtime;
    hdr.attr.ctime = header.mtime;
    return hdr;
}

void insert_header(file_t *file, filehdr_t &hdr)
{
    descriptor_data_t d{};
    d.cmd = DSC_INSERT_HEADER;
    d.hdr = &hdr;
    if (file->fops->insert(file, &d) != 0)
        throw std::runtime_error(std::string("header insert failed: ") + file->path);
}

// Inserts rows [first, last) in one transaction.
void insert_rows(file_t *file, const std::vector<DescriptorRow> &rows, size_t first, size_t last)
{
    if (sqldb_begin_transaction(file->sdb) != 0)
        throw std::runtime_error(std::string("begin failed: ") + file->path);
    for (size_t i = first; i < last; ++i) {
        const DescriptorRow &r = rows[i];
        descriptor_data_t row{};
        row.cmd = DSC_INSERT_MAPDB;
        row.hid = r.hid;
        row.vid = r.vid;
        row.cid = static_cast<int>(r.cid);
        row.voffset = static_cast<int64_t>(r.voffset);
        row.foffset = static_cast<int64_t>(r.foffset);
        row.chunksize = static_cast<int>(r.chunksize);
        row.store_blobsize = static_cast<int>(r.store_size);
        row.sig = r.sig;
        row.dirty = r.dirty;
        auto hash = r.hash;
        row.hash = hash.empty() ? nullptr : hash.data();
        row.hash_len = static_cast<int>(hash.size());
        if (file->fops->insert(file, &row) != 0) {
            sqldb_rollback_transaction(file->sdb);
            throw std::runtime_error(std::string("row insert failed: ") + file->path);
        }
    }
    if (sqldb_commit_transaction(file->sdb) != 0)
        throw std::runtime_error(std::string("commit failed: ") + file->path);
}

file_t *open_descriptor(const std::filesystem::path &path, int file_flags)
{
    file_t *file = file_open(path.string().c_str(), &descriptor_operations, OS_O_RDWR | OS_O_CREAT, file_flags,
                             nullptr);
    if (!file)
        throw std::runtime_error("descriptor open failed: " + path.string() + ": " + std::strerror(errno));
    return file;
}

} // namespace

void write_descriptor(const std::filesystem::path &path, const DescriptorHeader &header,
                      const std::vector<DescriptorRow> &rows)
{
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    for (const char *suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(path.string() + suffix, ec);

    file_t *file = open_descriptor(path, FILE_FLAG_CHECKPOINT);
    filehdr_t hdr = make_header(header, rows);
    try {
        insert_header(file, hdr);
        insert_rows(file, rows, 0, rows.size());
    } catch (...) {
        file_close(file);
        throw;
    }
    if (file_close(file) != 0)
        throw std::runtime_error("descriptor close failed: " + path.string());
}

LiveDescriptor::LiveDescriptor(const std::filesystem::path &path, const DescriptorHeader &header,
                               const std::vector<DescriptorRow> &rows, size_t wal_from)
{
    wal_from = std::min(wal_from, rows.size());
    write_descriptor(path, header, std::vector<DescriptorRow>(rows.begin(), rows.begin() + wal_from));
    file_ = open_descriptor(path, 0);
    try {
        // Nothing may reach the database file before the copies are taken.
        sqlite3_exec(file_->sdb, "PRAGMA wal_autocheckpoint=0;", nullptr, nullptr, nullptr);
        filehdr_t hdr = make_header(header, rows);
        insert_header(file_, hdr);
        insert_rows(file_, rows, wal_from, rows.size());
    } catch (...) {
        file_close(file_);
        throw;
    }
}

LiveDescriptor::~LiveDescriptor()
{
    file_close(file_);
}

} // namespace orvex::testkit
