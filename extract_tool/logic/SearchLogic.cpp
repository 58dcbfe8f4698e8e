#include "SearchLogic.h"

#include "BrowserLogic.h"
#include "names.h"
#include "trellis_vesk.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>

namespace {

QString timeText(qint64 secs)
{
    return QDateTime::fromSecsSinceEpoch(secs).toString(QStringLiteral("yyyy/MM/dd HH:mm"));
}

} // namespace

static_assert(SearchLogic::kAllVersions == TRELLIS_VESK_ALL_VERSIONS);

namespace SearchLogic {

QString globPattern(const QString &typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return QString();
    for (QChar c : text)
        if (c == QLatin1Char('*') || c == QLatin1Char('?') || c == QLatin1Char('['))
            return text;
    return QLatin1Char('*') + text + QLatin1Char('*');
}

VeskItemInfo itemFor(const ArchiveSession::PathEntry &entry)
{
    VeskItemInfo item;
    const int cut = entry.path.lastIndexOf(QLatin1Char('\\'));
    item.name = entry.path.mid(cut + 1);
    item.parentPath = cut <= 0 ? QStringLiteral("\\") : entry.path.left(cut);
    item.totalSize = entry.isFolder ? -1 : entry.size;
    item.mtime = entry.mtime;
    item.isFolder = entry.isFolder ? 1 : 0;
    item.versionId = entry.versionId;
    return item;
}

QString destinationFolder(const QString &target, const QString &versionFolder, const VeskItemInfo &match)
{
    QString folder = target;
    QStringList parts;
    if (!versionFolder.isEmpty())
        parts << versionFolder;
    parts += match.parentPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString &part : qAsConst(parts)) {
        if (!orvex::jobs::is_safe_entry_name(part.toStdString()))
            return QString();
        folder += QDir::separator() + part;
    }
    return folder;
}

} // namespace SearchLogic

SearchResultModel::SearchResultModel(QObject *parent) : QAbstractTableModel(parent) {}

void SearchResultModel::setMatches(std::vector<VeskItemInfo> matches, QHash<int, qint64> versionTimes)
{
    beginResetModel();
    m_matches = std::move(matches);
    m_versionTimes = std::move(versionTimes);
    m_checked = 0;
    for (VeskItemInfo &m : m_matches)
        m.checkState = Qt::Unchecked;
    endResetModel();
    emit checkedChanged();
}

void SearchResultModel::clear()
{
    setMatches({}, {});
}

std::vector<const VeskItemInfo *> SearchResultModel::checkedMatches() const
{
    std::vector<const VeskItemInfo *> out;
    for (const VeskItemInfo &m : m_matches)
        if (m.checkState == Qt::Checked)
            out.push_back(&m);
    return out;
}

void SearchResultModel::setChecked(int row, bool checked)
{
    if (row < 0 || row >= rowCount())
        return;
    VeskItemInfo &m = m_matches[static_cast<size_t>(row)];
    if ((m.checkState == Qt::Checked) == checked)
        return;
    m.checkState = checked ? Qt::Checked : Qt::Unchecked;
    m_checked += checked ? 1 : -1;
    const QModelIndex i = index(row, NameColumn);
    emit dataChanged(i, i, {Qt::CheckStateRole});
    emit checkedChanged();
}

void SearchResultModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int SearchResultModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_matches.size());
}

int SearchResultModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SearchResultModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const VeskItemInfo &m = match(index.row());
    if (role == Qt::CheckStateRole && index.column() == NameColumn)
        return m.checkState;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case NameColumn:
        return m.name;
    case FolderColumn:
        return QDir::toNativeSeparators(QString(m.parentPath).replace(QLatin1Char('\\'), QLatin1Char('/')));
    case VersionColumn:
        return m_versionTimes.contains(m.versionId) ? timeText(m_versionTimes.value(m.versionId))
                                                    : QString::number(m.versionId);
    case TimeColumn:
        return timeText(m.mtime);
    case SizeColumn:
        return m.isFolder == 1 ? QString() : BrowserLogic::sizeText(m.totalSize);
    default:
        return {};
    }
}

bool SearchResultModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() != NameColumn)
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags SearchResultModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == NameColumn)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant SearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return QCoreApplication::translate("VeskFileInfo", "Name");
    case FolderColumn:
        return tr("Folder");
    case VersionColumn:
        return tr("Version");
    case TimeColumn:
        return QCoreApplication::translate("VeskFileInfo", "Modified Date");
    case SizeColumn:
        return QCoreApplication::translate("VeskFileInfo", "Size");
    default:
        return {};
    }
}
