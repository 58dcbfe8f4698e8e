// Chunk records as a vault holds them (128-byte chunk header, stored bytes,
// their parities), read through the restore engine from a buffer: the
// header's checks, the signature, the repair, the decryption and the
// decompression. The first input byte picks the decrypter (none or one of
// the AES-GCM key lengths, fixed keys) and the size of the output buffer.
#include "restore.h"

#include <cstring>
#include <memory>
#include <vector>

namespace {

struct Instance {
    void *p = nullptr;
    ~Instance() { restore_destroy_instance(p); }
};

// One instance per decrypter, made once: the engine's set-up is not what
// this harness looks at.
void *instance_for(int cry)
{
    static Instance instances[4];
    static const char *const names[] = {nullptr, "aes-128", "aes-192", "aes-256"};
    static const int key_len[] = {0, 16, 24, 32};
    Instance &in = instances[cry];
    if (!in.p) {
        in.p = restore_create_instance();
        if (!in.p)
            return nullptr;
        if (cry) {
            std::vector<uint8_t> key(static_cast<size_t>(key_len[cry]));
            for (size_t i = 0; i < key.size(); ++i)
                key[i] = static_cast<uint8_t>(i * 7 + 1);
            restore_set_decrypter(in.p, names[cry], key.data(), key_len[cry]);
        }
        restore_set_sort_method(in.p, "read-chunk");
        restore_start_instance(in.p);
    }
    return in.p;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > (1u << 20))
        return 0;
    void *in = instance_for(data[0] & 3);
    if (!in)
        return 0;
    // Output buffers from tiny to roomy, so the bound on the caller's buffer
    // is exercised too.
    static const uint32_t caps[] = {1, 255, 4096, 1u << 17};
    std::vector<uint8_t> record(data + 1, data + size);
    std::vector<uint8_t> out(caps[(data[0] >> 2) & 3]);
    restore_read_chunk_from_buffer(in, record.data(), static_cast<uint32_t>(record.size()), out.data(),
                                   static_cast<uint32_t>(out.size()));
    return 0;
}
