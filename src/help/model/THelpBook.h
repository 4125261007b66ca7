#pragma once
// The help book: HTML pages shipped in the "help" folder of the shipped
// content.  "contexts.txt" maps each help context number the program uses to
// a page and anchor ("2016 mainwindow.html#c2016"); "contents.txt" lists the
// contents tree, one "title<TAB>page" line per entry, indented by two blanks
// per level.  The book is read-only; a missing or damaged map file gives an
// empty map, never an exception.

#include <QList>
#include <QMap>
#include <QString>
#include <QUrl>
#include <optional>

namespace cw::model {

class THelpBook
{
public:
    struct ContentsEntry
    {
        int Level = 0;
        QString Title;
        QString Target; // "page.html" or "page.html#anchor"
    };
    struct SearchHit
    {
        QString File; // page name inside the book
        QString Title;
        int Matches = 0; // how often the words occur on the page
    };

    // The book in `folder` (with or without a trailing '/').
    explicit THelpBook(const QString &folder);
    // The shipped book: ProgramFolder::shippedContent() + "help/".
    static QString DefaultFolder();

    QString Folder() const { return m_folder; }
    bool IsInstalled() const;
    QUrl ContentsUrl() const;
    // The page and anchor of a help context; nullopt for a number the map
    // does not hold.
    std::optional<QUrl> ContextUrl(int context) const;
    const QMap<int, QString> &Contexts() const { return m_contexts; }
    const QList<ContentsEntry> &Contents() const { return m_contents; }

    // Pages that hold every word of `query` (case-insensitive, in the pages'
    // visible text), most matches first, then by title.
    QList<SearchHit> Search(const QString &query) const;

    // The anchors ("name" and "id" attributes) a page defines.
    static QStringList AnchorsOf(const QString &html);
    // The <title> of a page, or empty.
    static QString TitleOf(const QString &html);
    // The visible text of a page (markup removed, entities decoded).
    static QString PlainTextOf(const QString &html);

private:
    struct Page
    {
        QString File;
        QString Title;
        QString Text; // lower-cased visible text
    };
    void loadPages() const;

    QString m_folder;
    QMap<int, QString> m_contexts;
    QList<ContentsEntry> m_contents;
    mutable bool m_pagesLoaded = false;
    mutable QList<Page> m_pages;
};

} // namespace cw::model
