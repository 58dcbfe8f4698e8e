#include "spill.h"

#include "fields.h"

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvex::jobs {

namespace {

constexpr size_t kWriteBuffer = 64 * 1024;
constexpr size_t kReadChunk = 64 * 1024;
// A line longer than this is not one we wrote.
constexpr size_t kMaxLine = 64 * 1024;

[[noreturn]] void fail(const std::string &what, int err)
{
    throw std::system_error(err, std::generic_category(), what);
}

int open_private(const std::string &path, std::string &made)
{
    if (!path.empty()) {
        ::unlink(path.c_str()); // a stale spill, or a link put in its place
        int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            fail("cannot create the spill file " + path, errno);
        made = path;
        return fd;
    }
    const char *tmp = std::getenv("TMPDIR");
    std::string templ = std::string(tmp && *tmp ? tmp : "/tmp") + "/orvex-spill-XXXXXX";
    int fd = ::mkostemp(templ.data(), O_CLOEXEC);
    if (fd < 0)
        fail("cannot create a temporary spill file in " + templ, errno);
    ::unlink(templ.c_str()); // unnamed from now on: gone with the descriptor
    return fd;
}

} // namespace

Spill::Spill(const std::string &path)
{
    fd_ = open_private(path, path_);
}

Spill::~Spill()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!path_.empty())
        ::unlink(path_.c_str());
}

std::string Spill::format(const SpillEntry &e)
{
    return item_line({{"source", e.source},
                      {"destination", e.destination},
                      {"version", std::to_string(e.version)},
                      {"type", e.is_dir ? "1" : "0"},
                      {"size", std::to_string(e.size)},
                      {"mtime", std::to_string(e.mtime)}});
}

bool Spill::parse(const std::string &line, SpillEntry &out)
{
    std::vector<Field> fields;
    if (!parse_item_line(line, fields))
        return false;
    const std::string *src = find_field(fields, "source"), *dst = find_field(fields, "destination"),
                      *ver = find_field(fields, "version"), *type = find_field(fields, "type"),
                      *size = find_field(fields, "size"), *mtime = find_field(fields, "mtime");
    long long v = 0, t = 0;
    if (!src || !dst || !ver || !parse_int64(*ver, v) || v < 0 || v > 0x7fffffff)
        return false;
    out = SpillEntry{};
    out.version = static_cast<int>(v);
    out.source = *src;
    out.destination = *dst;
    // Lines with only the first three fields name folders to expand.
    out.is_dir = true;
    if (type) {
        if (!parse_int64(*type, t) || (t != 0 && t != 1))
            return false;
        out.is_dir = t == 1;
    }
    if (size && !parse_int64(*size, out.size))
        return false;
    if (mtime && !parse_int64(*mtime, out.mtime))
        return false;
    return true;
}

void Spill::append(const SpillEntry &entry)
{
    wbuf_ += format(entry);
    wbuf_ += '\n';
    ++appended_;
    if (wbuf_.size() >= kWriteBuffer)
        flush();
}

void Spill::flush()
{
    size_t done = 0;
    while (done < wbuf_.size()) {
        ssize_t n = ::pwrite(fd_, wbuf_.data() + done, wbuf_.size() - done, write_off_);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail("cannot write the spill file", n < 0 ? errno : ENOSPC);
        done += static_cast<size_t>(n);
        write_off_ += n;
    }
    wbuf_.clear();
}

size_t Spill::read_batch(std::vector<SpillEntry> &out, size_t max)
{
    out.clear();
    if (pending() > 0)
        flush();
    while (out.size() < max && read_ < appended_) {
        size_t nl = rbuf_.find('\n', rpos_);
        if (nl == std::string::npos) {
            rbuf_.erase(0, rpos_);
            rpos_ = 0;
            if (rbuf_.size() > kMaxLine)
                fail("a spill line is too long", EIO);
            char chunk[kReadChunk];
            ssize_t n = ::pread(fd_, chunk, sizeof chunk, read_off_);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                fail("cannot read the spill file", n < 0 ? errno : EIO);
            rbuf_.append(chunk, static_cast<size_t>(n));
            read_off_ += n;
            continue;
        }
        SpillEntry e;
        if (!parse(rbuf_.substr(rpos_, nl - rpos_), e))
            fail("the spill file holds a line that is not an entry", EIO);
        rpos_ = nl + 1;
        out.push_back(std::move(e));
        ++read_;
    }
    return out.size();
}

} // namespace orvex::jobs
