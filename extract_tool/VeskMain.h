// The welcome page, shown until a backup folder is open. On its first show
// it clears the program's temporary folder on a worker thread.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class CleanTempFileThread;

class VeskMain : public QWidget {
    Q_OBJECT
public:
    explicit VeskMain(QWidget *parent = nullptr);
    ~VeskMain() override;
    QPushButton *browseButton() const { return m_browse; }

signals:
    void updateLanguageSignal();

public slots:
    void queryCancel();
    void updateLanguage();
    void cleanTempFileFinshed();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_title;
    QLabel *m_text;
    QPushButton *m_browse;
    CleanTempFileThread *m_cleaner = nullptr;
    bool m_cleanStarted = false;
};
