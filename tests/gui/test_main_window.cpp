// The main window: pages, the job badge, and folders arriving from a later
// start of the program (slotSingleApp).
#include "MainWindow.h"
#include "VeskFileInfo.h"
#include "VeskMain.h"
#include "gui_test_support.h"

#include <QDirIterator>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

namespace tr = orvex::testkit::trellis;

class TestMainWindow : public QObject {
    Q_OBJECT
    orvex::testkit::TempDir m_dir{"orvex-gui-main"};
    QString m_first;
    QString m_second;

    static bool waitListed(VeskFileInfo *page, const QString &path)
    {
        return QTest::qWaitFor([&] { return page->currentPath() == path && !page->isBusy(); }, 120000);
    }

private slots:
    void initTestCase()
    {
        guitest::installStrictMessageHandler();
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Halvern"));
        QCoreApplication::setApplicationName(QStringLiteral("Orvex Extract Tool Test"));
        tr::FolderOptions opt;
        opt.versions = 1;
        opt.files = 8;
        tr::write_folder(m_dir / "first", opt);
        opt.seed = 2;
        tr::write_folder(m_dir / "second", opt);
        m_first = guitest::qstr(m_dir / "first");
        m_second = guitest::qstr(m_dir / "second");
    }

    void titleAndBadge()
    {
        MainWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Halvern Orvex Extract Tool for Windows 1.1.8"));
        QCOMPARE(w.pages()->currentWidget(), static_cast<QWidget *>(w.welcomePage()));
        w.updateJobCount(3);
        QVERIFY(!w.jobBadge()->isHidden());
        QCOMPARE(w.jobBadge()->text(), QStringLiteral("3"));
        w.updateJobCount(0);
        QVERIFY(w.jobBadge()->isHidden());
    }

    // On a screen smaller than its usual size (the offscreen screen is
    // 800x600) the window still fits, whole and on the screen.
    void fitsTheScreen()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(area.contains(w.frameGeometry()),
                 qPrintable(QStringLiteral("%1x%2 at %3,%4 on %5x%6")
                                .arg(w.frameGeometry().width())
                                .arg(w.frameGeometry().height())
                                .arg(w.x())
                                .arg(w.y())
                                .arg(area.width())
                                .arg(area.height())));
    }

    // Every picture is also drawn at twice its size (picked on high-DPI
    // screens), from the same drawing.
    void picturesForHighDpi()
    {
        Q_INIT_RESOURCE(images);
        int pictures = 0;
        QDirIterator it(QStringLiteral(":/images"), {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString one = it.next();
            if (one.endsWith(QStringLiteral("@2x.png")))
                continue;
            ++pictures;
            const QString two = one.chopped(4) + QStringLiteral("@2x.png");
            QVERIFY2(QFile::exists(two), qPrintable(two));
            QCOMPARE(QImage(two).size(), QImage(one).size() * 2);
        }
        QVERIFY(pictures > 0);
    }

    void foldersFromALaterStart()
    {
        MainWindow w;
        w.show();
        VeskFileInfo *browser = w.browserPage();

        // Without a folder the window only comes up.
        w.slotSingleApp(QString());
        QCOMPARE(w.pages()->currentWidget(), static_cast<QWidget *>(w.welcomePage()));

        // The first folder opens in the browser.
        w.slotSingleApp(m_first);
        QVERIFY(waitListed(browser, m_first));
        QCOMPARE(w.pages()->currentWidget(), static_cast<QWidget *>(browser));

        // The same folder again changes nothing, however it is written.
        w.slotSingleApp(m_first);
        w.slotSingleApp(m_first + QStringLiteral("/"));
        w.slotSingleApp(QString(m_first).replace(QLatin1Char('/'), QLatin1Char('\\')));
        QTest::qWait(50);
        QCOMPARE(browser->openedPaths(), QStringList{m_first});

        // Another folder is added and shown.
        w.slotSingleApp(m_second);
        QVERIFY(waitListed(browser, m_second));
        QCOMPARE(browser->openedPaths(), (QStringList{m_first, m_second}));

        // Deleting the shown folder after an extraction closes it and goes
        // back to the other one; deleting that one too shows the welcome page.
        w.removeVeskFinshed(true, m_second);
        QCOMPARE(browser->openedPaths(), QStringList{m_first});
        QVERIFY(waitListed(browser, m_first));
        w.removeVeskFinshed(true, m_first);
        QVERIFY(!browser->hasFolder());
        QCOMPARE(w.pages()->currentWidget(), static_cast<QWidget *>(w.welcomePage()));
        w.quitWithoutAsking();
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
