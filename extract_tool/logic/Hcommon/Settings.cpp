#include "Hcommon/Settings.h"

#include "Hcommon/Logger.h"

#include <QCoreApplication>
#include <QDir>
#include <QMutex>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace Hcommon {

namespace {

const QStringList &hiveNames()
{
    static const QStringList names = {"HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT", "HKEY_LOCAL_MACHINE",
                                      "HKEY_USERS",        "HKEY_CURRENT_CONFIG", "HKEY_PERFORMANCE_DATA"};
    return names;
}

QMutex g_folderMutex;
QString g_storageFolder;

// Outside Windows a value is kept as "<type>:<payload>" so its registry type
// survives the round trip through a text file.
QString typeTag(int regType)
{
    switch (regType) {
    case RegBinary: return QStringLiteral("binary");
    case RegDword:
    case RegDwordBigEndian: return QStringLiteral("dword");
    case RegQword: return QStringLiteral("qword");
    case RegExpandSz: return QStringLiteral("expand_sz");
    case RegMultiSz: return QStringLiteral("multi_sz");
    default: return QStringLiteral("sz");
    }
}

QVariant decodeStored(const QVariant &stored)
{
    const QString text = stored.toString();
    const int colon = text.indexOf(QLatin1Char(':'));
    const QString tag = colon > 0 ? text.left(colon) : QString();
    const QString payload = text.mid(colon + 1);
    if (tag == QLatin1String("binary"))
        return QByteArray::fromBase64(payload.toLatin1());
    if (tag == QLatin1String("dword") || tag == QLatin1String("qword"))
        return payload.toLongLong();
    if (tag == QLatin1String("sz") || tag == QLatin1String("expand_sz") || tag == QLatin1String("multi_sz"))
        return payload;
    return text; // written by hand or by something else: read as text
}

QString settingsKey(const Settings::Location &loc)
{
    QString key = loc.subkey;
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    // QSettings has no empty value name; the key's default value gets a
    // name no registry path can produce.
    const QString name = loc.name.isEmpty() ? QStringLiteral("(Default)") : loc.name;
    return key.isEmpty() ? name : key + QLatin1Char('/') + name;
}

void logError(const char *format, const QString &a = QString(), const QString &b = QString())
{
    Logger *logger = Logger::instance();
    if (logger->levelMask() > 0 && (logger->levelMask() & Logger::Error))
        logger->log(Logger::Error, format, a.toUtf8().constData(), b.toUtf8().constData());
}

} // namespace

Settings::Settings(QObject *parent) : QObject(parent)
{
    setNames(QCoreApplication::organizationName(), QCoreApplication::applicationName());
}

Settings::Settings(const QString &rootPath, QObject *parent) : Settings(parent)
{
    m_rootPath = rootPath;
}

Settings::~Settings() = default;

void Settings::setNames(const QString &organization, const QString &application)
{
    m_organization = organization;
    m_application = application;
}

void Settings::setStorageFolder(const QString &folder)
{
    QMutexLocker lock(&g_folderMutex);
    g_storageFolder = folder;
}

QString Settings::storageFolder()
{
    QMutexLocker lock(&g_folderMutex);
    if (!g_storageFolder.isEmpty())
        return g_storageFolder;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/orvex-registry");
}

bool Settings::resolve(const QString &key, Location *out) const
{
    QString full;
    QString k = key;
    k.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const bool selfKey = k.isEmpty() || k == QLatin1String("\\");
    if (!m_rootPath.isEmpty()) {
        QString root = m_rootPath;
        root.replace(QLatin1Char('/'), QLatin1Char('\\'));
        full = selfKey ? root + QLatin1Char('\\') : root + QLatin1Char('\\') + k;
    } else {
        if (m_organization.isEmpty() || m_application.isEmpty())
            return false;
        full = QStringLiteral("HKEY_CURRENT_USER\\Software\\%1\\%2\\%3")
                   .arg(m_organization, m_application, selfKey ? QString() : k);
    }
    const int firstSep = full.indexOf(QLatin1Char('\\'));
    Location loc;
    loc.hive = firstSep < 0 ? full : full.left(firstSep);
    if (!hiveNames().contains(loc.hive))
        return false;
    QString rest = firstSep < 0 ? QString() : full.mid(firstSep + 1);
    // Collapse doubled separators and trim the ends so "a\\b\" and "a\b" agree.
    QStringList parts = rest.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (!full.endsWith(QLatin1Char('\\')) && !parts.isEmpty())
        loc.name = parts.takeLast();
    loc.subkey = parts.join(QLatin1Char('\\'));
    *out = loc;
    return true;
}

std::unique_ptr<QSettings> Settings::open(const Location &loc) const
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(loc.hive, QSettings::NativeFormat);
#else
    QDir().mkpath(storageFolder());
    return std::make_unique<QSettings>(storageFolder() + QLatin1Char('/') + loc.hive + QStringLiteral(".ini"),
                                       QSettings::IniFormat);
#endif
}

QVariant Settings::value(const QString &key, const QVariant &defaultValue) const
{
    Location loc;
    if (!resolve(key, &loc)) {
        if (m_rootPath.isEmpty() && (m_organization.isEmpty() || m_application.isEmpty()))
            logError("[Template] Settings::value invalid parameter");
        else
            logError("[Template] Settings::value invalid keyValue(%s)", loc.hive.isEmpty() ? key : m_rootPath);
        return defaultValue;
    }
    auto store = open(loc);
    const QString k = settingsKey(loc);
    store->sync();
    if (!store->contains(k))
        return defaultValue;
#ifdef Q_OS_WIN
    return store->value(k, defaultValue);
#else
    return decodeStored(store->value(k));
#endif
}

bool Settings::setValue(const QString &key, const QVariant &value, int regType)
{
    Location loc;
    if (!resolve(key, &loc)) {
        if (m_rootPath.isEmpty() && (m_organization.isEmpty() || m_application.isEmpty()))
            logError("[Template] Settings::setValue invalid parameter");
        else
            logError("[Template] Settings::setValue invalid keyValue(%s) || valueType(%s)", m_rootPath,
                     QString::number(regType));
        return false;
    }
    QString payload;
    switch (regType) {
    case RegBinary:
        if (!value.canConvert<QByteArray>()) {
            logError("[Template] Settings::setValue (%s\\%s) can not convert to QByteArray", loc.subkey, loc.name);
            return false;
        }
        payload = QString::fromLatin1(value.toByteArray().toBase64());
        break;
    case RegDword:
    case RegDwordBigEndian:
    case RegQword: {
        bool ok = false;
        const qlonglong v = regType == RegQword ? value.toLongLong(&ok) : value.toInt(&ok);
        if (!ok) {
            logError("[Template] Settings::setValue (%s\\%s) can not convert to Int", loc.subkey, loc.name);
            return false;
        }
        payload = QString::number(v);
        break;
    }
    case RegSz:
    case RegExpandSz:
    case RegMultiSz:
        if (!value.canConvert<QString>()) {
            logError("[Template] Settings::setValue (%s\\%s) can not convert to QString", loc.subkey, loc.name);
            return false;
        }
        payload = value.toString();
        break;
    default:
        logError("[Template] Settings::setValue invalid keyValue(%s) || valueType(%s)", loc.hive,
                 QString::number(regType));
        return false;
    }
    auto store = open(loc);
    const QString k = settingsKey(loc);
#ifdef Q_OS_WIN
    if (regType == RegBinary)
        store->setValue(k, value.toByteArray());
    else if (regType == RegDword || regType == RegDwordBigEndian)
        store->setValue(k, value.toInt());
    else if (regType == RegQword)
        store->setValue(k, value.toLongLong());
    else
        store->setValue(k, payload);
#else
    store->setValue(k, typeTag(regType) + QLatin1Char(':') + payload);
#endif
    store->sync();
    if (store->status() != QSettings::NoError) {
        logError("[Template] Settings::setValue RegSetValueEx Failed(%s\\%s)", loc.subkey, loc.name);
        return false;
    }
    return true;
}

bool Settings::removeValue(const QString &key, int mode)
{
    Location loc;
    if (!resolve(key, &loc))
        return false;
    auto store = open(loc);
    if (mode == RemoveWholeKey) {
        // The whole subkey tree named by the key (its last component is a
        // subkey here, not a value).
        QString tree = loc.subkey;
        if (!loc.name.isEmpty())
            tree = tree.isEmpty() ? loc.name : tree + QLatin1Char('\\') + loc.name;
        tree.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (tree.isEmpty())
            return false; // never wipe a whole hive
        store->remove(tree);
    } else if (mode == RemoveOneValue) {
        store->remove(settingsKey(loc));
    } else {
        return false;
    }
    store->sync();
    return store->status() == QSettings::NoError;
}

} // namespace Hcommon
