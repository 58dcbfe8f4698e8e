#include "FolderModel.h"

#include <algorithm>

FolderModel::FolderModel()
{
    clear();
}

void FolderModel::clear()
{
    m_items.clear();
    m_versionRoots.clear();
    m_byKey.clear();
    m_entries.clear();
    m_childFolders.clear();
    m_fullParents.clear();
    m_listed.clear();
    auto root = std::make_unique<VeskItemInfo>();
    root->isFolder = 1;
    root->versionId = -1;
    m_root = adopt(std::move(root));
}

VeskItemInfo *FolderModel::adopt(std::unique_ptr<VeskItemInfo> item)
{
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

bool FolderModel::isListed(int versionId, const QString &path) const
{
    return m_listed.value(versionId).contains(path);
}

void FolderModel::markListed(int versionId, const QString &path)
{
    m_listed[versionId].insert(path);
}

FolderModel::Merge FolderModel::merge(ListingBatch &batch)
{
    Merge out;
    if (batch.versions) {
        for (auto &item : batch.items) {
            const QString key = item->key();
            if (m_byKey.contains(key))
                continue;
            VeskItemInfo *v = adopt(std::move(item));
            m_byKey.insert(key, v);
            m_versionRoots << v;
            out.newFolders << v;
        }
        batch.items.clear();
        return out;
    }
    if (isListed(batch.versionId, batch.path)) {
        // Listed before (two requests crossed): the first listing stands.
        batch.items.clear();
        return out;
    }
    markListed(batch.versionId, batch.path);
    QVector<VeskItemInfo *> &list = m_entries[batch.parentKey];
    int &folders = m_childFolders[batch.parentKey];
    for (auto &item : batch.items) {
        if (item->isFolder == 1) {
            const QString key = item->key();
            if (m_byKey.contains(key))
                continue;
            VeskItemInfo *f = adopt(std::move(item));
            m_byKey.insert(key, f);
            list << f;
            if (folders < kMaxChildFolders) {
                ++folders;
                out.newFolders << f;
            } else {
                out.limitReached = true;
                m_fullParents.insert(batch.parentKey);
            }
        } else {
            list << adopt(std::move(item));
        }
    }
    batch.items.clear();
    return out;
}

const QVector<VeskItemInfo *> &FolderModel::entries(const QString &key) const
{
    static const QVector<VeskItemInfo *> none;
    auto it = m_entries.constFind(key);
    return it == m_entries.constEnd() ? none : *it;
}

void FolderModel::sortEntries(const QString &key, int column, bool ascending)
{
    auto it = m_entries.find(key);
    if (it == m_entries.end() || column < 1 || column > 3)
        return;
    auto less = [column](const VeskItemInfo *a, const VeskItemInfo *b) {
        switch (column) {
        case 1: return QString::compare(a->name, b->name, Qt::CaseInsensitive) < 0;
        case 2: return a->mtime < b->mtime;
        default: return a->totalSize < b->totalSize;
        }
    };
    std::stable_sort(it->begin(), it->end(), [&](const VeskItemInfo *a, const VeskItemInfo *b) {
        if (a->isFolder != b->isFolder)
            return a->isFolder == 1;
        return ascending ? less(a, b) : less(b, a);
    });
}
