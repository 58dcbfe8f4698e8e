// The outcome of an update check, in one of three forms: the check failed on
// its connection (with a link to support), a plain message (up to date, or
// the check failed), or a newer release with its "Download" button.
#pragma once

#include "UpdateNotification.h"

#include <QDialog>

class QLabel;
class QPushButton;

class UpdateDialog : public QDialog {
    Q_OBJECT
public:
    enum Form { SupportForm, MessageForm, DownloadForm };

    static Form formFor(const UpdateResult &result);

    explicit UpdateDialog(const UpdateResult &result, QWidget *parent = nullptr);

    Form form() const { return m_form; }
    QLabel *textLabel() const { return m_text; }
    QPushButton *downloadButton() const { return m_download; }
    QPushButton *closeButton() const { return m_close; }

public slots:
    // Opens the release's download address with the desktop's default handler.
    void clickLink();
    // Opens the page a link of the text names ("support").
    void openLinkType(QString type);

private:
    UpdateResult m_result;
    Form m_form;
    QLabel *m_text;
    QPushButton *m_download;
    QPushButton *m_close;
};
