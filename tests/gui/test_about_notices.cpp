// About, and the open-source notices: the file the build writes names every
// third-party library the shipped binaries link or load, each with its
// licence text, and the notices dialog shows it.
#include "About.h"
#include "LicenseInfo.h"
#include "gui_test_support.h"
#include "widget_test_support.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QtTest>

namespace {

// The third-party files a binary brings along: itself when it is not ours
// (a plugin), and every library the loader resolves for it.
QStringList thirdPartyFiles(const QString &binary)
{
    const QString ownDir = QFileInfo(QStringLiteral(ORVEX_BUILD_DIR)).canonicalFilePath() + QLatin1Char('/');
    QStringList paths{binary};
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {binary});
    if (!ldd.waitForFinished(60000) || ldd.exitCode() != 0)
        return {QStringLiteral("ldd failed on ") + binary};
    static const QRegularExpression resolved(QStringLiteral("=>\\s+(/\\S+)\\s+\\("));
    static const QRegularExpression loader(QStringLiteral("^\\s*(/\\S+)\\s+\\("));
    for (const QString &line : QString::fromLocal8Bit(ldd.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        auto m = resolved.match(line);
        if (!m.hasMatch())
            m = loader.match(line);
        if (m.hasMatch())
            paths << m.captured(1);
    }
    QStringList out;
    for (const QString &p : paths)
        if (!QFileInfo(p).canonicalFilePath().startsWith(ownDir))
            out << p;
    return out;
}

QString readNotices()
{
    QFile f(QStringLiteral(ORVEX_NOTICES_PATH));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class TestAboutNotices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { guitest::installStrictMessageHandler(); }

    void noticesNameEveryLinkedLibrary()
    {
        const QString html = readNotices();
        QVERIFY2(!html.isEmpty(), ORVEX_NOTICES_PATH);
        // Names listed per package: <p class="libs">Libraries: a, b</p>
        QSet<QString> listed;
        static const QRegularExpression libs(QStringLiteral("<p class=\"libs\">Libraries: ([^<]*)</p>"));
        for (auto it = libs.globalMatch(html); it.hasNext();)
            for (const QString &name : it.next().captured(1).split(QStringLiteral(", ")))
                listed << name.trimmed();

        QStringList files;
        for (const QString &binary : QStringLiteral(ORVEX_SHIPPED_FILES).split(QLatin1Char('|')))
            files << thirdPartyFiles(binary);
        // Loaded by Qt for HTTPS rather than linked.
        files << QStringLiteral("libssl.so.3");
        QVERIFY(files.size() > 10);
        for (const QString &f : files)
            QVERIFY2(listed.contains(QFileInfo(f).fileName()), qPrintable(f + QStringLiteral(" is not in the notices")));
    }

    // Every package has its licence text, or refers to another's identical one.
    void everyPackageHasItsLicence()
    {
        const QString html = readNotices();
        const QStringList sections = html.split(QStringLiteral("<h2 id=\"")).mid(1);
        QVERIFY(sections.size() > 5);
        QSet<QString> withText;
        QStringList references;
        static const QRegularExpression heading(QStringLiteral("^([^\"]+)\">\\1 (\\S+)</h2>"));
        static const QRegularExpression text(QStringLiteral("<pre class=\"licence\">\\s*(\\S[\\s\\S]*?)</pre>"));
        static const QRegularExpression ref(QStringLiteral("<p class=\"licence-ref\">[^<]*<a href=\"#([^\"]+)\""));
        for (const QString &s : sections) {
            const auto h = heading.match(s);
            QVERIFY2(h.hasMatch(), qPrintable(s.left(80)));
            const auto t = text.match(s);
            const auto r = ref.match(s);
            QVERIFY2(t.hasMatch() != r.hasMatch(), qPrintable(h.captured(1)));
            if (t.hasMatch())
                withText << h.captured(1);
            else
                references << r.captured(1);
        }
        for (const QString &r : references)
            QVERIFY2(withText.contains(r), qPrintable(r));
        // Texts are escaped: a copyright file's "<email>" never becomes markup.
        QVERIFY(html.contains(QStringLiteral("&lt;")));
        QVERIFY(withText.contains(QStringLiteral("libqt5core5a")));
    }

    void dialogShowsTheNotices()
    {
        QCOMPARE(LicenseInfo::noticesPath(), QCoreApplication::applicationDirPath() +
                                                 QStringLiteral("/Licenses/OrvexExToolThirdPartySoftwareNotices.htm"));
        QVERIFY(QFileInfo(LicenseInfo::noticesPath()).canonicalFilePath() ==
                QFileInfo(QStringLiteral(ORVEX_NOTICES_PATH)).canonicalFilePath());
        LicenseInfo dialog;
        QVERIFY(dialog.loaded());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Open Source & Third Party Software"));
        QVERIFY(dialog.width() >= 880 && dialog.height() >= 620);
        QCOMPARE(dialog.browser()->lineWrapMode(), QTextEdit::NoWrap);
        const QString shown = dialog.browser()->toPlainText();
        QVERIFY(shown.contains(QStringLiteral("libQt5Core.so.5")));
        QVERIFY(shown.contains(QStringLiteral("Open Source & Third Party Software Notices")));
    }

    void about()
    {
        guitest::UrlCatcher urls;
        About dialog(QStringLiteral("1.1.8.26329"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTRY_VERIFY(dialog.width() >= 420);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));
        QVERIFY(dialog.width() <= 700 && dialog.height() <= 600);
        QStringList texts;
        for (QLabel *l : dialog.findChildren<QLabel *>())
            texts << l->text();
        QVERIFY(texts.contains(QStringLiteral("Orvex Extract Tool")));
        QVERIFY(texts.contains(QStringLiteral("Version: 1.1.8.26329")));
        QVERIFY(std::any_of(texts.begin(), texts.end(), [](const QString &t) { return t.contains("Halvern"); }));

        QVERIFY(dialog.linkButton()->isFlat());
        QVERIFY(dialog.linkButton()->font().underline());
        dialog.linkButton()->click();
        QCOMPARE(urls.urls.size(), 1);
        QCOMPARE(urls.urls.first().scheme(), QStringLiteral("https"));
        QVERIFY(urls.urls.first().host().endsWith(QLatin1String(".example")));

        QCOMPARE(dialog.closeButton()->text(), QStringLiteral("Close"));
        dialog.closeButton()->click();
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(TestAboutNotices)
#include "test_about_notices.moc"
