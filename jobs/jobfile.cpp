#include "jobfile.h"

#include "fields.h"
#include "names.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvex::jobs {

namespace {

// A job of a few million entries stays well below this; anything larger is
// not a file we wrote.
constexpr long long kMaxJobFile = 1LL << 30;

const char *const kKeys[] = {"Job ID",      "VESK File",     "Decrypt Password", "Estimated Size",  "Target Path",
                             "Creation Time", "Extract All", "Conflict Policy",  "Vesk Item Count"};

std::string key_line(const char *key, const std::string &value)
{
    return std::string(key) + "=" + encode_field(value) + "\n";
}

std::string num(long long v)
{
    return std::to_string(v);
}

// The lines of `text`, without their line ends (a final line end adds no
// empty line).
std::vector<std::string> split_lines(const std::string &text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t nl = text.find('\n', start);
        size_t end = nl == std::string::npos ? text.size() : nl;
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        if (nl == std::string::npos)
            break;
        start = nl + 1;
    }
    return lines;
}

// "Key=value" lines into `out` (values decoded); false on a line without
// '=' or a key seen twice.
bool key_values(const std::vector<std::string> &lines, std::map<std::string, std::string> &out, std::string &error)
{
    for (const std::string &line : lines) {
        size_t eq = line.find('=');
        if (eq == std::string::npos || eq == 0) {
            error = "a line is neither \"key=value\" nor an item line";
            return false;
        }
        if (!out.emplace(line.substr(0, eq), decode_field(line.substr(eq + 1))).second) {
            error = "the key \"" + printable(line.substr(0, eq)) + "\" appears twice";
            return false;
        }
    }
    return true;
}

bool number_in(const std::string *text, long long lo, long long hi, long long &out)
{
    return text && parse_int64(*text, out) && out >= lo && out <= hi;
}

bool parse_item(const std::string &line, JobItem &item, std::string &error)
{
    std::vector<Field> f;
    if (!parse_item_line(line, f)) {
        error = "an item line is not \"[ key=value; ... ]\"";
        return false;
    }
    const std::string *name = find_field(f, "filename"), *parent = find_field(f, "filepath"),
                      *dst = find_field(f, "dstfolderpath");
    long long size = 0, mtime = 0, type = 0, version = 0, check = 0, overwrite = 0, open = 0, folders = 0,
              files = 0;
    if (!name || name->empty() || !parent || parent->empty() || !dst ||
        !number_in(find_field(f, "size"), -1, LLONG_MAX, size) ||
        !number_in(find_field(f, "mtime"), LLONG_MIN, LLONG_MAX, mtime) ||
        !number_in(find_field(f, "type"), 0, 1, type) ||
        !number_in(find_field(f, "versionid"), INT_MIN, INT_MAX, version) ||
        !number_in(find_field(f, "checkstatus"), 0, 2, check) ||
        !number_in(find_field(f, "overwrite"), 0, 1, overwrite) ||
        !number_in(find_field(f, "openfile"), 0, 1, open) ||
        !number_in(find_field(f, "folderCount"), 0, LLONG_MAX, folders) ||
        !number_in(find_field(f, "fileCount"), 0, LLONG_MAX, files)) {
        error = "an item line lacks a field or holds a bad value";
        return false;
    }
    item = JobItem{};
    item.name = *name;
    item.parent = *parent;
    item.size = size;
    item.mtime = mtime;
    item.is_dir = type == 1;
    item.version = static_cast<int>(version);
    item.check_state = static_cast<int>(check);
    item.overwrite = overwrite == 1;
    item.dest_folder = native_path(*dst);
    item.open_file = open == 1;
    item.folder_count = folders;
    item.file_count = files;
    return true;
}

std::string system_error(const std::string &what, const std::string &path, int err)
{
    return what + " " + path + ": " + std::strerror(err);
}

} // namespace

std::string job_file_name(int id)
{
    return "Job" + std::to_string(id) + ".job";
}

std::string state_file_name(int id)
{
    return "Job" + std::to_string(id) + ".jobs";
}

std::string spill_file_name(int id)
{
    return "Job" + std::to_string(id) + ".jobi";
}

std::string format_job(const JobDefinition &job)
{
    std::string out;
    out += key_line("Job ID", num(job.id));
    out += key_line("VESK File", native_path(job.source));
    out += key_line("Decrypt Password", base64_encode(job.password));
    out += key_line("Estimated Size", num(job.estimated_size));
    out += key_line("Target Path", native_path(job.target));
    out += key_line("Creation Time", num(job.created));
    out += key_line("Extract All", job.extract_all ? "1" : "0");
    out += key_line("Conflict Policy", num(job.policy));
    out += key_line("Vesk Item Count", num(static_cast<long long>(job.items.size())));
    for (const JobItem &i : job.items) {
        out += item_line({{"filename", i.name},
                          {"filepath", i.parent},
                          {"size", num(i.size)},
                          {"mtime", num(i.mtime)},
                          {"type", i.is_dir ? "1" : "0"},
                          {"versionid", num(i.version)},
                          {"checkstatus", num(i.check_state)},
                          {"overwrite", i.overwrite ? "1" : "0"},
                          {"dstfolderpath", native_path(i.dest_folder)},
                          {"openfile", i.open_file ? "1" : "0"},
                          {"folderCount", num(i.folder_count)},
                          {"fileCount", num(i.file_count)}});
        out += '\n';
    }
    return out;
}

bool parse_job(const std::string &text, JobDefinition &out, std::string &error)
{
    std::vector<std::string> lines = split_lines(text);
    std::vector<std::string> keyed, items;
    for (std::string &line : lines) {
        if (line.empty())
            continue;
        (line.rfind("[ ", 0) == 0 ? items : keyed).push_back(std::move(line));
    }
    std::map<std::string, std::string> kv;
    if (!key_values(keyed, kv, error))
        return false;
    for (const char *key : kKeys) {
        if (!kv.count(key)) {
            error = std::string("the key \"") + key + "\" is missing";
            return false;
        }
    }
    JobDefinition job;
    long long id = 0, size = 0, created = 0, all = 0, policy = 0, count = 0;
    if (!number_in(&kv["Job ID"], kMinJobId, kMaxJobId, id)) {
        error = "the job id is not a number from 1 to 250";
        return false;
    }
    if (!number_in(&kv["Estimated Size"], 0, LLONG_MAX, size) ||
        !number_in(&kv["Creation Time"], LLONG_MIN, LLONG_MAX, created) ||
        !number_in(&kv["Extract All"], 0, 1, all) || !number_in(&kv["Conflict Policy"], 0, 2, policy) ||
        !number_in(&kv["Vesk Item Count"], 0, LLONG_MAX, count)) {
        error = "a value is not a number, or out of range";
        return false;
    }
    if (!base64_decode(kv["Decrypt Password"], job.password)) {
        error = "the password is not Base64";
        return false;
    }
    if (kv["VESK File"].empty() || kv["Target Path"].empty()) {
        error = "the source or the target path is empty";
        return false;
    }
    if (static_cast<long long>(items.size()) != count) {
        error = "the item count does not match the item lines (" + std::to_string(items.size()) + " of " +
                std::to_string(count) + ")";
        return false;
    }
    job.items.resize(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        if (!parse_item(items[i], job.items[i], error))
            return false;
    job.id = static_cast<int>(id);
    job.source = native_path(kv["VESK File"]);
    job.target = native_path(kv["Target Path"]);
    job.estimated_size = size;
    job.created = created;
    job.extract_all = all == 1;
    job.policy = static_cast<int>(policy);
    out = std::move(job);
    return true;
}

std::string format_state(const JobState &state)
{
    return key_line("Status", num(state.status)) + key_line("Version ID", num(state.version)) +
           key_line("Restoring File", state.file);
}

bool parse_state(const std::string &text, JobState &out, std::string &error)
{
    std::vector<std::string> lines;
    for (std::string &line : split_lines(text))
        if (!line.empty())
            lines.push_back(std::move(line));
    std::map<std::string, std::string> kv;
    if (!key_values(lines, kv, error))
        return false;
    for (const char *key : {"Status", "Version ID", "Restoring File"}) {
        if (!kv.count(key)) {
            error = std::string("the key \"") + key + "\" is missing";
            return false;
        }
    }
    long long status = 0, version = 0;
    if (!number_in(&kv["Status"], kQueued, kFailed, status) || status == kResetting ||
        !number_in(&kv["Version ID"], INT_MIN, INT_MAX, version)) {
        error = "the status or the version is not a number, or out of range";
        return false;
    }
    out.status = static_cast<int>(status);
    out.version = static_cast<int>(version);
    out.file = kv["Restoring File"];
    return true;
}

namespace {
const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int sextet(char ch)
{
    const char *p = ch ? std::strchr(kAlphabet, ch) : nullptr;
    return p ? static_cast<int>(p - kAlphabet) : -1;
}
} // namespace

std::string base64_encode(const std::string &bytes)
{
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size())
            v |= static_cast<unsigned char>(bytes[i + 2]);
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? kAlphabet[(v >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kAlphabet[v & 63] : '=';
    }
    return out;
}

bool base64_decode(const std::string &text, std::string &out)
{
    if (text.size() % 4 != 0)
        return false;
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3);
    for (size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        const int pad = last ? (text[i + 3] == '=') + (text[i + 2] == '=') : 0;
        if (pad == 1 && text[i + 2] == '=')
            return false; // "x=y=" is not padding
        int s[4];
        for (int k = 0; k < 4 - pad; ++k)
            if ((s[k] = sextet(text[i + k])) < 0)
                return false;
        for (int k = 4 - pad; k < 4; ++k)
            s[k] = 0;
        unsigned v = (s[0] << 18) | (s[1] << 12) | (s[2] << 6) | s[3];
        // Bits that padding leaves unused must be zero in canonical Base64.
        if ((pad == 1 && (v & 0xff)) || (pad == 2 && (v & 0xffff)))
            return false;
        bytes += static_cast<char>((v >> 16) & 0xff);
        if (pad < 2)
            bytes += static_cast<char>((v >> 8) & 0xff);
        if (pad < 1)
            bytes += static_cast<char>(v & 0xff);
    }
    out = std::move(bytes);
    return true;
}

bool write_private_file(const std::string &path, const std::string &content, bool durable, std::string &error)
{
    std::string temp = path + ".tmp-XXXXXX";
    int fd = ::mkostemp(temp.data(), O_CLOEXEC); // created 0600
    if (fd < 0) {
        error = system_error("cannot create a temporary file beside", path, errno);
        return false;
    }
    auto fail = [&](const char *what) {
        int err = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        error = system_error(what, path, err);
        return false;
    };
    size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return fail("cannot write");
        }
        done += static_cast<size_t>(n);
    }
    if (::fchmod(fd, 0600) != 0)
        return fail("cannot restrict the permissions of");
    if (durable && ::fdatasync(fd) != 0)
        return fail("cannot flush");
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        error = system_error("cannot write", path, err);
        return false;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(temp.c_str());
        error = system_error("cannot replace", path, err);
        return false;
    }
    return true;
}

bool read_job_text(const std::string &path, std::string &out, std::string &error)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        error = system_error("cannot open", path, errno);
        return false;
    }
    struct stat sb;
    if (::fstat(fd, &sb) != 0 || !S_ISREG(sb.st_mode) || sb.st_size > kMaxJobFile) {
        ::close(fd);
        error = path + " is not a job file (not a regular file, or too large)";
        return false;
    }
    std::string text;
    char buf[64 * 1024];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            int err = errno;
            ::close(fd);
            error = system_error("cannot read", path, err);
            return false;
        }
        if (n == 0)
            break;
        text.append(buf, static_cast<size_t>(n));
        if (static_cast<long long>(text.size()) > kMaxJobFile) {
            ::close(fd);
            error = path + " is too large for a job file";
            return false;
        }
    }
    ::close(fd);
    out = std::move(text);
    return true;
}

JobStateFile::JobStateFile(std::string path, JobState initial) : path_(std::move(path)), state_(std::move(initial)) {}

bool JobStateFile::set_status(int status)
{
    std::lock_guard<std::mutex> lock(mu_);
    state_.status = status;
    return write_locked();
}

bool JobStateFile::set_resume_point(int version, const std::string &file)
{
    std::lock_guard<std::mutex> lock(mu_);
    if (state_.version == version && state_.file == file)
        return true;
    state_.version = version;
    state_.file = file;
    return write_locked();
}

bool JobStateFile::clear_resume_point()
{
    return set_resume_point(-1, std::string());
}

bool JobStateFile::save()
{
    std::lock_guard<std::mutex> lock(mu_);
    return write_locked();
}

JobState JobStateFile::state() const
{
    std::lock_guard<std::mutex> lock(mu_);
    return state_;
}

std::string JobStateFile::last_error() const
{
    std::lock_guard<std::mutex> lock(mu_);
    return error_;
}

bool JobStateFile::write_locked()
{
    // Only the file's own rename makes a change visible; the resume point is
    // rewritten for every file, so it is not flushed to the disk each time.
    return write_private_file(path_, format_state(state_), false, error_);
}

} // namespace orvex::jobs
