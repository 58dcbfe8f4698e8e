// FolderModel: what the browser knows about one open backup folder — its
// versions, the entries of every folder listed so far, which folders were
// listed, and the sort order of each listing. Lives on the GUI thread; the
// worker threads hand their results over as ListingBatch records.
#pragma once

#include "VeskItemInfo.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

#include <deque>
#include <memory>
#include <vector>

// One listing made on a worker thread.
struct ListingBatch {
    bool versions = false;     // a version list (items are version roots)
    int versionId = -1;
    QString path;              // the listed folder
    QString parentKey;         // key of the listed folder's item
    int result = 0;            // library result
    std::vector<std::unique_ptr<VeskItemInfo>> items;
};

class FolderModel {
public:
    static constexpr int kMaxChildFolders = 100000;

    FolderModel();

    // The placeholder root shown while the versions are being listed.
    VeskItemInfo *root() const { return m_root; }
    const QVector<VeskItemInfo *> &versionRoots() const { return m_versionRoots; }
    VeskItemInfo *find(const QString &key) const { return m_byKey.value(key, nullptr); }

    bool isListed(int versionId, const QString &path) const;
    void markListed(int versionId, const QString &path);

    struct Merge {
        QVector<VeskItemInfo *> newFolders; // folders to hang into the tree, in order
        bool limitReached = false;          // the parent has more folders than the tree shows
    };
    // Takes the batch's items. Version roots and folders whose key is already
    // known are kept once; a parent takes at most kMaxChildFolders folders into
    // the tree (its table still lists every entry).
    Merge merge(ListingBatch &batch);

    // Entries of a listed folder (files and folders) in display order.
    const QVector<VeskItemInfo *> &entries(const QString &key) const;
    // Sorts a folder's entries: column 1 name, 2 modified date, 3 size.
    // Folders stay before files; ties keep the library's order.
    void sortEntries(const QString &key, int column, bool ascending);

    bool limitReached(const QString &key) const { return m_fullParents.contains(key); }
    qint64 itemCount() const { return static_cast<qint64>(m_items.size()); }
    void clear();

private:
    VeskItemInfo *adopt(std::unique_ptr<VeskItemInfo> item);

    std::deque<std::unique_ptr<VeskItemInfo>> m_items;
    VeskItemInfo *m_root = nullptr;
    QVector<VeskItemInfo *> m_versionRoots;
    QHash<QString, VeskItemInfo *> m_byKey;
    QHash<QString, QVector<VeskItemInfo *>> m_entries;
    QHash<QString, int> m_childFolders;
    QSet<QString> m_fullParents;
    QHash<int, QSet<QString>> m_listed;
};
