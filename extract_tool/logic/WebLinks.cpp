#include "WebLinks.h"

#include <QUrlQuery>

namespace WebLinks {

QUrl website()
{
    return QUrl(QStringLiteral("https://www.halvern.example/"));
}

QUrl support()
{
    return QUrl(QStringLiteral("https://www.halvern.example/support"));
}

QUrl regionExplanation(const QString &languageTag)
{
    QUrl url(QStringLiteral("https://www.halvern.example/region-services"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("lang"), languageTag);
    url.setQuery(query);
    return url;
}

} // namespace WebLinks
