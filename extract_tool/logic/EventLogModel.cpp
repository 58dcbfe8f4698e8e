#include "EventLogModel.h"

#include "Hcommon/Logger.h"

#include <QMetaEnum>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <climits>

using Hcommon::Logger;

EventLogEntry EventLogModel::parseLine(const QString &line)
{
    static const QRegularExpression datePrefix(QStringLiteral(R"(^\[(\d{4}/\d\d/\d\d \d\d:\d\d:\d\d)\] ?)"));
    static const QRegularExpression levelPrefix(QStringLiteral(R"(^\[([A-Za-z]+)\] ?)"));
    EventLogEntry e;
    e.line = line;
    QString rest = line;
    while (rest.endsWith(QLatin1Char('\r')))
        rest.chop(1);
    const auto date = datePrefix.match(rest);
    if (date.hasMatch()) {
        e.time = QDateTime::fromString(date.captured(1), QLatin1String(Logger::kDateTimeFormat));
        rest = rest.mid(date.capturedLength());
        const auto level = levelPrefix.match(rest);
        bool known = false;
        const int value = level.hasMatch()
                              ? QMetaEnum::fromType<Logger::LogLevel>().keyToValue(level.captured(1).toLatin1(), &known)
                              : 0;
        // "All" and "NoLevel" are masks, not levels a line is written at.
        if (known && value != Logger::All && value != Logger::NoLevel) {
            e.level = value;
            rest = rest.mid(level.capturedLength());
        }
    }
    e.message = rest;
    return e;
}

void EventLogModel::setLines(const QStringList &lines)
{
    m_entries.clear();
    m_entries.reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        EventLogEntry e = parseLine(lines.at(i));
        e.order = i;
        m_entries.append(e);
    }
    sort();
    m_page.entries = m_entries.size();
    if (m_page.currentPage < 1)
        m_page.currentPage = 1;
    m_page.normalise();
}

void EventLogModel::sortBy(int column, Qt::SortOrder order)
{
    if (column < TypeColumn || column > MessageColumn)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    sort();
}

void EventLogModel::headerClicked(int column)
{
    if (column < TypeColumn || column > MessageColumn)
        return;
    const Qt::SortOrder order = m_nextOrder[column];
    m_nextOrder[column] = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    sortBy(column, order);
}

void EventLogModel::sort()
{
    auto timeKey = [](const EventLogEntry &e) { return e.time.isValid() ? e.time.toMSecsSinceEpoch() : LLONG_MIN; };
    auto compare = [this, &timeKey](const EventLogEntry &a, const EventLogEntry &b) {
        switch (m_sortColumn) {
        case TypeColumn: return a.level < b.level ? -1 : (a.level > b.level ? 1 : 0);
        case DateColumn: {
            const qint64 x = timeKey(a), y = timeKey(b);
            return x < y ? -1 : (x > y ? 1 : 0);
        }
        default: return QString::compare(a.message, b.message, Qt::CaseInsensitive);
        }
    };
    const bool descending = m_sortOrder == Qt::DescendingOrder;
    std::sort(m_entries.begin(), m_entries.end(), [&](const EventLogEntry &a, const EventLogEntry &b) {
        int c = compare(a, b);
        if (c == 0)
            c = a.order - b.order;
        return descending ? c > 0 : c < 0;
    });
}

QVector<EventLogEntry> EventLogModel::currentPage() const
{
    const qint64 first = m_page.firstIndex();
    const qint64 end = qMin<qint64>(m_page.endIndex(), m_entries.size());
    if (first >= end)
        return {};
    return m_entries.mid(static_cast<int>(first), static_cast<int>(end - first));
}

bool EventLogModel::saveLines(const QString &path, const QStringList &lines, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = file.errorString();
        return false;
    }
    for (const QString &l : lines) {
        file.write(l.toUtf8());
        file.write("\n", 1);
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
