#include "text/TObjectSampleView.h"

#include "design/model/TGGraphicControl.h"

#include <QPainter>

namespace cw::ui {

TObjectSampleView::TObjectSampleView(model::TGGraphicControl &object, QWidget *parent)
    : QWidget(parent), m_object(object)
{
}

void TObjectSampleView::paintEvent(QPaintEvent *)
{
    // No background of its own: a transparent object shows its panel.
    QPainter painter(this);
    m_object.PaintTo(painter, m_object.Left(), m_object.Top());
}

} // namespace cw::ui
