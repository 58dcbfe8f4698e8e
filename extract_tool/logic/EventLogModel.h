// The event log viewer's rules without widgets: reading a line of the event
// log, sorting by type, date or message, and paging.
//
// A line is "[yyyy/MM/dd HH:mm:ss] [Level] message", as Hcommon::Logger
// writes it. The level is taken from its own bracketed field only, so a
// Debug line whose message mentions "Error" stays a Debug line. A line of any
// other shape keeps its whole text as the message, with no time and no level.
#pragma once

#include "BrowserLogic.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

struct EventLogEntry {
    QString line;      // as read from the file
    QDateTime time;    // invalid when the line has no date
    int level = 0;     // Hcommon::Logger::LogLevel; 0 when there is none
    QString message;
    int order = 0;     // position in the file, which breaks ties
};

class EventLogModel {
public:
    enum Column { TypeColumn = 0, DateColumn = 1, MessageColumn = 2 };

    static EventLogEntry parseLine(const QString &line);

    // Replaces the entries, keeps the sort and the page size, and stays on
    // the current page when it still exists.
    void setLines(const QStringList &lines);
    void clear() { setLines(QStringList()); }

    // Sorts by `column`; ties keep the file's order (reversed when descending,
    // so the newest of equal lines comes first).
    void sortBy(int column, Qt::SortOrder order);
    // A click on a column header: each column keeps its own direction, which
    // flips on every click. Starts with the newest line first.
    void headerClicked(int column);
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    const QVector<EventLogEntry> &entries() const { return m_entries; }

    BrowserLogic::PageInfo &page() { return m_page; }
    const BrowserLogic::PageInfo &page() const { return m_page; }
    // The entries of the current page, in sorted order.
    QVector<EventLogEntry> currentPage() const;

    // Writes `lines` to `path` as UTF-8, one per line, replacing the file
    // only once everything is written. False with a reason otherwise.
    static bool saveLines(const QString &path, const QStringList &lines, QString *error);

private:
    void sort();

    QVector<EventLogEntry> m_entries;
    BrowserLogic::PageInfo m_page;
    int m_sortColumn = DateColumn;
    Qt::SortOrder m_sortOrder = Qt::DescendingOrder;
    // Direction of each column's next click.
    Qt::SortOrder m_nextOrder[3] = {Qt::DescendingOrder, Qt::AscendingOrder, Qt::AscendingOrder};
};
