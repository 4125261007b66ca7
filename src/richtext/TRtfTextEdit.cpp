#include "richtext/TRtfTextEdit.h"

#include "richtext/model/TRtfReader.h"

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace cw::richtext {

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
    const QByteArray rtf = RtfOf(source);
    if (rtf.isEmpty() || isReadOnly()) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    QTextDocument pasted;
    TRtfReader::Read(rtf, pasted);
    QTextCursor cursor = textCursor();
    cursor.insertFragment(QTextDocumentFragment(&pasted));
    setTextCursor(cursor);
    ensureCursorVisible();
}

} // namespace cw::richtext
