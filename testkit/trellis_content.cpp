// File contents of Trellis backup folders: descriptors, ovt vaults through
// the core writer, tvt vaults written here.
#include "testkit/trellis_content.h"

#include "testkit/chunk_codec.h"
#include "testkit/tempdir.h"
#include "testkit/vault_writer.h"

#include <openssl/evp.h>
#include <openssl/sha.h>
#include <sqlite3.h>
#include <xxhash.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace orvex::testkit::trellis {

namespace {

const uint8_t kTvtMagic[8] = {0x1B, 0xBB, 0xB3, 0xFD, 0xA5, 0x13, 0x59, 0x67};
const uint8_t kEncMagic[8] = {0x4B, 0xCA, 0x94, 0x72, 0x5E, 0x83, 0x1C, 0x31};

void put_le64(uint8_t *p, uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

std::vector<uint8_t> zlib_of(const std::vector<uint8_t> &plain)
{
    uLongf len = compressBound(static_cast<uLong>(plain.size()));
    std::vector<uint8_t> out(len);
    if (compress2(out.data(), &len, plain.data(), static_cast<uLong>(plain.size()), Z_BEST_SPEED) != Z_OK)
        throw std::runtime_error("tvt writer: zlib failed");
    out.resize(len);
    return out;
}

std::vector<uint8_t> aes256(const EVP_CIPHER *cipher, const uint8_t *key, const uint8_t *iv,
                            const std::vector<uint8_t> &in, bool pad)
{
    std::vector<uint8_t> out(in.size() + 32);
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    int n1 = 0, n2 = 0;
    bool ok = ctx && EVP_EncryptInit_ex(ctx, cipher, nullptr, key, iv) == 1 &&
              EVP_CIPHER_CTX_set_padding(ctx, pad ? 1 : 0) == 1 &&
              EVP_EncryptUpdate(ctx, out.data(), &n1, in.data(), static_cast<int>(in.size())) == 1 &&
              EVP_EncryptFinal_ex(ctx, out.data() + n1, &n2) == 1;
    EVP_CIPHER_CTX_free(ctx);
    if (!ok)
        throw std::runtime_error("tvt writer: encryption failed");
    out.resize(static_cast<size_t>(n1 + n2));
    return out;
}

uint64_t attr_size_of(const std::vector<uint8_t> &a)
{
    uint64_t v = 0;
    for (int i = 0; i < 8 && 12 + i < static_cast<int>(a.size()); ++i)
        v = (v << 8) | a[12 + i];
    return v;
}

std::string fmt016(int64_t v)
{
    char b[32];
    std::snprintf(b, sizeof b, "%016lld", static_cast<long long>(v));
    return b;
}

struct ChunkPlan {
    uint64_t seed;
    uint32_t len;
};

// Chunk lengths and seeds of a file state. Some chunks repeat the one
// before them; some come from a small pool shared by every file.
std::vector<ChunkPlan> plan_chunks(uint64_t seed, uint64_t size, const ContentOptions &o)
{
    Rng rng(seed ^ 0x6368756e6bULL);
    std::vector<ChunkPlan> plan;
    uint64_t pos = 0;
    while (pos < size) {
        uint64_t left = size - pos;
        uint64_t roll = rng.range(0, 99);
        ChunkPlan c;
        if (!plan.empty() && roll < static_cast<uint64_t>(o.repeat_percent) && plan.back().len <= left) {
            c = plan.back();
        } else if (roll < static_cast<uint64_t>(o.repeat_percent + o.repeat_percent / 2) && o.max_chunk <= left) {
            c = {0x5eed0000ULL + rng.range(0, 15), o.max_chunk};
        } else {
            c.len = static_cast<uint32_t>(std::min<uint64_t>(rng.range(o.min_chunk, o.max_chunk), left));
            c.seed = rng.next();
        }
        plan.push_back(c);
        pos += c.len;
    }
    return plan;
}

} // namespace

std::array<uint8_t, 32> tvt_key(const std::string &password)
{
    std::array<uint8_t, 32> key{};
    if (!password.empty())
        for (size_t i = 0; i < key.size(); ++i)
            key[i] = static_cast<uint8_t>(password[i % password.size()]);
    return key;
}

std::vector<uint8_t> tvt_record(const std::vector<uint8_t> &plain, bool encrypt, bool compress,
                                const std::array<uint8_t, 32> &key, uint64_t seed, TvtDigestField digest)
{
    std::vector<uint8_t> data;
    if (!encrypt && !compress) {
        data = plain;
    } else {
        data = make_bytes(seed ^ 0x16, 16, Content::Random); // bytes the reader skips
        std::vector<uint8_t> content = compress ? zlib_of(plain) : plain;
        if (encrypt) {
            std::vector<uint8_t> hdr(64, 0);
            std::memcpy(hdr.data(), kEncMagic, 8);
            std::vector<uint8_t> ckey = make_bytes(seed ^ 0xc0, 32, Content::Random);
            std::vector<uint8_t> salt = make_bytes(seed ^ 0x5a, 16, Content::Random);
            std::memcpy(hdr.data() + 8, ckey.data(), 32);
            std::memcpy(hdr.data() + 40, salt.data(), 16);
            put_le64(hdr.data() + 56, plain.size());
            std::vector<uint8_t> enc_hdr = aes256(EVP_aes_256_ecb(), key.data(), nullptr, hdr, false);
            std::vector<uint8_t> cipher = aes256(EVP_aes_256_cbc(), ckey.data(), salt.data(), content, true);
            data.insert(data.end(), enc_hdr.begin(), enc_hdr.end());
            data.insert(data.end(), cipher.begin(), cipher.end());
        } else {
            data.insert(data.end(), content.begin(), content.end());
        }
    }
    std::vector<uint8_t> rec(56, 0);
    std::memcpy(rec.data(), kTvtMagic, 8);
    rec[8] = encrypt ? 1 : 0;
    rec[9] = compress ? 1 : 0;
    put_le64(rec.data() + 16, data.size());
    if (digest == TvtDigestField::Content)
        SHA256(plain.data(), plain.size(), rec.data() + 24);
    else if (digest == TvtDigestField::Stored)
        SHA256(data.data(), data.size(), rec.data() + 24);
    rec.insert(rec.end(), data.begin(), data.end());
    return rec;
}

fs::path vault_path(const fs::path &dir, uint64_t number, bool tvt)
{
    char name[32];
    std::snprintf(name, sizeof name, "0000000_%016llX", static_cast<unsigned long long>(number));
    std::string n = name;
    return dir / "dedup" / "vault" / n.substr(0, 21) / (n + (tvt ? ".tvt" : ".ovt"));
}

fs::path descriptor_path(const fs::path &dir, int64_t number)
{
    std::string n = fmt016(number);
    return dir / "filedesc" / n.substr(0, 12) / (n + ".fdv");
}

std::vector<uint8_t> file_bytes(uint64_t seed, uint64_t size, const ContentOptions &options)
{
    std::vector<uint8_t> out;
    out.reserve(size);
    for (const ChunkPlan &c : plan_chunks(seed, size, options)) {
        std::vector<uint8_t> b = make_bytes(c.seed, c.len, options.content);
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

struct ContentWriter::Impl {
    fs::path dir;
    ContentOptions opt;
    std::array<uint8_t, 32> tkey{};
    std::vector<std::shared_ptr<ChunkCodec>> codecs;
    size_t next_codec = 0;

    // Where each distinct chunk went: vault id (negative: tvt) and offset.
    std::map<std::pair<uint64_t, uint32_t>, std::pair<int64_t, uint64_t>> stored;

    std::unique_ptr<VaultWriter> ovt;
    uint64_t ovt_number = 0, ovt_bytes = 0;
    std::ofstream tvt;
    uint64_t tvt_number = 0, tvt_bytes = 0, tvt_count = 0;

    sqlite3 *desc = nullptr;
    sqlite3_stmt *ins = nullptr;
    int64_t desc_number = 0;
    int desc_files = 0;

    std::map<std::string, std::map<int, std::pair<uint64_t, uint64_t>>> states; // path -> version -> seed, size

    void close_descriptor()
    {
        if (!desc)
            return;
        sqlite3_finalize(ins);
        ins = nullptr;
        int rc = sqlite3_exec(desc, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(desc);
        desc = nullptr;
        if (rc != SQLITE_OK)
            throw std::runtime_error("descriptor commit failed");
    }

    void open_descriptor()
    {
        close_descriptor();
        ++desc_number;
        desc_files = 0;
        fs::path p = descriptor_path(dir, desc_number);
        fs::create_directories(p.parent_path());
        fs::remove(p);
        if (sqlite3_open(p.string().c_str(), &desc) != SQLITE_OK)
            throw std::runtime_error("descriptor open failed: " + p.string());
        const char *sql = "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;"
                          "CREATE TABLE filedesc (fd_index INTEGER, file_offset INTEGER, vault_id INTEGER, "
                          "vault_offset INTEGER);"
                          "CREATE INDEX filedesc_index ON filedesc(fd_index, file_offset); BEGIN";
        if (sqlite3_exec(desc, sql, nullptr, nullptr, nullptr) != SQLITE_OK ||
            sqlite3_prepare_v2(desc, "INSERT INTO filedesc VALUES (?, ?, ?, ?)", -1, &ins, nullptr) != SQLITE_OK)
            throw std::runtime_error("descriptor schema failed");
    }

    void flush_ovt()
    {
        if (ovt && !ovt->chunks().empty())
            ovt->write(vault_path(dir, ovt_number, false));
        ovt.reset();
    }

    std::pair<int64_t, uint64_t> store_ovt(const std::vector<uint8_t> &plain)
    {
        if (!ovt || ovt_bytes >= opt.vault_capacity) {
            flush_ovt();
            ++ovt_number;
            ovt_bytes = 0;
            ovt = std::make_unique<VaultWriter>(0, ovt_number, [this](const std::vector<uint8_t> &p) {
                ChunkCodec &c = *codecs[next_codec++ % codecs.size()];
                return c.encode(p);
            });
            // A folder of one method names it in its vault headers, as real ones do.
            if (opt.cmp_methods.size() == 1)
                ovt->set_cmp_algo(static_cast<uint8_t>(opt.cmp_methods.front()));
        }
        const VaultChunkRef &ref = ovt->add_chunk(plain);
        ovt_bytes += ref.store_chunksize + 128;
        if (opt.on_ovt_chunk)
            opt.on_ovt_chunk(ovt_number, ref);
        return {static_cast<int64_t>(ovt_number), ref.voffset};
    }

    std::pair<int64_t, uint64_t> store_tvt(const std::vector<uint8_t> &plain, uint64_t seed)
    {
        if (!tvt.is_open() || tvt_bytes >= opt.vault_capacity) {
            tvt.close();
            ++tvt_number;
            tvt_bytes = 0;
            fs::path p = vault_path(dir, tvt_number, true);
            fs::create_directories(p.parent_path());
            tvt.open(p, std::ios::binary | std::ios::trunc);
            if (!tvt)
                throw std::runtime_error("tvt open failed: " + p.string());
        }
        // Without a password only the unencrypted kinds occur.
        uint64_t kind = tvt_count++ % (opt.password.empty() ? 2 : 4);
        bool compress = kind % 2 == 1;
        bool encrypt = kind >= 2;
        std::vector<uint8_t> rec = tvt_record(plain, encrypt, compress, tkey, seed, opt.tvt_digest);
        uint64_t at = tvt_bytes;
        tvt.write(reinterpret_cast<const char *>(rec.data()), static_cast<std::streamsize>(rec.size()));
        if (!tvt)
            throw std::runtime_error("tvt write failed");
        tvt_bytes += rec.size();
        return {-static_cast<int64_t>(tvt_number), at};
    }
};

ContentWriter::ContentWriter(fs::path dir, ContentOptions options) : impl_(std::make_unique<Impl>())
{
    impl_->dir = std::move(dir);
    impl_->opt = std::move(options);
    if (impl_->opt.cmp_methods.empty() || impl_->opt.min_chunk == 0 || impl_->opt.max_chunk < impl_->opt.min_chunk ||
        impl_->opt.files_per_descriptor < 1)
        throw std::invalid_argument("content options");
    impl_->tkey = tvt_key(impl_->opt.password);
    std::vector<uint8_t> key;
    if (!impl_->opt.password.empty()) {
        key.resize(SHA256_DIGEST_LENGTH);
        SHA256(reinterpret_cast<const unsigned char *>(impl_->opt.password.data()), impl_->opt.password.size(),
               key.data());
    }
    uint64_t iv_seed = 1;
    for (int m : impl_->opt.cmp_methods) {
        CodecOptions co;
        co.cmp_algo = m;
        co.cry_algo = key.empty() ? 0 : 3; // AES-256-GCM, the reader's "aes-256"
        co.key = key;
        co.max_chunksize = std::max<uint32_t>(impl_->opt.max_chunk, 65536);
        co.iv_seed = iv_seed++;
        impl_->codecs.push_back(std::make_shared<ChunkCodec>(co));
    }
}

ContentWriter::~ContentWriter()
{
    try {
        finish();
    } catch (...) {
    }
}

void ContentWriter::add(const std::string &path, HistoryRow &row, uint64_t content_seed)
{
    Impl &m = *impl_;
    const uint64_t size = attr_size_of(row.attr);
    m.states[path][row.version] = {content_seed, size};
    if (size == 0) {
        row.fd_vault_id = 0;
        row.fd_vault_index = 0;
        return;
    }
    if (!m.desc || m.desc_files >= m.opt.files_per_descriptor)
        m.open_descriptor();
    const int index = m.desc_files++;
    row.fd_vault_id = m.desc_number;
    row.fd_vault_index = index;

    int where = 0; // 0 ovt, 1 tvt, 2 both
    if (m.opt.placement == Placement::Tvt)
        where = 1;
    else if (m.opt.placement == Placement::Mixed) {
        uint64_t r = Rng(content_seed ^ 0x706c616365ULL).range(0, 9);
        where = r < 5 ? 0 : r < 8 ? 1 : 2;
    }
    uint64_t offset = 0;
    size_t i = 0;
    for (const ChunkPlan &c : plan_chunks(content_seed, size, m.opt)) {
        std::vector<uint8_t> plain = make_bytes(c.seed, c.len, m.opt.content);
        auto key = std::make_pair(XXH64(plain.data(), plain.size(), 0), c.len);
        auto it = m.stored.find(key);
        if (it == m.stored.end()) {
            bool tvt = where == 1 || (where == 2 && i % 2 == 1);
            auto loc = tvt ? m.store_tvt(plain, c.seed) : m.store_ovt(plain);
            it = m.stored.emplace(key, loc).first;
        }
        sqlite3_bind_int64(m.ins, 1, index);
        sqlite3_bind_int64(m.ins, 2, static_cast<int64_t>(offset));
        sqlite3_bind_int64(m.ins, 3, it->second.first);
        sqlite3_bind_int64(m.ins, 4, static_cast<int64_t>(it->second.second));
        int rc = sqlite3_step(m.ins);
        sqlite3_reset(m.ins);
        if (rc != SQLITE_DONE)
            throw std::runtime_error("descriptor insert failed");
        offset += c.len;
        ++i;
    }
}

void ContentWriter::finish()
{
    impl_->flush_ovt();
    if (impl_->tvt.is_open()) {
        impl_->tvt.close();
        if (!impl_->tvt)
            throw std::runtime_error("tvt close failed");
    }
    impl_->close_descriptor();
}

std::vector<uint8_t> ContentWriter::content(const std::string &path, int version) const
{
    auto it = impl_->states.find(path);
    if (it == impl_->states.end())
        return {};
    auto v = it->second.upper_bound(version);
    if (v == it->second.begin())
        return {};
    --v;
    return file_bytes(v->second.first, v->second.second, impl_->opt);
}

uint64_t ContentWriter::stored_chunks() const
{
    return impl_->stored.size();
}

FolderWithContent write_folder_with_content(const fs::path &dir, FolderOptions folder, ContentOptions content)
{
    FolderWithContent out;
    if (folder.password != content.password)
        content.password = folder.password;
    out.contents = std::make_shared<ContentWriter>(dir, std::move(content));
    std::shared_ptr<ContentWriter> w = out.contents;
    folder.content = [w](const std::string &path, HistoryRow &row, uint64_t seed) { w->add(path, row, seed); };
    out.manifest = write_folder(dir, folder);
    out.contents->finish();
    return out;
}

} // namespace orvex::testkit::trellis
