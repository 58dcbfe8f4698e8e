// orvex-extool-shots: drives the program's main window through opening a
// password-protected backup folder and a plain one, and saves screenshots of
// the screen (run it under an X server, e.g. Xvfb; scripts/screenshot.sh).
//   orvex-extool-shots OUTDIR LOCKED_FOLDER PASSWORD PLAIN_FOLDER
#include "MainWindow.h"
#include "VerifyPassword.h"
#include "VeskFileInfo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Step {
    const char *what;
    std::function<bool()> ready; // polled until true
    std::function<void()> act;
};

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(images);
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    // The window must not take our arguments for a folder to open.
    int appArgc = 1;
    QApplication app(appArgc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s OUTDIR LOCKED_FOLDER PASSWORD PLAIN_FOLDER\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString locked = QString::fromLocal8Bit(argv[2]);
    const QString password = QString::fromLocal8Bit(argv[3]);
    const QString plain = QString::fromLocal8Bit(argv[4]);
    QDir().mkpath(out);

    QFile qss(QStringLiteral(":/images/myStyle.qss"));
    if (qss.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(qss.readAll()));
    QApplication::setOrganizationName(QStringLiteral("Halvern"));
    QApplication::setApplicationName(QStringLiteral("Orvex Extract Tool"));
    QApplication::setFont(QFont(QStringLiteral("Microsoft JhengHei UI"), 9));

    MainWindow window;
    window.resize(1100, 720);
    window.move(20, 20);
    window.show();
    VeskFileInfo *browser = window.browserPage();
    int failures = 0;

    auto shoot = [&](const QString &name, QWidget *w) {
        QScreen *screen = QGuiApplication::primaryScreen();
        const QRect r = w->frameGeometry().united(window.frameGeometry());
        const QPixmap pix = screen->grabWindow(0, r.x(), r.y(), r.width(), r.height());
        const QString file = out + QLatin1Char('/') + name;
        if (!pix.save(file)) {
            std::fprintf(stderr, "could not save %s\n", qPrintable(file));
            ++failures;
        } else {
            std::printf("saved %s\n", qPrintable(file));
        }
    };
    auto passwordDialog = [] { return qobject_cast<VerifyPassword *>(QApplication::activeModalWidget()); };
    auto idle = [&] { return !browser->isBusy() && !QApplication::activeModalWidget(); };
    QString firstFolderKey;

    std::vector<Step> steps = {
        {"welcome page", [&] { return window.isVisible(); }, [&] { shoot("01-welcome.png", &window); }},
        {"open the locked folder", [] { return true; },
         [&] { emit window.openVeskFileSignal(locked); }},
        {"password dialog", [&] { return passwordDialog() != nullptr; },
         [&] {
             VerifyPassword *d = passwordDialog();
             d->lineEdit()->setText(password);
             QApplication::processEvents();
             shoot("02-password-dialog.png", d);
             emit d->lineEdit()->returnPressed();
         }},
        {"browser listed", [&] { return window.pages()->currentWidget() == browser && browser->hasFolder() && idle(); },
         [&] {
             // Select the first folder of the first version.
             for (QTreeWidgetItem *v = browser->tree()->topLevelItem(0); v && v->childCount() > 0;) {
                 QTreeWidgetItem *f = v->child(0);
                 browser->tree()->setCurrentItem(f);
                 browser->folderTreeItemPressed(f, 0);
                 f->setExpanded(true);
                 firstFolderKey = browser->shownKey();
                 break;
             }
         }},
        {"folder selected", [&] { return idle(); }, [&] { shoot("03-browser-folder-selected.png", &window); }},
        {"check everything", [] { return true; },
         [&] {
             if (QTreeWidgetItem *v = browser->tree()->topLevelItem(0)) {
                 browser->tree()->setCurrentItem(v);
                 browser->folderTreeItemPressed(v, 0);
             }
             browser->headerCheckboxChanged(Qt::Checked);
         }},
        {"selection summary", [&] { return idle() && browser->selectionCounts().pendingFolders == 0; },
         [&] { shoot("04-selection-summary.png", &window); }},
        {"open the plain folder", [] { return true; },
         [&] { QTimer::singleShot(0, [&] { browser->openAdditionalFolder(plain); }); }},
        {"plain folder listed",
         [&] { return browser->currentPath() == plain && idle() && browser->table()->rowCount() > 0; },
         [&] { shoot("05-browser-without-password.png", &window); }},
    };

    size_t next = 0;
    int polls = 0;
    bool acting = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (acting)
            return;
        if (next >= steps.size()) {
            driver.stop();
            window.quitWithoutAsking();
            return;
        }
        if (++polls > 600) { // 60 s for one step
            std::fprintf(stderr, "timed out waiting for: %s\n", steps[next].what);
            ++failures;
            driver.stop();
            window.quitWithoutAsking();
            return;
        }
        if (!steps[next].ready())
            return;
        polls = 0;
        // Let the window paint what the step changed before the next step.
        Step &s = steps[next++];
        acting = true;
        QTimer::singleShot(300, [&s, &acting] {
            acting = false;
            s.act();
        });
    });
    driver.start(100);
    app.exec();
    return failures == 0 ? 0 : 1;
}
