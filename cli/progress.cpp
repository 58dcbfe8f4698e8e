#include "progress.h"

#include "names.h"
#include "session.h"

#include <algorithm>
#include <cstdio>

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace orvex::cli {

namespace oj = orvex::jobs;

bool JobView::stderr_is_terminal()
{
#if defined(_WIN32)
    return false;
#else
    return isatty(STDERR_FILENO) == 1;
#endif
}

bool JobView::stop_requested()
{
    return interrupted();
}

void JobView::on_progress(const oj::ProgressSnapshot &p)
{
    if (!bar_)
        return;
    const double frac =
        p.bytes_total > 0 ? std::min(1.0, static_cast<double>(p.bytes_done) / static_cast<double>(p.bytes_total))
                          : 0.0;
    char bar[21];
    const int filled = static_cast<int>(frac * 20);
    for (int i = 0; i < 20; ++i)
        bar[i] = i < filled ? '#' : '.';
    bar[20] = '\0';
    const std::string left = p.seconds_left < 0 ? "--:--" : oj::human_duration(p.seconds_left);
    std::fprintf(stderr, "\r[%s] %lld/%lld files  %s/%s  %.1f MB/s  ETA %s   ", bar, p.files_done, p.files_total,
                 oj::human_bytes(p.bytes_done).c_str(), oj::human_bytes(p.bytes_total).c_str(),
                 p.bytes_per_second / 1e6, left.c_str());
    std::fflush(stderr);
    drawn_ = true;
}

void JobView::on_item(const oj::ItemResult &r)
{
    if (r.outcome == oj::Outcome::Failed)
        add_failure(r.source, r.message);
    item(r);
}

void JobView::add_failure(const std::string &path, const std::string &message)
{
    finish();
    print_error(oj::printable(path) + ": " + oj::printable(message));
    failures_.push_back({{"path", path}, {"error", message}});
}

void JobView::finish()
{
    if (drawn_) {
        std::fprintf(stderr, "\r%*s\r", 100, "");
        std::fflush(stderr);
        drawn_ = false;
    }
}

std::string dump_json(const nlohmann::ordered_json &j)
{
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace orvex::cli
