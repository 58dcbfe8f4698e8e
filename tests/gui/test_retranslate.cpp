// Changing the language from the menu re-applies the texts of every window:
// the main window and its pages, the background tasks with a job row, and
// each dialog while it is open. A marking translator stands in for a
// translation: once switched on it answers every text with «text», so a
// widget still showing a bare source text afterwards was not retranslated.
#include "About.h"
#include "ConflictPolicyConfirm.h"
#include "EventLog.h"
#include "LicenseInfo.h"
#include "MainWindow.h"
#include "OrvexExToolSettings.h"
#include "Region.h"
#include "RestoreJobManager.h"
#include "RestoreProgressDialog.h"
#include "RestoreVeskFileListThread.h"
#include "UpdateDialog.h"
#include "VerifyPassword.h"
#include "WaitingDialog.h"
#include "gui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

class MarkingTranslator : public QTranslator {
public:
    bool marking = false;
    mutable QSet<QString> sources; // every text asked for

    QString translate(const char *, const char *source, const char *, int) const override
    {
        if (!source || !*source)
            return QString();
        const QString text = QString::fromUtf8(source);
        sources.insert(text);
        return marking ? QStringLiteral("«%1»").arg(text) : QString();
    }
    bool isEmpty() const override { return false; }
};

// "Class 'text'" for every text a widget tree shows that is a bare source text.
QStringList untranslated(QWidget *top, const QSet<QString> &sources)
{
    QStringList out;
    auto check = [&](const QObject *o, const QString &text) {
        if (!text.isEmpty() && sources.contains(text))
            out << QStringLiteral("%1 '%2'").arg(QString::fromLatin1(o->metaObject()->className()), text);
    };
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (QWidget *w : widgets) {
        if (w->isWindow())
            check(w, w->windowTitle());
        check(w, w->toolTip());
        if (auto *l = qobject_cast<QLabel *>(w))
            check(w, l->text());
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            check(w, b->text());
        if (auto *e = qobject_cast<QLineEdit *>(w))
            check(w, e->placeholderText());
        if (auto *g = qobject_cast<QGroupBox *>(w))
            check(w, g->title());
        if (auto *c = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                check(w, c->itemText(i));
        if (auto *t = qobject_cast<QTableWidget *>(w))
            for (int i = 0; i < t->columnCount(); ++i)
                if (QTableWidgetItem *h = t->horizontalHeaderItem(i)) {
                    check(w, h->text());
                    check(w, h->toolTip());
                }
        for (QAction *a : w->actions())
            check(a, a->text());
    }
    return out;
}

} // namespace

class TestRetranslate : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-retranslate"};

private slots:
    void initTestCase()
    {
        guitest::installStrictMessageHandler();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
        QCoreApplication::setApplicationName(QStringLiteral("Orvex Extract Tool Test"));
        OrvexExToolSettings::instance()->removeLanguageValues();
    }

    // The menu lists each installed translation by its display name, in
    // the order of the language table.
    void languageMenuNames()
    {
        MainWindow w;
        const QDir dir(w.languageTable().directory());
        QStringList expected;
        for (const LanguageEntry &e : languageEntries())
            if (dir.exists(QStringLiteral("OrvexExTool_%1.qm").arg(QLatin1String(e.code))))
                expected << QString::fromUtf8(e.name);
        QVERIFY2(!expected.isEmpty(), qPrintable(dir.path()));
        QStringList shown;
        for (QAction *a : w.languageActions())
            shown << a->text();
        QCOMPARE(shown, expected);
    }

    void everyWindowFollowsTheLanguage()
    {
        auto marker = std::make_unique<MarkingTranslator>();
        QCoreApplication::installTranslator(marker.get());
        auto *w = new MainWindow;
        w->show();
        QVERIFY(QTest::qWaitFor([&] { return w->jobManager() != nullptr; }, 10000));
        // One job row: a job whose backup folder is not there fails at once.
        orvex::jobs::JobDefinition job;
        job.source = (m_dir / "missing").string();
        job.target = (m_dir / "out").string();
        orvex::jobs::JobItem item;
        item.name = "a.txt";
        item.parent = "\\";
        item.version = 1;
        job.items.push_back(item);
        QVERIFY(w->jobManager()->addJob(job) != 0);

        // The dialogs, open while the language changes.
        RestoreVeskFileListThread thread(QStringLiteral("/nowhere"), {}, 1);
        QList<QWidget *> dialogs = {
            new About(QStringLiteral("1.1.8"), w),
            new EventLog(w),
            new LicenseInfo(w),
            new Region(w),
            new UpdateDialog(UpdateResult{}, w),
            new VerifyPassword(w),
            new WaitingDialog(w),
            new ConflictPolicyConfirm(QStringLiteral("[backup] a.txt"), QStringLiteral("a.txt exists."),
                                      ConflictPolicyConfirm::Replace | ConflictPolicyConfirm::Skip,
                                      ConflictPolicyConfirm::Question, w),
            new RestoreProgressDialog(&thread, w),
        };
        for (QWidget *d : dialogs)
            d->show();
        QCoreApplication::processEvents();

        marker->marking = true;
        QAction *other = nullptr;
        for (QAction *a : w->languageActions())
            if (!a->isChecked() && !other)
                other = a;
        QVERIFY(other);
        other->trigger();
        // The language's own translator was installed last and is asked
        // first; where its text equals the source ("OK", the product name)
        // a retranslated text could not be told from a stale one. Asked
        // first again, the marker marks every text set after the change.
        QCoreApplication::removeTranslator(marker.get());
        QCoreApplication::installTranslator(marker.get());
        // Replacing the translator tells the application only while its
        // event loop runs (exec), which a test does not start: tell it here.
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(qApp, &change);
        QTest::qWait(100);

        QStringList stale;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->isVisible() || top == w->jobManager())
                stale += untranslated(top, marker->sources);
        stale.removeDuplicates();
        for (const QString &line : qAsConst(stale))
            std::fprintf(stderr, "not retranslated: %s\n", qPrintable(line));
        QVERIFY2(stale.isEmpty(), qPrintable(QString::number(stale.size()) + QStringLiteral(" texts not retranslated")));

        for (QWidget *d : dialogs)
            delete d;
        w->quitWithoutAsking();
        delete w;
        QCoreApplication::removeTranslator(marker.get());
        OrvexExToolSettings::instance()->removeLanguageValues();
    }
};

QTEST_MAIN(TestRetranslate)
#include "test_retranslate.moc"
