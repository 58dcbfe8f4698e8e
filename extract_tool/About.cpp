#include "About.h"

#include "Hcommon/Retranslate.h"

#include "WebLinks.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

About::About(const QString &version, QWidget *parent)
    : QDialog(parent), m_link(new QPushButton(this)), m_close(new QPushButton(this))
{
    setObjectName(QStringLiteral("aboutDialog"));
    Hcommon::bindText(this, [this] {
        setWindowTitle(tr("About"));
        m_close->setText(tr("Close"));
    });
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_24.png")));
    setMinimumSize(420, 340);

    auto *maker = new QLabel(this);
    maker->setPixmap(QPixmap(QStringLiteral(":/images/halvern.png")));
    auto *icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/images/app_icon/Orvex_64.png")));
    auto *name = new QLabel(this);
    Hcommon::bindText(this, [name] { name->setText(tr("Orvex Extract Tool")); });
    name->setObjectName(QStringLiteral("dialogHeading"));
    auto *versionLabel = new QLabel(this);
    Hcommon::bindText(this, [versionLabel, version] { versionLabel->setText(tr("Version: %1").arg(version)); });
    m_link->setObjectName(QStringLiteral("linkButton"));
    m_link->setFlat(true);
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->setText(WebLinks::website().host());
    QFont linkFont = m_link->font();
    linkFont.setUnderline(true);
    m_link->setFont(linkFont);
    auto *makerLine = new QLabel(this);
    Hcommon::bindText(this, [makerLine] { makerLine->setText(tr("Orvex Extract Tool is made by Halvern. All rights reserved.")); });
    makerLine->setWordWrap(true);
    makerLine->setObjectName(QStringLiteral("aboutMaker"));
    m_close->setObjectName(QStringLiteral("primaryButton"));
    m_close->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 18);
    layout->setSpacing(8);
    for (QWidget *w : {static_cast<QWidget *>(maker), static_cast<QWidget *>(icon)})
        layout->addWidget(w, 0, Qt::AlignHCenter);
    layout->addSpacing(4);
    for (QLabel *l : {name, versionLabel, makerLine}) {
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    layout->addWidget(m_link, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);

    connect(m_link, &QPushButton::clicked, this, &About::halvernLinkClicked);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(this, &About::initContinueSignal, this, &About::initContinue, Qt::QueuedConnection);
    emit initContinueSignal();
}

void About::initContinue()
{
    // Wide enough for the texts of the current language, never narrower.
    adjustSize();
    resize(size().expandedTo(minimumSize()));
}

void About::halvernLinkClicked()
{
    QDesktopServices::openUrl(WebLinks::website());
}
