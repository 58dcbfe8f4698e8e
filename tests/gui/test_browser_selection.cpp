// What a user meets in the browser beyond listing: checking folders and what
// is inside them, the summary over folders not shown, the keyboard, the path
// bar, an empty folder against one still loading, the newest version first,
// one entry per folder however its path is written, and message boxes.
#include "AppPaths.h"
#include "BrowserLogic.h"
#include "CheckBoxHeader.h"
#include "Hcommon/MessageBox.h"
#include "Hcommon/QUserListCtrlCheckBox.h"
#include "VerifyPassword.h"
#include "VeskFileInfo.h"
#include "VeskOpener.h"
#include "gui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace tr = orvex::testkit::trellis;

namespace {

ArchiveSessionPtr openSession(const QString &path, const QString &password = QString())
{
    VeskOpener opener(nullptr);
    ArchiveSessionPtr s;
    return opener.openAttempt(path, password, &s) == 0 ? s : nullptr;
}

QString keyOf(int version, const std::string &path)
{
    return QString::number(version) + QLatin1Char('\\') + QString::fromStdString(path);
}

bool waitIdle(VeskFileInfo &page)
{
    return QTest::qWaitFor([&] { return !page.isBusy(); }, 120000);
}

int rowNamed(QTableWidget *t, const QString &name)
{
    for (int r = 0; r < t->rowCount(); ++r)
        if (t->item(r, 1)->text() == name)
            return r;
    return -1;
}

QUserListCtrlCheckBox *boxAt(VeskFileInfo &page, int row)
{
    return qobject_cast<QUserListCtrlCheckBox *>(page.table()->cellWidget(row, 0));
}

// Sums of a folder's whole content (the folder itself not included).
struct Totals {
    qint64 folders = 0, files = 0, bytes = 0;
};
Totals inside(const tr::VersionManifest &v, const std::string &folder)
{
    Totals t;
    const std::string prefix = folder + "\\";
    for (const tr::ManifestEntry &e : v.entries) {
        if (e.path.rfind(prefix, 0) != 0)
            continue;
        if (e.is_dir) {
            ++t.folders;
        } else {
            ++t.files;
            t.bytes += qint64(e.size);
        }
    }
    return t;
}

} // namespace

class TestBrowserSelection : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-selection"};
    tr::FolderManifest m_manifest;
    QString m_folder;
    QString m_locked;
    // A folder of the oldest version holding a file and a subfolder.
    std::string m_sub;
    std::string m_subFile;

    // Opens the backup folder in `page` and waits until it is listed.
    bool show(VeskFileInfo &page)
    {
        ArchiveSessionPtr session = openSession(m_folder);
        if (!session)
            return false;
        page.showVeskFolder(session);
        return QTest::qWaitFor([&] { return page.model() && !page.model()->versionRoots().isEmpty(); }, 120000) &&
               waitIdle(page);
    }

    // Shows a folder and waits until its entries are listed.
    static bool showListed(VeskFileInfo &page, const QString &key)
    {
        page.showEntries(key);
        return waitIdle(page) && page.shownKey() == key;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(images);
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
        guitest::writeFlatFolder(m_dir / "locked", 3, 2, "secret-pw");
        m_locked = guitest::qstr(m_dir / "locked");

        const tr::VersionManifest &v = m_manifest.versions.front();
        for (const tr::ManifestEntry &c : tr::children(v, "\\")) {
            if (!c.is_dir || !m_sub.empty())
                continue;
            for (const tr::ManifestEntry &d : tr::children(v, c.path))
                if (!d.is_dir && m_subFile.empty())
                    m_subFile = d.path;
            if (!m_subFile.empty())
                m_sub = c.path;
        }
        QVERIFY2(!m_sub.empty(), "the fixture has no root folder holding a file");
    }

    // The newest version is shown when the folder opens and is marked in the tree.
    void newestVersionFirst()
    {
        VeskFileInfo page;
        QVERIFY(show(page));
        const tr::VersionManifest &newest = m_manifest.versions.back();
        QVERIFY(m_manifest.versions.front().timestamp < newest.timestamp);
        QCOMPARE(page.shownKey(), keyOf(newest.version, "\\"));
        QTreeWidgetItem *item = page.treeItem(keyOf(newest.version, "\\"));
        QVERIFY(item && item->font(0).bold());
        QVERIFY(!page.treeItem(keyOf(m_manifest.versions.front().version, "\\"))->font(0).bold());
        QCOMPARE(BrowserLogic::newestVersion({}), nullptr);
    }

    // Entries of a checked folder show as checked, cannot be checked on
    // their own, and are counted once; a check made inside a folder before
    // the folder itself was checked is taken back into it.
    void checkedFolderCoversItsEntries()
    {
        VeskFileInfo page;
        QVERIFY(show(page));
        const tr::VersionManifest &v = m_manifest.versions.front();
        const QString sub = keyOf(v.version, m_sub);
        const QString root = keyOf(v.version, "\\");

        // A file inside first, then its folder.
        QVERIFY(showListed(page, sub));
        const int fileRow = rowNamed(page.table(), QString::fromStdString(tr::base_name(m_subFile)));
        QVERIFY(fileRow >= 0);
        boxAt(page, fileRow)->checkBox()->click();
        QCOMPARE(page.selectionCounts().files, qint64(1));

        QVERIFY(showListed(page, root));
        const int subRow = rowNamed(page.table(), QString::fromStdString(tr::base_name(m_sub)));
        QVERIFY(subRow >= 0);
        QSignalSpy stats(&page, &VeskFileInfo::statsApplied);
        boxAt(page, subRow)->checkBox()->click();
        QVERIFY(page.summaryText().contains(QStringLiteral("calculating")));
        QVERIFY(stats.wait(60000));
        QVERIFY(waitIdle(page));
        const Totals t = inside(v, m_sub);
        QCOMPARE(page.selectionCounts().folders, t.folders + 1);
        QCOMPARE(page.selectionCounts().files, t.files);
        QCOMPARE(page.selectionCounts().bytes, t.bytes);
        QVERIFY(!page.summaryText().contains(QStringLiteral("calculating")));

        // Inside the checked folder every row is checked and locked, and the
        // header says so.
        QVERIFY(showListed(page, sub));
        QVERIFY(page.table()->rowCount() > 0);
        for (int r = 0; r < page.table()->rowCount(); ++r) {
            QCOMPARE(boxAt(page, r)->checkState(), int(Qt::Checked));
            QVERIFY(!boxAt(page, r)->isEnabled());
        }
        QCOMPARE(page.header()->checkState(), Qt::Checked);
        page.clickListItem(0, 0, Qt::Checked);
        page.headerCheckboxChanged(Qt::Checked);
        QCOMPARE(page.selectionCounts().files, t.files);

        // Unchecking the folder leaves nothing inside it checked.
        QVERIFY(showListed(page, root));
        boxAt(page, rowNamed(page.table(), QString::fromStdString(tr::base_name(m_sub))))->checkBox()->click();
        QCOMPARE(page.selectionCounts().files, qint64(0));
        QVERIFY(showListed(page, sub));
        QCOMPARE(boxAt(page, 0)->checkState(), int(Qt::Unchecked));
        QVERIFY(boxAt(page, 0)->isEnabled());
    }

    // Checks in several folders add up while another folder is shown.
    void summaryCountsFoldersNotShown()
    {
        VeskFileInfo page;
        QVERIFY(show(page));
        const tr::VersionManifest &v = m_manifest.versions.front();
        QVERIFY(showListed(page, keyOf(v.version, m_sub)));
        const int fileRow = rowNamed(page.table(), QString::fromStdString(tr::base_name(m_subFile)));
        boxAt(page, fileRow)->checkBox()->click();
        qint64 bytes = 0;
        for (const tr::ManifestEntry &e : v.entries)
            if (e.path == m_subFile)
                bytes = qint64(e.size);

        QVERIFY(showListed(page, keyOf(v.version, "\\")));
        for (const tr::ManifestEntry &c : tr::children(v, "\\")) {
            if (c.is_dir)
                continue;
            boxAt(page, rowNamed(page.table(), QString::fromStdString(tr::base_name(c.path))))->checkBox()->click();
            bytes += qint64(c.size);
            break;
        }
        QCOMPARE(page.selectionCounts().files, qint64(2));
        QCOMPARE(page.selectionCounts().bytes, bytes);
        QVERIFY(page.summaryText().contains(BrowserLogic::sizeText(bytes)));
        QCOMPARE(page.header()->checkState(), Qt::PartiallyChecked);
    }

    void keyboard()
    {
        VeskFileInfo page;
        page.resize(1000, 700);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(show(page));
        const tr::VersionManifest &v = m_manifest.versions.front();
        const QString root = keyOf(v.version, "\\");
        QVERIFY(showListed(page, root));
        QTableWidget *t = page.table();

        // Space toggles the current row's check box.
        t->setFocus();
        t->setCurrentCell(0, 1);
        QTest::keyClick(t, Qt::Key_Space);
        QCOMPARE(boxAt(page, 0)->checkState(), int(Qt::Checked));
        QTest::keyClick(t, Qt::Key_Space);
        QCOMPARE(boxAt(page, 0)->checkState(), int(Qt::Unchecked));

        // Ctrl+A checks the page.
        QTest::keyClick(t, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(page.header()->checkState(), Qt::Checked);
        page.headerCheckboxChanged(Qt::Unchecked);
        QVERIFY(waitIdle(page));

        // Enter opens a folder row, Backspace goes back up.
        t->setCurrentCell(rowNamed(t, QString::fromStdString(tr::base_name(m_sub))), 1);
        QTest::keyClick(t, Qt::Key_Return);
        QVERIFY(waitIdle(page));
        QCOMPARE(page.shownKey(), keyOf(v.version, m_sub));
        QTest::keyClick(t, Qt::Key_Backspace);
        QCOMPARE(page.shownKey(), root);

        // The arrows in the tree change the listed folder.
        QTreeWidget *tree = page.tree();
        tree->setFocus();
        tree->setCurrentItem(page.treeItem(root));
        page.treeItem(root)->setExpanded(true);
        QVERIFY(waitIdle(page));
        QTest::keyClick(tree, Qt::Key_Down);
        QVERIFY(tree->currentItem() != page.treeItem(root));
        QCOMPARE(page.shownKey(), reinterpret_cast<VeskItemInfo *>(
                                      tree->currentItem()->data(0, Qt::UserRole).toULongLong())->key());
    }

    // The path bar names the version and the folder with the platform's
    // separators; an empty folder says so once listed, not while loading.
    void pathBarAndEmptyFolder()
    {
        ArchiveSessionPtr session = openSession(m_locked, QStringLiteral("secret-pw"));
        QVERIFY(session);
        VeskFileInfo page;
        page.showVeskFolder(session);
        QVERIFY(QTest::qWaitFor([&] { return page.model() && !page.model()->versionRoots().isEmpty(); }, 120000));
        QVERIFY(waitIdle(page));
        const int version = page.model()->versionRoots().first()->versionId;
        const QString empty = keyOf(version, "\\d000001");
        page.showEntries(empty);
        QCOMPARE(page.tableStateText(), QStringLiteral("Loading…"));
        QVERIFY(waitIdle(page));
        QCOMPARE(page.table()->rowCount(), 0);
        QCOMPARE(page.tableStateText(), QStringLiteral("This folder is empty."));
        QVERIFY(page.pathBarText().endsWith(QDir::toNativeSeparators(QStringLiteral("/d000001"))));
        QVERIFY(page.pathBarText().startsWith(QStringLiteral("2023/")));
        page.goParentLevel();
        QCOMPARE(page.tableStateText(), QString());
    }

    // The same folder written another way is shown again, without a second
    // open (which would ask for the password) and without a second entry.
    void oneEntryPerFolder()
    {
        ArchiveSessionPtr session = openSession(m_locked, QStringLiteral("secret-pw"));
        QVERIFY(session);
        VeskFileInfo page;
        page.showVeskFolder(session);
        QVERIFY(waitIdle(page));
        int dialogs = 0;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                ++dialogs;
                d->reject();
            }
        });
        watcher.start(20);
        const QString backslashes = QString(m_locked).replace(QLatin1Char('/'), QLatin1Char('\\'));
        const QString dotted = m_locked + QStringLiteral("/../locked/./");
        for (const QString &form : {backslashes, dotted, m_locked + QLatin1Char('/')}) {
            QVERIFY2(page.openAdditionalFolder(form), qPrintable(form));
            QCOMPARE(page.openedPaths(), QStringList{AppPaths::canonicalFolder(m_locked)});
        }
        QCOMPARE(dialogs, 0);
    }

    // The program's boxes carry its pictures and icon and always a button.
    void messageBoxStyle()
    {
        QMessageBox *seen = nullptr;
        bool styled = false;
        QStringList buttons;
        QTimer::singleShot(0, [&] {
            if (!QTest::qWaitFor([&] { return QApplication::activeModalWidget() != nullptr; }, 5000))
                return;
            seen = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!seen)
                return;
            styled = !seen->iconPixmap().isNull() && !seen->windowIcon().isNull() &&
                     seen->objectName() == QStringLiteral("messageBox");
            for (QAbstractButton *b : seen->buttons())
                buttons << b->text();
            seen->buttons().first()->click();
        });
        const auto answer = Hcommon::showMessage(QMessageBox::Warning, QStringLiteral("Orvex Extract Tool"),
                                                 QStringLiteral("Unknown VESK format."), QMessageBox::NoButton, nullptr);
        QVERIFY(seen);
        QVERIFY(styled);
        QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(answer, QMessageBox::Ok);
    }
};

QTEST_MAIN(TestBrowserSelection)
#include "test_browser_selection.moc"
