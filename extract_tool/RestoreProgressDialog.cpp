#include "RestoreProgressDialog.h"

#include "Hcommon/Retranslate.h"

#include "JobLogic.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

RestoreProgressDialog::RestoreProgressDialog(RestoreVeskFileListThread *thread, QWidget *parent)
    : QDialog(parent), m_thread(thread)
{
    setObjectName(QStringLiteral("restoreProgressDialog"));
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_24.png")));
    setModal(true);
    setFixedWidth(440);

    m_file = new QLabel(this);
    m_file->setObjectName(QStringLiteral("progressFileLabel"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("jobProgressBar"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(8);
    m_completed = new QLabel(this);
    m_detail = new QLabel(this);
    m_detail->setObjectName(QStringLiteral("progressDetailLabel"));
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("secondaryButton"));

    auto *status = new QHBoxLayout;
    status->addWidget(m_completed);
    status->addStretch(1);
    status->addWidget(m_detail);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 14);
    layout->addWidget(m_file);
    layout->addWidget(m_bar);
    layout->addLayout(status);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    Hcommon::bindText(this, [this] {
        setWindowTitle(tr("Extract"));
        m_completed->setText(tr("%1% completed").arg(m_percent));
        m_cancel->setText(tr("Cancel"));
    });

    connect(m_cancel, &QPushButton::clicked, this, &RestoreProgressDialog::cancelButtonClicked);
    connect(m_thread, &RestoreVeskFileListThread::progressUpdateSignal, this,
            &RestoreProgressDialog::restoreProgressUpdate);
    connect(m_thread, &RestoreVeskFileListThread::progressSnapshotSignal, this,
            &RestoreProgressDialog::restoreSnapshotUpdate);
    connect(m_thread, &RestoreVeskFileListThread::restoreFinshedSignal, this, &RestoreProgressDialog::restoreFinshed);
    if (parent) {
        adjustSize();
        const QRect pr = parent->window()->geometry();
        move(pr.center() - rect().center());
    }
}

int RestoreProgressDialog::exec()
{
    m_thread->start(QThread::InheritPriority);
    return QDialog::exec();
}

void RestoreProgressDialog::restoreProgressUpdate(const int, const QString &fileName, const qint64, const float,
                                                  const int)
{
    const QString name = fileName.section(QLatin1Char('\\'), -1);
    if (name.isEmpty())
        return;
    m_file->setText(m_file->fontMetrics().elidedText(name, Qt::ElideMiddle, m_file->width()));
    m_file->setToolTip(name);
}

void RestoreProgressDialog::restoreSnapshotUpdate(const JobProgress &p)
{
    m_percent = JobLogic::percentOf(p.bytesDone, p.bytesTotal);
    m_bar->setValue(m_percent);
    m_completed->setText(tr("%1% completed").arg(m_percent));
    m_detail->setText(JobLogic::progressText(p.bytesDone, p.bytesTotal, p.bytesPerSecond, p.secondsLeft));
}

void RestoreProgressDialog::restoreFinshed()
{
    m_finished = true;
    if (!m_cancelled && m_thread->resultStatus() == 0) {
        m_percent = 100;
        m_bar->setValue(100);
        m_completed->setText(tr("%1% completed").arg(m_percent));
    }
    QDialog::accept();
}

void RestoreProgressDialog::cancelButtonClicked()
{
    if (m_cancelled)
        return;
    m_cancelled = true;
    emit closewait();
    m_cancel->setEnabled(false);
    m_thread->requestStop();
}

// Escape or the window's close button cancel like the Cancel button; the
// dialog itself closes once the thread has ended.
void RestoreProgressDialog::reject()
{
    if (m_finished)
        QDialog::reject();
    else
        cancelButtonClicked();
}
