// Shared helpers of the program's tests: a strict message filter, private
// settings/data folders, and backup folders written by the test kit.
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <testkit/tempdir.h>
#include <testkit/trellis.h>
#include <testkit/trellis_content.h>

#include <sys/stat.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>

namespace guitest {

// Every message the process printed, for checks that something was never
// printed (a password).
inline QStringList &capturedMessages()
{
    static QStringList messages;
    return messages;
}
inline std::mutex &captureMutex()
{
    static std::mutex m;
    return m;
}

// Warnings are failures, except the offscreen platform's note that it
// cannot propagate size hints.
inline void strictMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    {
        std::lock_guard<std::mutex> lock(captureMutex());
        capturedMessages() << msg;
    }
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (msg == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    std::fprintf(stderr, "unexpected Qt warning: %s\n", msg.toLocal8Bit().constData());
    std::abort();
}

inline void installStrictMessageHandler()
{
    qInstallMessageHandler(strictMessageHandler);
}

inline QStringList takeCapturedMessages()
{
    std::lock_guard<std::mutex> lock(captureMutex());
    QStringList out = capturedMessages();
    capturedMessages().clear();
    return out;
}

inline QStringList capturedMessagesCopy()
{
    std::lock_guard<std::mutex> lock(captureMutex());
    return capturedMessages();
}

inline QString qstr(const std::filesystem::path &p)
{
    return QString::fromStdString(p.string());
}

// A backup folder with one version whose root holds `folders` folders and
// `files` files (folders named d000000..., files f000000.txt...), written
// straight into a full catalogue so it scales to 100,000 entries.
inline void writeFlatFolder(const std::filesystem::path &dir, int folders, int files,
                            const std::string &password = std::string())
{
    namespace tr = orvex::testkit::trellis;
    std::filesystem::create_directories(dir);
    {
        tr::Catalogue cat(dir / tr::full_name(1), false);
        const int64_t start = 1700000000;
        cat.add_version(1, start, start + 600, 1);
        const int64_t root = cat.add_path(std::nullopt, "");
        tr::HistoryRow r;
        r.path_id = root;
        r.is_dir = true;
        r.attr = tr::make_attr(0, start, 24);
        cat.add_history(r);
        char name[32];
        for (int i = 0; i < folders; ++i) {
            std::snprintf(name, sizeof name, "d%06d", i);
            tr::HistoryRow h;
            h.path_id = cat.add_path(root, name);
            h.is_dir = true;
            h.attr = tr::make_attr(0, start + i, 24);
            cat.add_history(h);
        }
        for (int i = 0; i < files; ++i) {
            std::snprintf(name, sizeof name, "f%06d.txt", i);
            tr::HistoryRow h;
            h.path_id = cat.add_path(root, name);
            h.attr = tr::make_attr(static_cast<uint64_t>(i) * 100 + 1, start + i, 24);
            cat.add_history(h);
        }
        cat.finish();
    }
    const std::string job = tr::make_job_id(7);
    tr::write_job_info(dir, job, password.empty() ? std::string() : tr::make_signature(password, job, 7),
                       tr::InfoForm::KeyValue);
}

// A catalogue path ("\\a\\b") below `root`.
inline std::filesystem::path localPath(const std::filesystem::path &root, const std::string &catalogue)
{
    std::filesystem::path p = root;
    std::string name;
    for (char c : catalogue + "\\") {
        if (c != '\\') {
            name += c;
        } else if (!name.empty()) {
            p /= name;
            name.clear();
        }
    }
    return p;
}

// The first difference between `dest` and the entries of `version` below the
// catalogue folder `from` ("\\" for the root), whose contents landed directly
// in `dest`: a missing entry, other bytes, another modification time. ""
// when everything matches. Entries named in `except` are not looked at.
inline std::string treeDifference(const std::filesystem::path &dest, const orvex::testkit::trellis::VersionManifest &version,
                                  const orvex::testkit::trellis::ContentWriter &contents, const std::string &from = "\\",
                                  const std::vector<std::string> &except = {})
{
    const std::string prefix = from == "\\" ? "\\" : from + "\\";
    int compared = 0;
    for (const auto &e : version.entries) {
        if (e.path.rfind(prefix, 0) != 0 || std::find(except.begin(), except.end(), e.path) != except.end())
            continue;
        ++compared;
        const std::filesystem::path p = localPath(dest, e.path.substr(prefix.size() - 1));
        struct stat sb;
        if (::lstat(p.c_str(), &sb) != 0)
            return "missing: " + e.path;
        if (e.is_dir != S_ISDIR(sb.st_mode) || (!e.is_dir && !S_ISREG(sb.st_mode)))
            return "of another kind: " + e.path;
        if (sb.st_mtime != e.mtime)
            return "another time: " + e.path + " " + std::to_string(sb.st_mtime) + " instead of " + std::to_string(e.mtime);
        if (e.is_dir)
            continue;
        const std::vector<uint8_t> want = e.is_link ? std::vector<uint8_t>{} : contents.content(e.path, version.version);
        if (orvex::testkit::read_file(p) != want)
            return "other bytes: " + e.path;
    }
    return compared ? std::string() : "nothing below " + from;
}

} // namespace guitest
