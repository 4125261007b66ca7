#include "design/TGBusinessCardPanel32.h"

namespace cw::ui {

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

} // namespace cw::ui
