#include "LanguageTable.h"

#include "OrvexExToolSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

LanguageTable::LanguageTable(const QString &directory)
    : m_directory(directory.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/translations")
                                      : directory)
{
    scan();
}

LanguageTable::~LanguageTable()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

QString LanguageTable::codeFromFileName(const QString &fileName)
{
    const int first = fileName.indexOf(QLatin1Char('_'));
    const int last = fileName.lastIndexOf(QLatin1Char('.'));
    if (first < 0 || last <= first)
        return QString();
    return fileName.mid(first + 1, last - first - 1);
}

void LanguageTable::scan()
{
    m_names.clear();
    m_ids.clear();
    const QStringList files = QDir(m_directory).entryList({QStringLiteral("OrvexExTool_*.qm")}, QDir::Files);
    for (const QString &f : files) {
        const QString code = codeFromFileName(f);
        for (const LanguageEntry &e : languageEntries()) {
            if (code == QLatin1String(e.code)) {
                m_names.insert(code, QString::fromUtf8(e.name));
                m_ids.insert(code, e.id);
            }
        }
    }
}

QString LanguageTable::chooseCode(const QString &storedCode) const
{
    if (m_names.isEmpty())
        return QStringLiteral("en_us");
    if (!storedCode.isEmpty())
        return storedCode;
    return QLocale::system().name().toLower();
}

bool LanguageTable::load(const QString &code)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(m_directory + QStringLiteral("/OrvexExTool_%1.qm").arg(code)))
        return false;
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator = std::move(translator);
    QCoreApplication::installTranslator(m_translator.get());
    m_currentCode = code;
    return true;
}

QString LanguageTable::webLanguageTag(const QString &code)
{
    static const QStringList known = {"en_us", "zh_cn", "zh_tw", "cs_cz", "de_de", "es_es", "fr_fr",
                                      "it_it", "ja_jp", "ko_kr", "nl_nl", "pl_pl", "pt_pt", "sv_se"};
    if (known.contains(code))
        return QString(code).replace(QLatin1Char('_'), QLatin1Char('-'));
    return QStringLiteral("en");
}
