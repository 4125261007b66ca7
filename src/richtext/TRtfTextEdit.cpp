#include "richtext/TRtfTextEdit.h"

#include "richtext/model/TRichTextFlattener.h"
#include "richtext/model/TRtfReader.h"
#include "richtext/model/TRtfWriter.h"

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace cw::richtext {

namespace {
const QString RtfType = QStringLiteral("text/rtf");
const QString MarkdownType = QStringLiteral("text/markdown");
} // namespace

TRtfTextEdit::TRtfTextEdit(QWidget *parent) : QTextEdit(parent) {}

QByteArray TRtfTextEdit::RtfOf(const QMimeData *data)
{
    if (!data)
        return {};
    // The names word processors and browsers put rich text under on X11
    // and Wayland clipboards.
    for (const char *type : {"text/rtf", "application/rtf", "text/richtext", "application/x-rtf"}) {
        const QByteArray bytes = data->data(QLatin1String(type));
        if (TRtfReader::IsRtf(bytes))
            return bytes;
    }
    return {};
}

bool TRtfTextEdit::canInsertFromMimeData(const QMimeData *source) const
{
    return !RtfOf(source).isEmpty() || QTextEdit::canInsertFromMimeData(source);
}

void TRtfTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (!source || isReadOnly()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    QTextDocument pasted;
    pasted.setDefaultFont(document()->defaultFont());
    if (const QByteArray rtf = RtfOf(source); !rtf.isEmpty()) {
        TRtfReader::Read(rtf, pasted);
    } else if (acceptRichText() && source->hasHtml()) {
        pasted.setHtml(source->html());
        TRichTextFlattener::Flatten(pasted);
#if QT_CONFIG(textmarkdownreader)
    } else if (acceptRichText() && source->hasFormat(MarkdownType)) {
        pasted.setMarkdown(QString::fromUtf8(source->data(MarkdownType)));
        TRichTextFlattener::Flatten(pasted);
#endif
    } else {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    insertDocument(pasted);
}

void TRtfTextEdit::insertDocument(const QTextDocument &pasted)
{
    QTextCursor cursor = textCursor();
    cursor.insertFragment(QTextDocumentFragment(&pasted));
    setTextCursor(cursor);
    ensureCursorVisible();
}

QMimeData *TRtfTextEdit::createMimeDataFromSelection() const
{
    QMimeData *data = QTextEdit::createMimeDataFromSelection();
    QTextDocument selected;
    selected.setDefaultFont(document()->defaultFont());
    QTextCursor(&selected).insertFragment(textCursor().selection());
    data->setData(RtfType, TRtfWriter::Write(selected));
    return data;
}

} // namespace cw::richtext
