// Whole files as descriptor + vaults for tests and benchmarks.
#include "testkit/file_writer.h"

#include <xxhash.h>

#include <fstream>
#include <stdexcept>

namespace orvex::testkit {

std::vector<PlannedChunk> split_into_chunks(const std::vector<uint8_t> &data, uint32_t min_size, uint32_t max_size,
                                            uint64_t seed)
{
    if (min_size == 0 || max_size < min_size)
        throw std::invalid_argument("chunk size range");
    Rng rng(seed);
    std::vector<PlannedChunk> out;
    size_t pos = 0;
    while (pos < data.size()) {
        size_t len = static_cast<size_t>(rng.range(min_size, max_size));
        len = std::min(len, data.size() - pos);
        PlannedChunk c;
        c.plain.assign(data.begin() + static_cast<std::ptrdiff_t>(pos),
                       data.begin() + static_cast<std::ptrdiff_t>(pos + len));
        out.push_back(std::move(c));
        pos += len;
    }
    return out;
}

BackupWriter::BackupWriter(std::filesystem::path vault_dir, BackupOptions options)
    : vault_dir_(std::move(vault_dir)), options_(std::move(options)), rng_(options_.seed),
      codec_(std::make_shared<ChunkCodec>(options_.codec)), next_vid_(options_.first_vid)
{
    if (options_.num_vaults < 1)
        throw std::invalid_argument("num_vaults");
    std::filesystem::create_directories(vault_dir_);
}

BackupWriter::~BackupWriter()
{
    try {
        finish();
    } catch (...) {
    }
}

std::filesystem::path BackupWriter::vault_path(uint64_t vid) const
{
    return vault_file_path(vault_dir_, options_.hid, vid, options_.short_paths);
}

VaultWriter &BackupWriter::vault_for_next_chunk()
{
    uint64_t vid;
    if (options_.interleaved) {
        vid = options_.first_vid + rng_.range(0, static_cast<uint64_t>(options_.num_vaults - 1));
    } else {
        if (sequential_vid_ == 0)
            sequential_vid_ = next_vid_++;
        if (stored_bytes_[sequential_vid_] >= options_.vault_capacity) {
            flush(sequential_vid_);
            sequential_vid_ = next_vid_++;
        }
        vid = sequential_vid_;
    }
    auto it = open_.find(vid);
    if (it == open_.end())
        it = open_.emplace(vid, std::make_unique<VaultWriter>(options_.hid, vid, make_chunk_encoder(codec_))).first;
    return *it->second;
}

void BackupWriter::flush(uint64_t vid)
{
    auto it = open_.find(vid);
    if (it == open_.end())
        return;
    it->second->write(vault_path(vid));
    open_.erase(it);
    written_.push_back(vid);
}

void BackupWriter::finish()
{
    while (!open_.empty())
        flush(open_.begin()->first);
}

std::vector<std::pair<std::pair<uint32_t, uint64_t>, std::filesystem::path>> BackupWriter::vaults() const
{
    std::vector<std::pair<std::pair<uint32_t, uint64_t>, std::filesystem::path>> out;
    for (uint64_t vid : written_)
        out.push_back({{options_.hid, vid}, vault_path(vid)});
    return out;
}

WrittenFile BackupWriter::add_file(const std::filesystem::path &descriptor, const std::vector<PlannedChunk> &chunks,
                                   const std::vector<uint8_t> &tail)
{
    begin_file(descriptor, true);
    for (const PlannedChunk &c : chunks)
        add_chunk(c);
    return end_file(tail);
}

void BackupWriter::begin_file(const std::filesystem::path &descriptor, bool keep_bytes)
{
    pending_ = std::make_unique<Pending>();
    pending_->wf.descriptor = descriptor;
    pending_->keep = keep_bytes;
    DescriptorHeader &hdr = pending_->hdr;
    hdr.cmp_algo = static_cast<uint8_t>(options_.codec.cmp_algo);
    hdr.cry_algo = static_cast<uint8_t>(options_.codec.cry_algo);
    hdr.max_chunksize = options_.codec.max_chunksize;
    hdr.min_chunksize = 1;
}

void BackupWriter::add_chunk(const PlannedChunk &c)
{
    if (!pending_)
        throw std::logic_error("add_chunk without begin_file");
    Pending &p = *pending_;
    WrittenFile &wf = p.wf;
    if (c.plain.empty())
        throw std::invalid_argument("empty chunk");
    if (c.plain.size() > p.hdr.max_chunksize)
        p.hdr.max_chunksize = static_cast<uint32_t>(c.plain.size());
    DescriptorRow row;
    row.foffset = p.foffset;
    row.chunksize = static_cast<uint32_t>(c.plain.size());
    row.dirty = c.dirty ? 1 : 0;
    if (c.hole) {
        row.hid = -1;
        row.vid = -1;
        if (p.keep)
            wf.restored.insert(wf.restored.end(), c.plain.size(), 0);
    } else {
        auto key = std::make_pair(XXH64(c.plain.data(), c.plain.size(), 0), c.plain.size());
        auto it = by_hash_.find(key);
        if (it == by_hash_.end()) {
            VaultWriter &v = vault_for_next_chunk();
            const VaultChunkRef &ref = v.add_chunk(c.plain);
            stored_bytes_[v.vid()] += ref.store_chunksize;
            it = by_hash_.emplace(key, Stored{v.vid(), ref}).first;
        }
        const Stored &s = it->second;
        row.hid = static_cast<int32_t>(options_.hid);
        row.vid = static_cast<int64_t>(s.vid);
        row.cid = s.ref.cid;
        row.voffset = s.ref.voffset;
        row.store_size = s.ref.store_chunksize;
        row.sig = s.ref.sig;
        p.cksum += s.ref.sig;
        if (p.keep)
            wf.restored.insert(wf.restored.end(), c.plain.begin(), c.plain.end());
    }
    if (c.dirty) {
        if (c.current.size() != c.plain.size())
            throw std::invalid_argument("dirty chunk needs local bytes of the same size");
        p.dirty.emplace_back(p.foffset, c.current);
        if (p.keep)
            wf.current.insert(wf.current.end(), c.current.begin(), c.current.end());
    } else if (p.keep) {
        wf.current.insert(wf.current.end(), wf.restored.end() - static_cast<std::ptrdiff_t>(c.plain.size()),
                          wf.restored.end());
    }
    wf.rows.push_back(row);
    p.foffset += c.plain.size();
}

WrittenFile BackupWriter::end_file(const std::vector<uint8_t> &tail)
{
    if (!pending_)
        throw std::logic_error("end_file without begin_file");
    std::unique_ptr<Pending> p = std::move(pending_);
    WrittenFile &wf = p->wf;
    wf.mapdb_filesize = p->foffset;
    if (p->keep)
        wf.current.insert(wf.current.end(), tail.begin(), tail.end());
    wf.max_chunksize = p->hdr.max_chunksize;
    p->hdr.filesize = p->foffset;
    p->hdr.cksum = p->cksum;
    write_descriptor(wf.descriptor, p->hdr, wf.rows);
    if (!p->dirty.empty() || !tail.empty()) {
        // The sparse file holds the local bytes at their file offsets:
        // dirty chunks and the tail; everything else is left as holes.
        wf.sparse = wf.descriptor;
        wf.sparse += ".sparse";
        std::ofstream out(wf.sparse, std::ios::binary | std::ios::trunc);
        for (const auto &[offset, bytes] : p->dirty) {
            out.seekp(static_cast<std::streamoff>(offset));
            out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        }
        if (!tail.empty()) {
            out.seekp(static_cast<std::streamoff>(p->foffset));
            out.write(reinterpret_cast<const char *>(tail.data()), static_cast<std::streamsize>(tail.size()));
        }
        if (!out)
            throw std::runtime_error("sparse file write failed: " + wf.sparse.string());
    }
    return std::move(wf);
}

} // namespace orvex::testkit
