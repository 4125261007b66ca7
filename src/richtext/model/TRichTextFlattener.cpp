#include "richtext/model/TRichTextFlattener.h"

#include "richtext/model/TRtfReader.h"
#include "richtext/model/TRtfWriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>

#include <algorithm>
#include <cmath>

namespace cw::richtext {

namespace {

// The drawn point size of a character format: relative (heading) and pixel
// sizes resolved against the document's default font, rounded to the half
// points RTF stores.
double pointSizeOf(const QTextCharFormat &f, const QTextDocument &doc)
{
    const double base = doc.defaultFont().pointSizeF() > 0 ? doc.defaultFont().pointSizeF() : 12.0;
    double points = base;
    if (f.hasProperty(QTextFormat::FontSizeAdjustment)) {
        // HTML's relative sizes (headings, <big>, "x-large") as Qt draws
        // them: a factor of the default size.
        static constexpr double factors[] = {0.7, 0.8, 1.0, 1.2, 1.5, 2.0, 2.4};
        points = base * factors[std::clamp(f.intProperty(QTextFormat::FontSizeAdjustment) + 2, 0, 6)];
    } else if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() > 0) {
        points = f.fontPointSize();
    } else if (f.hasProperty(QTextFormat::FontPixelSize) && f.intProperty(QTextFormat::FontPixelSize) > 0) {
        points = f.intProperty(QTextFormat::FontPixelSize) * 72.0 / 96.0;
    }
    return std::max(0.5, std::round(points * 2.0) / 2.0);
}

// Only the character formatting the label keeps.
QTextCharFormat keptChar(const QTextCharFormat &f, const QTextDocument &doc)
{
    QTextCharFormat out;
    if (f.hasProperty(QTextFormat::FontFamilies))
        out.setFontFamilies(f.fontFamilies().toStringList());
    out.setFontPointSize(pointSizeOf(f, doc));
    out.setFontWeight(f.fontWeight() >= QFont::DemiBold ? QFont::Bold : QFont::Normal);
    out.setFontItalic(f.fontItalic());
    out.setFontUnderline(f.fontUnderline());
    out.setFontStrikeOut(f.fontStrikeOut());
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        out.setForeground(f.foreground().color());
    if (f.hasProperty(QTextFormat::BackgroundBrush) && f.background().style() != Qt::NoBrush &&
        f.background().color().alpha() > 0)
        out.setBackground(f.background().color());
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript ||
        f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        out.setVerticalAlignment(f.verticalAlignment());
    return out;
}

// Only the paragraph formatting the label keeps; indentation levels (of
// lists and block quotes) become left indents.
QTextBlockFormat keptBlock(const QTextBlockFormat &b, int levels, const QTextDocument &doc)
{
    QTextBlockFormat out;
    if (b.hasProperty(QTextFormat::BlockAlignment))
        out.setAlignment(b.alignment() & Qt::AlignHorizontal_Mask);
    out.setTopMargin(std::max(0.0, b.topMargin()));
    out.setBottomMargin(std::max(0.0, b.bottomMargin()));
    out.setLeftMargin(b.leftMargin() + (b.indent() + levels) * doc.indentWidth());
    out.setRightMargin(b.rightMargin());
    out.setTextIndent(b.textIndent());
    out.setTabPositions(b.tabPositions());
    return out;
}

// The marker a list item starts with.
QString markerOf(const QTextBlock &block)
{
    const QTextList *list = block.textList();
    switch (list->format().style()) {
    case QTextListFormat::ListDisc:
    case QTextListFormat::ListCircle:
    case QTextListFormat::ListSquare:
        return QStringLiteral("\u2022 ");
    default:
        return list->itemText(block) + u' ';
    }
}

class Builder
{
public:
    Builder(const QTextDocument &source, QTextDocument &target) : m_source(source), m_cursor(&target) {}

    void frame(const QTextFrame *frame)
    {
        bool afterTable = false;
        for (auto it = frame->begin(); !it.atEnd(); ++it) {
            if (const QTextFrame *child = it.currentFrame()) {
                if (const auto *table = qobject_cast<const QTextTable *>(child))
                    this->table(table);
                else
                    this->frame(child);
                afterTable = child->inherits("QTextTable");
            } else {
                // The empty paragraph that always follows a table in a
                // document is no line of the text.
                if (!(afterTable && it.currentBlock().length() <= 1))
                    block(it.currentBlock());
                afterTable = false;
            }
        }
    }

private:
    void startParagraph(const QTextBlockFormat &format, const QTextCharFormat &mark)
    {
        if (m_started)
            m_cursor.insertBlock(format, mark);
        else {
            m_cursor.setBlockFormat(format);
            m_cursor.setBlockCharFormat(mark);
        }
        m_started = true;
    }

    // The block's text, without images and object characters.
    void text(const QTextBlock &block)
    {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || fragment.charFormat().isImageFormat())
                continue;
            QString text = fragment.text();
            text.remove(QChar::ObjectReplacementCharacter);
            if (!text.isEmpty())
                m_cursor.insertText(text, keptChar(fragment.charFormat(), m_source));
        }
    }

    void block(const QTextBlock &block)
    {
        const QTextList *list = block.textList();
        const int levels = list ? list->format().indent() : 0;
        const QTextCharFormat mark = keptChar(block.charFormat(), m_source);
        startParagraph(keptBlock(block.blockFormat(), levels, m_source), mark);
        if (list) {
            const QTextFragment first = block.begin().atEnd() ? QTextFragment() : block.begin().fragment();
            m_cursor.insertText(markerOf(block),
                                first.isValid() ? keptChar(first.charFormat(), m_source) : mark);
        }
        text(block);
    }

    // One paragraph per row, the cells' texts separated by tabs (a cell of
    // several paragraphs joined by spaces).
    void table(const QTextTable *table)
    {
        for (int row = 0; row < table->rows(); ++row) {
            startParagraph(QTextBlockFormat(), keptChar(QTextCharFormat(), m_source));
            for (int column = 0; column < table->columns(); ++column) {
                if (column > 0)
                    m_cursor.insertText(QStringLiteral("\t"));
                const QTextTableCell cell = table->cellAt(row, column);
                if (cell.row() != row || cell.column() != column)
                    continue; // covered by a spanning cell
                bool first = true;
                for (QTextBlock b = m_source.findBlock(cell.firstPosition());
                     b.isValid() && b.position() < cell.lastPosition(); b = b.next()) {
                    if (!first && b.length() > 1)
                        m_cursor.insertText(QStringLiteral(" "));
                    text(b);
                    first = first && b.length() <= 1;
                }
            }
        }
    }

    const QTextDocument &m_source;
    QTextCursor m_cursor;
    bool m_started = false;
};

} // namespace

void TRichTextFlattener::Flatten(QTextDocument &document)
{
    QTextDocument flat;
    flat.setDefaultFont(document.defaultFont());
    Builder(document, flat).frame(document.rootFrame());
    const QByteArray rtf = TRtfWriter::Write(flat);
    TRtfReader::Read(rtf, document);
}

} // namespace cw::richtext
