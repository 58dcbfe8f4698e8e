// The maker's web pages the program opens in the user's browser. They sit
// under the reserved ".example" domain until real pages are configured.
#pragma once

#include <QString>
#include <QUrl>

namespace WebLinks {

// The maker's home page (About).
QUrl website();
// Support, offered when an update check fails on its connection.
QUrl support();
// Why the program asks for a region; `languageTag` as
// LanguageTable::webLanguageTag gives it ("de-de", "en").
QUrl regionExplanation(const QString &languageTag);

} // namespace WebLinks
