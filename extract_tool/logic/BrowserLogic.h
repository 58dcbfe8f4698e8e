// The browser's rules that need no widget: size text, paging, icons by name,
// the header check box state and the selection summary.
#pragma once

#include "VeskItemInfo.h"

#include <QString>
#include <QVector>

namespace BrowserLogic {

// bytes/1024 as "%.2f KB", then MB, GB, TB from 1024 of the previous unit.
QString sizeText(qint64 bytes);

struct PageInfo {
    qint64 currentPage = 1;
    qint64 pageCount = 1;
    qint64 pageSize = 50;
    qint64 entries = 0;

    // Pages needed for `entries` rows (0 when there are none).
    static qint64 pagesFor(qint64 entries, qint64 pageSize);
    // Recomputes the page count and keeps the current page in 0..pageCount
    // (0 only when there are no pages).
    void normalise();
    // Index of the first and one past the last row of the current page.
    qint64 firstIndex() const;
    qint64 endIndex() const;
    // "101-120"; "0-0" when there is nothing to show.
    QString rangeText() const;
    bool canGoBack() const { return pageCount > 0 && currentPage > 1; }
    bool canGoForward() const { return pageCount > 0 && currentPage < pageCount; }
};

extern const qint64 kPageSizes[4];

// Resource name of the icon for a row ("ic_folder.png", "ic_audio.png", ...,
// without the folder). The lists are checked in a fixed order, so a name in
// two lists gets the first one ("*.mp4" is audio); case is ignored.
QString iconNameFor(const QString &fileName, bool isFolder);

// Qt::CheckState values as ints (0 unchecked, 1 partly, 2 checked).
// A row box: its state and whether it is enabled.
struct RowCheck {
    int state;
    bool enabled;
};
int headerCheckState(const QVector<RowCheck> &rows);

struct SelectionCounts {
    qint64 folders = 0;
    qint64 files = 0;
    qint64 bytes = 0;
    // Checked folders whose statistics are not in yet.
    qint64 pendingFolders = 0;
};

// The version root to show first: the newest by time (the higher id on a
// tie), so a folder opens on its latest state whatever order the library
// reports the versions in. Null for an empty list.
VeskItemInfo *newestVersion(const QVector<VeskItemInfo *> &roots);

} // namespace BrowserLogic
