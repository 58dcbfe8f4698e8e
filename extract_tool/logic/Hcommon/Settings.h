// Hcommon::Settings: the program's persistent settings, kept in a registry-like
// tree of keys and typed values.
//
// Keys name a value under the application key (organisation\application);
// "group/name" or "group\name" names the value "name" in the subkey "group",
// and "", "/" or "\" name the application key's own (default) value.
// Every call goes straight to the store: there is no cache, so two Settings
// objects (or two processes) always see each other's writes.
//
// On Windows the store is the registry (QSettings' native format). Elsewhere it
// is a text file in QSettings' user configuration folder that keeps each
// value's registry type, so a REG_DWORD reads back as an integer and a REG_SZ
// holding digits reads back as text.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

namespace Hcommon {

// Registry value types (the numbers the registry uses).
enum RegType : int {
    RegNone = 0,
    RegSz = 1,
    RegExpandSz = 2,
    RegBinary = 3,
    RegDword = 4,
    RegDwordBigEndian = 5,
    RegMultiSz = 7,
    RegQword = 11,
};

// Modes of removeValue.
enum RemoveMode : int { RemoveOneValue = 1, RemoveWholeKey = 2 };

class Settings : public QObject {
    Q_OBJECT
public:
    // Takes the organisation and application names from the application object.
    explicit Settings(QObject *parent = nullptr);
    // Addresses keys directly under an explicit root such as
    // "HKEY_CURRENT_USER\Software\Vendor\Product".
    explicit Settings(const QString &rootPath, QObject *parent = nullptr);
    ~Settings() override;

    void setNames(const QString &organization, const QString &application);
    void setRootPath(const QString &rootPath) { m_rootPath = rootPath; }

    // The stored value, or `defaultValue` when the key or value is missing
    // or the location is unusable. Binary values come back as QByteArray,
    // DWORD/QWORD values as qint64, every other type as QString.
    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    // Writes `value` as `regType`; false (and an Error line in the event log)
    // when the value does not convert to the type or the store fails.
    bool setValue(const QString &key, const QVariant &value, int regType = RegSz);
    // Mode 1 deletes one value, mode 2 a whole subkey tree. Deleting something
    // that does not exist succeeds.
    bool removeValue(const QString &key, int mode = RemoveOneValue);

    // The registry path a key resolves to ("Software\Org\App\group", value
    // "name"), or false when the location is unusable. Exposed for tests.
    struct Location {
        QString hive;    // "HKEY_CURRENT_USER", ...
        QString subkey;  // backslash-separated, no leading or trailing backslash
        QString name;    // value name, empty for the key's default value
    };
    bool resolve(const QString &key, Location *out) const;

    // Where the non-Windows store keeps its files (tests point it elsewhere).
    static void setStorageFolder(const QString &folder);
    static QString storageFolder();

private:
    std::unique_ptr<QSettings> open(const Location &loc) const;

    QString m_organization;
    QString m_application;
    QString m_rootPath;
};

} // namespace Hcommon
