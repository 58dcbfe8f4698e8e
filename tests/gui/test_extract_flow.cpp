// Extracting from the browser of the main window: the checked entries go to
// the chosen folder after the source itself was refused as destination;
// "Extract All" puts every version into "<folder name>/<yyyyMMdd_HHmm>"
// and, with "DeleteArchive" at 2, deletes the backup folder (once no other
// task still extracts from it) and returns to the welcome page; a double-click on a file extracts it to the temporary
// folder and opens it. The questions are answered by a scripted flow.
#include "ExtractionFlow.h"
#include "Hcommon/QUserListCtrlCheckBox.h"
#include "JobLogic.h"
#include "MainWindow.h"
#include "OrvexExToolSettings.h"
#include "RestoreJob.h"
#include "RestoreJobManager.h"
#include "VeskFileInfo.h"
#include "VeskMain.h"
#include "gui_test_support.h"
#include "widget_test_support.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

namespace tr = orvex::testkit::trellis;
namespace oj = orvex::jobs;
namespace fs = std::filesystem;

namespace {

using guitest::ScriptedFlow;

VeskItemInfo *rowInfo(QTableWidget *t, int row)
{
    return reinterpret_cast<VeskItemInfo *>(t->item(row, 1)->data(Qt::UserRole).toULongLong());
}

const tr::VersionManifest &versionOf(const tr::FolderManifest &m, int version)
{
    for (const tr::VersionManifest &v : m.versions)
        if (v.version == version)
            return v;
    return m.versions.front();
}

bool waitListed(VeskFileInfo *page, const QString &path)
{
    return QTest::qWaitFor([&] { return page->currentPath() == path && !page->isBusy() && page->table()->rowCount() > 0; },
                           120000);
}

} // namespace

class TestExtractFlow : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-flow"};

    tr::FolderWithContent writeKit(const std::string &name, uint64_t seed)
    {
        tr::FolderOptions fo;
        fo.versions = 2;
        fo.files = 14;
        fo.seed = seed;
        fo.max_file_size = 90000;
        tr::ContentOptions co;
        co.files_per_descriptor = 6;
        return tr::write_folder_with_content(m_dir / name, fo, co);
    }

    // The main window with `folder` open in the browser and the scripted flow.
    bool open(MainWindow &w, const QString &folder, ScriptedFlow *flow)
    {
        w.show();
        w.browserPage()->setExtractionFlow(flow);
        emit w.openVeskFileSignal(folder);
        return waitListed(w.browserPage(), folder) && QTest::qWaitFor([&] { return w.jobManager() != nullptr; }, 10000);
    }

private slots:
    void initTestCase()
    {
        guitest::installStrictMessageHandler();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
        QCoreApplication::setApplicationName(QStringLiteral("Orvex Extract Tool Flow Test"));
        qputenv("TMPDIR", QFile::encodeName(guitest::qstr(m_dir / "tmp")));
        QDir().mkpath(guitest::qstr(m_dir / "tmp"));
    }

    void init() { QDir(JobLogic::jobsFolder()).removeRecursively(); }

    void extractTheCheckedEntries()
    {
        const tr::FolderWithContent kit = writeKit("Mixed backup", 41);
        const QString folder = guitest::qstr(m_dir / "Mixed backup");
        MainWindow w;
        auto *flow = new ScriptedFlow(&w);
        QVERIFY(open(w, folder, flow));
        VeskFileInfo *page = w.browserPage();
        QVERIFY(!page->extractButton()->isEnabled());

        // Check the first folder and the first non-empty file of the root.
        QTableWidget *t = page->table();
        int folderRow = -1, fileRow = -1;
        for (int r = 0; r < t->rowCount(); ++r) {
            VeskItemInfo *info = rowInfo(t, r);
            if (info->isFolder == 1 && folderRow < 0)
                folderRow = r;
            if (info->isFolder == 0 && info->totalSize > 0 && fileRow < 0)
                fileRow = r;
        }
        QVERIFY(folderRow >= 0 && fileRow >= 0);
        VeskItemInfo *folderInfo = rowInfo(t, folderRow);
        VeskItemInfo *fileInfo = rowInfo(t, fileRow);
        const tr::VersionManifest &v = versionOf(kit.manifest, folderInfo->versionId);
        qobject_cast<QUserListCtrlCheckBox *>(t->cellWidget(folderRow, 0))->checkBox()->click();
        qobject_cast<QUserListCtrlCheckBox *>(t->cellWidget(fileRow, 0))->checkBox()->click();
        QVERIFY(page->extractButton()->isEnabled());

        const fs::path dest = m_dir / "checked";
        QDir().mkpath(guitest::qstr(dest));
        flow->targets = QStringList{folder + QStringLiteral("/inside"), guitest::qstr(dest)};
        flow->policy = 1;
        QDir().mkpath(folder + QStringLiteral("/inside"));
        page->extractButton()->click();
        QCOMPARE(flow->sameFolder, 1);
        const std::string folderPath = folderInfo->fullPath().toStdString();
        qint64 want = static_cast<qint64>(fileInfo->totalSize);
        for (const tr::ManifestEntry &e : v.entries)
            if (!e.is_dir && e.path.rfind(folderPath + "\\", 0) == 0)
                want += static_cast<qint64>(e.size);
        QCOMPARE(flow->estimate, want);

        RestoreJobManager *jobs = w.jobManager();
        QCOMPARE(jobs->jobIds(), QList<int>{1});
        QVERIFY(jobs->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return jobs->job(1)->status() == oj::kCompleted; }, 300000));
        const std::string diff = guitest::treeDifference(dest / folderInfo->name.toStdString(), v, *kit.contents, folderPath);
        QVERIFY2(diff.empty(), diff.c_str());
        QVERIFY(orvex::testkit::read_file(dest / fileInfo->name.toStdString()) ==
                kit.contents->content(fileInfo->fullPath().toStdString(), v.version));
        QCOMPARE(jobs->job(1)->definition().policy, 1);
    }

    void extractAllThenDeleteTheFolder()
    {
        const tr::FolderWithContent kit = writeKit("Docs backup", 43);
        const QString folder = guitest::qstr(m_dir / "Docs backup");
        OrvexExToolSettings::GlobalSettings g;
        g.deleteArchive = 2;
        const int write[4] = {0, 0, 0, OrvexExToolSettings::WriteValue};
        QVERIFY(OrvexExToolSettings::instance()->updateGlobalSettingsInfo(g, OrvexExToolSettings::DeleteArchiveField, write));

        MainWindow w;
        auto *flow = new ScriptedFlow(&w);
        QVERIFY(open(w, folder, flow));
        // Two copies: the first one's end leaves the folder to the second
        // task, which still needs it; the second one's end deletes it.
        const fs::path dests[] = {m_dir / "all", m_dir / "all again"};
        for (const fs::path &dest : dests) {
            QDir().mkpath(guitest::qstr(dest));
            flow->targets = QStringList{guitest::qstr(dest)};
            w.browserPage()->extractAllActionClicked();
        }
        RestoreJobManager *jobs = w.jobManager();
        QCOMPARE(jobs->jobIds(), (QList<int>{1, 2}));
        QVERIFY(jobs->job(1)->definition().extract_all);
        QSignalSpy removed(jobs, &RestoreJobManager::veskRemovedSignal);
        QVERIFY(removed.wait(300000));
        QCOMPARE(removed.size(), 1);
        QCOMPARE(jobs->job(1)->status(), int(oj::kCompleted));
        QCOMPARE(jobs->job(2)->status(), int(oj::kCompleted));
        QCOMPARE(removed.at(0).at(0).toBool(), true);
        QVERIFY(!fs::exists(m_dir / "Docs backup"));
        QCOMPARE(w.pages()->currentWidget(), static_cast<QWidget *>(w.welcomePage()));

        for (const fs::path &dest : dests)
            for (const tr::VersionManifest &v : kit.manifest.versions) {
                const fs::path into = dest / "Docs backup" / JobLogic::versionFolderName(v.timestamp).toStdString();
                const std::string diff = guitest::treeDifference(into, v, *kit.contents);
                QVERIFY2(diff.empty(), diff.c_str());
            }
        qint64 total = 0;
        for (const tr::VersionManifest &v : kit.manifest.versions)
            for (const tr::ManifestEntry &e : v.entries)
                total += e.is_dir ? 0 : static_cast<qint64>(e.size);
        QCOMPARE(flow->estimate, total);
        g.deleteArchive = 0;
        QVERIFY(OrvexExToolSettings::instance()->updateGlobalSettingsInfo(g, OrvexExToolSettings::DeleteArchiveField, write));
    }

    void doubleClickOpensTheFile()
    {
        const tr::FolderWithContent kit = writeKit("Music backup", 47);
        const QString folder = guitest::qstr(m_dir / "Music backup");
        MainWindow w;
        auto *flow = new ScriptedFlow(&w);
        QVERIFY(open(w, folder, flow));
        QTableWidget *t = w.browserPage()->table();
        int row = -1;
        for (int r = 0; r < t->rowCount() && row < 0; ++r)
            if (rowInfo(t, r)->isFolder == 0 && rowInfo(t, r)->totalSize > 0)
                row = r;
        QVERIFY(row >= 0);
        const VeskItemInfo info = *rowInfo(t, row);
        w.browserPage()->fileListWidgetCellDoubleClicked(row, 1);
        QCOMPARE(flow->failed, 0);
        QCOMPARE(flow->opened.size(), 1);
        const QString path = flow->opened.front();
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(guitest::qstr(m_dir / "tmp")).absoluteFilePath() +
                                                     QStringLiteral("/Halvern/Orvex Extract Tool"));
        QVERIFY(orvex::testkit::read_file(path.toStdString()) ==
                kit.contents->content(info.fullPath().toStdString(), info.versionId));
        // Opened again: the copy in the temporary folder is replaced, not renamed.
        w.browserPage()->fileListWidgetCellDoubleClicked(row, 1);
        QCOMPARE(flow->opened.size(), 2);
        QCOMPARE(flow->opened.back(), path);
        // No background task for it.
        QVERIFY(w.jobManager()->jobIds().isEmpty());
    }
};

QTEST_MAIN(TestExtractFlow)
#include "test_extract_flow.moc"
