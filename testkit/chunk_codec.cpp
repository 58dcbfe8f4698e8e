// Chunk encoding of the test kit over the library's compressors and crypters.
#include "testkit/chunk_codec.h"

#include "compressor.h"
#include "crypter.h"
#include "util/str.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace orvex::testkit {

namespace {

struct StrDel {
    void operator()(str_t *s) const { str_put(s); }
};
using Str = std::unique_ptr<str_t, StrDel>;

Str str_of(const std::vector<uint8_t> &bytes)
{
    Str s(str_copy_from_data(bytes.data(), static_cast<int>(bytes.size())));
    if (!s)
        throw std::runtime_error("str_copy_from_data failed");
    return s;
}

std::vector<uint8_t> bytes_of(const str_t *s)
{
    return std::vector<uint8_t>(s->buf, s->buf + s->size);
}

} // namespace

struct ChunkCodec::State {
    compressor_t *cmp = nullptr;
    crypter_t *cry = nullptr;
    ~State()
    {
        compressor_destroy(cmp);
        crypter_destroy(cry);
    }
};

std::vector<uint8_t> make_key(int cry_algo, uint64_t seed)
{
    if (cry_algo <= CRYPTION_NONE || cry_algo >= CRYPTION_MAX)
        return {};
    Rng rng(seed);
    std::vector<uint8_t> key(static_cast<size_t>(crypter_methods[cry_algo]->key_len));
    for (auto &b : key)
        b = static_cast<uint8_t>(rng.next());
    return key;
}

ChunkCodec::ChunkCodec(CodecOptions options)
    : options_(std::move(options)), rng_(options_.iv_seed), state_(std::make_unique<State>())
{
    state_->cmp = compressor_create(options_.cmp_algo);
    if (!state_->cmp)
        throw std::runtime_error("compressor_create(" + std::to_string(options_.cmp_algo) + ") failed");
    state_->cry = crypter_create();
    if (!state_->cry)
        throw std::runtime_error("crypter_create failed");
    if (options_.cry_algo != CRYPTION_NONE) {
        if (options_.cry_algo < 0 || options_.cry_algo >= CRYPTION_MAX)
            throw std::runtime_error("unknown encryption method " + std::to_string(options_.cry_algo));
        if (crypter_set(state_->cry, crypter_methods[options_.cry_algo]->name, options_.key.data(),
                        static_cast<int>(options_.key.size()), true) != 0 ||
            crypter_init(state_->cry, 1) != 0)
            throw std::runtime_error("crypter_set/crypter_init failed");
    }
}

ChunkCodec::~ChunkCodec() = default;

StoredChunk ChunkCodec::encode(const std::vector<uint8_t> &plain)
{
    if (plain.empty())
        throw std::runtime_error("a chunk holds at least one byte");
    StoredChunk out;
    Str stored;
    if (options_.cmp_algo != COMPRESSION_NONE) {
        Str in = str_of(plain);
        int used = 0;
        stored.reset(do_compress(in.get(), state_->cmp, options_.max_chunksize, &used, nullptr));
        if (!stored)
            throw std::runtime_error("do_compress failed");
        out.cmp_algo = static_cast<uint8_t>(used);
    } else {
        stored = str_of(plain);
    }
    if (options_.cry_algo != CRYPTION_NONE) {
        out.cry_algo = static_cast<uint8_t>(options_.cry_algo);
        out.num_paddings = static_cast<uint8_t>(get_num_encrypt_paddings(stored->size));
        out.has_crypto_fields = true;
        for (size_t i = 0; i < 12; i++)
            out.iv[i] = static_cast<uint8_t>(rng_.next());
        out.iv[15] = 1; // the last word of an IV is 00 00 00 01
        for (auto &b : out.aad)
            b = static_cast<uint8_t>(rng_.next());
        Str sealed(do_encrypt(stored.get(), static_cast<uint32_t>(stored->size + out.num_paddings), state_->cry,
                              out.iv.data(), out.aad.data(), out.tag.data()));
        if (!sealed)
            throw std::runtime_error("do_encrypt failed");
        stored = std::move(sealed);
    }
    out.stored = bytes_of(stored.get());
    return out;
}

std::vector<uint8_t> ChunkCodec::decode(const StoredChunk &chunk, uint32_t chunksize)
{
    Str data = str_of(chunk.stored);
    if (chunk.cry_algo != CRYPTION_NONE) {
        auto iv = chunk.iv, aad = chunk.aad, tag = chunk.tag;
        Str plain(do_decrypt(data.get(), chunk.num_paddings, state_->cry, iv.data(), aad.data(), tag.data()));
        if (!plain)
            throw std::runtime_error("do_decrypt failed");
        data = std::move(plain);
    }
    Str out(do_decompress(data.get(), chunksize, chunk.cmp_algo, nullptr));
    if (!out)
        throw std::runtime_error("do_decompress failed");
    return bytes_of(out.get());
}

ChunkEncoder make_chunk_encoder(std::shared_ptr<ChunkCodec> codec)
{
    return [codec](const std::vector<uint8_t> &plain) { return codec->encode(plain); };
}

ChunkEncoder make_chunk_encoder(const CodecOptions &options)
{
    return make_chunk_encoder(std::make_shared<ChunkCodec>(options));
}

} // namespace orvex::testkit
