#pragma once
// The formatting tool bar of a rich-text editor, bound to one QTextEdit:
// font name, font size (from 6), font colour; Normal, Bold, Italic,
// Underline; Left, Right, Justified ("Block"), Center; Copy, Cut, Paste.
// Each command acts on the selection (or the word at the cursor, as
// QTextEdit does) and keeps the editor's focus.  Bold, Italic and Underline
// show whether the text at the cursor has them and answer Ctrl+B, Ctrl+I
// and Ctrl+U; Enter in the font name or size box applies the typed value
// there and then (it never reaches the dialog's default button).

#include <QToolBar>

class QAction;
class QComboBox;
class QFontComboBox;
class QTextEdit;

namespace cw::richtext {

class TRichTextToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit TRichTextToolBar(QTextEdit *editor, QWidget *parent = nullptr);

    QFontComboBox *FontNames() const { return m_fontNames; }
    QComboBox *FontSizes() const { return m_sizes; }
    QAction *BoldAction() const { return m_bold; }
    QAction *ItalicAction() const { return m_italic; }
    QAction *UnderlineAction() const { return m_underline; }
    static QList<int> SizeList();

    void SetFontName(const QString &family);
    void SetFontSize(double points);
    void SetColor(const QColor &color);
    void Normal();
    void ToggleBold();
    void ToggleItalic();
    void ToggleUnderline();
    void Align(Qt::Alignment alignment);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyTypedFontName();
    void applyTypedSize();
    void merge(const QTextCharFormat &format);
    void showFormat();

    QTextEdit *m_editor;
    QFontComboBox *m_fontNames = nullptr;
    QComboBox *m_sizes = nullptr;
    QAction *m_bold = nullptr;
    QAction *m_italic = nullptr;
    QAction *m_underline = nullptr;
};

} // namespace cw::richtext
