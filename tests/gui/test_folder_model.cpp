// The browser's folder model: keys, listing once, the 100,000-folder limit
// of the tree, and sorting.
#include "FolderModel.h"
#include "gui_test_support.h"

#include <QtTest>

namespace {
std::unique_ptr<VeskItemInfo> entry(const QString &name, bool folder, int version, const QString &parent,
                                    qint64 size = 0, qint64 mtime = 0)
{
    auto e = std::make_unique<VeskItemInfo>();
    e->name = name;
    e->isFolder = folder ? 1 : 0;
    e->versionId = version;
    e->parentPath = parent;
    e->totalSize = folder ? -1 : size;
    e->mtime = mtime;
    return e;
}

ListingBatch versions(std::initializer_list<int> ids)
{
    ListingBatch b;
    b.versions = true;
    for (int id : ids) {
        auto v = entry(QString(), true, id, QStringLiteral("\\"));
        v->mtime = 1700000000 + id;
        b.items.push_back(std::move(v));
    }
    return b;
}
} // namespace

class TestFolderModel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { guitest::installStrictMessageHandler(); }

    void keysAndPaths()
    {
        VeskItemInfo root;
        root.versionId = 3;
        QCOMPARE(root.fullPath(), QStringLiteral("\\"));
        QCOMPARE(root.key(), QStringLiteral("3\\\\"));
        auto a = entry("docs", true, 3, "\\");
        QCOMPARE(a->fullPath(), QStringLiteral("\\docs"));
        auto b = entry("x", true, 3, "\\docs");
        QCOMPARE(b->fullPath(), QStringLiteral("\\docs\\x"));
        QCOMPARE(b->key(), QStringLiteral("3\\\\docs\\x"));
        auto c = entry("x", true, 0, "\\docs");
        QCOMPARE(c->key(), QStringLiteral("\\docs\\x")); // version 0 keys carry no prefix
    }

    void mergeListsEachFolderOnce()
    {
        FolderModel m;
        ListingBatch v = versions({1, 2});
        QCOMPARE(m.merge(v).newFolders.size(), 2);
        ListingBatch again = versions({1});
        QCOMPARE(m.merge(again).newFolders.size(), 0);
        QCOMPARE(m.versionRoots().size(), 2);

        const QString rootKey = m.versionRoots()[0]->key();
        QVERIFY(!m.isListed(1, "\\"));
        ListingBatch root;
        root.versionId = 1;
        root.path = "\\";
        root.parentKey = rootKey;
        root.items.push_back(entry("a.txt", false, 1, "\\", 10));
        root.items.push_back(entry("sub", true, 1, "\\"));
        root.items.push_back(entry("sub", true, 1, "\\")); // the same folder twice is kept once
        const FolderModel::Merge merged = m.merge(root);
        QCOMPARE(merged.newFolders.size(), 1);
        QVERIFY(m.isListed(1, "\\"));
        QVERIFY(!m.isListed(2, "\\"));
        QCOMPARE(m.entries(rootKey).size(), 2);
        QVERIFY(m.find("1\\\\sub"));
        QVERIFY(!m.find("1\\\\a.txt")); // only folders are looked up by key
    }

    void treeTakesAtMost100000FoldersPerParent()
    {
        FolderModel m;
        ListingBatch v = versions({1});
        m.merge(v);
        ListingBatch big;
        big.versionId = 1;
        big.path = "\\";
        big.parentKey = m.versionRoots()[0]->key();
        const int n = FolderModel::kMaxChildFolders + 1;
        big.items.reserve(n + 1);
        for (int i = 0; i < n; ++i)
            big.items.push_back(entry(QStringLiteral("d%1").arg(i), true, 1, "\\"));
        big.items.push_back(entry("file.bin", false, 1, "\\", 5));
        const FolderModel::Merge merged = m.merge(big);
        QCOMPARE(merged.newFolders.size(), FolderModel::kMaxChildFolders);
        QVERIFY(merged.limitReached);
        QVERIFY(m.limitReached(big.parentKey));
        // The table still lists everything.
        QCOMPARE(m.entries(big.parentKey).size(), n + 1);
    }

    void sortingKeepsFoldersFirst_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("name up") << 1 << true << QStringList{"Alpha", "beta", "a.txt", "B.bin", "c.doc"};
        QTest::newRow("name down") << 1 << false << QStringList{"beta", "Alpha", "c.doc", "B.bin", "a.txt"};
        QTest::newRow("date up") << 2 << true << QStringList{"beta", "Alpha", "c.doc", "a.txt", "B.bin"};
        QTest::newRow("size down") << 3 << false << QStringList{"beta", "Alpha", "a.txt", "c.doc", "B.bin"};
    }
    void sortingKeepsFoldersFirst()
    {
        QFETCH(int, column);
        QFETCH(bool, ascending);
        QFETCH(QStringList, order);
        FolderModel m;
        ListingBatch v = versions({1});
        m.merge(v);
        ListingBatch b;
        b.versionId = 1;
        b.path = "\\";
        b.parentKey = m.versionRoots()[0]->key();
        b.items.push_back(entry("a.txt", false, 1, "\\", 300, 50));
        b.items.push_back(entry("B.bin", false, 1, "\\", 100, 60));
        b.items.push_back(entry("c.doc", false, 1, "\\", 200, 40));
        b.items.push_back(entry("beta", true, 1, "\\", 0, 10));
        b.items.push_back(entry("Alpha", true, 1, "\\", 0, 20));
        m.merge(b);
        m.sortEntries(b.parentKey, column, ascending);
        QStringList names;
        for (const VeskItemInfo *e : m.entries(b.parentKey))
            names << e->name;
        QCOMPARE(names, order);
    }
};

QTEST_GUILESS_MAIN(TestFolderModel)
#include "test_folder_model.moc"
