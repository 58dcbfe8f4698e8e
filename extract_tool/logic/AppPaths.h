// Per-user folders of the program.
#pragma once

#include <QString>

namespace AppPaths {

// QStandardPaths::AppLocalDataLocation (created by the main window).
QString appDataFolder();
// <app data>/OrvexExtractToolEvent.log
QString eventLogFile();
// <system temp>/Halvern/Orvex Extract Tool: files opened from the browser.
QString tempFolder();
// Forward slashes become backslashes: the archive library's separator.
QString toLibraryPath(QString path);
// The one form of a backup folder's path that the program keeps and compares:
// absolute, '/'-separated (a backslash counts as a separator), without "."
// and ".." parts or a trailing separator, links resolved when the folder
// exists. The folder chooser, the command line and a second start thus name
// the same folder the same way. Show it with QDir::toNativeSeparators.
QString canonicalFolder(QString path);
// A path given on the command line or by a second start: the absolute path of
// the folder itself, or of the folder that holds a file; "" when it does not exist.
QString folderArgument(const QString &argument);

} // namespace AppPaths
