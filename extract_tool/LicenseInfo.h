// The notices of the third-party software the program ships with, shown
// from Licenses/OrvexExToolThirdPartySoftwareNotices.htm beside the program.
#pragma once

#include <QDialog>

class QTextBrowser;

class LicenseInfo : public QDialog {
    Q_OBJECT
public:
    explicit LicenseInfo(QWidget *parent = nullptr);

    static QString noticesPath();
    QTextBrowser *browser() const { return m_browser; }
    bool loaded() const { return m_loaded; }

private:
    QTextBrowser *m_browser;
    bool m_loaded = false;
};
