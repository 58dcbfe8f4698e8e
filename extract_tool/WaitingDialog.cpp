#include "WaitingDialog.h"

#include "Hcommon/Retranslate.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>

WaitingDialog::WaitingDialog(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("waitingDialog"));
    setFixedSize(250, 80);
    setModal(true);
    auto *layout = new QHBoxLayout(this);
    auto *loader = new QLabel(this);
    m_movie = new QMovie(QStringLiteral(":/images/loader_r.gif"), QByteArray(), this);
    loader->setMovie(m_movie);
    loader->setFixedSize(48, 48);
    loader->setScaledContents(true);
    m_movie->start();
    m_text = new QLabel(this);
    m_cancel = new QPushButton(this);
    Hcommon::bindText(this, [this] {
        m_text->setText(tr("Please wait..."));
        m_cancel->setText(tr("Cancel"));
    });
    m_cancel->setObjectName(QStringLiteral("secondaryButton"));
    layout->addWidget(loader);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, &WaitingDialog::cancelButtonClicked);
    if (parent) {
        const QRect pr = parent->window()->geometry();
        move(pr.center() - rect().center());
    }
}

void WaitingDialog::cancelButtonClicked()
{
    emit closewait();
    reject();
}
