// The event log viewer on the real logger and file: 120 lines in three
// pages, icons and colours per level (none for Debug), sorting by a header
// click, Clear with its question and new lines afterwards, Save, and a log
// file that could not be opened.
#include "AppPaths.h"
#include "EventLog.h"
#include "Hcommon/Logger.h"
#include "Hcommon/PagingBar.h"
#include "Hcommon/QListCtrlButton.h"
#include "gui_test_support.h"
#include "widget_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using Hcommon::Logger;

class TestEventLog : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-eventlog"};

    static void writeLines(int count, Logger::LogLevel level, const char *text)
    {
        for (int i = 0; i < count; ++i)
            Logger::instance()->log(level, "%s %d", text, i);
        Logger::instance()->flush();
    }

    static QString typeIcon(EventLog &d, int row)
    {
        auto *b = qobject_cast<QListCtrlButton *>(d.table()->cellWidget(row, 0));
        return b ? b->iconName() : QString();
    }

    // Shows the dialog and waits until it has read the log.
    static void showAndRead(EventLog &d)
    {
        QSignalSpy listed(&d, &EventLog::updateListSignal);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTRY_COMPARE(listed.size(), 1);
    }

private slots:
    void initTestCase()
    {
        guitest::installStrictMessageHandler();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
        QCoreApplication::setApplicationName(QStringLiteral("Orvex Extract Tool Event Log Test"));
        QDir().mkpath(AppPaths::appDataFolder());
        QFile::remove(AppPaths::eventLogFile());
        QVERIFY(Logger::instance()->openLogFile(AppPaths::eventLogFile(), false, true));
        Logger::instance()->setLevelMask(Logger::All);
    }
    void init()
    {
        Logger::instance()->clear();
    }

    void hundredTwentyLinesInThreePages()
    {
        writeLines(120, Logger::Info, "line");
        EventLog d;
        showAndRead(d);
        QCOMPARE(d.model().entries().size(), 120);
        QCOMPARE(d.table()->rowCount(), 50);
        QCOMPARE(d.pagingBar()->pageCountText(), QStringLiteral("/ 3"));
        QCOMPARE(d.pagingBar()->rangeText(), QStringLiteral("Display item: 1-50, Total: 120"));
        QVERIFY(!d.pagingBar()->previousButton()->isEnabled());

        d.pagingBar()->lastButton()->click();
        QCOMPARE(d.table()->rowCount(), 20);
        QCOMPARE(d.pagingBar()->rangeText(), QStringLiteral("Display item: 101-120, Total: 120"));
        QVERIFY(!d.pagingBar()->nextButton()->isEnabled());
        QVERIFY(d.pagingBar()->firstButton()->isEnabled());

        d.pagingBar()->previousButton()->click();
        QCOMPARE(d.pagingBar()->rangeText(), QStringLiteral("Display item: 51-100, Total: 120"));
        d.pagingBar()->pageEdit()->setText(QStringLiteral("3"));
        emit d.pagingBar()->pageEdit()->returnPressed();
        QCOMPARE(d.model().page().currentPage, 3);

        d.pagingBar()->pageSizeCombo()->setCurrentIndex(1); // 100 per page
        QCOMPARE(d.pagingBar()->pageCountText(), QStringLiteral("/ 2"));
        QCOMPARE(d.table()->rowCount(), 100);
    }

    void iconsAndColoursPerLevel()
    {
        Logger::instance()->log(Logger::Error, "[Orvex Extract Tool] [Photos] broken");
        Logger::instance()->log(Logger::Warning, "careful");
        Logger::instance()->log(Logger::Info, "fine");
        Logger::instance()->log(Logger::Debug, "mentions Error but is Debug");
        Logger::instance()->log(Logger::Trace, "trace");
        Logger::instance()->flush();
        EventLog d;
        showAndRead(d);
        QCOMPARE(d.table()->rowCount(), 5);
        // Sort by type, least severe first, so the rows are in a known order.
        d.headerSectionClicked(EventLogModel::TypeColumn);
        d.headerSectionClicked(EventLogModel::TypeColumn);
        QCOMPARE(d.table()->horizontalHeader()->sortIndicatorSection(), int(EventLogModel::TypeColumn));
        QCOMPARE(d.table()->horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        const struct {
            QString icon;
            QColor colour;
            const char *message;
        } expected[] = {
            {QString(), QColor(47, 47, 47), "trace"},
            {QString(), QColor(47, 47, 47), "mentions Error but is Debug"},
            {QStringLiteral(":/images/log_info.png"), QColor(47, 47, 47), "fine"},
            {QStringLiteral(":/images/log_warning.png"), QColor(235, 120, 32), "careful"},
            {QStringLiteral(":/images/log_error.png"), QColor(215, 38, 37), "[Orvex Extract Tool] [Photos] broken"},
        };
        for (int row = 0; row < 5; ++row) {
            QCOMPARE(typeIcon(d, row), expected[row].icon);
            QCOMPARE(d.table()->item(row, 0) != nullptr, !expected[row].icon.isEmpty());
            QCOMPARE(d.table()->item(row, 2)->text(), QString::fromLatin1(expected[row].message));
            QCOMPARE(d.table()->item(row, 2)->foreground().color(), expected[row].colour);
            QCOMPARE(d.table()->item(row, 1)->foreground().color(), expected[row].colour);
            QVERIFY(QDateTime::fromString(d.table()->item(row, 1)->text(), QStringLiteral("yyyy/MM/dd HH:mm")).isValid());
        }
        QCOMPARE(d.table()->verticalHeader()->defaultSectionSize(), 48);
    }

    void clearAsksThenEmptiesAndNewLinesFollow()
    {
        writeLines(3, Logger::Warning, "before");
        {
            EventLog d;
            showAndRead(d);
            QCOMPARE(d.table()->rowCount(), 3);

            // Cancel keeps everything.
            QString question;
            guitest::answerNextMessageBox(QStringLiteral("Cancel"), &question);
            d.clearButton()->click();
            QCOMPARE(question, QStringLiteral("Are you sure you want to delete all event logs?"));
            QCOMPARE(d.table()->rowCount(), 3);

            guitest::answerNextMessageBox(QStringLiteral("OK"));
            d.clearButton()->click();
            QCOMPARE(d.table()->rowCount(), 0);
            QCOMPARE(d.pagingBar()->rangeText(), QStringLiteral("Display item: 0-0, Total: 0"));
            QVERIFY(!d.pagingBar()->pageEdit()->isEnabled());
        }
        QFile file(AppPaths::eventLogFile());
        QCOMPARE(file.size(), 0);
        {
            EventLog reopened;
            showAndRead(reopened);
            QCOMPARE(reopened.table()->rowCount(), 0);
        }
        writeLines(2, Logger::Error, "after");
        EventLog d;
        showAndRead(d);
        QCOMPARE(d.table()->rowCount(), 2);
        QCOMPARE(d.table()->item(0, 2)->text(), QStringLiteral("after 1"));
    }

    void saveWritesEveryLine()
    {
        writeLines(60, Logger::Info, "saved");
        EventLog d;
        showAndRead(d);
        const QString target = guitest::qstr(m_dir / "export.log");
        QString error;
        QVERIFY2(d.saveLogsTo(target, &error), qPrintable(error));
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = saved.readAll().split('\n');
        QCOMPARE(lines.size(), 61); // and the final line break
        QVERIFY(lines.first().endsWith("[Info] saved 0"));
        QVERIFY(lines.at(59).endsWith("[Info] saved 59"));

        // Never over the event log itself, nor where nothing can be written.
        QVERIFY(!d.saveLogsTo(AppPaths::eventLogFile(), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(Logger::instance()->readLines(QString()).size(), 60);
        QVERIFY(!d.saveLogsTo(guitest::qstr(m_dir / "missing" / "x.log"), &error));
    }

    void unopenedLogFileSaysSo()
    {
        Logger::instance()->closeLogFile();
        {
            EventLog d;
            showAndRead(d);
            QCOMPARE(d.table()->rowCount(), 0);
            QVERIFY(d.statusLabel()->isVisible());
            QVERIFY(d.statusLabel()->text().contains(QDir::toNativeSeparators(AppPaths::eventLogFile())));
        }
        QVERIFY(Logger::instance()->openLogFile(AppPaths::eventLogFile(), true, true));
        writeLines(1, Logger::Info, "back");
        EventLog d;
        showAndRead(d);
        QVERIFY(!d.statusLabel()->isVisible());
        QCOMPARE(d.table()->rowCount(), 1);
    }
};

QTEST_MAIN(TestEventLog)
#include "test_event_log.moc"
