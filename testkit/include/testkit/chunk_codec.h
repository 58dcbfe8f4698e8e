// The stored form of chunks for the test kit: compression with any method
// and AES-GCM encryption, through the library's own do_compress and
// do_encrypt, so that fixtures are exactly what a reader expects.
#pragma once

#include "testkit/tempdir.h"
#include "testkit/vault_writer.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace orvex::testkit {

struct CodecOptions {
    int cmp_algo = 0; // compression method number, 0-5
    int cry_algo = 0; // encryption method number, 0-3
    std::vector<uint8_t> key; // the method's key length (empty for none)
    uint32_t max_chunksize = 65536;
    // IVs and AADs come from this seed so that fixtures are reproducible;
    // the library's own IVs come from the system's random source.
    uint64_t iv_seed = 1;
};

// A key of the right length for `cry_algo`, reproducible from `seed`.
std::vector<uint8_t> make_key(int cry_algo, uint64_t seed);

// Encodes chunks one after the other with fixed options. Not thread-safe.
class ChunkCodec {
public:
    explicit ChunkCodec(CodecOptions options);
    ~ChunkCodec();
    ChunkCodec(const ChunkCodec &) = delete;
    ChunkCodec &operator=(const ChunkCodec &) = delete;

    // Plain bytes (at least one) -> stored bytes and header fields.
    // cmp_algo is the method the bytes really use (0 when compression
    // did not make the chunk smaller). Throws std::runtime_error on failure.
    StoredChunk encode(const std::vector<uint8_t> &plain);
    // The reverse, through do_decrypt and do_decompress.
    std::vector<uint8_t> decode(const StoredChunk &chunk, uint32_t chunksize);

    const CodecOptions &options() const { return options_; }

private:
    struct State;
    CodecOptions options_;
    Rng rng_;
    std::unique_ptr<State> state_;
};

// A ChunkEncoder for VaultWriter that shares one codec.
ChunkEncoder make_chunk_encoder(std::shared_ptr<ChunkCodec> codec);
ChunkEncoder make_chunk_encoder(const CodecOptions &options);

} // namespace orvex::testkit
