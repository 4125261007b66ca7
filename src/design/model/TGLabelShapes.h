#pragma once
// Rectangle, rounded rectangle or ellipse with an outline pen and a fill
// brush (or none).  The shape fills the object's rectangle; the "square" and
// "circle" values draw exactly like their rectangle/ellipse twins.  Every
// setting is made through the popup menu.

#include "design/model/TGGraphicControl.h"
#include "design/model/TGPen.h"

namespace cw::model {

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TGLabelShapes : public TGGraphicControl
{
public:
    TGLabelShapes();

    QString ClassName() const override { return QStringLiteral("TGLabelShapes"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override;
    static const TPropertyTable &ClassProperties();
    const TPropertyTable &Properties() const override { return ClassProperties(); }
    static const QStringList &ShapeNames();

    // Not filled: the brush style becomes bsClear (true) or bsSolid (false).
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool on);
    const TGBrush &Brush() const { return m_brush; }
    void SetBrush(const TGBrush &brush);
    const TGPen &Pen() const { return m_pen; }
    void SetPen(const TGPen &pen);
    // Corner size in percent of the larger side.
    int RoundPerc() const { return m_roundPerc; }
    void SetRoundPerc(int percent);
    TShapeType Shape() const { return m_shape; }
    void SetShape(TShapeType shape);

    bool IsRound() const { return m_shape == stRoundRect || m_shape == stRoundSquare; }
    bool IsEllipse() const { return m_shape == stEllipse || m_shape == stCircle; }

    // Screen pen width: the stored width scaled by Zoom (halves to even), at
    // least 1 when the stored width is above 0.
    int ScreenPenWidth() const;
    // The outline rectangle (exclusive right/bottom, object pixels) that keeps
    // a thick pen inside the object: (h, h, Width + h − w + 1, Height + h − w + 1).
    QRect PenRect() const;
    // Corner ellipse size of round shapes: Trunc(RoundPerc % of the larger side).
    int CornerSize() const;

    void Paint(QPainter &painter) override;
    void PrintTo(engine::TBaseReport &report, double leftInches, double topInches) override;
    void UpdatePopupChecks() override;

protected:
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;

private:
    bool m_transparent = false;
    TGBrush m_brush;
    TGPen m_pen;
    int m_roundPerc = 25;
    TShapeType m_shape = stRectangle;
};

} // namespace cw::model
