// One listed entry of a backup folder: a version root, a folder or a file.
#pragma once

#include <QMetaType>
#include <QString>

struct VeskItemInfo {
    QString name;                  // empty for a version root
    QString parentPath = QStringLiteral("\\"); // backslash-separated, "\" at the root
    qint64 totalSize = -1;         // file size, or a folder's total once summed
    qint64 mtime = 0;              // seconds since 1970
    int isFolder = -1;             // 1 folder, 0 file, -1 unknown
    int versionId = -1;            // -1 when not tied to a version
    qint64 folderCount = 0;        // from the statistics
    qint64 fileCount = 0;
    bool statKnown = false;        // folderCount/fileCount/totalSize are summed
    int checkState = 0;            // Qt::CheckState
    QString spare;
    // What a restore job records with each entry it takes.
    bool overwrite = false;
    QString dstFolderPath;         // where the entry lands (native path)
    bool openFile = false;         // open it with its application once restored

    // Parent path, a backslash unless it already ends with one, and the name
    // (left out when empty): the path the archive library lists and sums.
    QString fullPath() const
    {
        QString p = parentPath;
        if (!p.endsWith(QLatin1Char('\\')))
            p += QLatin1Char('\\');
        return name.isEmpty() ? p : p + name;
    }
    // Tree key: "<version>\<path>", or just the path for version 0.
    QString key() const
    {
        return versionId == 0 ? fullPath() : QString::number(versionId) + QLatin1Char('\\') + fullPath();
    }
};
