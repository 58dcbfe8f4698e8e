// The Region dialog (presets, the warning, what Apply stores), the update
// dialog in its three forms, and the main window's part: asking for the
// region at the first start and showing what a check found.
#include "Hcommon/Settings.h"
#include "MainWindow.h"
#include "OrvexExToolSettings.h"
#include "Region.h"
#include "UpdateChecker.h"
#include "UpdateDialog.h"
#include "gui_test_support.h"
#include "update_service_stub.h"
#include "widget_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTextDocument>
#include <QUrlQuery>
#include <QtTest>

namespace {

using guitest::catalogueFor;

QAction *actionNamed(QWidget *w, const QString &text)
{
    for (QAction *a : w->findChildren<QAction *>())
        if (a->text() == text)
            return a;
    return nullptr;
}

} // namespace

class TestSettingsDialogs : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-settings-dialogs"};
    int m_round = 0;

    static OrvexExToolSettings *settings() { return OrvexExToolSettings::instance(); }
    static int stored(const char *key) { return settings()->value(QString::fromLatin1(key), -1).toInt(); }
    static void store(const char *key, int value)
    {
        settings()->setValue(QString::fromLatin1(key), value, Hcommon::RegDword);
    }

private slots:
    void initTestCase()
    {
        guitest::installStrictMessageHandler();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
        QCoreApplication::setApplicationName(QStringLiteral("Orvex Extract Tool Settings Test"));
        for (const char *v : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(v);
    }
    void init()
    {
        Hcommon::Settings::setStorageFolder(guitest::qstr(m_dir.path()) + QStringLiteral("/settings%1").arg(++m_round));
        // What an earlier test left in memory goes: defaults again.
        OrvexExToolSettings::GlobalSettings defaults;
        const int keep[4] = {0, 0, 0, 0};
        settings()->updateGlobalSettingsInfo(defaults, 15, keep);
    }

    void regionStartsFromDefaults()
    {
        Region d;
        QTRY_VERIFY(d.autoCheckBox()->isChecked());
        QCOMPARE(d.regionCombo()->currentData().toInt(), 1);
        QCOMPARE(d.windowTitle(), QStringLiteral("Region"));
        QVERIFY(d.isModal());
        QCOMPARE(d.regionCombo()->count(), 2);
        QCOMPARE(d.regionCombo()->itemText(1), QStringLiteral("China"));
        QCOMPARE(d.regionCombo()->itemData(1).toInt(), 2);
        QVERIFY(d.autoCheckBox()->isChecked());
        QVERIFY(!d.deleteArchiveBox()->isChecked());
        QVERIFY(!d.deleteModeCombo()->isEnabled());
    }

    // Stored choices come back without the warning, and Apply stores the new ones.
    void regionPresetsAndApply()
    {
        store("Region", 2);
        store("AutoCheckUpdates", 0);
        store("DeleteArchive", 2);
        Region d;
        d.show();
        QTRY_COMPARE(d.regionCombo()->currentData().toInt(), 2);
        QVERIFY(!QApplication::activeModalWidget() || QApplication::activeModalWidget() == &d);
        QVERIFY(!d.autoCheckBox()->isChecked());
        QVERIFY(d.deleteArchiveBox()->isChecked());
        QVERIFY(d.deleteModeCombo()->isEnabled());
        QCOMPARE(d.deleteModeCombo()->currentData().toInt(), 2);

        d.regionCombo()->setCurrentIndex(0);
        d.autoCheckBox()->setChecked(true);
        d.deleteArchiveBox()->setChecked(false);
        QVERIFY(!d.deleteModeCombo()->isEnabled());
        d.applyButton()->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(stored("Region"), 1);
        QCOMPARE(stored("AutoCheckUpdates"), 1);
        QCOMPARE(stored("DeleteArchive"), 0);
        QCOMPARE(settings()->global().region, 1);
    }

    void deletingAfterExtractionWarnsFirst()
    {
        Region d;
        d.show();
        QTRY_VERIFY(d.autoCheckBox()->isChecked());
        QString warning;
        guitest::answerNextMessageBox(QStringLiteral("I understand"), &warning);
        d.deleteArchiveBox()->click();
        QCOMPARE(warning, QStringLiteral("Selecting this option will delete the .vesk folder after the extraction "
                                         "process completes. Deleted folders cannot be restored."));
        QVERIFY(d.deleteArchiveBox()->isChecked());
        QVERIFY(d.deleteModeCombo()->isEnabled());
        d.deleteModeCombo()->setCurrentIndex(d.deleteModeCombo()->findData(2));
        d.applyButton()->click();
        QCOMPARE(stored("DeleteArchive"), 2);
        QCOMPARE(stored("Region"), 1);
    }

    void applyThatCannotStoreStaysOpen()
    {
        // A storage folder below a plain file cannot be created.
        const QString file = guitest::qstr(m_dir / "plain-file");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        Hcommon::Settings::setStorageFolder(file + QStringLiteral("/settings"));
        Region d;
        d.show();
        QTRY_VERIFY(d.autoCheckBox()->isChecked());
        QString message;
        guitest::answerNextMessageBox(QStringLiteral("Close"), &message);
        d.applyButton()->click();
        QCOMPARE(message, QStringLiteral("The settings could not be saved."));
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
    }

    void regionLinkCarriesTheLanguage_data()
    {
        QTest::addColumn<int>("languageId");
        QTest::addColumn<QString>("tag");
        QTest::newRow("none stored") << 0 << "en";
        QTest::newRow("German") << 1031 << "de-de";
        QTest::newRow("Thai has no page of its own") << 1054 << "en";
    }
    void regionLinkCarriesTheLanguage()
    {
        QFETCH(int, languageId);
        QFETCH(QString, tag);
        if (languageId)
            store("LanguageId", languageId);
        guitest::UrlCatcher urls;
        Region d;
        d.regionLinkClicked();
        QCOMPARE(urls.urls.size(), 1);
        QCOMPARE(QUrlQuery(urls.urls.first()).queryItemValue(QStringLiteral("lang")), tag);
        QVERIFY(urls.urls.first().host().endsWith(QLatin1String(".example")));
    }

    void updateDialogForms_data()
    {
        QTest::addColumn<bool>("succeeded");
        QTest::addColumn<bool>("newer");
        QTest::addColumn<bool>("connectionProblem");
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("text");
        QTest::newRow("certificate problem") << false << false << true << int(UpdateDialog::SupportForm)
                                             << "Unable to check for update. Contact Halvern support.";
        QTest::newRow("up to date") << true << false << false << int(UpdateDialog::MessageForm)
                                    << "The latest version of Orvex Extract Tool is already installed.";
        QTest::newRow("failed") << false << false << false << int(UpdateDialog::MessageForm)
                                << "Unable to check for update.";
        QTest::newRow("newer") << true << true << false << int(UpdateDialog::DownloadForm)
                               << "A newer version of Orvex Extract Tool is available. Version: 1.2.0.27001";
    }
    void updateDialogForms()
    {
        QFETCH(bool, succeeded);
        QFETCH(bool, newer);
        QFETCH(bool, connectionProblem);
        QFETCH(int, form);
        QFETCH(QString, text);
        UpdateResult r;
        r.manual = true;
        r.succeeded = succeeded;
        r.newerAvailable = newer;
        r.connectionProblem = connectionProblem;
        if (newer) {
            r.version = QStringLiteral("1.2.0");
            r.build = QStringLiteral("27001");
            r.downloadUrl = QStringLiteral("https://downloads.halvern.example/OrvexExTool.exe");
        }
        guitest::UrlCatcher urls;
        UpdateDialog d(r);
        d.show();
        QCOMPARE(int(d.form()), form);
        QCOMPARE(d.windowTitle(), QStringLiteral("Orvex Extract Tool Update"));
        QCOMPARE(d.objectName(), QStringLiteral("UpdateDialog"));
        QVERIFY(d.isModal());
        QTextDocument doc;
        doc.setHtml(d.textLabel()->text());
        QCOMPARE(d.textLabel()->textFormat() == Qt::RichText ? doc.toPlainText() : d.textLabel()->text(), text);
        QCOMPARE(d.downloadButton()->isVisible(), newer);
        QVERIFY(d.closeButton()->isVisible());
        if (form == UpdateDialog::SupportForm) {
            emit d.textLabel()->linkActivated(QStringLiteral("support"));
            QCOMPARE(urls.urls.size(), 1);
            QCOMPARE(urls.urls.first().path(), QStringLiteral("/support"));
        }
        if (newer) {
            d.downloadButton()->click();
            QCOMPARE(urls.urls, QList<QUrl>{QUrl(r.downloadUrl)});
            QVERIFY(!d.isVisible());
        } else {
            d.closeButton()->click();
            QVERIFY(!d.isVisible());
        }
    }

    // The first start asks for the region without blocking the window; once
    // chosen it is not asked again.
    void mainWindowAsksForTheRegionOnce()
    {
        MainWindow w;
        w.show();
        QTRY_VERIFY(w.regionDialog() && w.regionDialog()->isVisible());
        QVERIFY(w.regionDialog()->isModal());
        QTRY_COMPARE(w.regionDialog()->regionCombo()->currentData().toInt(), 1);
        w.regionDialog()->applyButton()->click();
        QTRY_VERIFY(!w.regionDialog());
        QCOMPARE(stored("Region"), 1);
        w.hide();
        w.show();
        QTest::qWait(50);
        QVERIFY(!w.regionDialog());
    }

    // "Check for Updates" asks the service and shows what it found; an
    // automatic check shows only a newer release.
    void mainWindowShowsCheckResults()
    {
        store("Region", 1);
        guitest::UpdateServiceStub service;
        service.answer(200, catalogueFor("1.1.8", "26329"));
        store("SoftwareInfoSSL", 0);
        store("SoftwareInfoPort", service.port());
        settings()->setValue(QStringLiteral("SoftwareInfoHost"), QStringLiteral("127.0.0.1"), Hcommon::RegSz);

        MainWindow w;
        w.show();
        QTest::qWait(20);
        QVERIFY(!w.regionDialog());
        QAction *check = actionNamed(&w, QStringLiteral("Check for Updates"));
        QVERIFY(check);
        check->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(w.updateDialog(), 20000);
        QCOMPARE(service.requests().size(), 1);
        QCOMPARE(w.updateDialog()->form(), UpdateDialog::MessageForm);
        QCOMPARE(w.updateDialog()->textLabel()->text(),
                 QStringLiteral("The latest version of Orvex Extract Tool is already installed."));
        w.updateDialog()->closeButton()->click();
        QTRY_VERIFY(!w.updateDialog());

        // Automatic and up to date: nothing to show.
        QSignalSpy finished(w.updateChecker(), &UpdateChecker::checkFinished);
        w.updateChecker()->scheduleAutomatic(0);
        QVERIFY(finished.wait(20000));
        QTest::qWait(20);
        QVERIFY(!w.updateDialog());

        // Automatic and newer: offered for download.
        service.answer(200, catalogueFor("1.2.0", "27001"));
        w.updateChecker()->scheduleAutomatic(0);
        QTRY_VERIFY_WITH_TIMEOUT(w.updateDialog(), 20000);
        QCOMPARE(w.updateDialog()->form(), UpdateDialog::DownloadForm);
        QCOMPARE(service.requests().size(), 3);
    }
};

QTEST_MAIN(TestSettingsDialogs)
#include "test_settings_dialogs.moc"
