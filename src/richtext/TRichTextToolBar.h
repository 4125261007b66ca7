#pragma once
// The formatting tool bar of a rich-text editor, bound to one QTextEdit:
// font name, font size (from 6), font colour; Normal, Bold, Italic,
// Underline; Left, Right, Justified ("Block"), Center; Copy, Cut, Paste.
// Each command acts on the selection (or the word at the cursor, as
// QTextEdit does) and keeps the editor's focus.

#include <QToolBar>

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
    static QList<int> SizeList();

    void SetFontName(const QString &family);
    void SetFontSize(double points);
    void SetColor(const QColor &color);
    void Normal();
    void ToggleBold();
    void ToggleItalic();
    void ToggleUnderline();
    void Align(Qt::Alignment alignment);

private:
    void merge(const QTextCharFormat &format);
    void showFormat();

    QTextEdit *m_editor;
    QFontComboBox *m_fontNames = nullptr;
    QComboBox *m_sizes = nullptr;
};

} // namespace cw::richtext
