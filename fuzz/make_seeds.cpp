// orvex-fuzz-seeds FOLDER: writes the seed inputs of every harness into
// FOLDER/<harness>/, all made by the test kit and the libraries' own
// writer-side calls. scripts/fuzz.sh --seed uses it; the committed corpora
// started from these seeds.
#include "session_template.h"

#include "header.h"
#include "testkit/chunk_codec.h"
#include "testkit/tempdir.h"
#include "testkit/trellis.h"
#include "testkit/trellis_content.h"
#include "testkit/vault_writer.h"
#include "testkit/vesk_writer.h"
#include "vesk.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
namespace tk = orvex::testkit;
namespace tt = orvex::testkit::trellis;

fs::path g_out;

void seed(const std::string &harness, const std::string &name, uint8_t selector, const std::vector<uint8_t> &body)
{
    std::vector<uint8_t> in(1 + body.size());
    in[0] = selector;
    std::copy(body.begin(), body.end(), in.begin() + 1);
    tk::write_file(g_out / harness / name, in);
}

void seed_raw(const std::string &harness, const std::string &name, const std::vector<uint8_t> &body)
{
    tk::write_file(g_out / harness / name, body);
}

std::vector<uint8_t> slice(const std::vector<uint8_t> &v, size_t at, size_t len)
{
    return std::vector<uint8_t>(v.begin() + static_cast<std::ptrdiff_t>(at),
                                v.begin() + static_cast<std::ptrdiff_t>(std::min(v.size(), at + len)));
}

size_t data_area(uint32_t stored)
{
    size_t n = stored + 2 * ((stored + 252) / 253);
    return (n + 63) / 64 * 64;
}

// The fixed AES-256 key of the chunk-record harness.
std::vector<uint8_t> harness_key()
{
    std::vector<uint8_t> key(32);
    for (size_t i = 0; i < key.size(); ++i)
        key[i] = static_cast<uint8_t>(i * 7 + 1);
    return key;
}

void vault_seeds()
{
    for (int cry : {0, 3})
        for (int cmp = 0; cmp <= 5; ++cmp) {
            tk::CodecOptions co;
            co.cmp_algo = cmp;
            co.cry_algo = cry;
            if (cry)
                co.key = harness_key();
            tk::VaultWriter w(1, 1, tk::make_chunk_encoder(co));
            w.add_chunk(tk::make_bytes(10 + cmp, 700, tk::Content::Text));
            w.add_chunk(tk::make_bytes(20 + cmp, 300, tk::Content::Random));
            const auto vault = w.finish();
            const std::string tag = "cmp" + std::to_string(cmp) + (cry ? "-aes256" : "");
            const auto &r = w.chunks()[0];
            const auto record = slice(vault, r.voffset, 128 + data_area(r.store_chunksize));
            seed("chunk_record", tag, static_cast<uint8_t>(cry | (3 << 2)), record);
            if (cmp == 0 && cry == 0) {
                seed("header_frame", "vault", 0x04, slice(vault, 0, 128));
                seed("header_frame", "chunk", 0x06, slice(vault, r.voffset, 128));
            }
            if (cmp == 5) {
                seed("vault", tag, 0, vault);
                seed("vault", tag + "-made-consistent", 1, vault);
            }
        }
}

void tvt_seeds()
{
    const auto plain = tk::make_bytes(5, 3000, tk::Content::Mixed);
    for (bool secret : {false, true})
        for (int kind = 0; kind < 4; ++kind) {
            const bool encrypt = kind >= 2, compress = kind % 2 == 1;
            if (encrypt && !secret)
                continue;
            for (auto digest : {tt::TvtDigestField::Content, tt::TvtDigestField::Stored, tt::TvtDigestField::Zero}) {
                auto rec = tt::tvt_record(plain, encrypt, compress, tt::tvt_key(secret ? "secret" : ""), 3, digest);
                std::string name = std::string(encrypt ? "enc" : "plain") + (compress ? "-zlib" : "") + "-digest" +
                                   std::to_string(static_cast<int>(digest));
                seed("tvt_record", name, static_cast<uint8_t>((secret ? 1 : 0) | (2 << 1)), rec);
            }
        }
}

void text_seeds()
{
    const std::string id = tt::make_job_id(1);
    for (auto form : {tt::InfoForm::KeyValue, tt::InfoForm::Json})
        for (bool sign : {false, true}) {
            std::string text = tt::job_info_text(id, sign ? tt::make_signature("pw", id, 2) : "", form);
            seed_raw("jobinfo", std::string(form == tt::InfoForm::Json ? "json" : "keyvalue") + (sign ? "-signed" : ""),
                     std::vector<uint8_t>(text.begin(), text.end()));
        }
    seed_raw("attr", "32bit-time", tt::make_attr(123456, 1700000000, 24));
    seed_raw("attr", "64bit-time", tt::make_attr(123456, 7258118400LL, 32));
    seed_raw("attr", "short", std::vector<uint8_t>(10, 0));

    vesk_hdr_t *h = vesk_hdr_create(128, 2048);
    str_t *raw = vesk_hdr_marshal(h);
    std::vector<uint8_t> container(raw->buf, raw->buf + raw->used);
    auto rest = tk::make_bytes(9, 2048, tk::Content::Text);
    container.insert(container.end(), rest.begin(), rest.end());
    seed_raw("vesk_header", "container", container);
    str_put(raw);
    vesk_hdr_destroy(h);
}

void session_seed()
{
    tk::TempDir dir("fuzz-seed-session");
    orvex::fuzz::write_session_template(dir.path());
    seed_raw("session_restore", "kit-folder",
             orvex::fuzz::session_input(tk::read_file(orvex::fuzz::session_catalogue(dir.path())),
                                        tk::read_file(orvex::fuzz::session_descriptor(dir.path()))));
}

// Whole containers (deduplicated and stored) and one zstd stream as the
// container writer makes it.
void vesk_seeds()
{
    tk::TempDir dir("fuzz-seed-vesk");
    for (bool stored : {false, true}) {
        tk::vesk::BulkOptions o;
        o.size = 6000;
        o.files = 3;
        o.stored = stored;
        const fs::path file = dir / (stored ? "stored.vesk" : "dedup.vesk");
        tk::vesk::write_bulk(file, o);
        seed_raw("vesk_container", stored ? "stored" : "dedup", tk::read_file(file));
    }
    const auto plain = tk::make_bytes(4, 5000, tk::Content::Text);
    tk::write_file(dir / "plain", plain);
    int src = ::open((dir / "plain").c_str(), O_RDONLY | O_CLOEXEC);
    int dst = ::open((dir / "zstd").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    int64_t at = 0, size = 0;
    if (src >= 0 && dst >= 0 &&
        compress_to_dst_zstd(src, static_cast<int64_t>(plain.size()), dst, nullptr, 0, 0, nullptr, &at, &size) == 0)
        seed_raw("vesk_zstd", "text", slice(tk::read_file(dir / "zstd"), static_cast<size_t>(at), static_cast<size_t>(size)));
    if (src >= 0)
        ::close(src);
    if (dst >= 0)
        ::close(dst);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvex-fuzz-seeds FOLDER\n");
        return 2;
    }
    g_out = argv[1];
    vault_seeds();
    tvt_seeds();
    text_seeds();
    session_seed();
    vesk_seeds();
    return 0;
}
