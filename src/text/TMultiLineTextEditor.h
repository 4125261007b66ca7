#pragma once
// "Multi-line Text Editor": the lines of a multi-line label, edited in the
// label's typeface, size and colour.  At most 254 characters in all, each
// line break counting as the two characters it takes in the card's text.

#include "design/model/TGFont.h"

#include <QDialog>
#include <QStringList>
#include <optional>

class QPlainTextEdit;

namespace cw::ui {

class TMultiLineTextEditor : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40001;
    static constexpr int MaxLength = 254;

    explicit TMultiLineTextEditor(QWidget *parent = nullptr);

    void SetLines(const QStringList &lines, const model::TGFont &font);
    // The memo's lines; a final line break adds no empty line.
    QStringList Lines() const;
    // Characters the text counts against MaxLength.
    static int CountedLength(const QString &text);

    static std::optional<QStringList> Execute(const QStringList &lines, const model::TGFont &font);

    QPlainTextEdit *Memo() const { return m_memo; }

private:
    void MemoChange();

    QPlainTextEdit *m_memo;
    bool m_limiting = false;
};

} // namespace cw::ui
