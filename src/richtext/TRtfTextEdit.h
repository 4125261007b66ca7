#pragma once
// The text field of the rich-text editor.  Rich text on the clipboard or
// dropped on it (text/rtf from word processors, office suites and browsers)
// goes through the program's own RTF reader, so what is pasted is what the
// label stores and draws; other data is pasted as QTextEdit pastes it.

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
};

} // namespace cw::richtext
