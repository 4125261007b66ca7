#pragma once
// "Symbol Selector": picks one character (code 32 … 255) of a symbol font
// and the font the symbol label is to use.

#include "design/model/TGFont.h"
#include "text/model/TTextEditors.h"

#include <QDialog>
#include <optional>

class QListWidget;
class QPushButton;
class QLabel;

namespace cw::ui {

class TGetSymbol : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40005;
    static constexpr int FirstCode = 32;
    static constexpr int EntryCount = 224;

    explicit TGetSymbol(QWidget *parent = nullptr);

    // Opens the selector on the label's font and character code (-1: none).
    void Open(const model::TGFont &font, int code);
    // Runs the dialog; the chosen font and code on Ok, std::nullopt on Cancel.
    static std::optional<model::TTextEditors::TSymbolChoice> Execute(const model::TGFont &font, int code);

    // Columns of the list for a list font of `points` points.
    static int ColumnCount(int points);
    // "<name>, <size>pt " then "Italic " or "Bold " (italic wins).
    static QString FontButtonCaption(const model::TGFont &listFont);

    // Each activation: column count and button caption from the list font.
    void FormActivate();
    // The font dialog on SelectedChar's font; a confirmed font becomes
    // SelectedChar's font and gives the list its name, colour and style.
    void FontbuttonClick();

    // The font the label receives, and the list's font.
    const model::TGFont &SelectedFont() const { return m_selectedFont; }
    const model::TGFont &ListFont() const { return m_listFont; }
    // Selected entry (code − 32), -1 when none.
    int SelectedEntry() const;
    void SelectEntry(int entry);
    int Columns() const { return m_columns; }

    QListWidget *SymbolList() const { return m_list; }
    QPushButton *Fontbutton() const { return m_fontButton; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FillList();
    void ApplyColumns();

    model::TGFont m_selectedFont;
    model::TGFont m_listFont;
    int m_columns = 1;
    QListWidget *m_list;
    QPushButton *m_fontButton;
    QLabel *m_selectedChar;
};

} // namespace cw::ui
