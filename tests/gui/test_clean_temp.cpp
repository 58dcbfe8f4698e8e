// Clearing the program's temporary folder at start: everything inside goes,
// and a link inside (or the folder itself being a link) never takes the
// files it points to with it.
#include "VeskThreads.h"
#include "gui_test_support.h"

#include <QSignalSpy>
#include <QtTest>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

class TestCleanTemp : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-clean"};

    void touch(const fs::path &p)
    {
        fs::create_directories(p.parent_path());
        std::ofstream(p) << "keep";
    }

    void clean(const fs::path &folder)
    {
        CleanTempFileThread thread(guitest::qstr(folder));
        QSignalSpy done(&thread, &CleanTempFileThread::cleanFinshed);
        thread.start();
        QVERIFY(thread.wait(60000));
        QCOMPARE(done.count(), 1);
    }

private slots:
    void initTestCase() { guitest::installStrictMessageHandler(); }

    void removesTheTreeButNotWhatLinksPointTo()
    {
        const fs::path outside = m_dir / "outside";
        touch(outside / "precious.txt");
        const fs::path temp = m_dir / "Halvern" / "Orvex Extract Tool";
        touch(temp / "opened" / "a.txt");
        fs::create_directory_symlink(outside, temp / "opened" / "link-to-outside");
        clean(temp);
        QVERIFY(!fs::exists(fs::symlink_status(temp)));
        QVERIFY(fs::exists(outside / "precious.txt"));
    }

    void aLinkInPlaceOfTheFolderIsRemovedAsALink()
    {
        const fs::path outside = m_dir / "outside2";
        touch(outside / "precious.txt");
        const fs::path temp = m_dir / "temp-link";
        fs::create_directory_symlink(outside, temp);
        clean(temp);
        QVERIFY(!fs::exists(fs::symlink_status(temp)));
        QVERIFY(fs::exists(outside / "precious.txt"));
    }

    void missingFolderIsFine()
    {
        clean(m_dir / "never-created");
    }
};

QTEST_GUILESS_MAIN(TestCleanTemp)
#include "test_clean_temp.moc"
