#pragma once
// The text field of the rich-text editor.  It holds only the formatting a
// rich-text label keeps and draws (see TRtfWriter):
// - rich text on the clipboard or dropped on it (text/rtf from word
//   processors, office suites and browsers) goes through the program's own
//   RTF reader;
// - HTML and Markdown are flattened to that formatting as they arrive
//   (TRichTextFlattener), so what the editor shows is what Ok stores;
// - plain text is pasted as QTextEdit pastes it.
// A copied selection is offered as RTF too, so it keeps its formatting when
// pasted here again or into a word processor.

#include <QTextEdit>

namespace cw::richtext {

class TRtfTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit TRtfTextEdit(QWidget *parent = nullptr);

    // The RTF bytes `data` offers, or empty bytes when it offers none.
    static QByteArray RtfOf(const QMimeData *data);

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    void insertDocument(const QTextDocument &pasted);
};

} // namespace cw::richtext
