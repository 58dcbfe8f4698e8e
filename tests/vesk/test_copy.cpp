// The copy helpers and the compression table: round trips through each
// method, refusals, sources that end early, damaged zstd streams, reports
// and cancel.
#include "vesk_fixture.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace vesk_test;

// A file being written as a container: `prefix` bytes already there.
struct Sink {
    tk::TempDir dir{"vesk-copy"};
    fs::path path = dir / "sink";
    int fd = -1;
    explicit Sink(size_t prefix = 1000)
    {
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
        std::vector<uint8_t> pad(prefix, 'p');
        EXPECT_EQ(::write(fd, pad.data(), pad.size()), static_cast<ssize_t>(pad.size()));
    }
    ~Sink() { ::close(fd); }
};

// Reports of copy_to_vesk carry no record, so no user data: they land here.
std::vector<float> g_progress;
int note_progress(void *, int, const char *, const char *, int, float progress, void *)
{
    g_progress.push_back(progress);
    return 0;
}

TEST(VeskCopy, RoundTripThroughEachMethod)
{
    tk::TempDir dir("vesk-copy");
    const std::vector<uint8_t> source = tk::make_bytes(3, 400000, tk::Content::Mixed);
    tk::write_file(dir / "source", source);
    for (int method : {VESK_COMPRESS_NONE, VESK_COMPRESS_ZSTD}) {
        for (int64_t size : {0, 1, 8192, 8193, 300000}) {
            Sink sink;
            g_progress.clear();
            int64_t off = -1, stored = -1;
            ASSERT_EQ(copy_to_vesk((dir / "source").c_str(), 100, size, sink.fd, method,
                                   reinterpret_cast<void *>(&note_progress), 10, 50, &off, &stored),
                      0)
                << method << " " << size;
            EXPECT_EQ(off, 1000);
            EXPECT_EQ(stored, static_cast<int64_t>(fs::file_size(sink.path)) - 1000);
            if (method == VESK_COMPRESS_NONE) {
                const std::vector<float> &p = g_progress;
                EXPECT_EQ(p.size(), static_cast<size_t>((size + 8191) / 8192));
                if (!p.empty()) {
                    EXPECT_GE(p.front(), 10.0f);
                    EXPECT_FLOAT_EQ(p.back(), 60.0f);
                }
            }
            const fs::path back = sink.dir / "nested" / "back";
            ASSERT_EQ(copy_from_vesk(sink.fd, static_cast<uint64_t>(off), static_cast<uint64_t>(stored),
                                     back.c_str(), method, nullptr, 0, 0, nullptr),
                      0);
            EXPECT_EQ(bytes_of(back), std::vector<uint8_t>(source.begin() + 100, source.begin() + 100 + size));
        }
    }
}

TEST(VeskCopy, Refusals)
{
    Sink sink;
    tk::write_file(sink.dir / "source", {1, 2, 3});
    const std::string src = (sink.dir / "source").string(), dst = (sink.dir / "dst").string();
    for (int method : {-1, 2}) {
        errno = 0;
        EXPECT_EQ(copy_to_vesk(src.c_str(), 0, 3, sink.fd, method, nullptr, 0, 0, nullptr, nullptr), -1);
        EXPECT_EQ(errno, EINVAL);
        errno = 0;
        EXPECT_EQ(copy_from_vesk(sink.fd, 0, 3, dst.c_str(), method, nullptr, 0, 0, nullptr), -1);
        EXPECT_EQ(errno, EINVAL);
    }
    EXPECT_EQ(copy_from_vesk(sink.fd, 0, 3, nullptr, 0, nullptr, 0, 0, nullptr), -1);
    EXPECT_EQ(copy_to_vesk(src.c_str(), 0, -1, sink.fd, 0, nullptr, 0, 0, nullptr, nullptr), -1);
    EXPECT_EQ(copy_to_vesk((sink.dir / "none").c_str(), 0, 1, sink.fd, 0, nullptr, 0, 0, nullptr, nullptr), -1);
    EXPECT_FALSE(fs::exists(dst));
}

// A source that ends before the size it was given fails: a short copy must
// not pass for a whole one. Nothing appears at the destination, and a file
// already there stays.
TEST(VeskCopy, SourcesThatEndEarlyFail)
{
    Sink sink;
    tk::write_file(sink.dir / "short", std::vector<uint8_t>(100, 's'));
    for (int method : {VESK_COMPRESS_NONE, VESK_COMPRESS_ZSTD})
        EXPECT_EQ(copy_to_vesk((sink.dir / "short").c_str(), 0, 200, sink.fd, method, nullptr, 0, 0, nullptr, nullptr),
                  -1)
            << method;
    const fs::path dst = sink.dir / "dst";
    EXPECT_EQ(copy_from_vesk(sink.fd, 900, 8192 + 100, dst.c_str(), VESK_COMPRESS_NONE, nullptr, 0, 0, nullptr), -1);
    EXPECT_FALSE(fs::exists(dst));
    tk::write_file(dst, {'o', 'l', 'd'});
    EXPECT_EQ(copy_from_vesk(sink.fd, 900, 8192 + 100, dst.c_str(), VESK_COMPRESS_NONE, nullptr, 0, 0, nullptr), -1);
    EXPECT_EQ(bytes_of(dst), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(names_in(sink.dir.path()), (std::vector<std::string>{"dst", "short", "sink"}));
}

TEST(VeskCopy, ZstdStreams)
{
    Sink sink(0);
    const std::vector<uint8_t> plain = tk::make_bytes(4, 500000, tk::Content::Mixed);
    tk::write_file(sink.dir / "plain", plain);
    int64_t off = -1, stored = -1;
    ASSERT_EQ(copy_to_vesk((sink.dir / "plain").c_str(), 0, 500000, sink.fd, VESK_COMPRESS_ZSTD, nullptr, 0, 0, &off,
                           &stored),
              0);
    // Bytes after the frame are not read: reading stops where it ends.
    std::vector<uint8_t> after(5000, 0xEE);
    ASSERT_EQ(::write(sink.fd, after.data(), after.size()), 5000);
    const fs::path out = sink.dir / "out";
    ASSERT_EQ(copy_from_vesk(sink.fd, 0, static_cast<uint64_t>(stored) + 5000, out.c_str(), VESK_COMPRESS_ZSTD,
                             nullptr, 0, 0, nullptr),
              0);
    EXPECT_EQ(bytes_of(out), plain);
    fs::remove(out);
    // A range that ends inside the frame, and a frame with damaged bytes.
    EXPECT_EQ(copy_from_vesk(sink.fd, 0, static_cast<uint64_t>(stored) - 1, out.c_str(), VESK_COMPRESS_ZSTD, nullptr, 0,
                             0, nullptr),
              -1);
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(copy_from_vesk(sink.fd, static_cast<uint64_t>(stored), 5000, out.c_str(), VESK_COMPRESS_ZSTD, nullptr, 0,
                             0, nullptr),
              -1);
    EXPECT_FALSE(fs::exists(out));
}

TEST(VeskCopy, AReportAnsweredNonZeroStopsTheCopy)
{
    Sink sink(0);
    std::vector<uint8_t> data(50000, 'd');
    ASSERT_EQ(::write(sink.fd, data.data(), data.size()), 50000);
    Reports r;
    r.answer = 1;
    r.answer_from = 2;
    exportdb_data_t record{};
    record.user_data = &r;
    const fs::path out = sink.dir / "out";
    errno = 0;
    EXPECT_EQ(copy_from_vesk(sink.fd, 0, 50000, out.c_str(), VESK_COMPRESS_NONE,
                             reinterpret_cast<void *>(&Reports::record), 0, 100, &record),
              -1);
    EXPECT_EQ(errno, EINTR);
    EXPECT_EQ(r.list.size(), 3u);
    EXPECT_FALSE(fs::exists(out));
}

} // namespace
