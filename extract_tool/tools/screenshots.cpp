// orvex-extool-shots: drives the program's main window through opening a
// password-protected backup folder and a plain one, opening a large file,
// choosing a conflict policy and running background tasks until they show
// every state, and saves screenshots of the screen (run it under an X
// server, e.g. Xvfb; scripts/screenshot.sh).
//   orvex-extool-shots OUTDIR LOCKED_FOLDER PASSWORD PLAIN_FOLDER BIG_FOLDER WORKDIR
#include "ConflictPolicyConfirm.h"
#include "ExtractionFlow.h"
#include "MainWindow.h"
#include "RestoreJob.h"
#include "RestoreJobManager.h"
#include "Region.h"
#include "RestoreProgressDialog.h"
#include "VerifyPassword.h"
#include "VeskFileInfo.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

// Answers the questions a person would (the size, the destination) and
// leaves the conflict policy to the real dialog; opens nothing on the desktop.
class ShotFlow : public ExtractionFlow {
public:
    using ExtractionFlow::ExtractionFlow;
    QStringList targets;

protected:
    bool confirmEstimate(qint64) override { return true; }
    QString chooseTarget(const QString &) override { return targets.isEmpty() ? QString() : targets.takeFirst(); }
    void openFile(const QString &) override {}
};

// The row of the largest file shown in the browser's table.
int largestFileRow(VeskFileInfo *browser)
{
    QTableWidget *t = browser->table();
    int best = -1;
    qint64 size = -1;
    for (int r = 0; r < t->rowCount(); ++r) {
        auto *info = reinterpret_cast<VeskItemInfo *>(t->item(r, 1)->data(Qt::UserRole).toULongLong());
        if (info && info->isFolder == 0 && info->totalSize > size) {
            size = info->totalSize;
            best = r;
        }
    }
    return best;
}

bool showsSpeed(const QLabel *label)
{
    return label && label->text().contains(QStringLiteral("/s")) && label->text().contains(QStringLiteral("left"));
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(images);
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    // The window must not take our arguments for a folder to open.
    int appArgc = 1;
    QApplication app(appArgc, argv);
    if (argc != 7) {
        std::fprintf(stderr, "usage: %s OUTDIR LOCKED_FOLDER PASSWORD PLAIN_FOLDER BIG_FOLDER WORKDIR\n", argv[0]);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString locked = QString::fromLocal8Bit(argv[2]);
    const QString password = QString::fromLocal8Bit(argv[3]);
    const QString plain = QString::fromLocal8Bit(argv[4]);
    const QString big = QString::fromLocal8Bit(argv[5]);
    const QString work = QString::fromLocal8Bit(argv[6]);
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
    auto *flow = new ShotFlow(&window);
    browser->setExtractionFlow(flow);
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
    auto jobs = [&] { return window.jobManager(); };
    auto jobStatus = [&](int id) { return jobs() && jobs()->job(id) ? jobs()->job(id)->status() : -1; };
    auto progressDialog = [] { return qobject_cast<RestoreProgressDialog *>(QApplication::activeModalWidget()); };
    auto policyDialog = [] { return qobject_cast<ConflictPolicyConfirm *>(QApplication::activeModalWidget()); };
    auto clickButton = [](QWidget *dialog, const QString &text) {
        for (QPushButton *b : dialog->findChildren<QPushButton *>())
            if (b->text() == text)
                QTimer::singleShot(0, b, &QPushButton::click);
    };

    std::vector<Step> steps = {
        {"welcome page", [&] { return window.isVisible(); }, [&] { shoot("01-welcome.png", &window); }},
        // A fresh settings folder: the program asks for the region first.
        {"region asked", [&] { return window.regionDialog() != nullptr; },
         [&] {
             Region *r = window.regionDialog();
             r->regionCombo()->setCurrentIndex(r->regionCombo()->count() > 1 ? 1 : 0);
             r->applyButton()->click();
         }},
        {"open the locked folder", [&] { return !QApplication::activeModalWidget(); },
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
        // A conflict policy for everything in the plain folder.
        {"extract the plain folder", [&] { return jobs() != nullptr; },
         [&] {
             browser->headerCheckboxChanged(Qt::Checked);
             flow->targets = QStringList{work + QStringLiteral("/Restored documents")};
             QDir().mkpath(flow->targets.front());
             QTimer::singleShot(0, [&] { browser->showExtractFileWindow(); });
         }},
        {"conflict policy dialog", [&] { return policyDialog() != nullptr; },
         [&] {
             shoot("07-conflict-policy.png", policyDialog());
             clickButton(policyDialog(), QStringLiteral("Replace All"));
         }},
        {"first task completed", [&] { return jobStatus(1) == 5; },
         [&] {
             // A task whose backup folder was moved away meanwhile.
             orvex::jobs::JobDefinition moved = jobs()->job(1)->definition();
             moved.source = (work + QStringLiteral("/Old backup (moved away)")).toStdString();
             jobs()->addJob(moved);
         }},
        {"second task failed", [&] { return jobStatus(2) == 6; },
         [&] { QTimer::singleShot(0, [&] { browser->openAdditionalFolder(big); }); }},
        {"large folder listed",
         [&] { return browser->currentPath() == big && idle() && browser->table()->rowCount() > 0; },
         [&] { jobs()->hide(); }},
        // A long non-Latin folder name in the toolbar leaves its buttons in view.
        {"long folder name", [] { return true; },
         [&] {
             shoot("10-browser-long-name.png", &window);
             const int row = largestFileRow(browser);
             QTimer::singleShot(0, [&, row] { browser->fileListWidgetCellDoubleClicked(row, 1); });
         }},
        {"progress of an opened file", [&] { return progressDialog() && showsSpeed(progressDialog()->detailLabel()); },
         [&] { shoot("08-open-file-progress.png", progressDialog()); }},
        {"opened file done", [&] { return idle(); },
         [&] {
             flow->targets = QStringList{work + QStringLiteral("/Restored media (first copy)"),
                                         work + QStringLiteral("/Restored media (second copy)")};
             for (const QString &t : qAsConst(flow->targets))
                 QDir().mkpath(t);
             QTimer::singleShot(0, [&] { browser->extractAllActionClicked(); });
         }},
        {"policy of the first copy", [&] { return policyDialog() != nullptr; },
         [&] { clickButton(policyDialog(), QStringLiteral("Skip All")); }},
        {"second copy", [&] { return !QApplication::activeModalWidget() && jobStatus(3) == 1; },
         [&] { QTimer::singleShot(0, [&] { browser->extractAllActionClicked(); }); }},
        {"policy of the second copy", [&] { return policyDialog() != nullptr; },
         [&] { clickButton(policyDialog(), QStringLiteral("Rename All")); }},
        {"first copy running", [&] { return jobStatus(4) == 0 && showsSpeed(jobs()->job(3)->rateLabel()); },
         [&] { jobs()->job(3)->actionButton()->click(); }},
        {"second copy running", [&] { return jobStatus(3) == 2 && showsSpeed(jobs()->job(4)->rateLabel()); },
         [&] {
             // How a long non-Latin file name fits a row: elided in the middle.
             jobs()->job(1)->restoreProgressUpdate(
                 1, QStringLiteral("\\写真\\北海道の家族旅行_2023年夏_最終編集版_高画質_ディレクターズカット.mp4"), 1, 100,
                 1);
         }},
        {"long name shown", [] { return true; }, [&] { shoot("09-background-tasks.png", jobs()); }},
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
            QWidget *modal = QApplication::activeModalWidget();
            std::fprintf(stderr, "timed out waiting for: %s (page %s, busy %d, modal %s %s)\n", steps[next].what,
                         window.pages()->currentWidget()->metaObject()->className(), int(browser->isBusy()),
                         modal ? modal->metaObject()->className() : "none",
                         modal ? qPrintable(modal->windowTitle()) : "");
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
