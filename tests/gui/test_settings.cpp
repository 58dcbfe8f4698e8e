// Settings: where a key is stored, typed values, removal, and the program's
// settings with their defaults and language rules.
#include "Hcommon/Settings.h"
#include "OrvexExToolSettings.h"
#include "gui_test_support.h"

#include <QtTest>

using Hcommon::Settings;

class TestSettings : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-settings"};

private slots:
    void initTestCase()
    {
        guitest::installStrictMessageHandler();
        QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
        QCoreApplication::setApplicationName(QStringLiteral("Orvex Extract Tool"));
    }
    void init() { Settings::setStorageFolder(guitest::qstr(m_dir.path()) + QStringLiteral("/") + QTest::currentTestFunction()); }

    void keyLocation_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("subkey");
        QTest::addColumn<QString>("name");
        const QString app = QStringLiteral("Software\\Halvern\\Orvex Extract Tool");
        QTest::newRow("plain") << "Region" << app << "Region";
        QTest::newRow("slash group") << "Update/Host" << app + "\\Update" << "Host";
        QTest::newRow("backslash group") << "Update\\Host" << app + "\\Update" << "Host";
        QTest::newRow("empty is the key itself") << "" << app << "";
        QTest::newRow("slash is the key itself") << "/" << app << "";
        QTest::newRow("backslash is the key itself") << "\\" << app << "";
    }
    void keyLocation()
    {
        QFETCH(QString, key);
        QFETCH(QString, subkey);
        QFETCH(QString, name);
        Settings s;
        Settings::Location loc;
        QVERIFY(s.resolve(key, &loc));
        QCOMPARE(loc.hive, QStringLiteral("HKEY_CURRENT_USER"));
        QCOMPARE(loc.subkey, subkey);
        QCOMPARE(loc.name, name);
    }

    void explicitRoot()
    {
        Settings machine(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Vendor"));
        Settings::Location loc;
        QVERIFY(machine.resolve(QStringLiteral("Path"), &loc));
        QCOMPARE(loc.hive, QStringLiteral("HKEY_LOCAL_MACHINE"));
        QCOMPARE(loc.subkey, QStringLiteral("Software\\Vendor"));
        QVERIFY(machine.setValue(QStringLiteral("Path"), QStringLiteral("x"), Hcommon::RegSz));
        QCOMPARE(machine.value(QStringLiteral("Path")).toString(), QStringLiteral("x"));
        // The same value name under the user's application key is another value.
        QVERIFY(!Settings().value(QStringLiteral("Path")).isValid());

        Settings bogus(QStringLiteral("HKEY_NOWHERE\\Software"));
        QVERIFY(!bogus.resolve(QStringLiteral("Path"), &loc));
        QVERIFY(!bogus.setValue(QStringLiteral("Path"), 1, Hcommon::RegDword));
        QCOMPARE(bogus.value(QStringLiteral("Path"), 5).toInt(), 5);
    }

    void withoutNamesNothingIsStored()
    {
        Settings s;
        s.setNames(QString(), QString());
        QVERIFY(!s.setValue(QStringLiteral("Region"), 1, Hcommon::RegDword));
        QCOMPARE(s.value(QStringLiteral("Region"), 7).toInt(), 7);
    }

    void typedValues_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QVariant>("written");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("dword") << int(Hcommon::RegDword) << QVariant(42) << QVariant(qint64(42));
        QTest::newRow("negative dword") << int(Hcommon::RegDword) << QVariant(-3) << QVariant(qint64(-3));
        QTest::newRow("qword beyond 32 bits") << int(Hcommon::RegQword) << QVariant(qint64(1) << 40)
                                              << QVariant(qint64(1) << 40);
        QTest::newRow("digits as text stay text") << int(Hcommon::RegSz) << QVariant("123") << QVariant("123");
        QTest::newRow("expand_sz is text") << int(Hcommon::RegExpandSz) << QVariant("%TEMP%\\x")
                                           << QVariant("%TEMP%\\x");
        QTest::newRow("text with a colon") << int(Hcommon::RegSz) << QVariant("dword:9") << QVariant("dword:9");
        QTest::newRow("binary") << int(Hcommon::RegBinary) << QVariant(QByteArray("\x00\x01\xff", 3))
                                << QVariant(QByteArray("\x00\x01\xff", 3));
    }
    void typedValues()
    {
        QFETCH(int, type);
        QFETCH(QVariant, written);
        QFETCH(QVariant, expected);
        Settings writer;
        QVERIFY(writer.setValue(QStringLiteral("Group/Value"), written, type));
        // A fresh object reads from the store: nothing is cached.
        const QVariant read = Settings().value(QStringLiteral("Group/Value"));
        QCOMPARE(read.userType(), expected.userType());
        QCOMPARE(read, expected);
    }

    void conversionFailuresWriteNothing()
    {
        Settings s;
        QVERIFY(!s.setValue(QStringLiteral("Region"), QStringLiteral("not a number"), Hcommon::RegDword));
        QVERIFY(!s.setValue(QStringLiteral("Region"), 1, 99));
        QVERIFY(!s.value(QStringLiteral("Region")).isValid());
    }

    void removal()
    {
        Settings s;
        QVERIFY(s.setValue(QStringLiteral("A"), 1, Hcommon::RegDword));
        QVERIFY(s.setValue(QStringLiteral("Tree/One"), 1, Hcommon::RegDword));
        QVERIFY(s.setValue(QStringLiteral("Tree/Two"), 2, Hcommon::RegDword));
        QVERIFY(s.removeValue(QStringLiteral("A"), Hcommon::RemoveOneValue));
        QCOMPARE(s.value(QStringLiteral("A"), -1).toInt(), -1);
        QVERIFY(s.removeValue(QStringLiteral("A"), Hcommon::RemoveOneValue)); // already gone: still success
        QVERIFY(s.removeValue(QStringLiteral("Tree"), Hcommon::RemoveWholeKey));
        QVERIFY(!s.value(QStringLiteral("Tree/One")).isValid());
        QVERIFY(!s.value(QStringLiteral("Tree/Two")).isValid());
    }

    void languageId_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("code");
        QTest::newRow("nothing stored") << QVariant() << 1033 << "";
        QTest::newRow("zero") << QVariant(0) << 1033 << "";
        QTest::newRow("negative") << QVariant(-7) << 1033 << "";
        QTest::newRow("unknown id") << QVariant(9999) << 1033 << "";
        QTest::newRow("german") << QVariant(1031) << 1031 << "de_de";
        QTest::newRow("spanish") << QVariant(3082) << 3082 << "es_es";
    }
    void languageId()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, id);
        QFETCH(QString, code);
        OrvexExToolSettings settings;
        if (stored.isValid())
            QVERIFY(settings.setValue(QStringLiteral("LanguageId"), stored, Hcommon::RegDword));
        QCOMPARE(settings.languageId(), id);
        QCOMPARE(settings.languageCode(), code);
    }

    void languageByCode()
    {
        OrvexExToolSettings settings;
        QVERIFY(settings.setLanguageCode(QStringLiteral("fr_fr")));
        QCOMPARE(settings.value(QStringLiteral("LanguageId"), 0).toInt(), 1036);
        QVERIFY(!settings.setLanguageCode(QStringLiteral("xx_yy")));
        QCOMPARE(settings.languageId(), 1036);
        QVERIFY(settings.removeLanguageValues());
        QCOMPARE(settings.languageId(), 1033);
        QCOMPARE(languageEntries().size(), size_t(23));
    }

    void globalSettings()
    {
        OrvexExToolSettings settings;
        settings.loadGlobalSettingsInfo();
        QCOMPARE(settings.global().updateNotification, true);
        QCOMPARE(settings.global().autoCheckUpdates, true);
        QCOMPARE(settings.global().region, 0);
        QCOMPARE(settings.global().deleteArchive, 0);

        OrvexExToolSettings::GlobalSettings next;
        next.updateNotification = false;
        next.autoCheckUpdates = false;
        next.region = 2;
        next.deleteArchive = 1;
        // Write region, delete-after-extraction in memory only, leave the rest.
        const int actions[4] = {0, 0, OrvexExToolSettings::WriteValue, OrvexExToolSettings::KeepInMemory};
        QVERIFY(settings.updateGlobalSettingsInfo(
            next, OrvexExToolSettings::RegionField | OrvexExToolSettings::DeleteArchiveField, actions));
        QCOMPARE(settings.global().region, 2);
        QCOMPARE(settings.global().deleteArchive, 1);
        QCOMPARE(settings.global().updateNotification, true);

        OrvexExToolSettings reread;
        reread.loadGlobalSettingsInfo();
        QCOMPARE(reread.global().region, 2);
        QCOMPARE(reread.global().deleteArchive, 0);

        const int remove[4] = {0, 0, OrvexExToolSettings::DeleteValue, 0};
        QVERIFY(settings.updateGlobalSettingsInfo(next, OrvexExToolSettings::RegionField, remove));
        QVERIFY(!settings.value(QStringLiteral("Region"), QVariant()).isValid());
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
