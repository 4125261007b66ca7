#include "print/engine/TPainterState.h"

#include <QPainter>

namespace cw::engine {

void TPainterState::Reset(QPainter &painter)
{
    painter.setPen(QPen());
    painter.setBrush(QBrush());
    painter.setBrushOrigin(0, 0);
    painter.setBackground(QBrush(Qt::white));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setOpacity(1.0);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace cw::engine
