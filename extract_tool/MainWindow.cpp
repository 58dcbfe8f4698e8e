#include "MainWindow.h"

#include "About.h"
#include "AppPaths.h"
#include "EventLog.h"
#include "Hcommon/FolderDialog.h"
#include "Hcommon/Logger.h"
#include "Hcommon/MessageBox.h"
#include "LicenseInfo.h"
#include "OrvexExToolSettings.h"
#include "Region.h"
#include "RestoreJobManager.h"
#include "UpdateChecker.h"
#include "UpdateDialog.h"
#include "VeskFileInfo.h"
#include "VeskMain.h"
#include "VeskOpener.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

using Hcommon::Logger;

namespace {

QPushButton *headerButton(const QString &icon, QWidget *parent)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QStringLiteral("headerButton"));
    b->setIcon(QIcon(icon));
    b->setIconSize(QSize(24, 24));
    b->setFixedSize(36, 36);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

} // namespace

QString MainWindow::shortVersion()
{
    return QString::fromLatin1(kVersion).section(QLatin1Char('.'), 0, 2);
}

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_128.png")));

    // Per-user folder and event log; from here on every level is logged.
    m_appDataFolder = AppPaths::appDataFolder();
    if (!QDir().mkpath(m_appDataFolder))
        qDebug() << "fail to create app local folder";
    Logger::instance()->openLogFile(AppPaths::eventLogFile(), true, true);
    Logger::instance()->setLevelMask(Logger::All);

    // Translation: the stored language, else the system's.
    OrvexExToolSettings *settings = OrvexExToolSettings::instance();
    const QString code = m_languages.chooseCode(settings->languageCode());
    m_languages.load(code);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader());
    m_stack = new QStackedWidget(central);
    m_welcome = new VeskMain(m_stack);
    m_browser = new VeskFileInfo(m_stack);
    m_stack->addWidget(m_welcome);
    m_stack->addWidget(m_browser);
    m_stack->setCurrentWidget(m_welcome);
    layout->addWidget(m_stack, 1);
    setCentralWidget(central);
    // The usual size, but never more than the screen offers: at a scale
    // factor of 2 a 2560x1440 screen has only 1280x720 logical pixels. Room
    // is left for the window frame, and the window is centred on the screen.
    QSize wanted(1100, 720);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        wanted = wanted.boundedTo(area.size() - QSize(16, 40));
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, wanted, area));
    } else {
        resize(wanted);
    }

    connect(m_jobsButton, &QPushButton::clicked, this, &MainWindow::showJobsWindow);
    connect(m_logButton, &QPushButton::clicked, this, &MainWindow::showLogWindow);
    connect(m_aboutButton, &QPushButton::clicked, this, &MainWindow::showAboutWindow);
    connect(m_welcome->browseButton(), &QPushButton::clicked, this, &MainWindow::showOpenFileWindow);
    connect(m_settingsAction, &QAction::triggered, this, &MainWindow::settingsActionClicked);
    connect(m_checkUpdateAction, &QAction::triggered, this, &MainWindow::checkForUpdateActionClicked);
    connect(m_licenceAction, &QAction::triggered, this, &MainWindow::licenceInfoActionClicked);
    connect(m_languageGroup, &QActionGroup::triggered, this, &MainWindow::languageChanged);
    connect(this, &MainWindow::openVeskFileSignal, this, &MainWindow::openVeskFile, Qt::QueuedConnection);
    connect(this, &MainWindow::updateNotifySignal, this, &MainWindow::updateNotify);
    connect(this, &MainWindow::updateLanguageSignal, this, &MainWindow::updateLanguage);
    connect(m_browser, &VeskFileInfo::hideJobsWindowRequested, this, &MainWindow::hideJobsWindow);
    m_updater = new UpdateChecker(QString::fromLatin1(kVersion), this);
    connect(m_updater, &UpdateChecker::checkFinished, this, [this](const UpdateResult &result) {
        m_lastUpdate = result;
        emit updateNotifySignal();
    });
    connect(m_browser, &VeskFileInfo::folderClosed, this, [this] {
        if (!m_browser->hasFolder())
            m_stack->setCurrentWidget(m_welcome);
    });
    updateLanguage();
}

MainWindow::~MainWindow()
{
    shutdown();
}

QWidget *MainWindow::buildHeader()
{
    auto *bar = new QGroupBox(this);
    bar->setObjectName(QStringLiteral("headerBar"));
    bar->setFixedHeight(58);
    auto *logo = new QLabel(bar);
    logo->setPixmap(QPixmap(QStringLiteral(":/images/top_halvern.png")));
    auto *separator = new QFrame(bar);
    separator->setObjectName(QStringLiteral("headerSeparator"));
    separator->setFixedSize(1, 28);
    m_title = new QLabel(bar);
    m_title->setObjectName(QStringLiteral("headerTitle"));

    m_jobsButton = headerButton(QStringLiteral(":/images/top_bgtask.png"), bar);
    m_badge = new QPushButton(m_jobsButton);
    m_badge->setObjectName(QStringLiteral("jobBadge"));
    m_badge->move(20, 0);
    m_badge->hide();
    m_logButton = headerButton(QStringLiteral(":/images/top_log.png"), bar);
    m_aboutButton = headerButton(QStringLiteral(":/images/top_about.png"), bar);
    m_languageButton = headerButton(QStringLiteral(":/images/top_language.png"), bar);
    m_optionsButton = headerButton(QStringLiteral(":/images/icon_tray_option.png"), bar);
    m_optionsButton->setStyleSheet(QStringLiteral("QPushButton:hover{image:url(:/images/icon_tray_option_hover.png);}"));

    m_optionsMenu = new QMenu(this);
    m_settingsAction = m_optionsMenu->addAction(QString());
    m_checkUpdateAction = m_optionsMenu->addAction(QString());
    m_licenceAction = m_optionsMenu->addAction(QString());
    m_optionsButton->setMenu(m_optionsMenu);
    m_optionsButton->setStyleSheet(m_optionsButton->styleSheet() +
                                   QStringLiteral("QPushButton::menu-indicator{image:none;width:0px;}"));

    m_languageMenu = new QMenu(this);
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);
    buildLanguageMenu();
    m_languageButton->setMenu(m_languageMenu);
    m_languageButton->setStyleSheet(QStringLiteral("QPushButton::menu-indicator{image:none;width:0px;}"));

    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(16, 0, 12, 0);
    layout->setSpacing(6);
    layout->addWidget(logo);
    layout->addSpacing(8);
    layout->addWidget(separator);
    layout->addSpacing(8);
    layout->addWidget(m_title);
    layout->addStretch(1);
    layout->addWidget(m_jobsButton);
    layout->addWidget(m_logButton);
    layout->addWidget(m_aboutButton);
    layout->addWidget(m_languageButton);
    layout->addWidget(m_optionsButton);
    return bar;
}

void MainWindow::buildLanguageMenu()
{
    for (const LanguageEntry &e : languageEntries()) {
        const QString code = QString::fromLatin1(e.code);
        if (!m_languages.installedNames().contains(code))
            continue;
        QAction *a = m_languageMenu->addAction(QString::fromUtf8(e.name));
        a->setCheckable(true);
        a->setChecked(code == m_languages.currentCode());
        m_languageGroup->addAction(a);
    }
    m_languageButton->setEnabled(!m_languageGroup->actions().isEmpty());
}

QList<QAction *> MainWindow::languageActions() const
{
    return m_languageGroup->actions();
}

void MainWindow::updateLanguage()
{
    setWindowTitle(QStringLiteral("%1 %2").arg(tr("Halvern Orvex Extract Tool for Windows"), shortVersion()));
    m_title->setText(tr("Orvex Extract Tool"));
    m_jobsButton->setToolTip(tr("Background Tasks"));
    m_logButton->setToolTip(tr("Event Logs"));
    m_aboutButton->setToolTip(tr("About"));
    m_languageButton->setToolTip(tr("Language"));
    m_optionsButton->setToolTip(tr("Options"));
    m_settingsAction->setText(tr("Settings"));
    m_checkUpdateAction->setText(tr("Check for Updates"));
    m_licenceAction->setText(tr("Open Source && Third Party Software"));
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    OrvexExToolSettings::instance()->loadGlobalSettingsInfo();
    // Not from inside the show event: the window appears first, then asks.
    if (OrvexExToolSettings::instance()->global().region == 0)
        QTimer::singleShot(0, this, &MainWindow::showRegionAtStart);
    if (!m_updateRequested) {
        m_updateRequested = true;
        m_updater->scheduleAutomatic(UpdateChecker::automaticDelayMs());
    }
    const QStringList args = QCoreApplication::arguments();
    for (int i = 0; i < args.size(); ++i)
        qDebug().noquote() << QStringLiteral("MainWindow::showEvent arg%1 = %2").arg(i).arg(args.at(i));
    // The folder argument is opened on the first show only: showing the
    // window again (a later start brings it up) must not reopen it.
    if (!m_shownOnce) {
        m_shownOnce = true;
        if (args.size() >= 2) {
            const QString folder = AppPaths::folderArgument(args.at(1));
            if (!folder.isEmpty())
                emit openVeskFileSignal(folder);
        }
        QTimer::singleShot(10, this, &MainWindow::createRestoreJobManager);
    }
}

void MainWindow::createRestoreJobManager()
{
    if (m_jobs)
        return;
    m_jobs = new RestoreJobManager(this);
    m_jobs->hide();
    connect(m_jobs, &RestoreJobManager::jobCountChanged, this, &MainWindow::updateJobCount);
    connect(m_jobs, &RestoreJobManager::veskRemovedSignal, this, &MainWindow::removeVeskFinshed);
    connect(m_jobs, &RestoreJobManager::showEventLogSignal, this, &MainWindow::showLogWindow);
    m_browser->setJobManager(m_jobs);
    updateJobCount(m_jobs->jobCount());
}

RestoreJobManager *MainWindow::jobManager() const
{
    return m_jobs;
}

void MainWindow::hideJobsWindow()
{
    if (m_jobs && m_jobs->isVisible())
        m_jobs->hide();
}

void MainWindow::showJobsWindow()
{
    hideJobsWindow();
    createRestoreJobManager();
    m_jobs->showNormal();
    m_jobs->activateWindow();
}

void MainWindow::showLogWindow()
{
    hideJobsWindow();
    EventLog dialog(this);
    dialog.exec();
}

void MainWindow::showAboutWindow()
{
    About dialog(QString::fromLatin1(kVersion), this);
    dialog.exec();
}

void MainWindow::showOpenFileWindow()
{
    hideJobsWindow();
    const QString dir = chooseVeskFolder(this);
    if (dir.isEmpty())
        return;
    emit openVeskFileSignal(AppPaths::canonicalFolder(dir));
}

void MainWindow::openVeskFile(QString veskfilepath)
{
    // A folder that is open already is shown, not opened (and asked for its
    // password) a second time.
    veskfilepath = AppPaths::canonicalFolder(veskfilepath);
    if (m_browser->showOpenedFolder(veskfilepath)) {
        m_stack->setCurrentWidget(m_browser);
        return;
    }
    VeskOpener opener(this);
    ArchiveSessionPtr session = opener.open(veskfilepath);
    if (!session)
        return;
    m_browser->showVeskFolder(std::move(session));
    m_stack->setCurrentWidget(m_browser);
}

void MainWindow::slotSingleApp(QString veskpath)
{
    veskpath = AppPaths::canonicalFolder(veskpath);
    if (!veskpath.isEmpty() && m_browser) {
        if (!m_browser->hasFolder()) {
            emit openVeskFileSignal(veskpath);
        } else if (!m_browser->openedPaths().contains(veskpath)) {
            QTimer::singleShot(0, this, [this, veskpath] {
                if (m_browser->openAdditionalFolder(veskpath))
                    m_stack->setCurrentWidget(m_browser);
            });
        }
    }
    showNormal();
    activateWindow();
}

void MainWindow::languageChanged(QAction *action)
{
    for (auto it = m_languages.installedNames().constBegin(); it != m_languages.installedNames().constEnd(); ++it) {
        if (it.value() != action->text())
            continue;
        OrvexExToolSettings::instance()->setLanguageCode(it.key());
        m_languages.load(it.key());
        retranslatePages();
        return;
    }
}

void MainWindow::retranslatePages()
{
    if (!m_welcome || !m_browser)
        return; // still being built
    emit updateLanguageSignal();
    emit m_welcome->updateLanguageSignal();
    emit m_browser->updateLanguageSignal();
    if (m_jobs)
        emit m_jobs->updateLanguageSignal();
}

// Whatever replaced a translator, the window and its pages follow it as the
// dialogs do.
void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslatePages();
    QMainWindow::changeEvent(event);
}

Region *MainWindow::regionDialog() const
{
    return m_region;
}

UpdateDialog *MainWindow::updateDialog() const
{
    return m_updateDialog;
}

void MainWindow::showRegionAtStart()
{
    // Shown without blocking: the window stays live behind the modal dialog.
    if (m_region || OrvexExToolSettings::instance()->global().region != 0)
        return;
    m_region = new Region(this);
    m_region->setAttribute(Qt::WA_DeleteOnClose);
    m_region->show();
}

void MainWindow::settingsActionClicked(bool)
{
    if (m_region) {
        m_region->raise();
        m_region->activateWindow();
        return;
    }
    Region dialog(this);
    dialog.exec();
}

void MainWindow::checkForUpdateActionClicked(bool)
{
    m_updateRequested = true;
    m_updater->checkNow();
}

void MainWindow::updateNotify()
{
    if (!m_lastUpdate.worthShowing())
        return;
    // The result arrives from a worker: shown without a nested event loop.
    if (m_updateDialog)
        m_updateDialog->close();
    m_updateDialog = new UpdateDialog(m_lastUpdate, this);
    m_updateDialog->setAttribute(Qt::WA_DeleteOnClose);
    m_updateDialog->show();
}

void MainWindow::licenceInfoActionClicked(bool)
{
    LicenseInfo dialog(this);
    dialog.exec();
}

void MainWindow::exitActionClicked(bool)
{
    close();
}

void MainWindow::updateJobCount(int jobcount)
{
    m_badge->setText(QString::number(jobcount));
    m_badge->setVisible(jobcount != 0);
}

void MainWindow::removeVeskFinshed(bool ret, QString path)
{
    // The job may name the folder in the other separator form.
    for (const QString &opened : m_browser->openedPaths())
        if (AppPaths::toLibraryPath(opened) == AppPaths::toLibraryPath(path))
            path = opened;
    if (ret && m_browser->currentPath() == path) {
        m_stack->setCurrentWidget(m_welcome);
        m_browser->closeShownFolder();
    }
    m_browser->removeOpenedFolder(path);
}

void MainWindow::quitWithoutAsking()
{
    m_forceClose = true;
    shutdown();
    QApplication::quit();
}

void MainWindow::shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_updater->shutdown();
    if (m_jobs) {
        m_jobs->shutdown();
        m_jobs->hide();
    }
    m_browser->queryCancel();
    m_welcome->queryCancel();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_forceClose && m_badge->isVisible()) {
        const auto answer = Hcommon::showMessage(
            QMessageBox::Question, tr("Orvex Extract Tool"),
            tr("Some tasks have not completed yet. Are you sure you want to exit the application?"),
            QMessageBox::Ok | QMessageBox::Cancel, this);
        if (answer != QMessageBox::Ok) {
            event->ignore();
            return;
        }
    }
    shutdown();
    event->accept();
}
