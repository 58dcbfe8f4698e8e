#include "LicenseInfo.h"

#include "Hcommon/Retranslate.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

QString LicenseInfo::noticesPath()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return QStringLiteral("%1%2%3").arg(dir, QStringLiteral("Licenses"),
                                        QStringLiteral("/OrvexExToolThirdPartySoftwareNotices.htm"));
}

LicenseInfo::LicenseInfo(QWidget *parent) : QDialog(parent), m_browser(new QTextBrowser(this))
{
    Hcommon::bindText(this, [this] { setWindowTitle(tr("Open Source & Third Party Software")); });
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_24.png")));
    setStyleSheet(QStringLiteral("QDialog {border: 1px solid #626262; background-color:white;}"));
    setMinimumSize(880, 620);
    resize(880, 620);
    if (QWidget *main = parent ? parent->window() : nullptr)
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), main->geometry()));

    m_browser->setFrameShape(QFrame::NoFrame);
    m_browser->setLineWrapMode(QTextEdit::NoWrap);
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_browser);

    QFile file(noticesPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug() << "open fail!";
        m_browser->setPlainText(tr("The notices file %1 could not be read: %2")
                                    .arg(QDir::toNativeSeparators(noticesPath()), file.errorString()));
        return;
    }
    m_browser->setHtml(QString::fromUtf8(file.readAll()));
    m_loaded = true;
}
