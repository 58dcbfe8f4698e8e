// The installed translations: which OrvexExTool_<code>.qm files sit in the
// translation folder, which one is loaded, and the web language tag of a code.
#pragma once

#include <QMap>
#include <QString>
#include <QTranslator>

#include <memory>

class LanguageTable {
public:
    // `directory` defaults to <application folder>/translations.
    explicit LanguageTable(const QString &directory = QString());
    ~LanguageTable();

    QString directory() const { return m_directory; }
    // Code -> display name / id of every installed translation.
    const QMap<QString, QString> &installedNames() const { return m_names; }
    const QMap<QString, int> &installedIds() const { return m_ids; }
    QString currentCode() const { return m_currentCode; }

    // Re-reads the folder.
    void scan();
    // The code to start with: "en_us" when nothing is installed, else the
    // stored code, else the system locale's name in lower case.
    QString chooseCode(const QString &storedCode) const;
    // Replaces the installed translator with the one for `code`; false when
    // the file does not load (the source texts then stay).
    bool load(const QString &code);

    // The part between the first underscore and the last full stop of a file
    // name like "OrvexExTool_de_de.qm".
    static QString codeFromFileName(const QString &fileName);
    // "en_us" -> "en-us" for the codes the web site knows, "en" otherwise.
    static QString webLanguageTag(const QString &code);

private:
    QString m_directory;
    QMap<QString, QString> m_names;
    QMap<QString, int> m_ids;
    QString m_currentCode;
    std::unique_ptr<QTranslator> m_translator;
};
