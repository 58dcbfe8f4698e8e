#include "VeskMain.h"

#include "AppPaths.h"
#include "VeskThreads.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

VeskMain::VeskMain(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("welcomePage"));
    setAttribute(Qt::WA_StyledBackground, true);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("welcomeTitle"));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("welcomeText"));
    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/big_vesk_icon.png")));
    m_browse = new QPushButton(this);
    m_browse->setObjectName(QStringLiteral("browseFileButton"));
    m_browse->setCursor(Qt::PointingHandCursor);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(m_title, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(m_text, 0, Qt::AlignHCenter);
    layout->addSpacing(28);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addSpacing(28);
    layout->addWidget(m_browse, 0, Qt::AlignHCenter);
    layout->addStretch(3);

    connect(this, &VeskMain::updateLanguageSignal, this, &VeskMain::updateLanguage);
    updateLanguage();
}

VeskMain::~VeskMain()
{
    queryCancel();
}

void VeskMain::updateLanguage()
{
    m_title->setText(tr("Extract VESK folders on any platform"));
    m_text->setText(tr("Click below to start using the Orvex Extract Tool"));
    m_browse->setText(tr("Browse file"));
}

void VeskMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_cleanStarted)
        return;
    m_cleanStarted = true;
    m_cleaner = new CleanTempFileThread(AppPaths::tempFolder(), this);
    connect(m_cleaner, &CleanTempFileThread::cleanFinshed, this, &VeskMain::cleanTempFileFinshed);
    m_cleaner->start(QThread::InheritPriority);
}

void VeskMain::cleanTempFileFinshed() {}

void VeskMain::queryCancel()
{
    if (!m_cleaner)
        return;
    m_cleaner->requestStop();
    stopThread(m_cleaner);
}
