// Export database writer of the test kit over the library's export kind.
#include "testkit/exportdb_writer.h"

#include "exportdb.h"
#include "file.h"
#include "sqldb.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace orvex::testkit {

ExportDbBuilder::ExportDbBuilder()
{
    ExportEntry root;
    root.ino = kRootIno;
    root.parent_ino = 0;
    root.filetype = 0;
    entries_.push_back(root);
}

int64_t ExportDbBuilder::add_dir(int64_t parent, const std::string &title, int64_t mtime)
{
    ExportEntry e;
    e.ino = next_ino_++;
    e.parent_ino = parent;
    e.title = title;
    e.filetype = 0;
    e.mtime = mtime;
    entries_.push_back(e);
    return e.ino;
}

int64_t ExportDbBuilder::add_file(int64_t parent, const std::string &title, int64_t size, int64_t mtime,
                                  const ExportRanges &ranges)
{
    ExportEntry e;
    e.ino = next_ino_++;
    e.parent_ino = parent;
    e.title = title;
    e.filetype = 1;
    e.mtime = mtime;
    e.size = size;
    e.ranges = ranges;
    entries_.push_back(e);
    return e.ino;
}

void ExportDbBuilder::write(const std::filesystem::path &path) const
{
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    for (const char *suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(path.string() + suffix, ec);
    file_t *db = file_open(path.string().c_str(), &exportdb_operations, OS_O_RDWR | OS_O_CREAT, FILE_FLAG_CHECKPOINT,
                           nullptr);
    if (!db)
        throw std::runtime_error("export database open failed: " + path.string() + ": " + std::strerror(errno));
    auto fail = [&](const char *what) {
        sqldb_rollback_transaction(db->sdb);
        file_close(db);
        throw std::runtime_error(std::string(what) + " failed: " + path.string());
    };
    if (sqldb_begin_transaction(db->sdb) != 0)
        fail("begin");
    for (const auto &e : entries_) {
        file_attr_t attr{};
        attr.mode = e.filetype == 0 ? 040755u : 0100644u;
        attr.nlink = 1;
        attr.size = e.size;
        attr.mtime = attr.atime = attr.ctime = e.mtime;
        exportdb_data_t d{};
        d.cmd = EXPORTDB_INSERT_DATA_FILES;
        d.ino = e.ino;
        d.parent_ino = e.parent_ino;
        d.title = e.title ? e.title->c_str() : nullptr;
        d.attr = &attr;
        d.filetype = e.filetype;
        d.mtime = static_cast<int>(e.mtime);
        d.size = e.size;
        d.store_offset = e.ranges.store_offset;
        d.store_size = e.ranges.store_size;
        d.sparse_offset = e.ranges.sparse_offset;
        d.sparse_size = e.ranges.sparse_size;
        d.descriptor_offset = e.ranges.descriptor_offset;
        d.descriptor_size = e.ranges.descriptor_size;
        d.descriptor_shm_offset = e.ranges.descriptor_shm_offset;
        d.descriptor_shm_size = e.ranges.descriptor_shm_size;
        d.descriptor_wal_offset = e.ranges.descriptor_wal_offset;
        d.descriptor_wal_size = e.ranges.descriptor_wal_size;
        d.lnk = e.lnk.empty() ? nullptr : e.lnk.c_str();
        if (db->fops->insert(db, &d) != 0)
            fail("entry insert");
    }
    for (const auto &v : vaults_) {
        exportdb_data_t d{};
        d.cmd = EXPORTDB_INSERT_VAULTS;
        d.hid = v.hid;
        d.vid = v.vid;
        d.offset = v.offset;
        d.size = v.size;
        d.refcount = v.refcount;
        if (db->fops->insert(db, &d) != 0)
            fail("vault insert");
    }
    if (sqldb_commit_transaction(db->sdb) != 0)
        fail("commit");
    if (file_close(db) != 0)
        throw std::runtime_error("export database close failed: " + path.string());
}

} // namespace orvex::testkit
