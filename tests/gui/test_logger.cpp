// The event log writer: line format, level mask, the line bound, reading,
// filtering and clearing.
#include "Hcommon/Logger.h"
#include "gui_test_support.h"

#include <QRegularExpression>
#include <QtTest>

using Hcommon::Logger;

class TestLogger : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-logger"};
    Logger *log = nullptr;

    QString file(const char *name) const { return guitest::qstr(m_dir.path()) + QLatin1Char('/') + name; }

private slots:
    void initTestCase()
    {
        guitest::installStrictMessageHandler();
        log = Logger::instance();
        // Until the main window opens the event log, only errors are produced.
        QCOMPARE(log->levelMask(), int(Logger::Error));
        QVERIFY(!log->enabled(Logger::Warning));
    }
    void init()
    {
        log->closeLogFile();
        log->setLevelMask(Logger::All);
    }
    void cleanup() { log->closeLogFile(); }

    void lineFormat()
    {
        QVERIFY(log->openLogFile(file("format.log"), false, true));
        log->log(Logger::Warning, "copied %d files from %s", 42, "vault");
        log->logText(Logger::Info, QStringLiteral("naïve ünïcode"));
        log->flush();
        const QStringList lines = log->readAllLines();
        QCOMPARE(lines.size(), 2);
        const QRegularExpression prefix(QStringLiteral(R"(^\[\d{4}/\d\d/\d\d \d\d:\d\d:\d\d\] \[(\w+)\] (.*)$)"));
        auto m = prefix.match(lines[0]);
        QVERIFY2(m.hasMatch(), qPrintable(lines[0]));
        QCOMPARE(m.captured(1), QStringLiteral("Warning"));
        QCOMPARE(m.captured(2), QStringLiteral("copied 42 files from vault"));
        m = prefix.match(lines[1]);
        QCOMPARE(m.captured(1), QStringLiteral("Info"));
        QCOMPARE(m.captured(2), QStringLiteral("naïve ünïcode"));
    }

    void levelMask_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("errors only (the start-up mask)") << int(Logger::Error) << QStringList{"Error"};
        QTest::newRow("all") << int(Logger::All)
                             << QStringList{"Trace", "Performance", "Debug", "Info", "Warning", "Error"};
        QTest::newRow("nothing") << 0 << QStringList{};
        QTest::newRow("negative mask writes nothing") << -1 << QStringList{};
        QTest::newRow("info and warning") << int(Logger::Info | Logger::Warning) << QStringList{"Info", "Warning"};
    }
    void levelMask()
    {
        QFETCH(int, mask);
        QFETCH(QStringList, written);
        QVERIFY(log->openLogFile(file("mask.log"), false, true));
        log->setLevelMask(mask);
        for (Logger::LogLevel l : {Logger::Trace, Logger::Performance, Logger::Debug, Logger::Info, Logger::Warning,
                                   Logger::Error})
            log->log(l, "m");
        log->flush();
        QStringList levels;
        for (const QString &line : log->readAllLines())
            levels << line.section(QStringLiteral("] ["), 1).section(QLatin1Char(']'), 0, 0);
        QCOMPARE(levels, written);
    }

    void lineBoundKeepsNewestWholeLines()
    {
        QVERIFY(log->openLogFile(file("bound.log"), false, true));
        const int total = Logger::kMaxLines + 1500;
        for (int i = 0; i < total; ++i)
            log->log(Logger::Info, "line %d", i);
        log->flush();
        const QStringList lines = log->readAllLines();
        QVERIFY(lines.size() <= Logger::kMaxLines);
        QVERIFY(lines.size() >= Logger::kKeepLines);
        QVERIFY(lines.last().endsWith(QStringLiteral("line %1").arg(total - 1)));
        // Consecutive and whole: nothing overwritten in the middle of a line.
        const int first = lines.first().section(QLatin1Char(' '), -1).toInt();
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY2(lines[i].endsWith(QStringLiteral("] [Info] line %1").arg(first + i)), qPrintable(lines[i]));
    }

    void appendCountsExistingLines()
    {
        QVERIFY(log->openLogFile(file("append.log"), false, true));
        log->log(Logger::Info, "first");
        log->flush();
        QVERIFY(!log->openLogFile(file("other.log"), true, true)); // one file at a time
        log->closeLogFile();
        QVERIFY(!log->openLogFile(QString(), true, true));
        QVERIFY(log->openLogFile(file("append.log"), true, true));
        log->log(Logger::Info, "second");
        log->flush();
        const QStringList lines = log->readAllLines();
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].endsWith(QStringLiteral("first")));
        QVERIFY(lines[1].endsWith(QStringLiteral("second")));
    }

    void disabledFileGetsNothing()
    {
        QVERIFY(log->openLogFile(file("disabled.log"), false, false));
        log->log(Logger::Error, "not in the file");
        log->flush();
        QVERIFY(log->readAllLines().isEmpty());
    }

    void readFilteredAndClear()
    {
        QVERIFY(log->openLogFile(file("filter.log"), false, true));
        log->log(Logger::Info, "[Orvex Extract Tool] [alpha] done");
        log->log(Logger::Error, "[Orvex Extract Tool] [beta] failed");
        log->log(Logger::Info, "multi\nline message");
        log->flush();
        QCOMPARE(log->readLines(QStringLiteral("[beta]")).size(), 1);
        QCOMPARE(log->readLines(QStringLiteral("ALPHA")).size(), 0); // case-sensitive
        QCOMPARE(log->readLines(QString()).size(), 3);               // a line break stays inside its line
        QVERIFY(log->clear());
        QVERIFY(log->readAllLines().isEmpty());
        log->log(Logger::Warning, "after clear");
        log->flush();
        QCOMPARE(log->readAllLines().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestLogger)
#include "test_logger.moc"
