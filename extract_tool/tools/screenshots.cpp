// orvex-extool-shots: drives the program's main window as a user would:
// choosing the region at the first start, opening a password-protected backup
// folder and a plain one, opening a large file, choosing a conflict policy and
// running background tasks until they show every state, the event log, About,
// the open-source notices, the settings with their warning, and "Check for
// Updates" against a local stand-in of the update service answering each way.
// Saves screenshots of the screen (run it under an X server, e.g. Xvfb;
// scripts/screenshot.sh).
//   orvex-extool-shots OUTDIR LOCKED_FOLDER PASSWORD PLAIN_FOLDER BIG_FOLDER WORKDIR
// With ORVEX_SHOTS_BROWSER=<prefix> it shoots only the browser (the plain
// folder), in the language ORVEX_SHOTS_LANGUAGE=<code> when given; run it with
// QT_SCALE_FACTOR=2 for the high-DPI look. With ORVEX_SHOTS_SEARCH=<prefix>
// it shoots the search and the versions of a file over the folder
// ORVEX_SHOTS_HISTORY names (`orvex-mkbackup history`).
#include "About.h"
#include "ConflictPolicyConfirm.h"
#include "EventLog.h"
#include "ExtractionFlow.h"
#include "Hcommon/Logger.h"
#include "LicenseInfo.h"
#include "MainWindow.h"
#include "OrvexExToolSettings.h"
#include "Region.h"
#include "RestoreJob.h"
#include "RestoreJobManager.h"
#include "RestoreProgressDialog.h"
#include "UpdateDialog.h"
#include "UpdateNotification.h"
#include "VerifyPassword.h"
#include "VeskFileInfo.h"
#include "FileVersionsDialog.h"
#include "SearchPanel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QMessageBox>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>
#include <memory>
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

// A stand-in for the update service on 127.0.0.1: answers each request with
// the current catalogue and status; in "garbage" mode it answers before the
// client speaks, which a client expecting TLS takes for a failed handshake.
class UpdateService {
public:
    UpdateService()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *s = server.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
                if (garbage) {
                    reply(s);
                    continue;
                }
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    if (s->readAll().contains("\r\n\r\n"))
                        reply(s);
                });
            }
        });
    }
    // Points the program's settings at this service.
    void use(bool tls)
    {
        OrvexExToolSettings *st = OrvexExToolSettings::instance();
        st->setValue(QStringLiteral("SoftwareInfoHost"), QStringLiteral("127.0.0.1"), Hcommon::RegSz);
        st->setValue(QStringLiteral("SoftwareInfoPort"), server.serverPort(), Hcommon::RegDword);
        st->setValue(QStringLiteral("SoftwareInfoSSL"), tls ? 1 : 0, Hcommon::RegDword);
        garbage = tls;
    }
    static QByteArray catalogue(const char *version, const char *build)
    {
        return QByteArray("<softwareRelease><application><applicationName>") + UpdateNotification::kApplicationId +
               "</applicationName><companyName>Halvern</companyName><platform><platformName>Windows"
               "</platformName><software><version>" + version + "</version><buildNumber>" + build +
               "</buildNumber><releaseDate>2024/05/02</releaseDate><downloadURL>"
               "https://downloads.halvern.example/OrvexExTool.exe</downloadURL></software></platform>"
               "</application></softwareRelease>";
    }

    QTcpServer server;
    int status = 200;
    QByteArray body;
    bool garbage = false;

private:
    void reply(QTcpSocket *s)
    {
        s->write("HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Length: " + QByteArray::number(body.size()) +
                 "\r\nConnection: close\r\n\r\n" + body);
        s->disconnectFromHost();
    }
};

template <typename T>
T *modal()
{
    return qobject_cast<T *>(QApplication::activeModalWidget());
}

QPushButton *buttonWithToolTip(QWidget *w, const QString &tip)
{
    for (QPushButton *b : w->findChildren<QPushButton *>())
        if (b->toolTip() == tip)
            return b;
    return nullptr;
}

QAction *actionNamed(QWidget *w, const QString &text)
{
    for (QAction *a : w->findChildren<QAction *>())
        if (a->text() == text)
            return a;
    return nullptr;
}


using Shoot = std::function<void(const QString &, QWidget *)>;

// Runs `f` from the event loop, so a dialog it opens with exec() does not
// hold up the step that opens it.
void later(std::function<void()> f)
{
    QTimer::singleShot(0, std::move(f));
}

// The program's own dialogs: the event log with a line of each level, About,
// the open-source notices, the settings with their warning, and the update
// dialog in each of its forms against the stand-in service. Captures by
// value: the steps outlive this function.
std::vector<Step> dialogSteps(MainWindow *w, UpdateService *svc, Shoot shoot, std::function<bool()> idle)
{
    // Asks for updates against the service and waits for the previous
    // update dialog to be gone.
    auto checkStep = [=](const char *what, int status, QByteArray body, bool tls) {
        return Step{what, [w] { return !w->updateDialog(); },
                    [=] {
                        svc->status = status;
                        svc->body = body;
                        svc->use(tls);
                        actionNamed(w, QStringLiteral("Check for Updates"))->trigger();
                    }};
    };
    auto updateShot = [=](const char *what, UpdateDialog::Form form, const char *file) {
        return Step{what, [w, form] { return w->updateDialog() && w->updateDialog()->form() == form; },
                    [=] {
                        shoot(QString::fromLatin1(file), w->updateDialog());
                        w->updateDialog()->close();
                    }};
    };
    return {
        {"event log", [=] { return idle(); },
         [=] {
             using Hcommon::Logger;
             Logger *log = Logger::instance();
             log->log(Logger::Trace, "[Orvex Extract Tool] trace: listing started");
             log->log(Logger::Performance, "[Orvex Extract Tool] listing took 12 ms");
             log->log(Logger::Debug, "[Orvex Extract Tool] debug: 30 entries in the root folder");
             log->log(Logger::Info, "[Orvex Extract Tool] [Documents backup] Extraction completed.");
             log->log(Logger::Warning, "[Orvex Extract Tool] [Photos backup] 2 files were skipped because they "
                                       "already exist.");
             log->log(Logger::Error, "[Orvex Extract Tool] [Old backup] Unknown VESK format. Confirm integrity of "
                                     "VESK folder and try again.");
             log->flush();
             later([=] { buttonWithToolTip(w, QStringLiteral("Event Logs"))->click(); });
         }},
        {"event log shown", [] { return modal<EventLog>() && modal<EventLog>()->table()->rowCount() > 0; },
         [=] {
             shoot("15-event-log.png", modal<EventLog>());
             modal<EventLog>()->close();
         }},
        {"about", [] { return !QApplication::activeModalWidget(); },
         [=] { later([=] { buttonWithToolTip(w, QStringLiteral("About"))->click(); }); }},
        {"about shown", [] { return modal<About>() != nullptr; },
         [=] {
             shoot("16-about.png", modal<About>());
             modal<About>()->close();
         }},
        {"notices", [] { return !QApplication::activeModalWidget(); },
         [=] {
             later([=] { actionNamed(w, QStringLiteral("Open Source && Third Party Software"))->trigger(); });
         }},
        {"notices shown", [] { return modal<LicenseInfo>() != nullptr; },
         [=] {
             shoot("17-notices.png", modal<LicenseInfo>());
             modal<LicenseInfo>()->close();
         }},
        {"settings", [] { return !QApplication::activeModalWidget(); },
         [=] { later([=] { actionNamed(w, QStringLiteral("Settings"))->trigger(); }); }},
        {"settings shown", [] { return modal<Region>() != nullptr; },
         [=] {
             shoot("18-settings.png", modal<Region>());
             later([] { modal<Region>()->deleteArchiveBox()->click(); });
         }},
        {"deletion warning", [] { return modal<QMessageBox>() != nullptr; },
         [=] {
             QMessageBox *box = modal<QMessageBox>();
             shoot("19-settings-deletion-warning.png", box);
             box->buttons().first()->click();
         }},
        {"settings with deletion", [] { return modal<Region>() != nullptr; },
         [=] {
             shoot("20-settings-deletion-chosen.png", modal<Region>());
             modal<Region>()->reject();
         }},
        checkStep("check: up to date", 200, UpdateService::catalogue("1.1.8", "26329"), false),
        updateShot("up to date shown", UpdateDialog::MessageForm, "11-update-up-to-date.png"),
        checkStep("check: newer", 200, UpdateService::catalogue("1.2.0", "27001"), false),
        updateShot("newer shown", UpdateDialog::DownloadForm, "12-update-newer.png"),
        checkStep("check: service fails", 500, QByteArray("broken"), false),
        updateShot("failure shown", UpdateDialog::MessageForm, "13-update-failed.png"),
        checkStep("check: TLS fails", 200, QByteArray(), true),
        updateShot("TLS failure shown", UpdateDialog::SupportForm, "14-update-support.png"),
        {"forget the stand-in service", [=] { return !w->updateDialog(); },
         [=] {
             for (const char *key : {"SoftwareInfoHost", "SoftwareInfoPort", "SoftwareInfoSSL"})
                 OrvexExToolSettings::instance()->removeValue(QString::fromLatin1(key), Hcommon::RemoveOneValue);
         }},
    };
}


// The browser alone, for runs in another language or at another scale
// factor: the plain folder with its first folder selected, then everything
// at its root checked. `prefix` starts every file name.
std::vector<Step> browserSteps(MainWindow *w, const QString &plain, const QString &prefix, Shoot shoot)
{
    VeskFileInfo *browser = w->browserPage();
    auto idle = [browser] { return !browser->isBusy() && !QApplication::activeModalWidget(); };
    return {
        {"welcome page", [w] { return w->isVisible() && !QApplication::activeModalWidget(); },
         [=] {
             shoot(prefix + QStringLiteral("-welcome.png"), w);
             emit w->openVeskFileSignal(plain);
         }},
        {"folder listed",
         [=] { return w->pages()->currentWidget() == browser && browser->hasFolder() && idle(); },
         [=] {
             if (QTreeWidgetItem *v = browser->tree()->topLevelItem(0); v && v->childCount() > 0) {
                 QTreeWidgetItem *f = v->child(0);
                 browser->tree()->setCurrentItem(f);
                 browser->folderTreeItemPressed(f, 0);
                 f->setExpanded(true);
             }
         }},
        {"folder selected", idle, [=] { shoot(prefix + QStringLiteral("-browser.png"), w); }},
        {"check everything", [] { return true; },
         [=] {
             if (QTreeWidgetItem *v = browser->tree()->topLevelItem(0)) {
                 browser->tree()->setCurrentItem(v);
                 browser->folderTreeItemPressed(v, 0);
             }
             browser->headerCheckboxChanged(Qt::Checked);
         }},
        {"selection summary", [=] { return idle() && browser->selectionCounts().pendingFolders == 0; },
         [=] { shoot(prefix + QStringLiteral("-selection.png"), w); }},
    };
}

// The search and "Versions of this file" over the history folder: matches
// in the shown version, in every version (with one long non-Latin name put
// among them to show how a row fits it), "No matches.", and the versions of
// \docs\a.txt with every state.
std::vector<Step> searchSteps(MainWindow *w, const QString &folder, const QString &prefix, Shoot shoot)
{
    VeskFileInfo *browser = w->browserPage();
    auto idle = [browser] { return !browser->isBusy() && !QApplication::activeModalWidget(); };
    auto searched = [browser] { return browser->isSearchShown() && !browser->searchPanel()->isSearching(); };
    auto search = [browser](const QString &text, bool all) {
        browser->searchField()->setFocus();
        browser->searchField()->setText(text);
        browser->allVersionsBox()->setChecked(all);
        browser->startSearch();
    };
    auto versions = std::make_shared<QPointer<FileVersionsDialog>>();
    return {
        {"welcome page", [w] { return w->isVisible() && !QApplication::activeModalWidget(); },
         [=] { emit w->openVeskFileSignal(folder); }},
        {"folder listed", [=] { return w->pages()->currentWidget() == browser && browser->hasFolder() && idle(); },
         [=] { search(QStringLiteral("txt"), false); }},
        {"matches in the shown version", searched,
         [=] {
             SearchPanel *panel = browser->searchPanel();
             panel->model()->setChecked(0, true);
             panel->view()->setFocus();
             panel->view()->setCurrentIndex(panel->model()->index(1, 0));
         }},
        {"shown version checked", [] { return true; },
         [=] {
             shoot(prefix + QStringLiteral("-search-version.png"), w);
             search(QStringLiteral("*"), true);
         }},
        {"matches in every version", searched,
         [=] {
             SearchResultModel *model = browser->searchPanel()->model();
             std::vector<VeskItemInfo> rows;
             QHash<int, qint64> times;
             for (int r = 0; r < model->rowCount(); ++r)
                 rows.push_back(model->match(r));
             for (const VeskItemInfo *v : browser->model()->versionRoots())
                 times.insert(v->versionId, v->mtime);
             VeskItemInfo longName = rows.empty() ? VeskItemInfo() : rows.back();
             longName.name = QStringLiteral("北海道の家族旅行_2023年夏_最終編集版_高画質_ディレクターズカット_完全版.txt");
             longName.parentPath = QStringLiteral("\\日本語\\写真とビデオ\\二〇二三年");
             longName.isFolder = 0;
             longName.totalSize = 7340032;
             rows.insert(rows.begin() + qMin<size_t>(rows.size(), 3), longName);
             model->setMatches(std::move(rows), times);
             model->setChecked(1, true);
             model->setChecked(3, true);
         }},
        {"every version checked", [] { return true; },
         [=] {
             shoot(prefix + QStringLiteral("-search-all-versions.png"), w);
             search(QStringLiteral("zzz"), false);
         }},
        {"no matches", searched,
         [=] {
             shoot(prefix + QStringLiteral("-search-no-matches.png"), w);
             browser->leaveSearch();
             VeskItemInfo file;
             file.name = QStringLiteral("a.txt");
             file.parentPath = QStringLiteral("\\docs");
             file.isFolder = 0;
             *versions = browser->showFileVersions(file);
         }},
        {"versions of a file", [versions] { return *versions && !(*versions)->isLoading(); },
         [=] { (*versions)->table()->selectRow(3); }}, // the deleted version: nothing to restore
        {"deleted version chosen", [] { return true; },
         [=] {
             shoot(prefix + QStringLiteral("-file-versions-deleted.png"), *versions);
             (*versions)->table()->selectRow(1);
         }},
        {"older version chosen", [] { return true; },
         [=] {
             shoot(prefix + QStringLiteral("-file-versions.png"), *versions);
             (*versions)->close();
         }},
    };
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

    // ORVEX_SHOTS_BROWSER=<prefix> shoots the browser alone (the plain
    // folder) in the language ORVEX_SHOTS_LANGUAGE names, if any, with the
    // window at the size and place the program chooses itself.
    const QString browserOnly = qEnvironmentVariable("ORVEX_SHOTS_BROWSER");
    if (!browserOnly.isEmpty() || qEnvironmentVariableIsSet("ORVEX_SHOTS_SEARCH")) {
        OrvexExToolSettings *st = OrvexExToolSettings::instance();
        st->setValue(QStringLiteral("Region"), 1, Hcommon::RegDword); // not a first start
        const QString language = qEnvironmentVariable("ORVEX_SHOTS_LANGUAGE");
        if (!language.isEmpty() && !st->setLanguageCode(language)) {
            std::fprintf(stderr, "unknown language code %s\n", qPrintable(language));
            return 2;
        }
    }

    MainWindow window;
    if (browserOnly.isEmpty()) {
        window.resize(1100, 720);
        window.move(20, 20);
    }
    window.show();
    VeskFileInfo *browser = window.browserPage();
    auto *flow = new ShotFlow(&window);
    browser->setExtractionFlow(flow);
    int failures = 0;

    auto shoot = [&](const QString &name, QWidget *w) {
        if (!w) { // a dialog that closed before its picture was taken
            std::fprintf(stderr, "could not take %s: its window is gone\n", qPrintable(name));
            ++failures;
            return;
        }
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
    auto passwordDialog = [] { return modal<VerifyPassword>(); };
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

    UpdateService service;
    std::vector<Step> steps = {
        // A fresh settings folder: the program asks for the region first.
        {"region at the first start", [&] { return window.regionDialog() && window.regionDialog()->isVisible(); },
         [&] {
             Region *r = window.regionDialog();
             shoot("10-region-first-start.png", r);
             r->regionCombo()->setCurrentIndex(r->regionCombo()->count() > 1 ? 1 : 0);
             r->applyButton()->click();
         }},
        {"welcome page", [&] { return window.isVisible() && !QApplication::activeModalWidget(); },
         [&] { shoot("01-welcome.png", &window); }},
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
        // Taken as soon as it shows a speed: opening one file takes well
        // under a second, less than the pause before a step acts.
        {"progress of an opened file",
         [&] {
             RestoreProgressDialog *d = progressDialog();
             if (!d || !showsSpeed(d->detailLabel()))
                 return false;
             d->repaint();
             shoot("08-open-file-progress.png", d);
             return true;
         },
         [] {}},
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
    for (Step &s : dialogSteps(&window, &service, shoot, idle))
        steps.push_back(std::move(s));
    if (!browserOnly.isEmpty())
        steps = browserSteps(&window, plain, browserOnly, shoot);
    if (const QString search = qEnvironmentVariable("ORVEX_SHOTS_SEARCH"); !search.isEmpty())
        steps = searchSteps(&window, qEnvironmentVariable("ORVEX_SHOTS_HISTORY"), search, shoot);

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
