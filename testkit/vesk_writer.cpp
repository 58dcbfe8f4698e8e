// Container writer of the test kit: pieces are staged as files and appended
// to the container with copy_to_vesk; vaults and the export database go in
// last, then the header.
#include "testkit/vesk_writer.h"

#include "exportdb.h"
#include "file.h"
#include "header.h"
#include "vesk.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace fs = std::filesystem;

namespace orvex::testkit::vesk {

namespace {

constexpr int kGroups = 2;
constexpr uint8_t kGroupCodec[kGroups] = {5, 1}; // zstd, lz4

struct FileCloser {
    void operator()(file_t *f) const { file_close(f); }
};

std::runtime_error failure(const std::string &what)
{
    return std::runtime_error(what + ": " + std::strerror(errno));
}

ExportRanges absent_ranges()
{
    ExportRanges r;
    r.store_offset = r.store_size = -1;
    r.sparse_offset = r.sparse_size = -1;
    r.descriptor_offset = r.descriptor_size = -1;
    r.descriptor_shm_offset = r.descriptor_shm_size = -1;
    r.descriptor_wal_offset = r.descriptor_wal_size = -1;
    return r;
}

// The chunks of a deduplicated file as its layout places them.
std::vector<PlannedChunk> plan_chunks(const std::vector<uint8_t> &bytes, const DedupLayout &layout)
{
    std::vector<PlannedChunk> chunks = split_into_chunks(bytes, layout.min_chunk, layout.max_chunk, layout.chunk_seed);
    for (size_t i = 1; i < chunks.size(); ++i) {
        if (layout.repeat_every > 0 && (i + 1) % static_cast<size_t>(layout.repeat_every) == 0)
            chunks[i].plain = chunks[i - 1].plain;
        if (layout.hole_every > 0 && (i + 1) % static_cast<size_t>(layout.hole_every) == 0)
            chunks[i].hole = true;
    }
    return chunks;
}

} // namespace

struct ContainerWriter::State {
    TempDir stage{"vesk-writer"};
    std::unique_ptr<file_t, FileCloser> container;
    std::unique_ptr<BackupWriter> groups[kGroups];
    std::map<int64_t, ExportEntry> rows; // by ino, in order
    std::vector<ExportEntry> raw;
    std::map<std::pair<int32_t, int64_t>, std::pair<int64_t, int64_t>> vault_overrides;
    std::map<int64_t, std::string> paths{{kRoot, ""}};
    int64_t next_ino = kRoot + 1;
    int staged = 0;
    bool finished = false;

    int fd() const { return container->fd; }

    fs::path stage_file(const std::string &ext)
    {
        return stage.path() / ("piece-" + std::to_string(staged++) + ext);
    }

    // Appends the file at `path` through copy_to_vesk; its range.
    std::pair<int64_t, int64_t> embed(const fs::path &path, int method)
    {
        int64_t offset = -1, size = -1;
        int64_t len = static_cast<int64_t>(fs::file_size(path));
        if (copy_to_vesk(path.c_str(), 0, len, fd(), method, nullptr, 0, 0, &offset, &size) != 0)
            throw failure("copy_to_vesk " + path.string());
        return {offset, size};
    }

    BackupWriter &group(int g, const WriterOptions &options)
    {
        if (g < 0 || g >= kGroups)
            throw std::invalid_argument("vault group");
        if (!groups[g]) {
            BackupOptions bo;
            bo.codec.cmp_algo = kGroupCodec[g];
            bo.hid = static_cast<uint32_t>(g + 1);
            bo.first_vid = 1;
            bo.num_vaults = 2;
            bo.interleaved = options.interleaved;
            bo.vault_capacity = options.vault_capacity;
            bo.seed = static_cast<uint64_t>(g + 7);
            groups[g] = std::make_unique<BackupWriter>(stage.path() / ("vaults-" + std::to_string(g)), bo);
        }
        return *groups[g];
    }
};

ContainerWriter::ContainerWriter(fs::path file, WriterOptions options)
    : file_(std::move(file)), options_(options), state_(std::make_unique<State>())
{
    state_->container.reset(file_open(file_.c_str(), &vesk_operations,
                                      OS_O_RDWR | OS_O_CREAT | OS_O_TRUNC | OS_O_BINARY, 0, nullptr));
    if (!state_->container)
        throw failure("container open " + file_.string());
    // The header goes in last, once the export database's place is known.
    std::vector<uint8_t> placeholder(VESK_HDR_SIZE, 0);
    append(placeholder);
}

ContainerWriter::~ContainerWriter()
{
    if (!state_->finished) {
        try {
            finish();
        } catch (...) {
        }
    }
}

int64_t ContainerWriter::add_entry(int64_t parent, const std::string &name, ExportEntry entry, Expected expected)
{
    auto parent_path = state_->paths.find(parent);
    if (parent_path == state_->paths.end())
        throw std::invalid_argument("no folder numbered " + std::to_string(parent));
    entry.ino = state_->next_ino++;
    entry.parent_ino = parent;
    entry.title = name;
    state_->rows[entry.ino] = entry;
    expected.path = parent_path->second + "\\" + name;
    expected.filetype = entry.filetype;
    expected.size = entry.size;
    expected.mtime = entry.mtime;
    if (entry.filetype == VESK_FILETYPE_DIR)
        state_->paths[entry.ino] = expected.path;
    expected_.push_back(std::move(expected));
    return entry.ino;
}

int64_t ContainerWriter::add_dir(int64_t parent, const std::string &name, int64_t mtime)
{
    ExportEntry e;
    e.filetype = VESK_FILETYPE_DIR;
    e.mtime = mtime;
    e.ranges = absent_ranges();
    return add_entry(parent, name, e, {});
}

int64_t ContainerWriter::add_stored(int64_t parent, const std::string &name, const std::vector<uint8_t> &bytes,
                                    int64_t mtime)
{
    fs::path piece = state_->stage_file(".bin");
    write_file(piece, bytes);
    auto [offset, size] = state_->embed(piece, VESK_COMPRESS_NONE);
    fs::remove(piece);
    ExportEntry e;
    e.filetype = VESK_FILETYPE_REG;
    e.mtime = mtime;
    e.size = static_cast<int64_t>(bytes.size());
    e.ranges = absent_ranges();
    e.ranges.store_offset = offset;
    e.ranges.store_size = size;
    Expected x;
    if (options_.keep_bytes)
        x.bytes = bytes;
    return add_entry(parent, name, e, std::move(x));
}

int64_t ContainerWriter::add_dedup(int64_t parent, const std::string &name, const std::vector<uint8_t> &bytes,
                                   int64_t mtime, const DedupLayout &layout)
{
    State &st = *state_;
    std::vector<PlannedChunk> chunks = plan_chunks(bytes, layout);
    BackupWriter &vaults = st.group(layout.group, options_);
    const fs::path desc = st.stage_file(".ovd");
    WrittenFile wf;
    vaults.begin_file(desc, true);
    for (const PlannedChunk &c : chunks)
        vaults.add_chunk(c);
    wf = vaults.end_file();
    std::vector<DescriptorRow> rows = wf.rows;
    if (layout.edit_rows)
        layout.edit_rows(rows);

    // The file: every chunk's bytes (holes included: the sparse part holds
    // them), then the tail.
    std::vector<uint8_t> content;
    for (const PlannedChunk &c : chunks)
        content.insert(content.end(), c.plain.begin(), c.plain.end());
    const uint64_t covered = content.size();
    std::vector<uint8_t> tail = layout.tail_in_sparse ? make_bytes(layout.chunk_seed + 99, layout.tail, Content::Text)
                                                    : std::vector<uint8_t>(layout.tail, 0);
    content.insert(content.end(), tail.begin(), tail.end());

    ExportEntry e;
    e.filetype = VESK_FILETYPE_REG;
    e.mtime = mtime;
    e.size = static_cast<int64_t>(content.size());
    e.ranges = absent_ranges();

    // The sparse part: zeros where chunks from vaults go, the bytes of the
    // holes and of a tail that lives there.
    std::vector<uint8_t> image;
    uint64_t at = 0;
    for (const PlannedChunk &c : chunks) {
        if (c.hole) {
            image.resize(at + c.plain.size(), 0);
            std::copy(c.plain.begin(), c.plain.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
        }
        at += c.plain.size();
    }
    if (layout.tail_in_sparse && !tail.empty()) {
        image.resize(covered, 0);
        image.insert(image.end(), tail.begin(), tail.end());
    }
    const bool sparse = !image.empty();
    if (sparse) {
        fs::path piece = st.stage_file(".sparse");
        write_file(piece, image);
        std::tie(e.ranges.sparse_offset, e.ranges.sparse_size) = st.embed(piece, VESK_COMPRESS_ZSTD);
        fs::remove(piece);
    }

    DescriptorHeader hdr;
    hdr.cmp_algo = kGroupCodec[layout.group];
    hdr.min_chunksize = layout.min_chunk;
    hdr.max_chunksize = layout.max_chunk;
    hdr.filesize = content.size();
    hdr.mtime = mtime;
    for (const DescriptorRow &r : rows)
        hdr.cksum += r.vid >= 0 ? r.sig : 0;
    const std::string wal = desc.string() + "-wal", shm = desc.string() + "-shm";
    if (layout.journal == Journal::None) {
        write_descriptor(desc, hdr, rows);
        std::tie(e.ranges.descriptor_offset, e.ranges.descriptor_size) = st.embed(desc, VESK_COMPRESS_NONE);
    } else {
        LiveDescriptor live(desc, hdr, rows, rows.size() / 2);
        std::tie(e.ranges.descriptor_offset, e.ranges.descriptor_size) = st.embed(desc, VESK_COMPRESS_NONE);
        std::tie(e.ranges.descriptor_wal_offset, e.ranges.descriptor_wal_size) = st.embed(wal, VESK_COMPRESS_NONE);
        if (layout.journal == Journal::WalAndShm)
            std::tie(e.ranges.descriptor_shm_offset, e.ranges.descriptor_shm_size) =
                st.embed(shm, VESK_COMPRESS_NONE);
    }
    std::error_code ec;
    for (const std::string &p : {desc.string(), wal, shm})
        fs::remove(p, ec);

    Expected x;
    x.dedup = true;
    x.sparse = sparse;
    x.rows = rows;
    if (options_.keep_bytes)
        x.bytes = std::move(content);
    return add_entry(parent, name, e, std::move(x));
}

int64_t ContainerWriter::add_link(int64_t parent, const std::string &name, const std::string &target, int64_t mtime)
{
    ExportEntry e;
    e.filetype = VESK_FILETYPE_LNK;
    e.mtime = mtime;
    e.size = static_cast<int64_t>(target.size());
    e.lnk = target;
    e.ranges = absent_ranges();
    return add_entry(parent, name, e, {});
}

int64_t ContainerWriter::add_special(int64_t parent, const std::string &name, int filetype, int64_t mtime)
{
    ExportEntry e;
    e.filetype = filetype;
    e.mtime = mtime;
    e.ranges = absent_ranges();
    return add_entry(parent, name, e, {});
}

ExportEntry &ContainerWriter::row(int64_t ino)
{
    auto it = state_->rows.find(ino);
    if (it == state_->rows.end())
        throw std::invalid_argument("no entry numbered " + std::to_string(ino));
    return it->second;
}

void ContainerWriter::override_vault(int32_t hid, int64_t vid, int64_t offset, int64_t size)
{
    state_->vault_overrides[{hid, vid}] = {offset, size};
}

void ContainerWriter::add_raw(const ExportEntry &entry)
{
    state_->raw.push_back(entry);
}

int64_t ContainerWriter::append(const std::vector<uint8_t> &bytes)
{
    file_t *c = state_->container.get();
    int64_t at = c->fops->seek(c, 0, SEEK_END);
    if (at < 0 || c->fops->write(c, bytes.data(), 1, bytes.size()) != static_cast<ssize_t>(bytes.size()))
        throw failure("container write " + file_.string());
    return at;
}

void ContainerWriter::finish()
{
    State &st = *state_;
    if (st.finished)
        return;
    st.finished = true;
    ExportDbBuilder db;
    for (auto &g : st.groups) {
        if (!g)
            continue;
        g->finish();
        for (const auto &[id, path] : g->vaults()) {
            const auto hid = static_cast<int32_t>(id.first);
            const auto vid = static_cast<int64_t>(id.second);
            auto [offset, size] = st.embed(path, VESK_COMPRESS_NONE);
            vaults_.push_back({hid, vid, offset, size});
            if (auto o = st.vault_overrides.find({hid, vid}); o != st.vault_overrides.end())
                std::tie(offset, size) = o->second;
            db.add_vault({hid, vid, offset, size, 1});
        }
    }
    for (const auto &[ino, e] : st.rows)
        db.add_raw(e);
    for (const ExportEntry &e : st.raw)
        db.add_raw(e);
    const fs::path dbfile = st.stage.path() / "export.db";
    db.write(dbfile);
    auto [offset, size] = st.embed(dbfile, VESK_COMPRESS_NONE);

    vesk_hdr_t *hdr = vesk_hdr_create(static_cast<uint64_t>(offset), static_cast<uint64_t>(size));
    str_t *raw = hdr ? vesk_hdr_marshal(hdr) : nullptr;
    vesk_hdr_destroy(hdr);
    if (!raw)
        throw failure("container header");
    file_t *c = st.container.get();
    bool ok = c->fops->seek(c, 0, SEEK_SET) == 0 &&
              c->fops->write(c, raw->buf, 1, static_cast<size_t>(raw->used)) == static_cast<ssize_t>(raw->used);
    str_put(raw);
    if (!ok)
        throw failure("container header write " + file_.string());
    if (file_close(st.container.release()) != 0)
        throw failure("container close " + file_.string());
}

std::vector<Expected> write_sample(const fs::path &file, uint64_t seed)
{
    const int64_t t0 = 1700000000;
    ContainerWriter w(file);
    const int64_t root = ContainerWriter::kRoot;
    w.add_dir(root, "empty folder", t0 + 1);
    int64_t docs = w.add_dir(root, "docs", t0 + 2);
    int64_t nested = w.add_dir(docs, "nested", t0 + 3);
    int64_t deeper = w.add_dir(nested, "deeper", t0 + 4);
    w.add_stored(docs, "readme.txt", make_bytes(seed, 20000, Content::Text), t0 + 10);
    w.add_stored(docs, "empty.txt", {}, t0 + 11);
    w.add_stored(deeper, "Grüße – ünïcødé ✓.txt", make_bytes(seed + 1, 9000, Content::Text), t0 + 12);

    int64_t data = w.add_dir(root, "data", t0 + 5);
    std::vector<uint8_t> base = make_bytes(seed + 2, 300000, Content::Mixed);
    w.add_dedup(data, "plain.bin", base, t0 + 20);
    std::vector<uint8_t> shared(base.begin(), base.begin() + 150000);
    std::vector<uint8_t> more = make_bytes(seed + 3, 100000, Content::Mixed);
    shared.insert(shared.end(), more.begin(), more.end());
    w.add_dedup(data, "shares chunks.bin", shared, t0 + 21);

    DedupLayout wal;
    wal.journal = Journal::WalAndShm;
    w.add_dedup(data, "wal.bin", make_bytes(seed + 4, 200000, Content::Mixed), t0 + 22, wal);
    wal.journal = Journal::WalOnly;
    w.add_dedup(data, "wal only.bin", make_bytes(seed + 5, 120000, Content::Mixed), t0 + 23, wal);

    DedupLayout other;
    other.group = 1;
    other.repeat_every = 4;
    w.add_dedup(data, "other group.bin", make_bytes(seed + 6, 150000, Content::Text), t0 + 24, other);

    DedupLayout sparse;
    sparse.hole_every = 3;
    sparse.tail = 5000;
    sparse.tail_in_sparse = true;
    w.add_dedup(data, "sparse.bin", make_bytes(seed + 7, 180000, Content::Mixed), t0 + 25, sparse);
    DedupLayout tail;
    tail.tail = 70000;
    w.add_dedup(data, "tail.bin", make_bytes(seed + 8, 100000, Content::Mixed), t0 + 26, tail);

    int64_t links = w.add_dir(root, "links", t0 + 6);
    w.add_link(links, "to readme", "../docs/readme.txt", t0 + 30);
    w.add_special(links, "fifo", VESK_FILETYPE_FIFO, t0 + 31);
    w.finish();
    return w.expected();
}

std::vector<Expected> write_bulk(const fs::path &file, const BulkOptions &o, std::vector<VaultPlace> *vaults)
{
    if (o.files < 1)
        throw std::invalid_argument("files");
    WriterOptions wo;
    wo.keep_bytes = false;
    wo.interleaved = false;
    ContainerWriter w(file, wo);
    const int folders = std::max(1, static_cast<int>(std::sqrt(static_cast<double>(o.files))));
    std::vector<int64_t> dirs;
    for (int i = 0; i < folders; ++i)
        dirs.push_back(w.add_dir(ContainerWriter::kRoot, "folder " + std::to_string(i), 1700000000 + i));
    const uint64_t per_file = std::max<uint64_t>(1, o.size / static_cast<uint64_t>(o.files));
    DedupLayout layout;
    layout.min_chunk = 48 * 1024;
    layout.max_chunk = 80 * 1024;
    for (int i = 0; i < o.files; ++i) {
        const std::string name = "file " + std::to_string(i) + ".bin";
        const int64_t dir = dirs[static_cast<size_t>(i % folders)];
        std::vector<uint8_t> bytes = make_bytes(o.seed + static_cast<uint64_t>(i), per_file, Content::Mixed);
        if (!o.originals.empty())
            write_file(o.originals / ("folder " + std::to_string(i % folders)) / name, bytes);
        layout.chunk_seed = o.seed + static_cast<uint64_t>(i);
        if (o.stored)
            w.add_stored(dir, name, bytes, 1700000100 + i);
        else
            w.add_dedup(dir, name, bytes, 1700000100 + i, layout);
    }
    w.finish();
    if (vaults)
        *vaults = w.vaults();
    return w.expected();
}

std::string manifest_json(const std::vector<Expected> &entries)
{
    nlohmann::json list = nlohmann::json::array();
    for (const Expected &e : entries) {
        nlohmann::json j = {{"path", e.path},
                            {"type", e.filetype == VESK_FILETYPE_DIR ? "dir" : "file"},
                            {"size", e.size},
                            {"mtime", e.mtime}};
        if (e.filetype == VESK_FILETYPE_LNK)
            j["link"] = true;
        else if (e.filetype != VESK_FILETYPE_DIR && e.filetype != VESK_FILETYPE_REG)
            j["special"] = true;
        list.push_back(j);
    }
    nlohmann::json version = {{"version", 0}, {"timestamp", 0}, {"entries", list}};
    nlohmann::json doc = {{"versions", nlohmann::json::array({version})}};
    return doc.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

} // namespace orvex::testkit::vesk
