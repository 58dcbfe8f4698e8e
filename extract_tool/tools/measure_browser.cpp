// orvex-extool-measure: how the browser copes with a folder of 100,000
// entries. Prints the time from pressing the folder in the tree to page 1
// shown, the longest pause of the GUI thread meanwhile, the same listing
// through the library alone (the baseline of the ratio), and the peak memory.
//   orvex-extool-measure write DIR [ENTRIES]   writes the backup folder
//   orvex-extool-measure run DIR               opens it and measures
#include "ArchiveSession.h"
#include "VeskFileInfo.h"
#include "VeskOpener.h"

#include <testkit/trellis.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include <sys/resource.h>

#include <cstdio>
#include <string>

namespace tr = orvex::testkit::trellis;

namespace {

long peakRssKiB()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_maxrss;
}

long currentRssKiB()
{
    FILE *f = std::fopen("/proc/self/statm", "r");
    long pages = 0, resident = 0;
    if (f) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * 4;
}

// Root: one folder "big" with `entries` entries (a tenth of them folders).
int writeFolder(const std::string &dir, int entries)
{
    std::filesystem::create_directories(dir);
    {
        tr::Catalogue cat(std::filesystem::path(dir) / tr::full_name(1), false);
        const int64_t start = 1700000000;
        cat.add_version(1, start, start + 600, 1);
        auto dirRow = [&](int64_t id, int64_t t) {
            tr::HistoryRow h;
            h.path_id = id;
            h.is_dir = true;
            h.attr = tr::make_attr(0, t, 24);
            cat.add_history(h);
        };
        const int64_t root = cat.add_path(std::nullopt, "");
        dirRow(root, start);
        const int64_t big = cat.add_path(root, "big");
        dirRow(big, start);
        char name[40];
        for (int i = 0; i < entries; ++i) {
            const bool folder = i % 10 == 0;
            std::snprintf(name, sizeof name, folder ? "folder %06d" : "file %06d.dat", i);
            const int64_t id = cat.add_path(big, name);
            if (folder) {
                dirRow(id, start + i);
            } else {
                tr::HistoryRow h;
                h.path_id = id;
                h.attr = tr::make_attr(static_cast<uint64_t>(i) * 37 + 1, start + i, 24);
                cat.add_history(h);
            }
        }
        cat.finish();
    }
    tr::write_job_info(dir, tr::make_job_id(3), std::string(), tr::InfoForm::KeyValue);
    std::printf("wrote %s with %d entries in \\big\n", dir.c_str(), entries);
    return 0;
}

int run(const QString &dir)
{
    QStandardPaths::setTestModeEnabled(true); // keep the working copy out of the user's folders
    VeskFileInfo page;
    page.resize(1100, 700);
    page.show();
    const long rssBefore = currentRssKiB();

    VeskOpener opener(nullptr);
    ArchiveSessionPtr session;
    if (opener.openAttempt(dir, QString(), &session) != 0 || !session) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(dir));
        return 1;
    }

    // Baseline: the same folder listed by the library alone.
    QElapsedTimer t;
    t.start();
    qint64 rawCount = 0;
    session->listFolder(1, QStringLiteral("\\big"), [&](const ArchiveSession::Entry &) {
        ++rawCount;
        return true;
    });
    const double rawMs = t.nsecsElapsed() / 1e6;

    QSignalSpy listed(&page, &VeskFileInfo::listingApplied);
    page.showVeskFolder(session);
    if (!listed.wait(600000))
        return 1;
    while (page.isBusy())
        QApplication::processEvents(QEventLoop::AllEvents, 50);

    QTreeWidgetItem *big = page.tree()->topLevelItem(0) ? page.tree()->topLevelItem(0)->child(0) : nullptr;
    if (!big) {
        std::fprintf(stderr, "no folder to press\n");
        return 1;
    }
    // The GUI thread's longest pause while the listing runs: a 5 ms timer
    // that should keep firing.
    QElapsedTimer tick;
    qint64 longestPauseMs = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        longestPauseMs = qMax(longestPauseMs, tick.restart());
    });
    bool shown = false;
    QObject::connect(&page, &VeskFileInfo::pageShown, [&] {
        if (page.table()->rowCount() > 0)
            shown = true;
    });
    heartbeat.start(5);
    tick.start();
    t.restart();
    page.folderTreeItemPressed(big, 0);
    // Press returns at once: the listing runs on the query thread.
    const double pressMs = t.nsecsElapsed() / 1e6;
    while (!shown)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double shownMs = t.nsecsElapsed() / 1e6;
    heartbeat.stop();
    QApplication::processEvents();

    std::printf("entries in the folder:            %lld (library reported %lld)\n",
                static_cast<long long>(page.pageInfo().entries), static_cast<long long>(rawCount));
    std::printf("press handler returned after:     %.1f ms\n", pressMs);
    std::printf("press to page 1 shown:            %.1f ms\n", shownMs);
    std::printf("library listing alone (baseline): %.1f ms\n", rawMs);
    std::printf("ratio shown/baseline:             %.2f\n", rawMs > 0 ? shownMs / rawMs : 0.0);
    std::printf("longest GUI-thread pause:         %lld ms\n", static_cast<long long>(longestPauseMs));
    std::printf("resident memory before opening:   %.1f MiB\n", rssBefore / 1024.0);
    std::printf("resident memory, folder listed:   %.1f MiB\n", currentRssKiB() / 1024.0);
    std::printf("peak resident memory:             %.1f MiB\n", peakRssKiB() / 1024.0);
    page.queryCancel();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 3 && std::string(argv[1]) == "write")
        return writeFolder(argv[2], argc >= 4 ? std::stoi(argv[3]) : 100000);
    if (argc != 3 || std::string(argv[1]) != "run") {
        std::fprintf(stderr, "usage: %s write DIR [ENTRIES] | run DIR\n", argv[0]);
        return 2;
    }
    Q_INIT_RESOURCE(images);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Halvern"));
    QApplication::setApplicationName(QStringLiteral("Orvex Extract Tool Measure"));
    return run(QString::fromLocal8Bit(argv[2]));
}
