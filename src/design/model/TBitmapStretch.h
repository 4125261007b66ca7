#pragma once
// Stretching a bitmap to another size the way paper shows it.
//
// The bitmap is taken as a smooth picture, linear between the centres of its
// pixels and flat beyond the outer centres, and every pixel of the result is
// that picture's mean over the pixel's own area.  A printer stretches a
// bitmap at its fine resolution and the eye (or a rasteriser) averages the
// dots of every screen pixel: this gives the same colours at any size.
// Plain linear smoothing instead samples only the centre of each pixel, so a
// one-pixel stripe enlarged a little stays hard on screen where paper blends
// it with its neighbours, and a bitmap shrunk skips rows.

#include <QImage>
#include <QSize>

namespace cw::model {

// `source` stretched to `size` (premultiplied ARGB); null when either is
// empty or the result cannot be allocated.
QImage StretchBitmap(const QImage &source, const QSize &size);

} // namespace cw::model
