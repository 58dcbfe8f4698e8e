// Reading single chunks of a backup folder exactly as a restore reads them:
// shared by the file restore (and its check-only walk) and the range reads of
// open files. Internal to libtrellis-vesk.
#pragma once

#include "trellis_common.h"
#include "trellis_raii.h"

#include <cstdio>
#include <memory>
#include <string>

namespace orvex::trellis {

// Reads and checks chunks of one backup folder for one thread at a time:
// ovt chunks through a restore-engine instance (signature, repair,
// decryption, decompression), tvt chunks through the library's own reader
// with the folder's vault key. Keeps the last tvt vault open between reads.
class ChunkReader {
public:
    // `engine` is borrowed (NULL: ovt chunks fail); `password` may be empty.
    ChunkReader(void *engine, const std::string &db_home, const char *password);
    ~ChunkReader();
    ChunkReader(const ChunkReader &) = delete;
    ChunkReader &operator=(const ChunkReader &) = delete;

    // The chunk at `vault_offset` of vault `vault_id` (>= 0 ovt, < 0 tvt of
    // the negated number) into `buf` of `cap` bytes. ovt chunks are checked
    // by the engine (signature, repair), tvt chunks against their digest
    // field; `unchecked` (may be null) counts tvt chunks read that carry no
    // digest. The content length, or a negative value after a printed message
    // naming the vault and the offset (damaged, missing, not a regular file,
    // wrong key, location out of range).
    int read(long long vault_id, long long vault_offset, char *buf, int cap, long long *unchecked = nullptr);

private:
    struct FileCloser {
        void operator()(FILE *f) const { std::fclose(f); }
    };
    void *engine_;
    std::string db_home_;
    unsigned char key_[32] = {0};
    std::unique_ptr<FILE, FileCloser> tvt_;
    long long tvt_number_ = -1;
};

// A restore-engine instance set up for the session's folder and password in
// the single-chunk order; NULL after a printed message.
void *make_restore_engine(const TRELLIS_VESK_CLIENT *client);

// The descriptor database of `fd_vault_id`, brought into the working folder
// first in temporary mode, opened read-only with the defensive settings.
// TV_OK, TV_SHORT_WRITE (the working folder's disk is full) or TV_FAILURE.
int open_descriptor(const TRELLIS_VESK_CLIENT *c, long long fd_vault_id, Db &db);

} // namespace orvex::trellis
