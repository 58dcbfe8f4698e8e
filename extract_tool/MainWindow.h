// The program's only top-level window: the header bar with its buttons and
// menus, and a stack of two pages, the welcome page and the archive browser.
#pragma once

#include "LanguageTable.h"
#include "UpdateNotification.h"

#include <QMainWindow>
#include <QPointer>

class QActionGroup;
class QMenu;
class QPushButton;
class QStackedWidget;
class QLabel;
class Region;
class RestoreJobManager;
class UpdateChecker;
class UpdateDialog;
class VeskFileInfo;
class VeskMain;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char *kVersion = "1.1.8.26329";

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    VeskMain *welcomePage() const { return m_welcome; }
    VeskFileInfo *browserPage() const { return m_browser; }
    QStackedWidget *pages() const { return m_stack; }
    QPushButton *jobBadge() const { return m_badge; }
    RestoreJobManager *jobManager() const;
    LanguageTable &languageTable() { return m_languages; }
    UpdateChecker *updateChecker() const { return m_updater; }
    // The dialogs the program raises by itself (null when none is open).
    Region *regionDialog() const;
    UpdateDialog *updateDialog() const;
    static QString shortVersion();
    // The language menu's entries, one per installed translation.
    QList<QAction *> languageActions() const;

    // Closes without asking about unfinished tasks (the exit hook of the
    // smoke test and the screenshot script).
    void quitWithoutAsking();

signals:
    void openVeskFileSignal(QString path);
    void updateLanguageSignal();
    void updateNotifySignal();

public slots:
    void updateJobCount(int jobcount);
    void removeVeskFinshed(bool ret, QString path);
    void slotSingleApp(QString veskpath);
    void hideJobsWindow();

private slots:
    void showJobsWindow();
    void showLogWindow();
    void showAboutWindow();
    void showOpenFileWindow();
    void languageChanged(QAction *action);
    void settingsActionClicked(bool checked = false);
    void checkForUpdateActionClicked(bool checked = false);
    void licenceInfoActionClicked(bool checked = false);
    void exitActionClicked(bool checked = false);
    void openVeskFile(QString veskfilepath);
    void updateLanguage();
    void retranslatePages();
    void updateNotify();
    void createRestoreJobManager();
    void showRegionAtStart();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildHeader();
    void buildLanguageMenu();
    void shutdown();

    LanguageTable m_languages;
    QString m_appDataFolder;
    VeskMain *m_welcome = nullptr;
    VeskFileInfo *m_browser = nullptr;
    QStackedWidget *m_stack = nullptr;

    QLabel *m_title = nullptr;
    QPushButton *m_jobsButton = nullptr;
    QPushButton *m_badge = nullptr;
    QPushButton *m_logButton = nullptr;
    QPushButton *m_aboutButton = nullptr;
    QPushButton *m_languageButton = nullptr;
    QPushButton *m_optionsButton = nullptr;
    QMenu *m_languageMenu = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    QAction *m_settingsAction = nullptr;
    QAction *m_checkUpdateAction = nullptr;
    QAction *m_licenceAction = nullptr;

    QPointer<RestoreJobManager> m_jobs;
    UpdateChecker *m_updater = nullptr;
    bool m_updateRequested = false;
    UpdateResult m_lastUpdate;
    QPointer<Region> m_region;
    QPointer<UpdateDialog> m_updateDialog;
    bool m_shownOnce = false;
    bool m_forceClose = false;
    bool m_shutDown = false;
};
