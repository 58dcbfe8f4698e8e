// Searching the names of a backup folder from the browser: what a typed
// text searches for, where an extracted match lands, and the table of
// matches (a check box per row) that the browser shows instead of a folder.
#pragma once

#include "ArchiveSession.h"
#include "VeskItemInfo.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QString>

#include <vector>

namespace SearchLogic {

// The version to search for every finished version (the library's value).
constexpr int kAllVersions = -1;

// More matches than this are not shown: a "*" over a million entries must
// not fill the window (nor memory) with rows nobody reads.
constexpr int kMaxShownMatches = 10000;

// The glob the library searches for: the text as typed when it holds a
// glob character ('*', '?', '['), else "*text*" so that a plain word finds
// every name containing it. Leading and trailing blanks are dropped; "" for
// a blank text.
QString globPattern(const QString &typed);

// A found entry as the browser and the jobs know entries: name and parent
// path split from the catalogue path.
VeskItemInfo itemFor(const ArchiveSession::PathEntry &entry);

// The folder a checked match is restored into: the chosen folder, then
// (when `versionFolder` is not empty) the version's folder, then the match's
// own folders inside the version, so that matches of the same name from
// different folders or versions never meet. "" when a folder name on the
// way is not a safe name (empty, ".", "..", a separator or NUL): nothing is
// ever written outside the chosen folder.
QString destinationFolder(const QString &target, const QString &versionFolder, const VeskItemInfo &match);

} // namespace SearchLogic

// The matches of one search, checkable like the browser's rows. Columns:
// name (with the check box), folder, version, modification time, size.
class SearchResultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, FolderColumn, VersionColumn, TimeColumn, SizeColumn, ColumnCount };

    explicit SearchResultModel(QObject *parent = nullptr);

    // `versionTimes`: version id -> the version's time, for the version column.
    void setMatches(std::vector<VeskItemInfo> matches, QHash<int, qint64> versionTimes);
    void clear();
    const VeskItemInfo &match(int row) const { return m_matches[static_cast<size_t>(row)]; }
    std::vector<const VeskItemInfo *> checkedMatches() const;
    int checkedCount() const { return m_checked; }
    void setChecked(int row, bool checked);
    // Header texts follow the language.
    void retranslate();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void checkedChanged();

private:
    std::vector<VeskItemInfo> m_matches;
    QHash<int, qint64> m_versionTimes;
    int m_checked = 0;
};
