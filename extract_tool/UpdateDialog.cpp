#include "UpdateDialog.h"

#include "Hcommon/Retranslate.h"

#include "WebLinks.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

UpdateDialog::Form UpdateDialog::formFor(const UpdateResult &result)
{
    if (result.newerAvailable)
        return DownloadForm;
    if (!result.succeeded && result.connectionProblem)
        return SupportForm;
    return MessageForm;
}

UpdateDialog::UpdateDialog(const UpdateResult &result, QWidget *parent)
    : QDialog(parent), m_result(result), m_form(formFor(result)), m_text(new QLabel(this)),
      m_download(new QPushButton(this)), m_close(new QPushButton(this))
{
    setObjectName(QStringLiteral("UpdateDialog"));
    setStyleSheet(QStringLiteral("QDialog#UpdateDialog {border: 1px solid %1;background-color:white;}")
                      .arg(QStringLiteral("#626262")));
    setModal(true);
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_128.png")));
    setMinimumWidth(460);

    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/app_icon/Orvex_64.png")));
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(320);
    // Plain text but for the support link: nothing the service sent is ever
    // read as markup.
    m_text->setTextFormat(m_form == SupportForm ? Qt::RichText : Qt::PlainText);
    if (m_form == SupportForm)
        m_text->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    Hcommon::bindText(this, [this] {
        setWindowTitle(tr("Orvex Extract Tool Update"));
        m_download->setText(tr("Download"));
        m_close->setText(tr("Close"));
        switch (m_form) {
        case SupportForm:
            m_text->setText(QStringLiteral("%1 <a href=\"support\">%2</a>.")
                                .arg(tr("Unable to check for update.").toHtmlEscaped(),
                                     tr("Contact Halvern support").toHtmlEscaped()));
            break;
        case MessageForm:
            m_text->setText(m_result.succeeded ? tr("The latest version of Orvex Extract Tool is already installed.")
                                               : tr("Unable to check for update."));
            break;
        case DownloadForm:
            m_text->setText(tr("A newer version of Orvex Extract Tool is available. Version: %1.%2")
                                .arg(m_result.version, m_result.build));
            break;
        }
    });
    m_download->setObjectName(QStringLiteral("primaryButton"));
    m_download->setVisible(m_form == DownloadForm);
    m_close->setObjectName(m_form == DownloadForm ? QStringLiteral("secondaryButton") : QStringLiteral("primaryButton"));
    (m_form == DownloadForm ? m_download : m_close)->setDefault(true);

    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(m_text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_download);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addLayout(top);
    layout->addSpacing(16);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(m_text, &QLabel::linkActivated, this, &UpdateDialog::openLinkType);
    connect(m_download, &QPushButton::clicked, this, &UpdateDialog::clickLink);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void UpdateDialog::clickLink()
{
    // The catalogue only lets http(s) addresses through (parseReleaseCatalogue).
    QDesktopServices::openUrl(QUrl(m_result.downloadUrl));
    accept();
}

void UpdateDialog::openLinkType(QString type)
{
    if (type == QLatin1String("support"))
        QDesktopServices::openUrl(WebLinks::support());
}
