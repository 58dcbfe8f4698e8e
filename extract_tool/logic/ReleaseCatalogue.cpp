#include "ReleaseCatalogue.h"

#include <QUrl>
#include <QVector>
#include <QXmlStreamReader>

namespace {

// Longer fields are refused rather than carried into messages and links.
constexpr int kMaxFieldLength = 2048;

struct Platform {
    QString name;
    bool hasSoftware = false;
    ReleaseInfo software;
};

struct Application {
    QString id;
    ReleaseInfo info;
    QVector<Platform> platforms;
};

// The text of an element that holds only text.
void readField(QXmlStreamReader &xml, QString *out)
{
    const QString name = xml.name().toString();
    const QString text = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
    if (xml.hasError())
        return;
    if (text.size() > kMaxFieldLength) {
        xml.raiseError(QStringLiteral("The element %1 is longer than %2 characters.").arg(name).arg(kMaxFieldLength));
        return;
    }
    *out = text.trimmed();
}

void readSoftware(QXmlStreamReader &xml, ReleaseInfo *out)
{
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("version"))
            readField(xml, &out->version);
        else if (name == QLatin1String("buildNumber"))
            readField(xml, &out->buildNumber);
        else if (name == QLatin1String("releaseDate"))
            readField(xml, &out->releaseDate);
        else if (name == QLatin1String("downloadURL"))
            readField(xml, &out->downloadUrl);
        else
            xml.skipCurrentElement();
    }
}

void readPlatform(QXmlStreamReader &xml, Platform *out)
{
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("platformName")) {
            readField(xml, &out->name);
        } else if (name == QLatin1String("software") && !out->hasSoftware) {
            out->hasSoftware = true;
            readSoftware(xml, &out->software);
        } else {
            xml.skipCurrentElement();
        }
    }
}

void readApplication(QXmlStreamReader &xml, Application *out)
{
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("applicationName")) {
            readField(xml, &out->id);
        } else if (name == QLatin1String("companyName")) {
            readField(xml, &out->info.companyName);
        } else if (name == QLatin1String("productName")) {
            readField(xml, &out->info.productName);
        } else if (name == QLatin1String("internalProductName")) {
            readField(xml, &out->info.internalProductName);
        } else if (name == QLatin1String("platform")) {
            Platform p;
            readPlatform(xml, &p);
            out->platforms.append(p);
        } else {
            xml.skipCurrentElement();
        }
    }
}

// The matching platform's entry of an application, when it has one.
bool pickRelease(const Application &app, const QString &platformName, ReleaseInfo *out)
{
    for (const Platform &p : app.platforms) {
        if (p.name != platformName || !p.hasSoftware)
            continue;
        *out = p.software;
        out->companyName = app.info.companyName;
        out->productName = app.info.productName;
        out->internalProductName = app.info.internalProductName;
        return true;
    }
    return false;
}

QString checkRelease(const ReleaseInfo &r)
{
    if (r.version.isEmpty())
        return QStringLiteral("The entry for this program has no version.");
    const QUrl url(r.downloadUrl, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != QLatin1String("https") && scheme != QLatin1String("http")))
        return QStringLiteral("The download address \"%1\" is not an http or https address.").arg(r.downloadUrl);
    return QString();
}

// The numbers of a version text; nullopt when it is not one.
std::optional<QVector<quint64>> versionParts(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    QVector<quint64> parts;
    for (const QString &p : t.split(QLatin1Char('.'))) {
        if (p.isEmpty())
            return std::nullopt;
        for (const QChar c : p)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return std::nullopt;
        bool ok = false;
        const quint64 v = p.toULongLong(&ok);
        if (!ok)
            return std::nullopt;
        parts.append(v);
    }
    return parts;
}

// A build number is one number; empty counts as 0.
std::optional<quint64> buildNumber(const QString &text)
{
    if (text.trimmed().isEmpty())
        return 0;
    const auto parts = versionParts(text);
    if (!parts || parts->size() != 1)
        return std::nullopt;
    return parts->first();
}

} // namespace

CatalogueResult parseReleaseCatalogue(const QByteArray &xmlText, const QString &applicationId,
                                      const QString &platformName)
{
    CatalogueResult result;
    QXmlStreamReader xml(xmlText);
    while (!xml.atEnd() && !xml.hasError()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("application"))
            continue;
        Application app;
        readApplication(xml, &app);
        // The first matching entry counts; the rest of the document is still
        // read so a broken catalogue is never half-trusted.
        if (result.status == CatalogueResult::NotFound && !xml.hasError() && app.id == applicationId &&
            pickRelease(app, platformName, &result.release))
            result.status = CatalogueResult::Found;
    }
    if (xml.hasError()) {
        result.status = CatalogueResult::Malformed;
        result.release = ReleaseInfo();
        result.error = QStringLiteral("The release catalogue is malformed (line %1, column %2): %3")
                           .arg(xml.lineNumber())
                           .arg(xml.columnNumber())
                           .arg(xml.errorString());
        return result;
    }
    if (result.status == CatalogueResult::Found) {
        const QString problem = checkRelease(result.release);
        if (!problem.isEmpty()) {
            result.status = CatalogueResult::Malformed;
            result.release = ReleaseInfo();
            result.error = problem;
        }
    }
    return result;
}

std::optional<int> compareVersions(const QString &a, const QString &b)
{
    const auto pa = versionParts(a);
    const auto pb = versionParts(b);
    if (!pa || !pb)
        return std::nullopt;
    const int n = qMax(pa->size(), pb->size());
    for (int i = 0; i < n; ++i) {
        const quint64 x = i < pa->size() ? pa->at(i) : 0;
        const quint64 y = i < pb->size() ? pb->at(i) : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

std::optional<bool> isNewerRelease(const ReleaseInfo &release, const QString &programVersion)
{
    const auto byVersion = compareVersions(release.version, programVersion.section(QLatin1Char('.'), 0, 2));
    const auto catalogueBuild = buildNumber(release.buildNumber);
    const auto programBuild = buildNumber(programVersion.section(QLatin1Char('.'), 3));
    if (!byVersion || !catalogueBuild || !programBuild)
        return std::nullopt;
    if (*byVersion != 0)
        return *byVersion > 0;
    return *catalogueBuild > *programBuild;
}
