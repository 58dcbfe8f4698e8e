#include "RestoreJobManager.h"

#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

RestoreJobManager::RestoreJobManager(QWidget *parent) : QDialog(parent)
{
    resize(652, 492);
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_24.png")));
    auto *layout = new QVBoxLayout(this);
    auto *empty = new QLabel(this);
    empty->setObjectName(QStringLiteral("emptyJobsLabel"));
    empty->setAlignment(Qt::AlignCenter);
    layout->addWidget(empty);
    connect(this, &RestoreJobManager::updateLanguageSignal, this, &RestoreJobManager::updateLanguage);
    updateLanguage();
}

void RestoreJobManager::updateLanguage()
{
    setWindowTitle(tr("Background Tasks"));
    if (auto *l = findChild<QLabel *>(QStringLiteral("emptyJobsLabel")))
        l->setText(tr("No background tasks."));
}
