#include "help/model/THelpBook.h"

#include "app/model/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

namespace cw::model {

namespace {

// The map files are small; anything larger is not ours.
constexpr qint64 MaxMapFileSize = 1 << 20;
constexpr qint64 MaxPageSize = 4 << 20;

QString readText(const QString &path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit)
        return QString();
    return QString::fromUtf8(file.read(limit));
}

} // namespace

THelpBook::THelpBook(const QString &folder) : m_folder(folder)
{
    if (!m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');

    const QString map = readText(m_folder + QStringLiteral("contexts.txt"), MaxMapFileSize);
    for (const QString &raw : map.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QRegularExpression(QStringLiteral("\\s+")));
        bool ok = false;
        const int number = parts.value(0).toInt(&ok);
        if (ok && parts.size() >= 2)
            m_contexts.insert(number, parts.at(1));
    }

    const QString contents = readText(m_folder + QStringLiteral("contents.txt"), MaxMapFileSize);
    for (const QString &raw : contents.split(QLatin1Char('\n'))) {
        QString line = raw;
        line.remove(QLatin1Char('\r'));
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0)
            continue;
        int blanks = 0;
        while (blanks < line.size() && line.at(blanks) == QLatin1Char(' '))
            ++blanks;
        m_contents.append(
            {blanks / 2, line.mid(blanks, tab - blanks).trimmed(), line.mid(tab + 1).trimmed()});
    }
}

QString THelpBook::DefaultFolder()
{
    return ProgramFolder::shippedContent() + QStringLiteral("help/");
}

bool THelpBook::IsInstalled() const
{
    return QFileInfo::exists(m_folder + QStringLiteral("index.html"));
}

QUrl THelpBook::ContentsUrl() const
{
    return QUrl::fromLocalFile(m_folder + QStringLiteral("index.html"));
}

std::optional<QUrl> THelpBook::ContextUrl(int context) const
{
    const auto it = m_contexts.constFind(context);
    if (it == m_contexts.constEnd())
        return std::nullopt;
    const QString target = it.value();
    const qsizetype hash = target.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(m_folder + (hash < 0 ? target : target.left(hash)));
    if (hash >= 0)
        url.setFragment(target.mid(hash + 1));
    return url;
}

QStringList THelpBook::AnchorsOf(const QString &html)
{
    static const QRegularExpression re(QStringLiteral("<[a-zA-Z][^>]*\\s(?:name|id)\\s*=\\s*\"([^\"]+)\""));
    QStringList anchors;
    for (auto it = re.globalMatch(html); it.hasNext();)
        anchors << it.next().captured(1);
    return anchors;
}

QString THelpBook::TitleOf(const QString &html)
{
    static const QRegularExpression re(QStringLiteral("<title>(.*?)</title>"),
                                       QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = re.match(html);
    return m.hasMatch() ? PlainTextOf(m.captured(1)).simplified() : QString();
}

QString THelpBook::PlainTextOf(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

void THelpBook::loadPages() const
{
    if (m_pagesLoaded)
        return;
    m_pagesLoaded = true;
    const QDir dir(m_folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        const QString html = readText(dir.filePath(name), MaxPageSize);
        if (html.isEmpty())
            continue;
        // The page's title is part of what it is about.
        const QString title = TitleOf(html);
        m_pages.append({name, title, (title + QLatin1Char('\n') + PlainTextOf(html)).toLower()});
    }
}

QList<THelpBook::SearchHit> THelpBook::Search(const QString &query) const
{
    const QStringList words =
        query.toLower().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QList<SearchHit> hits;
    if (words.isEmpty())
        return hits;
    loadPages();
    for (const Page &page : m_pages) {
        int total = 0;
        bool all = true;
        for (const QString &word : words) {
            const int n = int(page.Text.count(word));
            if (n == 0) {
                all = false;
                break;
            }
            total += n;
        }
        if (all)
            hits.append({page.File, page.Title.isEmpty() ? page.File : page.Title, total});
    }
    std::sort(hits.begin(), hits.end(), [](const SearchHit &a, const SearchHit &b) {
        return a.Matches != b.Matches ? a.Matches > b.Matches : a.Title < b.Title;
    });
    return hits;
}

} // namespace cw::model
