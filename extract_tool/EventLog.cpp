#include "EventLog.h"

#include "Hcommon/Retranslate.h"

#include "AppPaths.h"
#include "Hcommon/Logger.h"
#include "Hcommon/MessageBox.h"
#include "Hcommon/PagingBar.h"
#include "Hcommon/QListCtrlButton.h"
#include "Hcommon/SyncPairDelegate.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using Hcommon::Logger;

namespace {

// Longer messages are cut in the cell and its tool tip; "Save" keeps them whole.
constexpr int kMaxShownMessage = 2000;

QColor colourFor(int level)
{
    switch (level) {
    case Logger::Warning: return QColor(235, 120, 32);
    case Logger::Error: return QColor(215, 38, 37);
    default: return QColor(47, 47, 47);
    }
}

} // namespace

bool TypeItem::operator<(const QTableWidgetItem &other) const
{
    if (const auto *o = dynamic_cast<const TypeItem *>(&other))
        return m_level < o->m_level;
    return QTableWidgetItem::operator<(other);
}

QString EventLog::iconFor(int level)
{
    switch (level) {
    case Logger::Info: return QStringLiteral(":/images/log_info.png");
    case Logger::Warning: return QStringLiteral(":/images/log_warning.png");
    case Logger::Error: return QStringLiteral(":/images/log_error.png");
    default: return QString();
    }
}

EventLog::EventLog(QWidget *parent)
    : QDialog(parent), m_table(new QTableWidget(this)), m_paging(new Hcommon::PagingBar(this)),
      m_clear(new QPushButton(this)), m_save(new QPushButton(this)), m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("eventLogDialog"));
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_24.png")));
    resize(900, 620);

    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/popup_log.png")));
    auto *heading = new QLabel(this);
    heading->setObjectName(QStringLiteral("dialogHeading"));
    m_clear->setObjectName(QStringLiteral("secondaryButton"));
    m_save->setObjectName(QStringLiteral("primaryButton"));
    m_status->setObjectName(QStringLiteral("eventLogStatus"));
    m_status->setWordWrap(true);
    m_status->hide();

    m_table->setColumnCount(3);
    m_table->verticalHeader()->setVisible(false);
    m_table->verticalHeader()->setDefaultSectionSize(48);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    m_table->setItemDelegate(new SyncPairDelegate(m_table));
    m_table->setColumnWidth(0, 70);
    m_table->setColumnWidth(1, 150);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setSectionsClickable(true);
    m_table->horizontalHeader()->setSortIndicatorShown(true);
    m_table->horizontalHeader()->setSortIndicator(m_model.sortColumn(), m_model.sortOrder());
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(heading);
    top->addStretch(1);
    top->addWidget(m_clear);
    top->addWidget(m_save);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->addLayout(top);
    layout->addWidget(m_status);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_paging);

    connect(m_clear, &QPushButton::clicked, this, &EventLog::clearAllLogs);
    connect(m_save, &QPushButton::clicked, this, &EventLog::saveLogs);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, &EventLog::headerSectionClicked);
    connect(m_paging, &Hcommon::PagingBar::firstPage, this, &EventLog::firstPage);
    connect(m_paging, &Hcommon::PagingBar::previousPage, this, &EventLog::previousPage);
    connect(m_paging, &Hcommon::PagingBar::nextPage, this, &EventLog::nextPage);
    connect(m_paging, &Hcommon::PagingBar::lastPage, this, &EventLog::lastPage);
    connect(m_paging, &Hcommon::PagingBar::gotoPage, this, &EventLog::gotoPage);
    connect(m_paging, &Hcommon::PagingBar::pageCountIndexChanged, this, &EventLog::pageCountIndexChanged);
    connect(this, &EventLog::updateListSignal, this, &EventLog::updateList);
    // The log is read once the window is up, so a long log never delays it.
    connect(this, &EventLog::initContinueSignal, this, &EventLog::initContinue, Qt::QueuedConnection);
    Hcommon::bindText(this, [this, heading] {
        setWindowTitle(tr("Event Logs"));
        heading->setText(tr("Event Logs"));
        m_clear->setText(tr("Clear"));
        m_save->setText(tr("Save"));
        m_table->setHorizontalHeaderLabels({tr("Type"), tr("Date"), tr("Message")});
        setPageInfo();
    });
}

void EventLog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_initialised) {
        m_initialised = true;
        emit initContinueSignal();
    }
}

void EventLog::initContinue()
{
    emit updateListSignal();
}

void EventLog::updateList()
{
    Logger *logger = Logger::instance();
    logger->flush();
    if (logger->isFileOpen()) {
        m_status->hide();
    } else {
        m_status->setText(tr("The event log file %1 could not be opened; only this run's debug output has the "
                             "messages.")
                              .arg(QDir::toNativeSeparators(AppPaths::eventLogFile())));
        m_status->show();
    }
    m_model.setLines(logger->readLines(QString()));
    fillPage();
}

void EventLog::fillPage()
{
    const QVector<EventLogEntry> rows = m_model.currentPage();
    m_table->setUpdatesEnabled(false);
    m_table->clearContents();
    m_table->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        const EventLogEntry &e = rows.at(row);
        const QColor colour = colourFor(e.level);
        const QString icon = iconFor(e.level);
        if (!icon.isEmpty()) {
            m_table->setItem(row, 0, new TypeItem(e.level));
            m_table->setCellWidget(row, 0, new QListCtrlButton(icon, Logger::levelName(static_cast<Logger::LogLevel>(e.level)), m_table));
        }
        auto *date = new QTableWidgetItem(e.time.isValid() ? e.time.toString(QStringLiteral("yyyy/MM/dd HH:mm")) : QString());
        date->setForeground(colour);
        m_table->setItem(row, 1, date);
        const QString shown = e.message.left(kMaxShownMessage);
        auto *message = new QTableWidgetItem(shown);
        message->setForeground(colour);
        message->setToolTip(shown);
        m_table->setItem(row, 2, message);
    }
    m_table->setUpdatesEnabled(true);
    setPageInfo();
}

void EventLog::setPageInfo()
{
    m_model.page().normalise();
    m_paging->showPage(m_model.page());
}

void EventLog::headerSectionClicked(int column)
{
    m_model.headerClicked(column);
    m_table->horizontalHeader()->setSortIndicator(m_model.sortColumn(), m_model.sortOrder());
    m_model.page().currentPage = 1;
    fillPage();
}

void EventLog::firstPage()
{
    m_model.page().currentPage = 1;
    fillPage();
}

void EventLog::previousPage()
{
    if (m_model.page().canGoBack())
        --m_model.page().currentPage;
    fillPage();
}

void EventLog::nextPage()
{
    if (m_model.page().canGoForward())
        ++m_model.page().currentPage;
    fillPage();
}

void EventLog::lastPage()
{
    m_model.page().currentPage = m_model.page().pageCount;
    fillPage();
}

void EventLog::gotoPage()
{
    const qint64 page = m_paging->typedPage();
    if (page > 0)
        m_model.page().currentPage = page;
    fillPage();
}

void EventLog::pageCountIndexChanged(int index)
{
    if (index < 0)
        return;
    m_model.page().pageSize = m_paging->pageSize();
    m_model.page().currentPage = 1;
    m_model.page().normalise();
    fillPage();
}

void EventLog::clearAllLogs()
{
    const auto answer = Hcommon::showMessage(QMessageBox::Question, tr("Orvex Extract Tool"),
                                             tr("Are you sure you want to delete all event logs?"),
                                             QMessageBox::Ok | QMessageBox::Cancel, this);
    if (answer != QMessageBox::Ok)
        return;
    Logger::instance()->flush();
    Logger::instance()->clear();
    m_model.clear();
    fillPage();
}

bool EventLog::saveLogsTo(const QString &path, QString *error)
{
    const QFileInfo target(path);
    const QFileInfo log(AppPaths::eventLogFile());
    if (target.exists() && log.exists() && target.canonicalFilePath() == log.canonicalFilePath()) {
        *error = tr("This is the event log file itself.");
        return false;
    }
    Logger::instance()->flush();
    return EventLogModel::saveLines(path, Logger::instance()->readLines(QString()), error);
}

void EventLog::saveLogs()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save File"), QDir::homePath() + QStringLiteral("/OrvexExtractToolEvent.log"), tr("Log files (*.log)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!saveLogsTo(path, &error))
        Hcommon::showMessage(QMessageBox::Warning, tr("Orvex Extract Tool"),
                             QStringLiteral("[%1] %2").arg(QDir::toNativeSeparators(path), error), QMessageBox::Close, this);
}
