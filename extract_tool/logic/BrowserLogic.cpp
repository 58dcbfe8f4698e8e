#include "BrowserLogic.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace BrowserLogic {

const qint64 kPageSizes[4] = {50, 100, 250, 500};

QString sizeText(qint64 bytes)
{
    const double k = static_cast<double>(bytes) / 1024.0;
    if (k >= 1073741824.0)
        return QStringLiteral("%1 TB").arg(k / 1073741824.0, 0, 'f', 2);
    if (k >= 1048576.0)
        return QStringLiteral("%1 GB").arg(k / 1048576.0, 0, 'f', 2);
    if (k >= 1024.0)
        return QStringLiteral("%1 MB").arg(k / 1024.0, 0, 'f', 2);
    return QStringLiteral("%1 KB").arg(k, 0, 'f', 2);
}

qint64 PageInfo::pagesFor(qint64 entries, qint64 pageSize)
{
    if (entries <= 0 || pageSize <= 0)
        return 0;
    return (entries + pageSize - 1) / pageSize;
}

void PageInfo::normalise()
{
    pageCount = pagesFor(entries, pageSize);
    if (pageCount == 0)
        currentPage = 0;
    else if (currentPage > pageCount)
        currentPage = pageCount;
    else if (currentPage < 1)
        currentPage = 1;
}

qint64 PageInfo::firstIndex() const
{
    if (pageCount == 0 || currentPage < 1)
        return 0;
    return (currentPage - 1) * pageSize;
}

qint64 PageInfo::endIndex() const
{
    if (pageCount == 0 || currentPage < 1)
        return 0;
    return std::min(firstIndex() + pageSize, entries);
}

QString PageInfo::rangeText() const
{
    if (pageCount == 0 || currentPage < 1)
        return QStringLiteral("0-0");
    return QStringLiteral("%1-%2").arg(firstIndex() + 1).arg(endIndex());
}

namespace {

struct IconRule {
    const char *patterns;
    const char *icon;
};

const IconRule kRules[] = {
    {"*.gif\t*.jpe\t*.jpg\t*.jpeg\t*.png\t*.tif\t*.tiff\t*.bmp", "ic_image.png"},
    {"*.ogg\t*.aiff\t*.au\t*.raw\t*.wav\t*.flac\t*.la\t*.pac\t*.m4a\t*.tta\t*.wma\t*.mp2\t*.mp3\t*.aac\t*.mp4\t*.m4p"
     "\t*.ra\t*.rm\t*.mid\t*.mp1\t*.msv\t*.dvf\t*.amr\t*.awb\t*.asf",
     "ic_audio.png"},
    {"*.avi\t*.mnv\t*.mnb\t*.3gp\t*.mp4\t*.m4v\t*.odf\t*.o4v\t*.mov\t*.qt\t*.wmv\t*.flv", "ic_video.png"},
    {"*.doc\t*.docm\t*.docx", "ic_word.png"},
    {"*.ppt\t*.pptx\t*.pptm\t*.potx\t*.potm\t*.pot\t*.ppsx\t*.ppsm\t*.pps\t*.ppam\t*.ppa", "ic_ppt.png"},
    {"*.xls\t*.xlk\t*.xlsb\t*.xlsm\t*.xlsx\t*.xlr\t*.xlw\t*.xltm\t*.xlt\t*.xlam\t*.xla", "ic_exce.png"},
    {"*.txt", "ic_text.png"},
    {"*.zip\t*.7z\t*.rar\t*.gz", "ic_zip.png"},
    {"*.iso\t*.img", "ic_iso.png"},
    {"*.pdf\t*.log\t*.cmh", "ic_doc.png"},
    {"*.htm\t*.html", "ic_html.png"},
};

// Every pattern is "*.<ext>": compare the suffix, no regular expressions.
struct CompiledRule {
    QStringList suffixes;
    QString icon;
};

const QVector<CompiledRule> &compiledRules()
{
    static const QVector<CompiledRule> rules = [] {
        QVector<CompiledRule> out;
        for (const IconRule &r : kRules) {
            CompiledRule c;
            for (const QString &p : QString::fromLatin1(r.patterns).split(QLatin1Char('\t')))
                c.suffixes << p.mid(1); // ".ext"
            c.icon = QString::fromLatin1(r.icon);
            out << c;
        }
        return out;
    }();
    return rules;
}

} // namespace

QString iconNameFor(const QString &fileName, bool isFolder)
{
    if (isFolder)
        return QStringLiteral("ic_folder.png");
    for (const CompiledRule &r : compiledRules())
        for (const QString &s : r.suffixes)
            if (fileName.size() >= s.size() && fileName.endsWith(s, Qt::CaseInsensitive))
                return r.icon;
    return QStringLiteral("ic_unknow.png");
}

int headerCheckState(const QVector<RowCheck> &rows)
{
    int enabled = 0;
    int checked = 0;
    bool partial = false;
    for (const RowCheck &r : rows) {
        if (r.state == 1)
            partial = true;
        if (!r.enabled)
            continue;
        ++enabled;
        if (r.state == 2)
            ++checked;
    }
    if (partial)
        return 1;
    if (enabled == 0 || checked == 0)
        return 0;
    return checked == enabled ? 2 : 1;
}

VeskItemInfo *newestVersion(const QVector<VeskItemInfo *> &roots)
{
    VeskItemInfo *best = nullptr;
    for (VeskItemInfo *v : roots)
        if (!best || v->mtime > best->mtime || (v->mtime == best->mtime && v->versionId > best->versionId))
            best = v;
    return best;
}

} // namespace BrowserLogic
