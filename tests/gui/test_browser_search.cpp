// Searching names from the browser and the versions of one file, over the
// test kit's history folder (a file added, changed, kept, deleted and added
// again; a non-ASCII name): matches in the shown version and in every
// version, no match, the keyboard, checked matches extracted into their own
// folders (per version when several), and the versions dialog with its
// states, its disabled "deleted" row and an older version's bytes.
#include "AppPaths.h"
#include "FileVersionsDialog.h"
#include "JobLogic.h"
#include "MainWindow.h"
#include "RestoreJob.h"
#include "RestoreJobManager.h"
#include "SearchLogic.h"
#include "SearchPanel.h"
#include "VeskThreads.h"
#include "VeskFileInfo.h"
#include "VeskOpener.h"
#include "gui_test_support.h"
#include "widget_test_support.h"

#include "testkit/trellis_content.h"
#include "testkit/trellis_history.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

namespace tt = orvex::testkit::trellis;
namespace oj = orvex::jobs;
namespace fs = std::filesystem;

namespace {

const QString kA = QStringLiteral("\\docs\\a.txt");

// "version folder name" rows of the shown matches, sorted.
QStringList matchRows(const SearchPanel *panel)
{
    QStringList rows;
    const SearchResultModel *m = panel->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        const VeskItemInfo &i = m->match(r);
        rows << QStringLiteral("%1 %2 %3").arg(i.versionId).arg(i.fullPath()).arg(i.isFolder == 1 ? -1 : i.totalSize);
    }
    rows.sort();
    return rows;
}

int rowOf(const SearchPanel *panel, int version, const QString &path)
{
    for (int r = 0; r < panel->model()->rowCount(); ++r)
        if (panel->model()->match(r).versionId == version && panel->model()->match(r).fullPath() == path)
            return r;
    return -1;
}

QByteArray bytesOf(const std::vector<uint8_t> &v)
{
    return QByteArray(reinterpret_cast<const char *>(v.data()), static_cast<int>(v.size()));
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

} // namespace

class TestBrowserSearch : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-search"};
    std::unique_ptr<tt::ContentWriter> m_content;
    QString m_folder;

    // The main window with the history folder in its browser, version 5
    // shown, and the scripted questions.
    bool open(MainWindow &w, guitest::ScriptedFlow *flow)
    {
        w.resize(1100, 720);
        w.show();
        w.browserPage()->setExtractionFlow(flow);
        emit w.openVeskFileSignal(m_folder);
        VeskFileInfo *page = w.browserPage();
        if (!QTest::qWaitFor([&] { return page->currentPath() == m_folder && page->model() &&
                                          !page->model()->versionRoots().isEmpty() && !page->isBusy(); },
                             120000))
            return false;
        page->showEntries(QStringLiteral("5\\\\"));
        return QTest::qWaitFor([&] { return !page->isBusy() && w.jobManager() != nullptr; }, 120000);
    }

    static bool search(VeskFileInfo *page, const QString &text, bool allVersions)
    {
        QSignalSpy done(page->searchPanel(), &SearchPanel::searchDone);
        page->allVersionsBox()->setChecked(allVersions);
        page->searchField()->setText(text);
        page->startSearch();
        return done.wait(120000) && page->isSearchShown();
    }

    qint64 versionTime(VeskFileInfo *page, int version)
    {
        for (const VeskItemInfo *v : page->model()->versionRoots())
            if (v->versionId == version)
                return v->mtime;
        return 0;
    }

    QByteArray content(const QString &path, int version) const
    {
        return bytesOf(m_content->content(path.toStdString(), version));
    }

private slots:
    void initTestCase()
    {
        guitest::installStrictMessageHandler();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
        QCoreApplication::setApplicationName(QStringLiteral("Orvex Extract Tool Search Test"));
        qputenv("TMPDIR", QFile::encodeName(guitest::qstr(m_dir / "tmp")));
        QDir().mkpath(guitest::qstr(m_dir / "tmp"));
        tt::ContentOptions co;
        co.min_chunk = 4;
        co.max_chunk = 16;
        const fs::path backup = m_dir / "History backup";
        m_content = std::make_unique<tt::ContentWriter>(backup, co);
        tt::write_history_folder(backup, [&](const std::string &p, tt::HistoryRow &r, uint64_t s) { m_content->add(p, r, s); });
        m_content->finish();
        m_folder = AppPaths::canonicalFolder(guitest::qstr(backup));
    }

    void init() { QDir(JobLogic::jobsFolder()).removeRecursively(); }

    void globPattern()
    {
        const struct {
            const char *typed, *pattern;
        } cases[] = {{"report", "*report*"}, {"  a.txt ", "*a.txt*"}, {"*.TXT", "*.TXT"}, {"a?c", "a?c"},
                     {"[ab]*", "[ab]*"},     {"   ", ""}};
        for (const auto &c : cases)
            QCOMPARE(SearchLogic::globPattern(QString::fromUtf8(c.typed)), QString::fromUtf8(c.pattern));
    }

    // Plain words find names containing them in either case, in the shown
    // version or in every version (once per added or changed state).
    void matchLists()
    {
        MainWindow w;
        auto *flow = new guitest::ScriptedFlow(&w);
        QVERIFY(open(w, flow));
        VeskFileInfo *page = w.browserPage();
        const struct {
            const char *typed;
            bool all;
            QStringList rows;
            bool versionColumn;
        } cases[] = {
            {"TXT", false,
             {"5 \\docs\\a.txt 30", "5 \\docs\\keep.txt 1", "5 \\dup.txt 6",
              QStringLiteral("5 \\日本語\\résumé.TXT 3")},
             false},
            {"RÉSUMÉ", false, {QStringLiteral("5 \\日本語\\résumé.TXT 3")}, false},
            {"a.txt", true, {"1 \\docs\\a.txt 10", "2 \\docs\\a.txt 20", "5 \\docs\\a.txt 30"}, true},
            {"thing", true, {"1 \\thing -1", "3 \\thing 7"}, true},
            {"zzz", true, {}, true},
        };
        for (const auto &c : cases) {
            QVERIFY2(search(page, QString::fromUtf8(c.typed), c.all), c.typed);
            QCOMPARE(matchRows(page->searchPanel()), c.rows);
            QCOMPARE(page->searchPanel()->view()->isColumnHidden(SearchResultModel::VersionColumn), !c.versionColumn);
            if (c.rows.isEmpty())
                QCOMPARE(page->searchPanel()->statusText(), QStringLiteral("No matches."));
            else
                QCOMPARE(page->searchPanel()->statusText(), QStringLiteral("Matches: %1. Checked: 0").arg(c.rows.size()));
        }
        // The version column names the version by its time.
        QVERIFY(search(page, QStringLiteral("a.txt"), true));
        const QModelIndex v1 = page->searchPanel()->model()->index(rowOf(page->searchPanel(), 1, kA),
                                                                   SearchResultModel::VersionColumn);
        QCOMPARE(v1.data().toString(),
                 QDateTime::fromSecsSinceEpoch(versionTime(page, 1)).toString(QStringLiteral("yyyy/MM/dd HH:mm")));

        // Clearing the field returns to the folder's entries.
        page->searchField()->clear();
        QVERIFY(!page->isSearchShown());
        QCOMPARE(page->shownKey(), QStringLiteral("5\\\\"));
    }

    // A new search supersedes the running one: only its matches are shown.
    // Closing the folder while a search runs drops it.
    void supersededSearch()
    {
        MainWindow w;
        auto *flow = new guitest::ScriptedFlow(&w);
        QVERIFY(open(w, flow));
        VeskFileInfo *page = w.browserPage();
        QSignalSpy done(page->searchPanel(), &SearchPanel::searchDone);
        page->allVersionsBox()->setChecked(true);
        page->searchField()->setText(QStringLiteral("a.txt"));
        page->startSearch();
        page->searchField()->setText(QStringLiteral("keep"));
        page->startSearch();
        QVERIFY(done.wait(120000));
        QCOMPARE(matchRows(page->searchPanel()), QStringList{"1 \\docs\\keep.txt 1"});
        QTest::qWait(50); // the first search must not report after all
        QCOMPARE(done.size(), 1);

        page->searchField()->setText(QStringLiteral("*"));
        page->startSearch();
        page->closeShownFolder();
        QVERIFY(!page->isSearchShown());
        QVERIFY(!page->searchPanel()->isSearching());
    }

    // The worker keeps at most its limit and says that more exist.
    void matchCap()
    {
        VeskOpener opener(nullptr);
        ArchiveSessionPtr session;
        QCOMPARE(opener.openAttempt(m_folder, QString(), &session), 0);
        const struct {
            int limit;
            int kept;
            bool truncated;
        } cases[] = {{3, 3, true}, {14, 14, false}, {1000, 14, false}};
        for (const auto &c : cases) {
            FindVeskFileThread find(session, SearchLogic::kAllVersions, QStringLiteral("*"), true, c.limit);
            find.start();
            QVERIFY(find.wait(120000));
            QCOMPARE(find.result(), 0);
            QCOMPARE(int(find.takeMatches().size()), c.kept);
            QCOMPARE(find.truncated(), c.truncated);
        }
    }

    // Ctrl+F, Enter, the arrows, Space and Escape.
    void keyboard()
    {
        MainWindow w;
        auto *flow = new guitest::ScriptedFlow(&w);
        QVERIFY(open(w, flow));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        VeskFileInfo *page = w.browserPage();
        page->table()->setFocus();
        QTest::keyClick(page->table(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(page->searchField()->hasFocus());
        QSignalSpy done(page->searchPanel(), &SearchPanel::searchDone);
        QTest::keyClicks(page->searchField(), QStringLiteral("txt"));
        QTest::keyClick(page->searchField(), Qt::Key_Return);
        QVERIFY(done.wait(120000));
        QCOMPARE(page->searchPanel()->model()->rowCount(), 4);
        QTableView *view = page->searchPanel()->view();
        QTest::keyClick(page->searchField(), Qt::Key_Down);
        QVERIFY(view->hasFocus());
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->currentIndex().row(), 1);
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(page->searchPanel()->model()->checkedCount(), 1);
        QVERIFY(page->searchPanel()->model()->match(1).checkState == Qt::Checked);
        QVERIFY(page->extractButton()->isEnabled());
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(page->searchPanel()->model()->checkedCount(), 0);
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!page->isSearchShown());
        QVERIFY(page->searchField()->text().isEmpty());
        QVERIFY(!page->extractButton()->isEnabled());
    }

    // Checked matches of two versions: each version into its own folder,
    // each match under its folder path, with that version's bytes.
    void extractMatches()
    {
        MainWindow w;
        auto *flow = new guitest::ScriptedFlow(&w);
        QVERIFY(open(w, flow));
        VeskFileInfo *page = w.browserPage();
        QVERIFY(search(page, QStringLiteral("a.txt"), true));
        SearchPanel *panel = page->searchPanel();
        panel->model()->setChecked(rowOf(panel, 1, kA), true);
        panel->model()->setChecked(rowOf(panel, 5, kA), true);
        const QString dest = guitest::qstr(m_dir / "matches");
        QDir().mkpath(dest);
        flow->targets = QStringList{dest};
        flow->policy = 1;
        page->extractButton()->click();
        QCOMPARE(flow->estimate, qint64(10 + 30));
        RestoreJobManager *jobs = w.jobManager();
        QCOMPARE(jobs->jobIds(), QList<int>{1});
        QVERIFY(QTest::qWaitFor([&] { return jobs->job(1)->status() == oj::kCompleted; }, 300000));
        for (int version : {1, 5})
            QCOMPARE(fileBytes(dest + QLatin1Char('/') + JobLogic::versionFolderName(versionTime(page, version)) +
                               QStringLiteral("/docs/a.txt")),
                     content(kA, version));

        // One version: no version folder; the non-ASCII name keeps its folder.
        QVERIFY(search(page, QStringLiteral("résumé"), false));
        panel->model()->setChecked(0, true);
        const QString one = guitest::qstr(m_dir / "one");
        QDir().mkpath(one);
        flow->targets = QStringList{one};
        page->extractButton()->click();
        QVERIFY(QTest::qWaitFor([&] { return jobs->job(2) && jobs->job(2)->status() == oj::kCompleted; }, 300000));
        QCOMPARE(fileBytes(one + QStringLiteral("/日本語/résumé.TXT")),
                 content(QStringLiteral("\\日本語\\résumé.TXT"), 5));
    }

    // A match under a folder whose name would climb out of the destination
    // gets no destination at all.
    void unsafeFolderIsRefused()
    {
        VeskItemInfo m;
        m.name = QStringLiteral("a.txt");
        const struct {
            const char *parent, *version;
            bool safe;
        } cases[] = {{"\\docs\\sub", "", true}, {"\\", "20240101_1200", true}, {"\\docs\\..", "", false},
                     {"\\.\\x", "", false}};
        for (const auto &c : cases) {
            m.parentPath = QString::fromUtf8(c.parent);
            const QString d = SearchLogic::destinationFolder(QStringLiteral("/t"), QString::fromUtf8(c.version), m);
            QCOMPARE(!d.isEmpty(), c.safe);
        }
        m.parentPath = QStringLiteral("\\docs\\sub");
        QCOMPARE(SearchLogic::destinationFolder(QStringLiteral("/t"), QStringLiteral("v"), m),
                 QDir::toNativeSeparators(QStringLiteral("/t/v/docs/sub")));
    }

    // The versions of \docs\a.txt: every state, the deleted row without
    // buttons, an older version extracted and the newest opened.
    void versionsDialog()
    {
        MainWindow w;
        auto *flow = new guitest::ScriptedFlow(&w);
        QVERIFY(open(w, flow));
        VeskFileInfo *page = w.browserPage();
        VeskItemInfo file;
        file.name = QStringLiteral("a.txt");
        file.parentPath = QStringLiteral("\\docs");
        file.isFolder = 0;
        file.versionId = 5;
        FileVersionsDialog *dialog = page->showFileVersions(file);
        QVERIFY(dialog);
        QSignalSpy shown(dialog, &FileVersionsDialog::historyShown);
        QVERIFY(shown.wait(120000));
        QTableWidget *t = dialog->table();
        QStringList rows;
        for (int r = 0; r < t->rowCount(); ++r)
            rows << t->item(r, 0)->text() + QLatin1Char(' ') + t->item(r, 2)->text() + QLatin1Char(' ') +
                        t->item(r, 3)->text();
        QCOMPARE(rows, (QStringList{"1 added 0.01 KB", "2 changed 0.02 KB", "3 unchanged 0.02 KB", "4 deleted ",
                                    "5 added 0.03 KB"}));
        // The newest restorable version is chosen first.
        QCOMPARE(t->currentRow(), 4);
        const struct {
            int row;
            bool enabled;
        } buttons[] = {{3, false}, {0, true}, {2, true}};
        for (const auto &b : buttons) {
            t->selectRow(b.row);
            QCOMPARE(dialog->extractButton()->isEnabled(), b.enabled);
            QCOMPARE(dialog->openButton()->isEnabled(), b.enabled);
        }

        // The unchanged version 3 restores what version 2 wrote.
        const QString dest = guitest::qstr(m_dir / "older");
        QDir().mkpath(dest);
        flow->targets = QStringList{dest};
        flow->policy = 1;
        t->selectRow(2);
        dialog->extractButton()->click();
        QCOMPARE(flow->estimate, qint64(20));
        RestoreJobManager *jobs = w.jobManager();
        QVERIFY(QTest::qWaitFor([&] { return jobs->job(1) && jobs->job(1)->status() == oj::kCompleted; }, 300000));
        QCOMPARE(fileBytes(dest + QStringLiteral("/a.txt")), content(kA, 2));

        // Open: restored to the temporary folder, then opened.
        t->selectRow(0);
        dialog->openButton()->click();
        QCOMPARE(flow->opened.size(), 1);
        QCOMPARE(fileBytes(flow->opened.first()), content(kA, 1));
        dialog->close();
    }
};

QTEST_MAIN(TestBrowserSearch)
#include "test_browser_search.moc"
