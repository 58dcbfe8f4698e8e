// The translation files against the texts the code uses: lupdate reads the
// program's sources into a scratch file, and every language of the language
// table must translate exactly those texts, each one finished, none obsolete,
// with the same placeholders (%1, %L2, %n) as its source.
//
// ORVEX_TRANSLATIONS_DIR points the check at another folder of .ts files
// (for trying a translator's work before it is merged).
#include "OrvexExToolSettings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct TsMessage {
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type;              // "", "unfinished", "obsolete" or "vanished"
    QStringList translations;  // one, or one per plural form
};

QString keyOf(const TsMessage &m)
{
    return m.context + QLatin1Char('\x1f') + m.source + QLatin1Char('\x1f') + m.comment;
}

// Reads the messages of a .ts file; false with `error` set when it is not one.
bool readTs(const QByteArray &xml, QVector<TsMessage> *out, QString *error)
{
    QXmlStreamReader r(xml);
    QString context;
    TsMessage m;
    bool inMessage = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            const QStringRef n = r.name();
            if (n == QLatin1String("name") && !inMessage) {
                context = r.readElementText();
            } else if (n == QLatin1String("message")) {
                m = TsMessage{};
                m.context = context;
                m.numerus = r.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                inMessage = true;
            } else if (inMessage && n == QLatin1String("source")) {
                m.source = r.readElementText();
            } else if (inMessage && n == QLatin1String("comment")) {
                m.comment = r.readElementText();
            } else if (inMessage && n == QLatin1String("translation")) {
                m.type = r.attributes().value(QLatin1String("type")).toString();
                if (!m.numerus)
                    m.translations << r.readElementText();
            } else if (inMessage && n == QLatin1String("numerusform")) {
                m.translations << r.readElementText();
            }
        } else if (r.isEndElement() && r.name() == QLatin1String("message")) {
            out->push_back(m);
            inMessage = false;
        }
    }
    if (r.hasError()) {
        *error = r.errorString();
        return false;
    }
    return true;
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("%L?(\\d{1,2}|n)"));
    QSet<QString> out;
    for (auto it = re.globalMatch(text); it.hasNext();)
        out.insert(it.next().captured(1));
    return out;
}

QString describe(const TsMessage &m)
{
    return QStringLiteral("[%1] \"%2\"").arg(m.context, m.source);
}

// Everything wrong with one translation file, one line per fault.
QStringList problems(const QVector<TsMessage> &file, const QVector<TsMessage> &code)
{
    QStringList out;
    QSet<QString> used;
    for (const TsMessage &m : code)
        used.insert(keyOf(m));
    QSet<QString> present;
    for (const TsMessage &m : file) {
        present.insert(keyOf(m));
        if (m.type == QLatin1String("obsolete") || m.type == QLatin1String("vanished")) {
            out << QStringLiteral("obsolete: ") + describe(m);
            continue;
        }
        if (!used.contains(keyOf(m))) {
            out << QStringLiteral("not used by the code: ") + describe(m);
            continue;
        }
        bool empty = m.translations.isEmpty();
        for (const QString &t : m.translations)
            empty = empty || t.isEmpty();
        if (m.type == QLatin1String("unfinished") || empty) {
            out << QStringLiteral("unfinished: ") + describe(m);
            continue;
        }
        const QSet<QString> want = placeholders(m.source);
        for (const QString &t : m.translations) {
            // A plural form may leave out %n ("one file" for 1), nothing else.
            QSet<QString> have = placeholders(t);
            QSet<QString> expected = want;
            if (m.numerus) {
                have.remove(QStringLiteral("n"));
                expected.remove(QStringLiteral("n"));
            }
            if (have != expected)
                out << QStringLiteral("placeholders differ: %1 -> \"%2\"").arg(describe(m), t);
        }
    }
    for (const TsMessage &m : code)
        if (!present.contains(keyOf(m)))
            out << QStringLiteral("missing: ") + describe(m);
    return out;
}

QByteArray ts(const QByteArray &messages)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\" language=\"de_DE\">"
           "<context><name>Page</name>" + messages + "</context></TS>";
}

QVector<TsMessage> parse(const QByteArray &xml)
{
    QVector<TsMessage> out;
    QString error;
    if (!readTs(xml, &out, &error))
        qFatal("fixture does not parse: %s", qPrintable(error));
    return out;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void faultsAreFound_data();
    void faultsAreFound();
    void everyLanguageMatchesTheCode_data();
    void everyLanguageMatchesTheCode();

private:
    QTemporaryDir m_dir;
    QVector<TsMessage> m_code;
};

// The texts the code uses, read by lupdate exactly as the refresh script does.
void TestTranslations::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString scratch = m_dir.filePath(QStringLiteral("code.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(ORVEX_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                   QStringLiteral("none"), QStringLiteral(ORVEX_SOURCE_DIR "/extract_tool"), QStringLiteral("-ts"),
                   scratch});
    QVERIFY2(lupdate.waitForFinished(-1), qPrintable(lupdate.errorString()));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
    QFile f(scratch);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QString error;
    QVERIFY2(readTs(f.readAll(), &m_code, &error), qPrintable(error));
    QVERIFY2(m_code.size() > 50, "lupdate found hardly any texts in the program");
}

// Each fault on a one-message file; the code uses "Open %1" and "%n file(s)".
void TestTranslations::faultsAreFound_data()
{
    QTest::addColumn<QByteArray>("messages");
    QTest::addColumn<QString>("fault");

    const QByteArray plural = "<message numerus=\"yes\"><source>%n file(s)</source><translation>"
                              "<numerusform>eine Datei</numerusform><numerusform>%n Dateien</numerusform>"
                              "</translation></message>";
    auto open = [](const char *translation, const char *type = nullptr) {
        return QByteArray("<message><source>Open %1</source><translation") +
               (type ? QByteArray(" type=\"") + type + "\"" : QByteArray()) + ">" + translation +
               "</translation></message>";
    };
    QTest::newRow("complete") << open("%1 öffnen") + plural << QString();
    QTest::newRow("unfinished") << open("", "unfinished") + plural << QStringLiteral("unfinished: [Page] \"Open %1\"");
    QTest::newRow("unfinished with a text") << open("%1 öffnen", "unfinished") + plural
                                            << QStringLiteral("unfinished: [Page] \"Open %1\"");
    QTest::newRow("empty translation") << open("") + plural << QStringLiteral("unfinished: [Page] \"Open %1\"");
    QTest::newRow("obsolete") << open("%1 öffnen") + plural +
                                     "<message><source>Gone</source><translation type=\"obsolete\">Weg</translation>"
                                     "</message>"
                              << QStringLiteral("obsolete: [Page] \"Gone\"");
    QTest::newRow("vanished") << open("%1 öffnen") + plural +
                                     "<message><source>Gone</source><translation type=\"vanished\">Weg</translation>"
                                     "</message>"
                              << QStringLiteral("obsolete: [Page] \"Gone\"");
    QTest::newRow("unused by the code") << open("%1 öffnen") + plural +
                                               "<message><source>Gone</source><translation>Weg</translation></message>"
                                        << QStringLiteral("not used by the code: [Page] \"Gone\"");
    QTest::newRow("placeholder lost") << open("Öffnen") + plural
                                      << QStringLiteral("placeholders differ: [Page] \"Open %1\" -> \"Öffnen\"");
    QTest::newRow("placeholder renumbered") << open("%2 öffnen") + plural
                                            << QStringLiteral("placeholders differ: [Page] \"Open %1\" -> \"%2 öffnen\"");
    QTest::newRow("localized placeholder") << open("%L1 öffnen") + plural << QString();
    QTest::newRow("missing") << plural << QStringLiteral("missing: [Page] \"Open %1\"");
    QTest::newRow("plural form with a stray placeholder")
        << open("%1 öffnen") +
               "<message numerus=\"yes\"><source>%n file(s)</source><translation><numerusform>%1 Datei"
               "</numerusform><numerusform>%n Dateien</numerusform></translation></message>"
        << QStringLiteral("placeholders differ: [Page] \"%n file(s)\" -> \"%1 Datei\"");
}

void TestTranslations::faultsAreFound()
{
    QFETCH(QByteArray, messages);
    QFETCH(QString, fault);
    const QVector<TsMessage> code =
        parse(ts("<message><source>Open %1</source><translation type=\"unfinished\"/></message>"
                 "<message numerus=\"yes\"><source>%n file(s)</source><translation type=\"unfinished\">"
                 "<numerusform/></translation></message>"));
    const QStringList found = problems(parse(ts(messages)), code);
    if (fault.isEmpty())
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    else
        QCOMPARE(found, QStringList{fault});
}

void TestTranslations::everyLanguageMatchesTheCode_data()
{
    QTest::addColumn<QString>("file");
    QString dir = qEnvironmentVariable("ORVEX_TRANSLATIONS_DIR");
    if (dir.isEmpty())
        dir = QStringLiteral(ORVEX_SOURCE_DIR "/extract_tool/translations");
    for (const LanguageEntry &e : languageEntries())
        QTest::newRow(e.code) << QDir(dir).filePath(QStringLiteral("OrvexExTool_%1.ts").arg(QLatin1String(e.code)));
}

void TestTranslations::everyLanguageMatchesTheCode()
{
    QFETCH(QString, file);
    QFile f(file);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(file + QStringLiteral(": ") + f.errorString()));
    QVector<TsMessage> messages;
    QString error;
    QVERIFY2(readTs(f.readAll(), &messages, &error), qPrintable(file + QStringLiteral(": ") + error));
    const QStringList found = problems(messages, m_code);
    // The first faults are enough to act on; the count says how many more.
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1: %2 faults, first:\n%3")
                                             .arg(file)
                                             .arg(found.size())
                                             .arg(found.mid(0, 15).join(QLatin1Char('\n')))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
