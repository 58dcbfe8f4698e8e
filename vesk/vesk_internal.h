// Internals of the container library shared by its sources: the session
// record, RAII owners, the errno-keeping C edge, byte-range checks, progress
// reports and the byte-moving routines on open descriptors. Never installed.
#pragma once

#include "exportdb.h"
#include "file.h"
#include "util/pending_file.h"
#include "vesk.h"
#include "zlog.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The session. The first six fields are the record every caller of this
// library knows; the rest is private state of one session.
struct fs_vesk_instance {
    void *rc = nullptr;         // restore-engine instance, only while a deduplicated file is rebuilt
    char *tmp_name = nullptr;   // name of the temporary folder (dot_random_string)
    char *tmp_dir = nullptr;    // the temporary folder: the caller's path joined with tmp_name
    file_t *vesk = nullptr;     // the container, opened for reading
    file_t *exportdb = nullptr; // the extracted export database
    char msg[8192] = {};        // returned by fs_vesk_get_msg; nothing writes it

    std::string exportdb_path;
    std::string work_prefix; // temporary descriptor files: this prefix plus their suffixes
    bool vaults_loaded = false;
    std::map<std::pair<int64_t, int64_t>, std::pair<int64_t, int64_t>> vaults; // (hid, vid) -> (offset, size)
    std::vector<uint8_t> chunk_buf; // plain bytes of one chunk, kept between files

    ~fs_vesk_instance();
};

namespace orvex::vesk {

// ---- RAII and errors ------------------------------------------------------

struct FreeDeleter {
    void operator()(void *p) const noexcept { std::free(p); }
};
using CharPtr = std::unique_ptr<char, FreeDeleter>;

struct FileCloser {
    void operator()(file_t *f) const noexcept
    {
        int saved = errno;
        file_close(f);
        errno = saved;
    }
};
using FilePtr = std::unique_ptr<file_t, FileCloser>;

struct PendingDiscard {
    void operator()(pending_file_t *f) const noexcept { pending_file_discard(f); }
};
using PendingPtr = std::unique_ptr<pending_file_t, PendingDiscard>;

// A plain descriptor closed when its owner goes.
class Fd {
public:
    explicit Fd(int fd = -1) noexcept : fd_(fd) {}
    ~Fd();
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const noexcept { return fd_; }
    explicit operator bool() const noexcept { return fd_ >= 0; }
    // Closes now; 0, or -1 with errno (a late write error).
    int close() noexcept;

private:
    int fd_;
};

inline int fail(int err) noexcept
{
    errno = err;
    return -1;
}

// The system's text for an errno value.
const char *errtext(int err) noexcept;

// Logs an inconsistency of the container (with the entry or object it
// concerns) and fails with EIO.
#define VESK_CORRUPT(...) (OLOG(OLOG_ERROR, __VA_ARGS__), ::orvex::vesk::fail(EIO))

// Runs `fn` inside an exported call: an exception (an allocation failure)
// becomes `on_error` with errno ENOMEM, and errno is set after every
// destructor inside `fn` ran.
template <typename Fn, typename R>
R c_edge(R on_error, Fn &&fn) noexcept
{
    int err = 0;
    R result = on_error;
    try {
        result = fn();
        err = errno;
    } catch (...) {
        OLOG(OLOG_ERROR, "out of memory");
        err = ENOMEM;
        result = on_error;
    }
    errno = err;
    return result;
}

// ---- Byte ranges of the container ----------------------------------------

// A range read from the export database: absent when either value is
// negative.
struct Range {
    int64_t offset = -1;
    int64_t size = -1;
    bool present() const { return offset >= 0 && size >= 0; }
};

// Size of the open container in bytes.
int64_t container_size(const fs_vesk_instance *s) noexcept;
// 0 when `r` lies inside the container, else logs `what` of `entry` and
// fails with EIO.
int check_range(const fs_vesk_instance *s, const Range &r, const char *what, const char *entry) noexcept;

// ---- Files of the temporary folder ---------------------------------------

// Creates the folder `path` readable by its owner only; an existing folder
// is kept. 0, or -1 with errno.
int make_private_dir(const char *path) noexcept;
// Creates (or empties) the file `path` readable by its owner only, never
// through a link. The descriptor, or -1 with errno.
int create_private_file(const char *path) noexcept;

// ---- Progress reports ----------------------------------------------------

// Where the reports of a copy go: the callback and the record that names
// the entry (an exportdb_data_t as the copy routines take it).
struct Progress {
    fs_vesk_restore_file_progress_cbk cbk = nullptr;
    const exportdb_data_t *record = nullptr;
    int offset = 0; // window [offset, offset + size] in percent
    int size = 100;

    // Reports status 0 with done/total mapped into the window; the
    // callback's answer (0 without a callback).
    int report(double done, double total) const;
};

// ---- Moving bytes ---------------------------------------------------------

// Indexed by vesk_compress_type_t.
extern const vesk_compression_t vesk_compressions[VESK_COMPRESS_MAX];

// Writes all `len` bytes at the position of `fd` (at `offset` when it is not
// negative). 0, or -1 with errno (ENOSPC when the system took nothing more
// without saying why).
int write_all(int fd, const void *data, size_t len, int64_t offset = -1) noexcept;

// Copies `size` bytes from the position of `src_fd` to `dst_fd` (dst_fd < 0:
// read only), a report per 8192-byte block. 0 or -1 with errno.
int plain_copy(int src_fd, int64_t size, int dst_fd, const Progress &progress) noexcept;
// Decodes one zstd frame read from the position of `src_fd`, using at most
// `in_limit` stored bytes, and writes at most `out_limit` plain bytes to
// `dst_fd` (dst_fd < 0: checked only). The plain byte count, or -1 with
// errno.
int64_t zstd_decode(int src_fd, int64_t in_limit, int dst_fd, int64_t out_limit) noexcept;
// `size` bytes at `offset` of the open container through `method` into
// `dst_fd` (see the table in vesk.h). 0 or -1 with errno.
int copy_range_to_fd(int src_fd, int64_t offset, int64_t size, int dst_fd, int method,
                     const Progress &progress) noexcept;

// ---- Entries --------------------------------------------------------------

// One entry of the export database as a restore needs it, strings copied.
struct Entry {
    std::string path; // "\\a\\b"; "" for the root
    int64_t size = 0;
    int64_t mtime = 0;
    int filetype = 0;
    std::string lnk;
    Range store, descriptor, shm, wal, sparse;
};

// Finds `path` ("\\" for the root). 0, or -1 with errno (ENOENT when the
// container has no such entry).
int find_entry(fs_vesk_instance *s, const char *path, Entry &out);

// Where a rebuilt entry goes and how it is reported.
struct Target {
    int fd = -1;             // the destination under construction; -1 while verifying
    const char *to = nullptr; // the destination as reported
    fs_vesk_restore_file_progress_cbk cbk = nullptr;
    exportdb_data_t record{}; // instance, version, from, to, user data of the reports
};

// Rebuilds a deduplicated file (descriptor, sparse part, chunks) into
// `t.fd`, or only reads and checks it. 0 or -1 with errno.
int rebuild_dedup(fs_vesk_instance *s, const Entry &e, const Target &t);

} // namespace orvex::vesk
