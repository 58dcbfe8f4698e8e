// The browser's rules without widgets: size text, paging, icons, the header
// check state, folder arguments and translation names.
#include "AppPaths.h"
#include "BrowserLogic.h"
#include "LanguageTable.h"
#include "gui_test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

using namespace BrowserLogic;

Q_DECLARE_METATYPE(QVector<RowCheck>)

class TestBrowserLogic : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { guitest::installStrictMessageHandler(); }

    void sizeTextTable_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0.00 KB";
        QTest::newRow("one and a half KB") << qint64(1536) << "1.50 KB";
        QTest::newRow("just under a MB") << qint64(1048575) << "1024.00 KB";
        QTest::newRow("one MB") << qint64(1048576) << "1.00 MB";
        QTest::newRow("one GB") << (qint64(1) << 30) << "1.00 GB";
        QTest::newRow("one TB") << (qint64(1) << 40) << "1.00 TB";
        QTest::newRow("2.5 PB stays in TB") << qint64(2.5 * double(qint64(1) << 50)) << "2560.00 TB";
    }
    void sizeTextTable()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(sizeText(bytes), text);
    }

    void paging_data()
    {
        QTest::addColumn<qint64>("entries");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<qint64>("page");
        QTest::addColumn<qint64>("pages");
        QTest::addColumn<qint64>("shownPage");
        QTest::addColumn<QString>("range");
        QTest::addColumn<bool>("back");
        QTest::addColumn<bool>("forward");
        QTest::newRow("120 by 50, page 3") << qint64(120) << qint64(50) << qint64(3) << qint64(3) << qint64(3)
                                           << "101-120" << true << false;
        QTest::newRow("120 by 50, page 1") << qint64(120) << qint64(50) << qint64(1) << qint64(3) << qint64(1)
                                           << "1-50" << false << true;
        QTest::newRow("page beyond the end") << qint64(120) << qint64(100) << qint64(9) << qint64(2) << qint64(2)
                                             << "101-120" << true << false;
        QTest::newRow("exact fit") << qint64(500) << qint64(250) << qint64(2) << qint64(2) << qint64(2) << "251-500"
                                   << true << false;
        QTest::newRow("no entries") << qint64(0) << qint64(50) << qint64(1) << qint64(0) << qint64(0) << "0-0"
                                    << false << false;
        QTest::newRow("one entry") << qint64(1) << qint64(50) << qint64(1) << qint64(1) << qint64(1) << "1-1"
                                   << false << false;
    }
    void paging()
    {
        QFETCH(qint64, entries);
        QFETCH(qint64, size);
        QFETCH(qint64, page);
        QFETCH(qint64, pages);
        QFETCH(qint64, shownPage);
        QFETCH(QString, range);
        QFETCH(bool, back);
        QFETCH(bool, forward);
        PageInfo p;
        p.entries = entries;
        p.pageSize = size;
        p.currentPage = page;
        p.normalise();
        QCOMPARE(p.pageCount, pages);
        QCOMPARE(p.currentPage, shownPage);
        QCOMPARE(p.rangeText(), range);
        QCOMPARE(p.canGoBack(), back);
        QCOMPARE(p.canGoForward(), forward);
    }

    void icons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("folder");
        QTest::addColumn<QString>("icon");
        QTest::newRow("mp4 is audio: first list wins") << "clip.mp4" << false << "ic_audio.png";
        QTest::newRow("video") << "clip.mov" << false << "ic_video.png";
        QTest::newRow("image, any case") << "PHOTO.JPG" << false << "ic_image.png";
        QTest::newRow("word") << "letter.docx" << false << "ic_word.png";
        QTest::newRow("slides") << "deck.pptx" << false << "ic_ppt.png";
        QTest::newRow("sheet") << "sums.xlsx" << false << "ic_exce.png";
        QTest::newRow("text") << "readme.txt" << false << "ic_text.png";
        QTest::newRow("archive by last suffix") << "src.tar.gz" << false << "ic_zip.png";
        QTest::newRow("disc image") << "disk.iso" << false << "ic_iso.png";
        QTest::newRow("log is a document") << "run.log" << false << "ic_doc.png";
        QTest::newRow("web page") << "index.html" << false << "ic_html.png";
        QTest::newRow("suffix inside the name only") << "mp3.notes" << false << "ic_unknow.png";
        QTest::newRow("no suffix") << "Makefile" << false << "ic_unknow.png";
        QTest::newRow("folder named like a file") << "movie.mp4" << true << "ic_folder.png";
    }
    void icons()
    {
        QFETCH(QString, name);
        QFETCH(bool, folder);
        QFETCH(QString, icon);
        QCOMPARE(iconNameFor(name, folder), icon);
    }

    void headerState_data()
    {
        QTest::addColumn<QVector<RowCheck>>("rows");
        QTest::addColumn<int>("state");
        QTest::newRow("no rows") << QVector<RowCheck>{} << 0;
        QTest::newRow("none checked") << QVector<RowCheck>{{0, true}, {0, true}} << 0;
        QTest::newRow("all checked") << QVector<RowCheck>{{2, true}, {2, true}} << 2;
        QTest::newRow("some checked") << QVector<RowCheck>{{2, true}, {0, true}} << 1;
        QTest::newRow("a partly checked row") << QVector<RowCheck>{{2, true}, {1, true}} << 1;
        QTest::newRow("disabled rows do not count") << QVector<RowCheck>{{2, true}, {0, false}} << 2;
        QTest::newRow("only disabled rows") << QVector<RowCheck>{{0, false}} << 0;
    }
    void headerState()
    {
        QFETCH(QVector<RowCheck>, rows);
        QFETCH(int, state);
        QCOMPARE(headerCheckState(rows), state);
    }

    void folderArgument()
    {
        orvex::testkit::TempDir dir("orvex-gui-arg");
        const QString root = guitest::qstr(dir.path());
        QDir().mkpath(root + "/backup");
        QFile f(root + "/backup/HalvernTrellisSync.info");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(AppPaths::folderArgument(root + "/backup"), root + "/backup");
        QCOMPARE(AppPaths::folderArgument(root + "/backup/HalvernTrellisSync.info"), root + "/backup");
        QCOMPARE(AppPaths::folderArgument(root + "/missing"), QString());
        QCOMPARE(AppPaths::folderArgument(QString()), QString());
        QCOMPARE(AppPaths::toLibraryPath(QStringLiteral("/a/b c/d")), QStringLiteral("\\a\\b c\\d"));
    }

    void translations()
    {
        QCOMPARE(LanguageTable::codeFromFileName(QStringLiteral("OrvexExTool_de_de.qm")), QStringLiteral("de_de"));
        QCOMPARE(LanguageTable::webLanguageTag(QStringLiteral("zh_tw")), QStringLiteral("zh-tw"));
        QCOMPARE(LanguageTable::webLanguageTag(QStringLiteral("pt_pt")), QStringLiteral("pt-pt"));
        QCOMPARE(LanguageTable::webLanguageTag(QStringLiteral("pt_br")), QStringLiteral("en"));
        QCOMPARE(LanguageTable::webLanguageTag(QString()), QStringLiteral("en"));

        orvex::testkit::TempDir dir("orvex-gui-tr");
        const QString root = guitest::qstr(dir.path());
        LanguageTable none(root);
        QVERIFY(none.installedNames().isEmpty());
        QCOMPARE(none.chooseCode(QStringLiteral("de_de")), QStringLiteral("en_us")); // nothing installed: English
        for (const char *name : {"OrvexExTool_de_de.qm", "OrvexExTool_xx_yy.qm", "Other_fr_fr.qm"}) {
            QFile f(root + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        LanguageTable some(root);
        QCOMPARE(some.installedNames().keys(), QStringList{"de_de"});
        QCOMPARE(some.installedIds().value("de_de"), 1031);
        QCOMPARE(some.chooseCode(QStringLiteral("de_de")), QStringLiteral("de_de"));
        QVERIFY(!some.load(QStringLiteral("de_de"))); // an empty file does not load: the source texts stay

        // The translation built beside the program loads.
        LanguageTable shipped(QFileInfo(QStringLiteral(ORVEX_TOOL_PATH)).absolutePath() + QStringLiteral("/translations"));
        QVERIFY(shipped.installedNames().contains(QStringLiteral("en_us")));
        QCOMPARE(shipped.installedNames().value(QStringLiteral("en_us")), QStringLiteral("English"));
        QVERIFY(shipped.load(QStringLiteral("en_us")));
        QCOMPARE(shipped.currentCode(), QStringLiteral("en_us"));
    }
};

QTEST_GUILESS_MAIN(TestBrowserLogic)
#include "test_browser_logic.moc"
