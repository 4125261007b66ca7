#pragma once
// The business-card surface: the drawing tools (PanelState) and the creation
// of each object kind from a drawn rectangle.

#include "design/TGBasePanel.h"

#include <functional>
#include <memory>

namespace cw::ui {

enum TLPanelState {
    psPointing,
    psLabel,
    psSymbolLabel,
    psMultiLineLabel,
    psRectangle,
    psEllipse,
    psRoundRectangle,
    psLine,
    psImage,
    psSuperShape,
    psRichLabel,
    psSuperText,
    psCircleText,
    psQRCode,
    psBarcode
};

class TGBusinessCardPanel32 : public TGBasePanel
{
    Q_OBJECT

public:
    explicit TGBusinessCardPanel32(QWidget *parent = nullptr);

    TLPanelState PanelState() const { return m_panelState; }
    // Stores the tool; the selection tool shows the arrow cursor, every
    // drawing tool the drag cursor.
    void SetPanelState(TLPanelState state);

    // How a drawing tool makes its object.  Create returns the new object with
    // the tool's settings made ("before placing"); the surface then calls its
    // Loaded(), places it in the band and runs FollowUp (a dialog, sizing to
    // text).  ReturnToPointer: the surface itself goes back to the selection
    // tool before the follow-up.
    struct TToolKind
    {
        std::function<std::unique_ptr<model::TGGraphicControl>(TGBusinessCardPanel32 &)> Create;
        // Optional: adapts the new object to the direction of the drag
        // (release point less press point), before it is placed.
        std::function<void(model::TGGraphicControl &, const QPoint &drag)> FollowDrag;
        std::function<void(TGBusinessCardPanel32 &, model::TGGraphicControl &)> FollowUp;
        bool ReturnToPointer = false;
    };
    // Registers (or replaces) the kind a tool creates.  The shape and line
    // tools are registered from the start; the other kinds register
    // themselves where they are built.
    static void RegisterTool(TLPanelState state, TToolKind kind);
    static const TToolKind *Tool(TLPanelState state);

    // Creates the current tool's object in a drawn band (surface pixels;
    // right/bottom are the release point).  A click makes a 50 x 15 object.
    // `drag` is the release point less the press point.  The new object is
    // selected once its follow-up has run.  Returns the placed object, or
    // nullptr when the tool has no kind yet (or its follow-up removed it).
    model::TGGraphicControl *CreateObject(const QRect &band, const QPoint &drag = QPoint());

protected:
    void CreateObjectInRect(const QRect &band) override;

private:
    TLPanelState m_panelState = psPointing;
};

} // namespace cw::ui
