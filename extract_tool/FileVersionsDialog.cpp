#include "FileVersionsDialog.h"

#include "BrowserLogic.h"
#include "Hcommon/Retranslate.h"
#include "SearchLogic.h"
#include "VeskThreads.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kDeleted = 3; // trellis_vesk_change of a deletion

QString timeText(qint64 secs)
{
    return QDateTime::fromSecsSinceEpoch(secs).toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

QString browserText(const char *text)
{
    return QCoreApplication::translate("VeskFileInfo", text);
}

} // namespace

FileVersionsDialog::FileVersionsDialog(const ArchiveSessionPtr &session, const QString &path, QWidget *parent)
    : QDialog(parent), m_path(path)
{
    setObjectName(QStringLiteral("fileVersionsDialog"));
    setWindowIcon(QIcon(QStringLiteral(":/images/app_icon/Orvex_24.png")));
    resize(760, 420);

    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("dialogHeading"));
    m_heading->setTextFormat(Qt::PlainText);
    m_heading->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_status = new QLabel(this);
    m_table = new QTableWidget(0, 5, this);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setShowGrid(false);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_extract = new QPushButton(this);
    m_extract->setObjectName(QStringLiteral("primaryButton"));
    m_extract->setIcon(QIcon(QStringLiteral(":/images/bt_extract_white.png")));
    m_open = new QPushButton(this);
    m_open->setObjectName(QStringLiteral("secondaryButton"));
    m_close = new QPushButton(this);
    m_close->setObjectName(QStringLiteral("secondaryButton"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    buttons->addWidget(m_extract);
    buttons->addWidget(m_open);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 14);
    layout->addWidget(m_heading);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);

    const QString shown = QDir::toNativeSeparators(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/')));
    Hcommon::bindText(this, [this, shown] {
        setWindowTitle(browserText("Versions of this file"));
        m_heading->setText(shown);
        m_heading->setToolTip(shown);
        m_table->setHorizontalHeaderLabels({tr("Version"), tr("Version time"), tr("State"), browserText("Size"),
                                            browserText("Modified Date")});
        m_extract->setText(browserText("Extract"));
        m_open->setText(tr("Open"));
        m_close->setText(tr("Close"));
        fillTable();
    });

    connect(m_table, &QTableWidget::itemSelectionChanged, this, &FileVersionsDialog::updateButtons);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        if (rowRestorable(row) && m_open->isEnabled())
            emit openRequested(rowItem(row));
    });
    connect(m_extract, &QPushButton::clicked, this, [this] { emit extractRequested(rowItem(m_table->currentRow())); });
    connect(m_open, &QPushButton::clicked, this, [this] { emit openRequested(rowItem(m_table->currentRow())); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    m_thread = new HistoryVeskFileThread(session, path);
    connect(m_thread, &HistoryVeskFileThread::historyFinished, this, &FileVersionsDialog::onFinished);
    m_thread->start(QThread::InheritPriority);
    fillTable();
    updateButtons();
}

FileVersionsDialog::~FileVersionsDialog()
{
    if (m_thread) {
        m_thread->requestStop();
        stopThread(m_thread);
        delete m_thread;
    }
}

void FileVersionsDialog::onFinished()
{
    if (!m_thread)
        return;
    m_thread->wait();
    m_result = m_thread->result();
    m_steps = m_thread->takeSteps();
    delete m_thread;
    m_thread = nullptr;
    fillTable();
    // The newest version that still has the file is the likely choice.
    for (int row = m_table->rowCount() - 1; row >= 0; --row) {
        if (rowRestorable(row)) {
            m_table->setCurrentCell(row, 0);
            break;
        }
    }
    m_table->setFocus();
    updateButtons();
    emit historyShown();
}

void FileVersionsDialog::fillTable()
{
    const char *const states[] = {QT_TR_NOOP("added"), QT_TR_NOOP("changed"), QT_TR_NOOP("unchanged"),
                                  QT_TR_NOOP("deleted")};
    const int current = m_table->currentRow();
    m_table->setRowCount(static_cast<int>(m_steps.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const ArchiveSession::Step &s = m_steps[static_cast<size_t>(row)];
        const bool gone = s.change == kDeleted;
        const bool folder = s.entry.isFolder;
        const QStringList cells{QString::number(s.entry.versionId), timeText(s.timestamp),
                                tr(states[qBound(0, s.change, kDeleted)]),
                                gone || folder ? QString() : BrowserLogic::sizeText(s.entry.size),
                                gone ? QString() : timeText(s.entry.mtime)};
        for (int col = 0; col < cells.size(); ++col) {
            auto *cell = new QTableWidgetItem(cells[col]);
            if (gone)
                cell->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
            m_table->setItem(row, col, cell);
        }
    }
    // Columns as wide as their header or content, whichever is longer (the
    // headers are long in some languages), with room between them.
    m_table->resizeColumnsToContents();
    for (int col = 0; col + 1 < m_table->columnCount(); ++col)
        m_table->setColumnWidth(col, m_table->columnWidth(col) + 24);
    if (current >= 0 && current < m_table->rowCount())
        m_table->setCurrentCell(current, 0);
    QString status;
    if (m_thread)
        status = browserText("Loading…");
    else if (m_result != 0)
        status = tr("The versions of this file could not be read.");
    m_status->setText(status);
}

VeskItemInfo FileVersionsDialog::rowItem(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_steps.size()))
        return {};
    return SearchLogic::itemFor(m_steps[static_cast<size_t>(row)].entry);
}

bool FileVersionsDialog::rowRestorable(int row) const
{
    return row >= 0 && row < static_cast<int>(m_steps.size()) && m_steps[static_cast<size_t>(row)].change != kDeleted;
}

void FileVersionsDialog::updateButtons()
{
    const int row = m_table->selectionModel()->hasSelection() ? m_table->currentRow() : -1;
    const bool restorable = rowRestorable(row);
    m_extract->setEnabled(restorable);
    // Only a file opens with an application.
    m_open->setEnabled(restorable && !m_steps[static_cast<size_t>(row)].entry.isFolder);
}
