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
// A path given on the command line or by a second start: the absolute path of
// the folder itself, or of the folder that holds a file; "" when it does not exist.
QString folderArgument(const QString &argument);

} // namespace AppPaths
