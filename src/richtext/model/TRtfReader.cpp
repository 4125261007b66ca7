#include "richtext/model/TRtfReader.h"

#include "design/model/Win1252.h"
#include "richtext/model/TRtfCodePages.h"
#include "text/model/TSymbolFonts.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace cw::richtext {

namespace {

enum class Dest { Text, FontTable, FontAlt, ColorTable, Skip };

struct GroupState
{
    Dest dest = Dest::Text;
    int font = -1;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int color = 0;
    int uc = 1;
    QTextCharFormat::VerticalAlignment script = QTextCharFormat::AlignNormal;
    int highlight = 0; // colour table index; 0: none
    // Paragraph: alignment, spacing and indents in twips, tab stops.
    Qt::Alignment align = Qt::AlignLeft;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    std::vector<QTextOption::Tab> tabs;
    QTextOption::TabType tabType = QTextOption::LeftTab; // of the next \tx
};

// Lengths beyond 22 inches are damage, not layout: they are cut there so the
// page still lays out.
constexpr int MaxTwips = 22 * 1440;
// Tab stops a paragraph keeps; more are ignored.
constexpr int MaxTabs = 64;

// Twips as the document's pixels at 96 per inch.
double pixelsOf(int twips)
{
    return twips / 15.0;
}

struct FontEntry
{
    QString name;
    QString alt; // \falt: the font to use when `name` is not installed
    int charset = 0;
};

class Parser
{
public:
    Parser(const QByteArray &rtf, QTextDocument &doc) : m_in(rtf), m_doc(doc), m_cursor(&doc) {}

    void run()
    {
        m_groups.push_back(GroupState{});
        const qsizetype n = m_in.size();
        while (m_pos < n) {
            const char c = m_in[m_pos];
            if (c == '{') {
                ++m_pos;
                flushBytes();
                openGroup();
            } else if (c == '}') {
                ++m_pos;
                flushBytes();
                closeGroup();
                if (m_groups.size() <= 1 && m_overflow == 0)
                    break; // the document's group is closed: what follows is not text
            } else if (c == '\\') {
                ++m_pos;
                controlWord();
            } else if (c == '\r' || c == '\n' || c == '\0') {
                // Line ends are layout of the file; NUL bytes (WordPad ends
                // its files with one) are no text.
                ++m_pos;
            } else {
                ++m_pos;
                if (consumeSkip())
                    continue;
                addByte(uchar(c));
            }
        }
        flushBytes();
        flushText();
        if (m_endsWithPar && m_paragraphs > 0) {
            // The paragraph a final \par opened holds nothing: drop it.
            // Removing it must not take the formatting of the paragraph
            // before it, which Qt replaces when it merges the two.
            QTextCursor end(&m_doc);
            end.movePosition(QTextCursor::End);
            const QTextBlock last = end.block().previous();
            const QTextBlockFormat paragraph = last.blockFormat();
            const QTextCharFormat mark = last.charFormat();
            end.deletePreviousChar();
            end.setBlockFormat(paragraph);
            end.setBlockCharFormat(mark);
        }
    }

private:
    GroupState &state() { return m_groups.back(); }

    void openGroup()
    {
        if (int(m_groups.size()) >= TRtfReader::MaxDepth) {
            ++m_overflow; // deeper groups share the deepest state
            m_skip = 0;
            return;
        }
        m_groups.push_back(m_groups.back());
        m_groupStart = true;
        m_skip = 0; // fallbacks of \uN never reach past a group's edge
    }

    void closeGroup()
    {
        m_groupStart = false;
        m_skip = 0;
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (m_groups.size() <= 1)
            return; // unbalanced closing brace: ignored
        if (state().dest == Dest::FontTable && !m_fontName.isEmpty())
            endFontName();
        flushText();
        m_groups.pop_back();
    }

    // Skips the fallback characters that follow a \uN.
    bool consumeSkip()
    {
        if (m_skip <= 0)
            return false;
        --m_skip;
        return true;
    }

    void controlWord()
    {
        const qsizetype n = m_in.size();
        if (m_pos >= n)
            return;
        const char c = m_in[m_pos];
        const bool groupStart = m_groupStart;
        m_groupStart = false;
        if (!std::isalpha(uchar(c))) {
            ++m_pos;
            controlSymbol(c, groupStart);
            return;
        }
        const qsizetype start = m_pos;
        while (m_pos < n && m_pos - start < 32 && std::isalpha(uchar(m_in[m_pos])))
            ++m_pos;
        const QByteArray word = m_in.mid(start, m_pos - start);
        flushBytes();
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (m_pos < n && m_in[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        int digits = 0;
        while (m_pos < n && std::isdigit(uchar(m_in[m_pos]))) {
            if (digits < 10)
                param = param * 10 + (m_in[m_pos] - '0');
            ++digits;
            ++m_pos;
        }
        hasParam = digits > 0;
        if (negative)
            param = -param;
        if (m_pos < n && m_in[m_pos] == ' ')
            ++m_pos;
        param = std::clamp<long long>(param, -2147483647LL, 2147483647LL);
        if (word == "bin") {
            // Binary data: skipped whatever the destination.
            m_pos = std::min<qsizetype>(n, m_pos + qsizetype(std::max<long long>(0, param)));
            return;
        }
        if (word != "u" && consumeSkip())
            return;
        if (groupStart && word == "falt" && m_groups.size() >= 2 &&
            m_groups[m_groups.size() - 2].dest == Dest::FontTable) {
            state().dest = Dest::FontAlt;
            m_fonts[m_fontIndex].alt.clear();
            return;
        }
        if (groupStart && isSkippedDestination(word)) {
            state().dest = Dest::Skip;
            return;
        }
        apply(word, hasParam, int(param));
    }

    static bool isSkippedDestination(const QByteArray &w)
    {
        static const QList<QByteArray> skipped{"stylesheet",
                                               "info",
                                               "pict",
                                               "object",
                                               "header",
                                               "footer",
                                               "headerl",
                                               "headerr",
                                               "headerf",
                                               "footerl",
                                               "footerr",
                                               "footerf",
                                               "footnote",
                                               "fldinst",
                                               "listtable",
                                               "listoverridetable",
                                               "revtbl",
                                               "rsidtbl",
                                               "xmlnstbl",
                                               "themedata",
                                               "colorschememapping",
                                               "latentstyles",
                                               "datastore",
                                               "generator",
                                               "filetbl",
                                               "private",
                                               "nonshppict",
                                               "shp",
                                               "pgdsctbl",
                                               "author",
                                               "operator",
                                               "title",
                                               "comment"};
        return skipped.contains(w);
    }

    void controlSymbol(char c, bool groupStart)
    {
        if (c == '\'') {
            int value = 0;
            int got = 0;
            while (got < 2 && m_pos < m_in.size() && std::isxdigit(uchar(m_in[m_pos]))) {
                value = value * 16 + QByteArray(1, m_in[m_pos]).toInt(nullptr, 16);
                ++m_pos;
                ++got;
            }
            if (consumeSkip() || got == 0)
                return;
            addByte(uchar(value));
            return;
        }
        if (c == '*') {
            if (groupStart) {
                state().dest = Dest::Skip;
                m_groupStart = true; // the destination's word follows and may be one we read
            }
            return;
        }
        if (consumeSkip())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            addByte(uchar(c));
            break;
        case '~':
            addChar(QChar(0x00A0));
            break;
        case '_':
            addChar(QChar(0x2011));
            break;
        case '-':
            break; // optional hyphen
        case '\r':
        case '\n':
            paragraph();
            break;
        case '\t':
            addChar(QChar(u'\t'));
            break;
        default:
            break;
        }
    }

    void apply(const QByteArray &w, bool hasParam, int p)
    {
        GroupState &s = state();
        const bool on = !hasParam || p != 0;
        if (w == "fonttbl") {
            s.dest = Dest::FontTable;
            return;
        }
        if (w == "colortbl") {
            s.dest = Dest::ColorTable;
            m_colorStarted = false;
            return;
        }
        if (s.dest == Dest::Skip)
            return;
        if (s.dest == Dest::FontTable || s.dest == Dest::FontAlt) {
            if (w == "u") {
                // A font name may spell its characters as \uN.
                flushBytes();
                const QChar u(char16_t(p < 0 ? p + 65536 : p));
                if (s.dest == Dest::FontAlt)
                    m_fonts[m_fontIndex].alt += u;
                else
                    m_fontName += u;
                m_skip = s.uc;
            } else if (s.dest == Dest::FontAlt) {
                return;
            } else if (w == "f") {
                m_fontIndex = p;
                m_fontName.clear();
            } else if (w == "fcharset")
                m_fonts[m_fontIndex].charset = p;
            return;
        }
        if (s.dest == Dest::ColorTable) {
            m_colorStarted = true;
            if (w == "red")
                m_red = p;
            else if (w == "green")
                m_green = p;
            else if (w == "blue")
                m_blue = p;
            return;
        }
        if (w == "ansicpg")
            m_codePage = p;
        else if (w == "deff")
            m_defaultFont = p;
        else if (w == "uc")
            s.uc = std::clamp(p, 0, 10);
        else if (w == "u") {
            flushBytes();
            const char16_t u = char16_t(p < 0 ? p + 65536 : p);
            // Symbol fonts' glyphs sit at U+F020 … U+F0FF: kept as their codes.
            const bool symbolCode = u >= 0xF020 && u <= 0xF0FF && inSymbolFont();
            addChar(symbolCode ? model::TSymbolFonts::CharOfCode(u - 0xF000) : QChar(u));
            m_skip = s.uc;
        } else if (w == "par")
            paragraph();
        else if (w == "line")
            addChar(QChar(QChar::LineSeparator));
        else if (w == "tab" || w == "cell")
            addChar(QChar(u'\t'));
        else if (w == "row")
            paragraph();
        else if (w == "emdash")
            addChar(QChar(0x2014));
        else if (w == "endash")
            addChar(QChar(0x2013));
        else if (w == "bullet")
            addChar(QChar(0x2022));
        else if (w == "lquote")
            addChar(QChar(0x2018));
        else if (w == "rquote")
            addChar(QChar(0x2019));
        else if (w == "ldblquote")
            addChar(QChar(0x201C));
        else if (w == "rdblquote")
            addChar(QChar(0x201D));
        else if (w == "b")
            setChar([&] { s.bold = on; });
        else if (w == "i")
            setChar([&] { s.italic = on; });
        else if (w == "ul")
            setChar([&] { s.underline = on; });
        else if (w == "ulnone")
            setChar([&] { s.underline = false; });
        else if (w == "strike")
            setChar([&] { s.strike = on; });
        else if (w == "f")
            setChar([&] { s.font = p; });
        else if (w == "fs")
            setChar([&] { s.halfPoints = hasParam && p > 0 ? std::min(p, 3276) : 24; });
        else if (w == "cf")
            setChar([&] { s.color = p; });
        else if (w == "super")
            setChar([&] { s.script = QTextCharFormat::AlignSuperScript; });
        else if (w == "sub")
            setChar([&] { s.script = QTextCharFormat::AlignSubScript; });
        else if (w == "nosupersub")
            setChar([&] { s.script = QTextCharFormat::AlignNormal; });
        else if (w == "highlight" || w == "chcbpat" || w == "cb")
            setChar([&] { s.highlight = hasParam ? p : 0; });
        else if (w == "plain")
            setChar([&] {
                s.font = -1;
                s.halfPoints = 24;
                s.bold = s.italic = s.underline = s.strike = false;
                s.color = 0;
                s.script = QTextCharFormat::AlignNormal;
                s.highlight = 0;
            });
        else if (w == "pard") {
            s.align = Qt::AlignLeft;
            s.spaceBefore = s.spaceAfter = s.leftIndent = s.rightIndent = s.firstIndent = 0;
            s.tabs.clear();
            s.tabType = QTextOption::LeftTab;
        } else if (w == "sb")
            s.spaceBefore = std::clamp(p, 0, MaxTwips);
        else if (w == "sa")
            s.spaceAfter = std::clamp(p, 0, MaxTwips);
        else if (w == "li")
            s.leftIndent = std::clamp(p, -MaxTwips, MaxTwips);
        else if (w == "ri")
            s.rightIndent = std::clamp(p, -MaxTwips, MaxTwips);
        else if (w == "fi")
            s.firstIndent = std::clamp(p, -MaxTwips, MaxTwips);
        else if (w == "tqr")
            s.tabType = QTextOption::RightTab;
        else if (w == "tqc")
            s.tabType = QTextOption::CenterTab;
        else if (w == "tqdec")
            s.tabType = QTextOption::DelimiterTab;
        else if (w == "tx") {
            if (int(s.tabs.size()) < MaxTabs)
                s.tabs.push_back(
                    QTextOption::Tab(pixelsOf(std::clamp(p, 0, MaxTwips)), s.tabType,
                                     s.tabType == QTextOption::DelimiterTab ? QChar(u'.') : QChar()));
            s.tabType = QTextOption::LeftTab;
        } else if (w == "ql")
            s.align = Qt::AlignLeft;
        else if (w == "qr")
            s.align = Qt::AlignRight;
        else if (w == "qc")
            s.align = Qt::AlignHCenter;
        else if (w == "qj")
            s.align = Qt::AlignJustify;
    }

    template <class F> void setChar(F change)
    {
        flushBytes();
        flushText();
        change();
    }

    // ---- text
    void addByte(uchar b)
    {
        const Dest d = state().dest;
        if (d == Dest::Skip)
            return;
        if (d == Dest::ColorTable) {
            if (b == ';') {
                m_colors.push_back(m_colorStarted ? QColor(m_red & 255, m_green & 255, m_blue & 255)
                                                  : QColor());
                m_red = m_green = m_blue = 0;
                m_colorStarted = false;
            }
            return;
        }
        m_bytes.append(char(b));
    }

    int codePage()
    {
        const auto f = m_fonts.constFind(state().font < 0 ? m_defaultFont : state().font);
        return f != m_fonts.constEnd() ? fontCodePage(*f) : m_codePage;
    }

    void flushBytes()
    {
        if (m_bytes.isEmpty())
            return;
        const QByteArray bytes = std::exchange(m_bytes, {});
        // A font's name is in the code page of its own character set.
        if (state().dest == Dest::FontAlt) {
            m_fonts[m_fontIndex].alt += TRtfCodePages::Decode(bytes, fontCodePage(m_fonts[m_fontIndex]));
            return;
        }
        if (state().dest == Dest::FontTable) {
            m_fontName += TRtfCodePages::Decode(bytes, fontCodePage(m_fonts[m_fontIndex]));
            if (m_fontName.contains(u';'))
                endFontName();
            return;
        }
        // Bytes in a symbol font are its glyph codes, whatever the code page.
        addText(inSymbolFont() ? model::Win1252::decode(bytes) : TRtfCodePages::Decode(bytes, codePage()));
    }

    int fontCodePage(const FontEntry &font) const
    {
        const int own = TRtfCodePages::OfCharset(font.charset);
        return own != 0 ? own : m_codePage;
    }

    const FontEntry *currentFont() const
    {
        const GroupState &s = m_groups.back();
        const auto f = m_fonts.constFind(s.font < 0 ? m_defaultFont : s.font);
        return f == m_fonts.constEnd() ? nullptr : &*f;
    }

    bool inSymbolFont() const
    {
        const FontEntry *f = currentFont();
        return f && model::TSymbolFonts::IsSymbolFontName(f->name);
    }

    void endFontName()
    {
        QString name = m_fontName.section(u';', 0, 0).trimmed();
        m_fonts[m_fontIndex].name = name;
        m_fontName.clear();
    }

    void addChar(QChar c)
    {
        flushBytes();
        addText(QString(c));
    }

    void addText(const QString &text)
    {
        if (state().dest != Dest::Text || text.isEmpty())
            return;
        if (m_pending.isEmpty())
            m_pendingFormat = currentFormat();
        if (const FontEntry *f = currentFont(); f && model::TSymbolFonts::IsSymbolFontName(f->name))
            m_pending += model::TSymbolFonts::Resolve(QFont(), f->name, text).Text;
        else
            m_pending += text;
        m_endsWithPar = false;
        applyParagraph();
    }

    // The font's name first (what is written back), then what draws in its
    // place when it is not installed: the symbol fallback for symbol fonts
    // drawn through the tables, else the file's \falt.
    static QStringList families(const FontEntry &font)
    {
        QStringList list{font.name};
        if (model::TSymbolFonts::IsInstalled(font.name))
            return list;
        if (model::TSymbolFonts::IsSymbolFontName(font.name))
            list << model::TSymbolFonts::FallbackFamily();
        else if (const QString alt = font.alt.trimmed();
                 !alt.isEmpty() && alt.compare(font.name, Qt::CaseInsensitive) != 0)
            list << alt;
        return list;
    }

    QTextCharFormat currentFormat() const
    {
        const GroupState &s = m_groups.back();
        QTextCharFormat f;
        if (const FontEntry *font = currentFont(); font && !font->name.isEmpty())
            f.setFontFamilies(families(*font));
        f.setFontPointSize(s.halfPoints / 2.0);
        f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.italic);
        f.setFontUnderline(s.underline);
        f.setFontStrikeOut(s.strike);
        if (s.color > 0 && s.color < int(m_colors.size()) && m_colors[s.color].isValid())
            f.setForeground(m_colors[s.color]);
        if (s.highlight > 0 && s.highlight < int(m_colors.size()) && m_colors[s.highlight].isValid())
            f.setBackground(m_colors[s.highlight]);
        if (s.script != QTextCharFormat::AlignNormal)
            f.setVerticalAlignment(s.script);
        return f;
    }

    void flushText()
    {
        if (m_pending.isEmpty())
            return;
        m_cursor.insertText(std::exchange(m_pending, {}), m_pendingFormat);
    }

    // The paragraph formatting in force becomes the current paragraph's.
    void applyParagraph()
    {
        const GroupState &s = state();
        QTextBlockFormat b;
        b.setAlignment(s.align);
        if (s.spaceBefore != 0)
            b.setTopMargin(pixelsOf(s.spaceBefore));
        if (s.spaceAfter != 0)
            b.setBottomMargin(pixelsOf(s.spaceAfter));
        if (s.leftIndent != 0)
            b.setLeftMargin(pixelsOf(s.leftIndent));
        if (s.rightIndent != 0)
            b.setRightMargin(pixelsOf(s.rightIndent));
        if (s.firstIndent != 0)
            b.setTextIndent(pixelsOf(s.firstIndent));
        if (!s.tabs.empty())
            b.setTabPositions(QList<QTextOption::Tab>(s.tabs.begin(), s.tabs.end()));
        if (m_cursor.blockFormat() != b)
            m_cursor.setBlockFormat(b);
    }

    void paragraph()
    {
        if (state().dest != Dest::Text)
            return;
        flushBytes();
        flushText();
        applyParagraph();
        if (m_cursor.block().length() <= 1)
            m_cursor.setBlockCharFormat(currentFormat()); // an empty paragraph keeps its mark's size
        m_cursor.insertBlock(QTextBlockFormat(), currentFormat());
        ++m_paragraphs;
        m_endsWithPar = true;
    }

    const QByteArray &m_in;
    QTextDocument &m_doc;
    QTextCursor m_cursor;
    qsizetype m_pos = 0;
    std::vector<GroupState> m_groups;
    int m_overflow = 0;
    bool m_groupStart = false;
    int m_skip = 0;
    int m_codePage = 1252;
    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    int m_fontIndex = 0;
    QString m_fontName;
    std::vector<QColor> m_colors;
    bool m_colorStarted = false;
    int m_red = 0, m_green = 0, m_blue = 0;
    QByteArray m_bytes;
    QString m_pending;
    QTextCharFormat m_pendingFormat;
    int m_paragraphs = 0;
    bool m_endsWithPar = false;
};

} // namespace

qsizetype TRtfReader::RtfStart(const QByteArray &bytes)
{
    const qsizetype at = bytes.left(MaxLeadIn + 5).indexOf("{\\rtf");
    return at >= 0 && at <= MaxLeadIn ? at : -1;
}

bool TRtfReader::IsRtf(const QByteArray &bytes)
{
    return RtfStart(bytes) >= 0;
}

void TRtfReader::Read(const QByteArray &rtf, QTextDocument &document)
{
    document.clear();
    const qsizetype start = RtfStart(rtf);
    if (start < 0) {
        document.setPlainText(model::Win1252::decode(rtf));
        return;
    }
    const QByteArray body = rtf.mid(start);
    Parser(body, document).run();
}

} // namespace cw::richtext
