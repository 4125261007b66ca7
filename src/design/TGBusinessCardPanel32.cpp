#include "design/TGBusinessCardPanel32.h"

#include "design/model/TBCShapes.h"
#include "design/model/TGLineShape.h"

#include <cstdlib>
#include <map>

namespace cw::ui {

namespace {

// The line follows the drag: within about 27 degrees of the horizontal it is
// horizontal, within about 27 degrees of the vertical vertical, otherwise it
// slopes the way it was dragged.  A click (no drag) makes a vertical line.
model::TLineStyle lineStyleForDrag(const QPoint &drag)
{
    const int dx = std::abs(drag.x()), dy = std::abs(drag.y());
    if (dx == 0 && dy == 0)
        return model::stVertical;
    if (2 * dy <= dx)
        return model::stHorizontal;
    if (2 * dx <= dy)
        return model::stVertical;
    // Screen y grows downwards: right-and-down (or left-and-up) falls from
    // the top-left corner, right-and-up rises from the bottom-left.
    const bool falls = (drag.x() > 0) == (drag.y() > 0);
    return falls ? model::stAngleSlopingDown : model::stAngleSlopingUp;
}

std::map<TLPanelState, TGBusinessCardPanel32::TToolKind> &tools()
{
    static std::map<TLPanelState, TGBusinessCardPanel32::TToolKind> registry = [] {
        std::map<TLPanelState, TGBusinessCardPanel32::TToolKind> r;
        auto shape = [](model::TShapeType type) {
            TGBusinessCardPanel32::TToolKind kind;
            kind.Create = [type](TGBusinessCardPanel32 &) {
                auto s = std::make_unique<model::TBCShapes>();
                s->SetShape(type);
                return std::unique_ptr<model::TGGraphicControl>(std::move(s));
            };
            return kind;
        };
        r[psRectangle] = shape(model::stRectangle);
        r[psEllipse] = shape(model::stEllipse);
        r[psRoundRectangle] = shape(model::stRoundRect);
        TGBusinessCardPanel32::TToolKind line;
        line.Create = [](TGBusinessCardPanel32 &) {
            auto l = std::make_unique<model::TGLineShape>();
            l->SetLineStyle(model::stVertical);
            return std::unique_ptr<model::TGGraphicControl>(std::move(l));
        };
        line.FollowDrag = [](model::TGGraphicControl &object, const QPoint &drag) {
            if (auto *l = dynamic_cast<model::TGLineShape *>(&object))
                l->SetLineStyle(lineStyleForDrag(drag));
        };
        r[psLine] = line;
        return r;
    }();
    return registry;
}

} // namespace

TGBusinessCardPanel32::TGBusinessCardPanel32(QWidget *parent) : TGBasePanel(parent)
{
    setObjectName(QStringLiteral("BusinessCardPanel"));
}

void TGBusinessCardPanel32::SetPanelState(TLPanelState state)
{
    if (state == m_panelState)
        return;
    m_panelState = state;
    setPointing(state == psPointing);
    if (state == psPointing)
        unsetCursor();
    else
        setCursor(Qt::DragMoveCursor);
}

void TGBusinessCardPanel32::RegisterTool(TLPanelState state, TToolKind kind)
{
    tools()[state] = std::move(kind);
}

const TGBusinessCardPanel32::TToolKind *TGBusinessCardPanel32::Tool(TLPanelState state)
{
    const auto it = tools().find(state);
    return it == tools().end() ? nullptr : &it->second;
}

model::TGGraphicControl *TGBusinessCardPanel32::CreateObject(const QRect &band, const QPoint &drag)
{
    const TToolKind *kind = Tool(m_panelState);
    if (!kind || !kind->Create)
        return nullptr;
    int left = band.left(), top = band.top(), right = band.right(), bottom = band.bottom();
    if (right - left < 25)
        right = left + 50;
    if (bottom - top < 15)
        bottom = top + 15;
    std::unique_ptr<model::TGGraphicControl> object = kind->Create(*this);
    if (!object)
        return nullptr;
    if (kind->FollowDrag)
        kind->FollowDrag(*object, drag);
    object->Loaded();
    model::TGGraphicControl *placed =
        PlaceNewObject(std::move(object), QRect(left, top, right - left, bottom - top));
    if (kind->ReturnToPointer) {
        unsetCursor();
        SetPanelState(psPointing);
    }
    if (kind->FollowUp)
        kind->FollowUp(*this, *placed);
    // The follow-up (a dialog the user cancelled) may have removed it.
    if (IndexOfObject(placed) < 0)
        return nullptr;
    SelectObjects({placed});
    return placed;
}

void TGBusinessCardPanel32::CreateObjectInRect(const QRect &band)
{
    CreateObject(band, LastDrag());
}

} // namespace cw::ui
