// The event log viewer's rules without widgets: reading lines, sorting by
// each column in both directions, paging, and saving.
#include "EventLogModel.h"
#include "Hcommon/Logger.h"
#include "gui_test_support.h"

#include <QFile>
#include <QtTest>

using Hcommon::Logger;

class TestEventLogModel : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-eventlog-model"};

    static QStringList messagesOf(const EventLogModel &m)
    {
        QStringList out;
        for (const EventLogEntry &e : m.entries())
            out << e.message;
        return out;
    }

private slots:
    void initTestCase() { guitest::installStrictMessageHandler(); }

    void parseLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("message");
        QTest::newRow("error") << "[2024/05/02 13:04:05] [Error] [Orvex Extract Tool] [Photos] Unknown VESK format."
                               << "2024/05/02 13:04:05" << int(Logger::Error)
                               << "[Orvex Extract Tool] [Photos] Unknown VESK format.";
        QTest::newRow("every level name") << "[2024/05/02 13:04:05] [Performance] took 3 ms" << "2024/05/02 13:04:05"
                                          << int(Logger::Performance) << "took 3 ms";
        QTest::newRow("level from its own field only")
            << "[2024/05/02 13:04:05] [Debug] no Error here, no Warning, no Info" << "2024/05/02 13:04:05"
            << int(Logger::Debug) << "no Error here, no Warning, no Info";
        QTest::newRow("unknown level stays in the message")
            << "[2024/05/02 13:04:05] [Fatal] boom" << "2024/05/02 13:04:05" << 0 << "[Fatal] boom";
        QTest::newRow("mask names are not levels")
            << "[2024/05/02 13:04:05] [All] x" << "2024/05/02 13:04:05" << 0 << "[All] x";
        QTest::newRow("no date") << "Error: something else wrote this" << "" << 0
                                 << "Error: something else wrote this";
        QTest::newRow("impossible date") << "[2024/13/45 25:00:00] [Info] x" << "" << int(Logger::Info) << "x";
        QTest::newRow("carriage return") << "[2024/05/02 13:04:05] [Info] dos\r" << "2024/05/02 13:04:05"
                                         << int(Logger::Info) << "dos";
        QTest::newRow("empty message") << "[2024/05/02 13:04:05] [Warning]" << "2024/05/02 13:04:05"
                                       << int(Logger::Warning) << "";
    }
    void parseLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, time);
        QFETCH(int, level);
        QFETCH(QString, message);
        const EventLogEntry e = EventLogModel::parseLine(line);
        QCOMPARE(e.time.isValid() ? e.time.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")) : QString(), time);
        QCOMPARE(e.level, level);
        QCOMPARE(e.message, message);
        QCOMPARE(e.line, line);
    }

    void sorting()
    {
        EventLogModel m;
        m.setLines({
            QStringLiteral("[2024/05/02 10:00:00] [Info] b second"),
            QStringLiteral("[2024/05/01 10:00:00] [Error] C first"),
            QStringLiteral("[2024/05/03 10:00:00] [Debug] a third"),
            QStringLiteral("[2024/05/02 10:00:00] [Warning] d same time as b"),
            QStringLiteral("no date at all"),
        });
        // Newest first to start with; of two lines of one second the later one first.
        QCOMPARE(m.sortColumn(), int(EventLogModel::DateColumn));
        QCOMPARE(messagesOf(m), (QStringList{"a third", "d same time as b", "b second", "C first", "no date at all"}));

        m.headerClicked(EventLogModel::DateColumn);
        QCOMPARE(m.sortOrder(), Qt::AscendingOrder);
        QCOMPARE(messagesOf(m), (QStringList{"no date at all", "C first", "b second", "d same time as b", "a third"}));
        m.headerClicked(EventLogModel::DateColumn);
        QCOMPARE(m.sortOrder(), Qt::DescendingOrder);

        m.headerClicked(EventLogModel::TypeColumn); // most severe first
        QCOMPARE(messagesOf(m), (QStringList{"C first", "d same time as b", "b second", "a third", "no date at all"}));
        m.headerClicked(EventLogModel::TypeColumn);
        QCOMPARE(messagesOf(m), (QStringList{"no date at all", "a third", "b second", "d same time as b", "C first"}));

        m.headerClicked(EventLogModel::MessageColumn); // ignoring case
        QCOMPARE(messagesOf(m), (QStringList{"a third", "b second", "C first", "d same time as b", "no date at all"}));
        m.headerClicked(EventLogModel::MessageColumn);
        QCOMPARE(messagesOf(m).first(), QStringLiteral("no date at all"));

        // New lines keep the chosen order.
        m.setLines({QStringLiteral("[2024/05/02 10:00:00] [Info] y"), QStringLiteral("[2024/05/02 10:00:00] [Info] z")});
        QCOMPARE(messagesOf(m), (QStringList{"z", "y"}));
        m.headerClicked(7); // no such column
        QCOMPARE(m.sortColumn(), int(EventLogModel::MessageColumn));
    }

    void paging()
    {
        QStringList lines;
        for (int i = 0; i < 120; ++i)
            lines << QStringLiteral("[2024/05/02 10:%1:00] [Info] line %2").arg(i % 60, 2, 10, QLatin1Char('0')).arg(i);
        EventLogModel m;
        m.setLines(lines);
        QCOMPARE(m.page().pageCount, 3);
        QCOMPARE(m.page().currentPage, 1);
        QCOMPARE(m.currentPage().size(), 50);
        m.page().currentPage = 3;
        m.page().normalise();
        QCOMPARE(m.page().rangeText(), QStringLiteral("101-120"));
        QCOMPARE(m.currentPage().size(), 20);
        // Fewer lines later: the page follows.
        m.setLines(lines.mid(0, 60));
        QCOMPARE(m.page().currentPage, 2);
        QCOMPARE(m.page().rangeText(), QStringLiteral("51-60"));
        m.clear();
        QCOMPARE(m.page().pageCount, 0);
        QCOMPARE(m.page().rangeText(), QStringLiteral("0-0"));
        QVERIFY(m.currentPage().isEmpty());
        // Lines again after clearing start on page 1.
        m.setLines(lines);
        QCOMPARE(m.page().currentPage, 1);
    }

    void saveLines()
    {
        const QString path = guitest::qstr(m_dir / "saved.log");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older, longer file that must not shine through\n");
        old.close();
        QString error;
        QVERIFY(EventLogModel::saveLines(path, {QStringLiteral("ä line"), QStringLiteral("second")}, &error));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("\xc3\xa4 line\nsecond\n"));

        QVERIFY(!EventLogModel::saveLines(guitest::qstr(m_dir / "no-such-folder" / "x.log"), {QStringLiteral("x")},
                                          &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_MAIN(TestEventLogModel)
#include "test_event_log_model.moc"
