// Byte ranges of one file of a version: the file's chunk map is read and
// checked when it is opened, and each read decodes the chunks it touches
// through the same chunk reader as a restore, keeping a few decoded chunks
// for the reads that follow.
#include "trellis_chunk.h"
#include "trellis_tree.h"
#include "trellis_tvt.h"

#include "restore.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

namespace orvex::trellis {

namespace {

// Decoded chunks kept per open file: sequential readers need one, readers
// that hop back and forth a few more. Bounded in number and in bytes.
constexpr size_t kCacheChunks = 8;
constexpr size_t kCacheBytes = 64u << 20;

struct ChunkRow {
    long long offset;
    long long vault_id;
    long long vault_offset;
};

struct FreeDeleter {
    void operator()(char *p) const { std::free(p); }
};

class OpenFile {
public:
    ~OpenFile()
    {
        reader_.reset();
        restore_destroy_instance(engine_);
    }

    int open(TRELLIS_VESK_CLIENT *c, int version, const char *path);
    int read(long long offset, char *buf, int size);
    long long unchecked() const { return unchecked_; }

private:
    int load_rows(TRELLIS_VESK_CLIENT *c, const State &s);
    int check_rows() const;
    // The decoded bytes of row `i`, checked against its place in the file;
    // NULL after a printed message.
    const std::vector<char> *chunk(size_t i);
    long long extent(size_t i) const
    {
        return (i + 1 < rows_.size() ? rows_[i + 1].offset : size_) - rows_[i].offset;
    }

    struct Cached {
        long long vault_id, vault_offset;
        std::vector<char> data;
        unsigned long long used;
    };

    std::string shown_;
    long long size_ = 0;
    std::vector<ChunkRow> rows_;
    void *engine_ = nullptr;
    std::unique_ptr<ChunkReader> reader_;
    std::unique_ptr<char, FreeDeleter> scratch_;
    std::vector<Cached> cache_;
    unsigned long long tick_ = 0;
    long long unchecked_ = 0; // tvt chunks decoded without a digest to check
};

int OpenFile::open(TRELLIS_VESK_CLIENT *c, int version, const char *path)
{
    int rc = check_version(c->db, version);
    if (rc != 0)
        return rc == -1 ? TV_NO_VERSION : TV_FAILURE;
    Tree tree(c->db);
    long long id = 0;
    State s;
    if ((rc = tree.lookup(path, version, id, s)) != TV_OK)
        return rc;
    shown_ = path;
    if (s.dir) {
        std::printf("%s is a folder in version %d\n", path, version);
        return TV_FAILURE;
    }
    // An attribute record too short for the size and time fails, as the
    // restore of the entry does, instead of reading as an empty file. A link
    // reads as the empty file a restore makes of it.
    if (s.attr.size() < static_cast<size_t>(kAttrMinBytes)) {
        std::printf("attribute record of %s is %zu bytes, too short for its size and time\n", path, s.attr.size());
        return TV_FAILURE;
    }
    size_ = s.link.empty() ? s.size : 0;
    if (size_ < 0) {
        std::printf("%s: recorded size %lld out of range\n", path, size_);
        return TV_FAILURE;
    }
    if (size_ == 0)
        return TV_OK;
    if (load_rows(c, s) != TV_OK || check_rows() != TV_OK)
        return TV_FAILURE;
    // A reader of its own: this file may be read on another thread than
    // the session's, and beside other open files.
    if ((engine_ = make_restore_engine(c)) == nullptr)
        return TV_FAILURE;
    reader_ = std::make_unique<ChunkReader>(engine_, c->db_home, c->decrypt_password);
    return TV_OK;
}

int OpenFile::load_rows(TRELLIS_VESK_CLIENT *c, const State &s)
{
    Db desc;
    if (open_descriptor(c, s.fd_vault_id, desc) != TV_OK)
        return TV_FAILURE;
    Stmt st;
    if (st.prepare(desc.get(), "SELECT file_offset, vault_id, vault_offset FROM filedesc WHERE fd_index=? "
                               "ORDER BY file_offset ASC") != SQLITE_OK)
        return TV_FAILURE;
    sqlite3_bind_int64(st.get(), 1, s.fd_vault_index);
    int rc;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW)
        rows_.push_back({sqlite3_column_int64(st.get(), 0), sqlite3_column_int64(st.get(), 1),
                         sqlite3_column_int64(st.get(), 2)});
    return rc == SQLITE_DONE ? TV_OK : TV_FAILURE;
}

// The rows must rebuild the file exactly: the first at 0, each after the one
// before, none at or past the end. Each chunk's length is checked when it is
// decoded (see chunk()).
int OpenFile::check_rows() const
{
    const char *fault = nullptr;
    if (rows_.empty())
        fault = "no chunk rows";
    else if (rows_.front().offset != 0)
        fault = "no chunk at offset 0";
    else if (rows_.back().offset >= size_)
        fault = "a chunk starts past the end";
    for (size_t i = 1; !fault && i < rows_.size(); ++i)
        if (rows_[i].offset <= rows_[i - 1].offset)
            fault = "two chunks at one offset";
    if (!fault)
        return TV_OK;
    std::printf("%s: the chunk map does not cover its %lld bytes (%s)\n", shown_.c_str(), size_, fault);
    return TV_FAILURE;
}

const std::vector<char> *OpenFile::chunk(size_t i)
{
    const ChunkRow &r = rows_[i];
    auto hit = std::find_if(cache_.begin(), cache_.end(), [&](const Cached &k) {
        return k.vault_id == r.vault_id && k.vault_offset == r.vault_offset;
    });
    if (hit == cache_.end()) {
        if (!scratch_)
            scratch_.reset(static_cast<char *>(std::malloc(kRestoreBufferSize)));
        if (!scratch_)
            return nullptr;
        const int n = reader_->read(r.vault_id, r.vault_offset, scratch_.get(), kRestoreBufferSize, &unchecked_);
        if (n < 0)
            return nullptr;
        // Room for the new chunk: the least recently used ones go first.
        size_t bytes = static_cast<size_t>(n);
        for (const Cached &k : cache_)
            bytes += k.data.size();
        while (!cache_.empty() && (cache_.size() >= kCacheChunks || bytes > kCacheBytes)) {
            auto lru = std::min_element(cache_.begin(), cache_.end(),
                                        [](const Cached &a, const Cached &b) { return a.used < b.used; });
            bytes -= lru->data.size();
            cache_.erase(lru);
        }
        cache_.push_back({r.vault_id, r.vault_offset, std::vector<char>(scratch_.get(), scratch_.get() + n), 0});
        hit = cache_.end() - 1;
    }
    hit->used = ++tick_;
    if (static_cast<long long>(hit->data.size()) != extent(i)) {
        std::printf("%s: the chunk at offset %lld holds %zu bytes where the file needs %lld\n", shown_.c_str(),
                    r.offset, hit->data.size(), extent(i));
        return nullptr;
    }
    return &hit->data;
}

int OpenFile::read(long long offset, char *buf, int size)
{
    if (offset < 0 || size < 0 || (size > 0 && !buf))
        return TV_FAILURE;
    if (offset >= size_ || size == 0)
        return 0;
    const long long end = offset + std::min(size_ - offset, static_cast<long long>(size));
    long long at = offset;
    // The row holding `at`: the last one that starts at or before it.
    auto row = std::upper_bound(rows_.begin(), rows_.end(), at,
                                [](long long v, const ChunkRow &r) { return v < r.offset; });
    size_t i = static_cast<size_t>(row - rows_.begin()) - 1;
    while (at < end) {
        const std::vector<char> *data = chunk(i);
        if (!data)
            return TV_FAILURE;
        const long long from = at - rows_[i].offset;
        const long long n = std::min(end - at, static_cast<long long>(data->size()) - from);
        std::memcpy(buf + (at - offset), data->data() + from, static_cast<size_t>(n));
        at += n;
        ++i;
    }
    return static_cast<int>(end - offset);
}

} // namespace

} // namespace orvex::trellis

using namespace orvex::trellis;

extern "C" {

TRELLIS_VESK_API int trellis_vesk_open_file(void *trellis_vesk_inst, int version_id, const char *path,
                                            void **file) noexcept
{
    auto *c = static_cast<TRELLIS_VESK_CLIENT *>(trellis_vesk_inst);
    if (!c || !c->db || !path || !file)
        return TV_FAILURE;
    *file = nullptr;
    try {
        auto f = std::make_unique<OpenFile>();
        int rc = f->open(c, version_id, path);
        if (rc == TV_OK)
            *file = f.release();
        return rc;
    } catch (...) {
        return TV_FAILURE;
    }
}

TRELLIS_VESK_API int trellis_vesk_read_file(void *file, long long offset, char *buf, int size) noexcept
{
    if (!file)
        return TV_FAILURE;
    try {
        return static_cast<OpenFile *>(file)->read(offset, buf, size);
    } catch (...) {
        return TV_FAILURE;
    }
}

TRELLIS_VESK_API void trellis_vesk_close_file(void *file) noexcept
{
    delete static_cast<OpenFile *>(file);
}

TRELLIS_VESK_API long long trellis_vesk_file_unchecked_chunks(void *file) noexcept
{
    return file ? static_cast<const OpenFile *>(file)->unchecked() : 0;
}

} // extern "C"
