#include "design/model/TFinerGrid.h"

#include <algorithm>
#include <cmath>

namespace cw::model {

namespace {
bool keepingLayers = true;
}

void TFinerGrid::SetKeepingLayers(bool on)
{
    keepingLayers = on;
}

int FinerGridFactor(float zoom)
{
    return std::clamp(int(std::ceil(4.0 / std::max(0.25, double(zoom)))), 1, 4);
}

void TFinerGrid::Draw(QPainter &painter, const QRect &area, float zoom, const QByteArray &key,
                      const std::function<void(QPainter &)> &draw)
{
    const int fine = FinerGridFactor(zoom);
    if (fine <= 1 || area.isEmpty()) {
        draw(painter);
        return;
    }
    const QPainter::RenderHints hints = painter.renderHints();
    if (!keepingLayers || m_layer.isNull() || key != m_key || area != m_area || zoom != m_zoom ||
        hints != m_hints) {
        QImage layer(area.size() * fine, QImage::Format_ARGB32_Premultiplied);
        if (layer.isNull()) {
            m_layer = QImage();
            draw(painter);
            return;
        }
        layer.fill(Qt::transparent);
        QPainter p(&layer);
        p.setRenderHints(hints);
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.scale(fine, fine);
        p.translate(-area.topLeft());
        draw(p);
        p.end();
        m_layer = layer.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_key = key;
        m_area = area;
        m_zoom = zoom;
        m_hints = hints;
    }
    painter.drawImage(area.topLeft(), m_layer);
}

} // namespace cw::model
