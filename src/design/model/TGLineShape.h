#pragma once
// A straight line across the object's rectangle: horizontal, vertical or
// diagonal, with a pen.  Every setting is made through the popup menu.

#include "design/model/TGGraphicControl.h"
#include "design/model/TGPen.h"

#include <QLine>

namespace cw::model {

enum TLineStyle { stHorizontal, stVertical, stAngleSlopingUp, stAngleSlopingDown };

class TGLineShape : public TGGraphicControl
{
public:
    TGLineShape();

    QString ClassName() const override { return QStringLiteral("TGLineShape"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override { return std::make_unique<TGLineShape>(); }
    static const TPropertyTable &ClassProperties();
    const TPropertyTable &Properties() const override { return ClassProperties(); }
    static const QStringList &LineStyleNames();

    TLineStyle LineStyle() const { return m_lineStyle; }
    void SetLineStyle(TLineStyle style);
    const TGPen &Pen() const { return m_pen; }
    void SetPen(const TGPen &pen);

    // Screen pen width: stored width scaled by Zoom, halves to even (no minimum).
    int ScreenPenWidth() const { return ZoomedPenWidth(m_pen.Width); }
    // The line in object pixels; the end point itself is not drawn.
    QLine ScreenLine() const;

    void Paint(QPainter &painter) override;
    void PrintTo(engine::TBaseReport &report, double leftInches, double topInches) override;
    void UpdatePopupChecks() override;
    // Horizontal lines span the card's width, vertical ones its height;
    // diagonal lines stay as they are.
    void StretchToEdges();

protected:
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;

private:
    TLineStyle m_lineStyle = stHorizontal;
    TGPen m_pen;
};

} // namespace cw::model
