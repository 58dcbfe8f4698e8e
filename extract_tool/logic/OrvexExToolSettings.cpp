#include "OrvexExToolSettings.h"

#include "Hcommon/Logger.h"

using Hcommon::Logger;

const std::vector<LanguageEntry> &languageEntries()
{
    static const std::vector<LanguageEntry> table = {
        {1029, "cs_cz", "Čeština"},          {1030, "da_dk", "Dansk"},
        {1031, "de_de", "Deutsch"},          {1032, "el_gr", "ελληνικά"},
        {1033, "en_us", "English"},          {3082, "es_es", "Español (España)"},
        {1035, "fi_fi", "Suomi"},            {1036, "fr_fr", "français"},
        {1038, "hu_hu", "Magyar"},           {1040, "it_it", "Italiano"},
        {1041, "ja_jp", "日本語"},           {1042, "ko_kr", "한국어"},
        {2068, "nb_no", "Norsk (Nynorsk)"},  {1043, "nl_nl", "Nederlands"},
        {1045, "pl_pl", "Polski"},           {1046, "pt_br", "Português (Brasil)"},
        {1048, "ro_ro", "română"},           {1049, "ru_ru", "Русский"},
        {1053, "sv_se", "Svenska"},          {1054, "th_th", "ไทย"},
        {1055, "tr_tr", "Türkçe"},           {2052, "zh_cn", "中文(简体)"},
        {1028, "zh_tw", "中文(繁體)"},
    };
    return table;
}

OrvexExToolSettingBase::OrvexExToolSettingBase(QObject *parent) : QObject(parent), m_settings(this) {}

bool OrvexExToolSettingBase::setValue(const QString &key, const QVariant &value, int regType)
{
    return m_settings.setValue(key, value, regType);
}

QVariant OrvexExToolSettingBase::value(const QString &key, const QVariant &defaultValue)
{
    return m_settings.value(key, defaultValue);
}

bool OrvexExToolSettingBase::removeValue(const QString &key, int mode)
{
    return m_settings.removeValue(key, mode);
}

OrvexExToolSettings *OrvexExToolSettings::instance()
{
    static OrvexExToolSettings settings;
    return &settings;
}

OrvexExToolSettings::OrvexExToolSettings(QObject *parent) : OrvexExToolSettingBase(parent)
{
    for (const LanguageEntry &e : languageEntries())
        m_languageMap.insert(e.id, QString::fromLatin1(e.code));
}

int OrvexExToolSettings::idForCode(const QString &code)
{
    for (const LanguageEntry &e : languageEntries())
        if (code == QLatin1String(e.code))
            return e.id;
    return 0;
}

QString OrvexExToolSettings::codeForId(int id)
{
    for (const LanguageEntry &e : languageEntries())
        if (e.id == id)
            return QString::fromLatin1(e.code);
    return QString();
}

bool OrvexExToolSettings::removeValue(const QString &key, int mode)
{
    if (key.isEmpty())
        return false;
    if (!OrvexExToolSettingBase::removeValue(key, mode)) {
        Logger::instance()->log(Logger::Error, "[OrvexExTool] OrvexExToolSettings::removeValue Fail to delete %s",
                                key.toUtf8().constData());
        return false;
    }
    return true;
}

int OrvexExToolSettings::languageId()
{
    bool ok = false;
    const int id = value(QStringLiteral("LanguageId"), 0).toInt(&ok);
    if (!ok || id <= 0 || !m_languageMap.contains(id))
        return kDefaultLanguageId;
    return id;
}

QString OrvexExToolSettings::languageCode()
{
    bool ok = false;
    const int id = value(QStringLiteral("LanguageId"), 0).toInt(&ok);
    if (!ok || id <= 0)
        return QString();
    return m_languageMap.value(id);
}

bool OrvexExToolSettings::setLanguageCode(const QString &code)
{
    const int id = idForCode(code);
    if (id == 0)
        return false;
    return setValue(QStringLiteral("LanguageId"), id, Hcommon::RegDword);
}

void OrvexExToolSettings::loadGlobalSettingsInfo()
{
    m_global.updateNotification = value(QStringLiteral("UpdateNotification"), m_global.updateNotification).toBool();
    m_global.autoCheckUpdates = value(QStringLiteral("AutoCheckUpdates"), m_global.autoCheckUpdates).toBool();
    m_global.region = value(QStringLiteral("Region"), m_global.region).toInt();
    m_global.deleteArchive = value(QStringLiteral("DeleteArchive"), m_global.deleteArchive).toInt();
}

bool OrvexExToolSettings::updateGlobalSettingsInfo(const GlobalSettings &info, int mask, const int actions[4])
{
    struct FieldDesc {
        int bit;
        const char *key;
        const char *what;
        int value;
    };
    const FieldDesc fields[4] = {
        {UpdateNotificationField, "UpdateNotification", "enable update notification", info.updateNotification ? 1 : 0},
        {AutoCheckUpdatesField, "AutoCheckUpdates", "autoCheckUpdate", info.autoCheckUpdates ? 1 : 0},
        {RegionField, "Region", "region", info.region},
        {DeleteArchiveField, "DeleteArchive", "deleteAichive", info.deleteArchive},
    };
    bool allOk = true;
    for (int i = 0; i < 4; ++i) {
        const FieldDesc &f = fields[i];
        if (!(mask & f.bit))
            continue;
        const QString key = QString::fromLatin1(f.key);
        if (actions[i] == WriteValue) {
            if (!setValue(key, f.value, Hcommon::RegDword)) {
                Logger::instance()->log(Logger::Error,
                                        "[OrvexExTool] OrvexExToolSettings::updateGlobalSettingsInfo Fail to update %s",
                                        f.what);
                allOk = false;
                continue;
            }
        } else if (actions[i] == DeleteValue) {
            if (!OrvexExToolSettingBase::removeValue(key, Hcommon::RemoveOneValue)) {
                Logger::instance()->log(Logger::Error,
                                        "[OrvexExTool] OrvexExToolSettings::updateGlobalSettingsInfo Fail to delete %s",
                                        f.what);
                allOk = false;
                continue;
            }
        }
        switch (f.bit) {
        case UpdateNotificationField: m_global.updateNotification = info.updateNotification; break;
        case AutoCheckUpdatesField: m_global.autoCheckUpdates = info.autoCheckUpdates; break;
        case RegionField: m_global.region = info.region; break;
        case DeleteArchiveField: m_global.deleteArchive = info.deleteArchive; break;
        }
    }
    emit finishedSignal();
    return allOk;
}

QVariant OrvexExToolSettings::updateServerSettings(const QString &key, const QVariant &defaultValue)
{
    // The update check reads its server values ("SoftwareInfoHost", ...) here.
    return value(key, defaultValue);
}

bool OrvexExToolSettings::removeLanguageValues()
{
    const bool a = OrvexExToolSettingBase::removeValue(QStringLiteral("Language"), Hcommon::RemoveOneValue);
    const bool b = OrvexExToolSettingBase::removeValue(QStringLiteral("LanguageId"), Hcommon::RemoveOneValue);
    return a && b;
}
