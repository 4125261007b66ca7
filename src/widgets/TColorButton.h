#pragma once
// A button showing a colour that drops down a palette of 20 colours in 4
// columns and 5 rows, with an "&Other" button for the system colour dialog
// (through the interaction service).  Choosing a colour sets Color() and
// emits Change(); cancelling the dialog or closing the palette changes
// nothing.

#include "design/model/TGColor.h"

#include <QToolButton>
#include <array>

class QFrame;

namespace cw::ui {

class TColorButton : public QToolButton
{
    Q_OBJECT

public:
    static constexpr int Columns = 4;
    static constexpr int Rows = 5;
    // Row by row, left to right.
    static const std::array<model::TColor, Columns * Rows> Palette;

    explicit TColorButton(QWidget *parent = nullptr);

    model::TColor Color() const { return m_color; }
    // Shows the colour; emits nothing.
    void SetColor(model::TColor color);

    // What a click on palette entry `index` (0..19) does.
    void ChooseIndex(int index);
    // What "&Other" does: the colour dialog starting at Color().
    void ChooseOther();
    // The palette popup, built on demand (for tests and the click).
    QFrame *PalettePopup();
    void ShowPalette();

signals:
    void Change();

private:
    void updateFace();
    void choose(model::TColor color);

    model::TColor m_color = model::clBlack;
    QFrame *m_popup = nullptr;
};

} // namespace cw::ui
