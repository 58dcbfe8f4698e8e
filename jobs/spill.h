// The spill of a job's expanded folders ("Job%1.jobi"): entries are appended
// as folders are listed and read back in order, in batches, so a job over
// millions of entries holds only one batch in memory. One line an entry:
//   [ source=<catalogue path>; destination=<native path>; version=<n>;
//     type=<1 folder, 0 file>; size=<bytes>; mtime=<seconds> ]
// The file is private to its owner and removed when the spill goes away.
#pragma once

#include <string>
#include <vector>

namespace orvex::jobs {

struct SpillEntry {
    int version = 0;
    std::string source;
    std::string destination;
    bool is_dir = false;
    long long size = 0;
    long long mtime = 0;
};

class Spill {
public:
    // Creates (or empties) the file at `path`, readable by its owner only;
    // an empty `path` makes an unnamed temporary file. Throws
    // std::system_error when the file cannot be made.
    explicit Spill(const std::string &path);
    ~Spill();
    Spill(const Spill &) = delete;
    Spill &operator=(const Spill &) = delete;

    // Throws std::system_error on a write error (a full disk, say).
    void append(const SpillEntry &entry);
    // Up to `max` entries not read yet, in the order they were appended;
    // `out` is replaced. Returns how many. Throws on a read error or a line
    // that is not an entry.
    size_t read_batch(std::vector<SpillEntry> &out, size_t max);
    // Entries appended and not read yet.
    long long pending() const { return appended_ - read_; }

    static std::string format(const SpillEntry &entry);
    static bool parse(const std::string &line, SpillEntry &out);

private:
    void flush();

    int fd_ = -1;
    std::string path_;
    std::string wbuf_;
    std::string rbuf_;          // bytes read; those from rpos_ on are not parsed yet
    size_t rpos_ = 0;
    long long write_off_ = 0;   // file offset after the last flushed byte
    long long read_off_ = 0;    // file offset of the next byte to read
    long long appended_ = 0, read_ = 0;
};

} // namespace orvex::jobs
