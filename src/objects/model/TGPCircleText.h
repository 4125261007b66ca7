#pragma once
// One line of text along an arc: a quarter, half, three-quarter or full
// circle starting at one of four compass angles, each letter rotated to follow
// the arc or upright, optionally mirrored to run along the inside.  The layout
// itself is TCircleTextLayout; this class holds the settings, paints, prints
// (its paint stretched into the inch rectangle) and offers the popup entries.

#include "design/model/TGGraphicControl.h"
#include "objects/model/TCircleTextLayout.h"
#include "text/model/TTextTypes.h"

namespace cw::model {

class TGPCircleText : public TGGraphicControl
{
public:
    TGPCircleText();

    QString ClassName() const override { return QStringLiteral("TGPCircleText"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override;
    static const TPropertyTable &ClassProperties();
    const TPropertyTable &Properties() const override { return ClassProperties(); }
    static const QStringList &DegreesNames();

    TDegrees StartingVector() const { return m_startingVector; }
    void SetStartingVector(TDegrees v);
    TDegrees Degrees() const { return m_degrees; }
    void SetDegrees(TDegrees v);
    bool Mirror() const { return m_mirror; }
    void SetMirror(bool on);
    bool DrawLettersAngled() const { return m_angled; }
    void SetDrawLettersAngled(bool on);
    TLabelBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TLabelBorderStyle style);
    bool ControlTransparent() const { return m_transparent; }
    void SetControlTransparent(bool on);
    TColor BGColor() const { return m_bgColor; }
    void SetBGColor(TColor color);
    const QString &Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    // The object's font: a change repaints and is reported to the surface.
    void SetTextFont(const TGFont &font);

    // Copies the ten settings and the size from `source` (the properties
    // dialog and its preview), repainting once at the end.
    void CopyFrom(const TGPCircleText &source);

    // The font the letters are drawn with: the point size × Zoom, truncated.
    QFont CanvasFont() const;
    // The letter layout for the current size, font and settings.
    std::vector<TCircleLetter> LayoutLetters() const;

    void BoundsChanged() override;
    void ApplyFont(const QFont &font) override;
    bool HasFontColor() const override { return true; }
    void ApplyFontColor(TColor color) override;
    void Paint(QPainter &painter) override;
    void PrintTo(engine::TBaseReport &report, double leftInches, double topInches) override;
    void UpdatePopupChecks() override;

    // Popup commands (also reachable from tests).
    void ChooseFontCommand();
    void BackgroundColorCommand();
    void PropertiesCommand();

protected:
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;

private:
    void repaint();
    void drawText(QPainter &painter);

    TDegrees m_startingVector = dg180;
    TDegrees m_degrees = dg360;
    bool m_mirror = false;
    bool m_angled = true;
    TLabelBorderStyle m_borderStyle = bsNone;
    bool m_transparent = true;
    TColor m_bgColor = clWhite;
    QString m_caption = QStringLiteral("ABC DEF GHI JKL");
    // Set while painting or copying: changes then do not repaint.
    bool m_busy = false;
};

} // namespace cw::model
