#pragma once
// The business-card surface: the drawing tools (PanelState) and the creation
// of each object kind from a drawn rectangle.

#include "design/TGBasePanel.h"

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
    psCircleText
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

private:
    TLPanelState m_panelState = psPointing;
};

} // namespace cw::ui
