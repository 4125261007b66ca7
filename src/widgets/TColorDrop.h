#pragma once
// Drop-down list of the 18 named colours, each row drawn with a swatch and
// its name.  SelectedColor is the chosen colour (black at creation).  Setting
// a value selects the first row with that value ("Silver" before "Light
// Gray", "Gray" before "Dark Gray"); a value no row has changes neither the
// selection nor SelectedColor, so callers keep such values themselves.

#include "design/model/TGColor.h"

#include <QComboBox>

namespace cw::ui {

class TColorDrop : public QComboBox
{
    Q_OBJECT

public:
    struct TNamedColor
    {
        const char *Name;
        model::TColor Value;
    };
    static constexpr int ColorCount = 18;
    static const TNamedColor Colors[ColorCount];

    explicit TColorDrop(QWidget *parent = nullptr);

    model::TColor SelectedColor() const { return m_selectedColor; }
    void SetSelectedColor(model::TColor color);
    // The first row holding `color`, or -1.
    static int RowOf(model::TColor color);
    // Row height: 4 + the pixel height of the list font.
    int RowHeight() const;

    // What choosing row `row` does: SelectedColor := its value, then Change.
    void ChooseRow(int row);

signals:
    // The user chose a row.
    void Change();

private:
    model::TColor m_selectedColor = model::clBlack;
};

} // namespace cw::ui
