// The program's settings: update notification, automatic update check,
// region, delete-after-extraction and the language, each a value under the
// application key (see Hcommon::Settings for the key rules).
#pragma once

#include "Hcommon/Settings.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QVariant>

#include <vector>

struct LanguageEntry {
    int id;            // Windows language id
    const char *code;  // also the suffix of the translation file
    const char *name;  // display name in its own language (UTF-8)
};

// The fixed table of languages, in menu order.
const std::vector<LanguageEntry> &languageEntries();

class OrvexExToolSettingBase : public QObject {
    Q_OBJECT
public:
    explicit OrvexExToolSettingBase(QObject *parent = nullptr);

    virtual bool setValue(const QString &key, const QVariant &value, int regType);
    virtual QVariant value(const QString &key, const QVariant &defaultValue);
    virtual bool removeValue(const QString &key, int mode);

    Hcommon::Settings &settings() { return m_settings; }

signals:
    void finishedSignal();

protected:
    Hcommon::Settings m_settings;
};

class OrvexExToolSettings : public OrvexExToolSettingBase {
    Q_OBJECT
public:
    // Bits of updateGlobalSettingsInfo's mask.
    enum Field {
        UpdateNotificationField = 1 << 0,
        AutoCheckUpdatesField = 1 << 1,
        RegionField = 1 << 2,
        DeleteArchiveField = 1 << 3,
    };
    enum StoreAction { KeepInMemory = 0, WriteValue = 1, DeleteValue = 2 };

    struct GlobalSettings {
        bool updateNotification = true;
        bool autoCheckUpdates = true;
        int region = 0;        // 0 not chosen, 1 global, 2 China
        int deleteArchive = 0; // 0 off, 1 confirm first, 2 without asking
    };

    static constexpr int kDefaultLanguageId = 1033;

    // The process-wide settings object, created on first use.
    static OrvexExToolSettings *instance();
    explicit OrvexExToolSettings(QObject *parent = nullptr);

    bool removeValue(const QString &key, int mode) override;

    virtual int languageId();
    virtual QString languageCode();
    virtual bool setLanguageCode(const QString &code);
    virtual void loadGlobalSettingsInfo();
    // For each field in `mask`, `actions` (indexed like the bits, 0..3) says
    // whether to write the new value, delete the stored one, or only keep it
    // in memory. False when any write or delete failed.
    virtual bool updateGlobalSettingsInfo(const GlobalSettings &info, int mask, const int actions[4]);
    virtual QVariant updateServerSettings(const QString &key, const QVariant &defaultValue);
    virtual bool removeLanguageValues();

    const GlobalSettings &global() const { return m_global; }
    const QMap<int, QString> &languageMap() const { return m_languageMap; }

    static int idForCode(const QString &code);
    static QString codeForId(int id);

private:
    GlobalSettings m_global;
    QMap<int, QString> m_languageMap;
};
