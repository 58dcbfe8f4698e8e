// The archive browser against test-kit backup folders: versions in the tree,
// each version's root in the table, expanding a folder lists it once, paging
// over a large folder, and the selection summary from the statistics.
#include "BrowserLogic.h"
#include "CheckBoxHeader.h"
#include "Hcommon/QUserListCtrlCheckBox.h"
#include "VeskFileInfo.h"
#include "VeskOpener.h"
#include "gui_test_support.h"
#include "trellis_vesk.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

namespace tr = orvex::testkit::trellis;

namespace {

ArchiveSessionPtr openSession(const QString &path)
{
    VeskOpener opener(nullptr);
    ArchiveSessionPtr s;
    const int ret = opener.openAttempt(path, QString(), &s);
    return ret == 0 ? s : nullptr;
}

QString manifestKey(int version, const std::string &path)
{
    return QString::number(version) + QLatin1Char('\\') + QString::fromStdString(path);
}

QStringList tableNames(QTableWidget *t)
{
    QStringList names;
    for (int r = 0; r < t->rowCount(); ++r)
        names << t->item(r, 1)->text();
    return names;
}

struct Expected {
    qint64 folders = 0, files = 0, bytes = 0;
};

// What checking every entry directly in `folder` should add up to.
Expected expectedSummary(const tr::VersionManifest &v, const std::string &folder)
{
    Expected e;
    for (const tr::ManifestEntry &c : tr::children(v, folder)) {
        if (!c.is_dir) {
            ++e.files;
            e.bytes += static_cast<qint64>(c.size);
            continue;
        }
        ++e.folders;
        const std::string prefix = c.path + "\\";
        for (const tr::ManifestEntry &d : v.entries) {
            if (d.path.rfind(prefix, 0) != 0)
                continue;
            if (d.is_dir) {
                ++e.folders;
            } else {
                ++e.files;
                e.bytes += static_cast<qint64>(d.size);
            }
        }
    }
    return e;
}

bool waitIdle(VeskFileInfo &page)
{
    return QTest::qWaitFor([&] { return !page.isBusy(); }, 120000);
}

} // namespace

class TestBrowser : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-browser"};
    tr::FolderManifest m_manifest;
    QString m_folder;

private slots:
    void initTestCase()
    {
        guitest::installStrictMessageHandler();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
        QCoreApplication::setApplicationName(QStringLiteral("Orvex Extract Tool Test"));
        tr::FolderOptions opt;
        opt.versions = 2;
        opt.files = 40;
        opt.seed = 11;
        m_manifest = tr::write_folder(m_dir / "backup", opt);
        m_folder = guitest::qstr(m_dir / "backup");
    }

    void roundTrip()
    {
        ArchiveSessionPtr session = openSession(m_folder);
        QVERIFY(session);
        VeskFileInfo page;
        page.resize(1000, 700);
        page.show();
        QSignalSpy listed(&page, &VeskFileInfo::listingApplied);
        page.showVeskFolder(session);
        QVERIFY(listed.wait(120000));
        QCOMPARE(listed.at(0).at(0).toString(), QStringLiteral("ROOT"));
        QVERIFY(waitIdle(page));

        // One top-level item per version, labelled with its time.
        QTreeWidget *tree = page.tree();
        QCOMPARE(tree->topLevelItemCount(), int(m_manifest.versions.size()));
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            QCOMPARE(tree->topLevelItem(i)->text(0),
                     QDateTime::fromSecsSinceEpoch(m_manifest.versions[size_t(i)].timestamp)
                         .toString(QStringLiteral("yyyy/MM/dd HH:mm")));

        // The root of each version lists the entries of that version, in the
        // library's order (files, then folders).
        for (const tr::VersionManifest &v : m_manifest.versions) {
            page.showEntries(manifestKey(v.version, "\\"));
            const std::vector<tr::ManifestEntry> rootEntries = tr::children(v, "\\");
            QStringList expected;
            for (const tr::ManifestEntry &c : rootEntries)
                expected << QString::fromStdString(tr::base_name(c.path));
            QCOMPARE(tableNames(page.table()), expected.mid(0, 50));
            for (int r = 0; r < page.table()->rowCount(); ++r) {
                const tr::ManifestEntry &c = rootEntries[size_t(r)];
                QCOMPARE(page.table()->item(r, 3)->text(),
                         c.is_dir ? QString() : BrowserLogic::sizeText(qint64(c.size)));
            }
        }

        // Expanding a folder lists it once; expanding it again does not.
        const tr::VersionManifest &first = m_manifest.versions.front();
        std::string sub;
        for (const tr::ManifestEntry &c : tr::children(first, "\\"))
            if (c.is_dir && sub.empty())
                sub = c.path;
        QVERIFY(!sub.empty());
        QTreeWidgetItem *item = page.treeItem(manifestKey(first.version, sub));
        QVERIFY(item);
        listed.clear();
        item->setExpanded(true);
        QVERIFY(listed.wait(60000));
        QCOMPARE(listed.at(0).at(0).toString(), QStringLiteral("CHILD"));
        QVERIFY(waitIdle(page));
        const int children = item->childCount();
        int expectedFolders = 0;
        for (const tr::ManifestEntry &c : tr::children(first, sub))
            expectedFolders += c.is_dir ? 1 : 0;
        QCOMPARE(children, expectedFolders);
        item->setExpanded(false);
        item->setExpanded(true);
        QTest::qWait(50);
        QCOMPARE(listed.count(), 1);
        QVERIFY(!page.isBusy());
        QCOMPARE(item->childCount(), children);

        // Check every row of the first version's root: the summary comes from
        // the statistics of the checked folders.
        page.showEntries(manifestKey(first.version, "\\"));
        QSignalSpy stats(&page, &VeskFileInfo::statsApplied);
        page.headerCheckboxChanged(Qt::Checked);
        QCOMPARE(page.header()->checkState(), Qt::Checked);
        QVERIFY(stats.wait(60000));
        QVERIFY(waitIdle(page));
        const Expected want = expectedSummary(first, "\\");
        const BrowserLogic::SelectionCounts got = page.selectionCounts();
        QCOMPARE(got.pendingFolders, qint64(0));
        QCOMPARE(got.folders, want.folders);
        QCOMPARE(got.files, want.files);
        QCOMPARE(got.bytes, want.bytes);
        QVERIFY(page.summaryText().contains(QStringLiteral("<font color=#004980>%1</font> Files").arg(want.files)));
        QVERIFY(page.summaryText().contains(BrowserLogic::sizeText(want.bytes)));

        // Unchecking one row makes the header partly checked.
        auto *box = qobject_cast<QUserListCtrlCheckBox *>(page.table()->cellWidget(0, 0));
        QVERIFY(box);
        box->checkBox()->click();
        QCOMPARE(page.header()->checkState(), Qt::PartiallyChecked);
        page.headerCheckboxChanged(Qt::Unchecked);
        QCOMPARE(page.header()->checkState(), Qt::Unchecked);
        QCOMPARE(page.selectionCounts().files, qint64(0));

        // Going up from the expanded folder shows the version root again.
        page.showEntries(manifestKey(first.version, sub));
        page.goParentLevel();
        QCOMPARE(page.shownKey(), manifestKey(first.version, "\\"));

        page.closeShownFolder();
        QVERIFY(!page.hasFolder());
        QCOMPARE(page.tree()->topLevelItemCount(), 0);
    }

    void pagingOverALargeFolder()
    {
        writeFlat();
        ArchiveSessionPtr session = openSession(guitest::qstr(m_dir / "flat"));
        QVERIFY(session);
        VeskFileInfo page;
        QSignalSpy listed(&page, &VeskFileInfo::listingApplied);
        page.showVeskFolder(session);
        QVERIFY(listed.wait(120000));
        QVERIFY(waitIdle(page));
        QCOMPARE(page.pageInfo().entries, qint64(120));
        QCOMPARE(page.rangeLabelText(), QStringLiteral("Display item: 1-50, Total: 120"));
        page.lastPage();
        QCOMPARE(page.pageInfo().currentPage, qint64(3));
        QCOMPARE(page.rangeLabelText(), QStringLiteral("Display item: 101-120, Total: 120"));
        QCOMPARE(page.table()->rowCount(), 20);
        page.setPageSize(100);
        QCOMPARE(page.pageInfo().currentPage, qint64(1));
        QCOMPARE(page.table()->rowCount(), 100);

        // Sorting by name flips on each click; folders stay first.
        page.headerSectionClicked(1);
        QCOMPARE(page.table()->item(0, 1)->text(), QStringLiteral("d000000"));
        page.headerSectionClicked(1);
        QCOMPARE(page.table()->item(0, 1)->text(), QStringLiteral("d000019"));
    }

    void checkingTheHeaderWithoutRows()
    {
        VeskFileInfo page;
        page.headerCheckboxChanged(Qt::Checked);
        QCOMPARE(page.header()->checkState(), Qt::Unchecked);
    }

private:
    void writeFlat()
    {
        if (!std::filesystem::exists(m_dir / "flat"))
            guitest::writeFlatFolder(m_dir / "flat", 20, 100);
    }
};

QTEST_MAIN(TestBrowser)
#include "test_browser.moc"
