#pragma once
// The drawing half of a report: carries out the inch and device-pixel drawing
// of TBaseReport on one QPainter.  The pen, brush, font and print position
// live here, not in the painter, so they survive page changes; the clip and
// an open path end with their page.
//
// Used by itself, a TCanvasReport draws every page of a job onto one paint
// device the caller owns (a QImage, say), which must be XDPI x YDPI pixels
// per inch over the printable area; pages after the first draw over it.
// TReportFiler and TReportPrinter give it real pages.

#include "print/engine/TBaseReport.h"

#include <QFont>
#include <QPaintDevice>

namespace cw::engine {

class TCanvasReport : public TBaseReport
{
public:
    // Draws on target at xdpi x ydpi with the given unprintable offsets
    // (device pixels).  The target must outlive the report.
    TCanvasReport(QPaintDevice &target, double xdpi, double ydpi, int leftWaste = 0, int topWaste = 0);
    ~TCanvasReport() override;

    void RefreshDeviceMetrics() override;

    void SetPen(const QColor &colour, Qt::PenStyle style, double width, TPenMode mode) override;
    QColor PenColor() const override { return m_penColor; }
    Qt::PenStyle PenStyle() const override { return m_penStyle; }
    double PenWidth() const override { return m_penWidth; }
    TPenMode PenMode() const override { return m_penMode; }
    double PenWidthPixels(double width) const override;

    void SetBrush(const QColor &colour, Qt::BrushStyle style, const QImage &bitmap = QImage()) override;
    QColor BrushColor() const override { return m_brushColor; }
    Qt::BrushStyle BrushStyle() const override { return m_brushStyle; }

    void SetFont(const QString &name, double points) override;
    void SetFontStyle(bool bold, bool italic, bool underline, bool strikeOut) override;
    void SetFontColor(const QColor &colour) override { m_fontColor = colour; }
    void SetFontRotation(double degrees) override { m_fontRotation = degrees; }
    QString FontName() const override { return m_fontName; }
    double FontSize() const override { return m_fontPoints; }
    bool FontBold() const override { return m_bold; }
    bool FontItalic() const override { return m_italic; }
    bool FontUnderline() const override { return m_underline; }
    QColor FontColor() const override { return m_fontColor; }
    double FontHeight() const override;
    double TextWidth(const QString &text) const override;
    void SetTransparentText(bool transparent) override { m_transparentText = transparent; }

    void Rectangle(double x1, double y1, double x2, double y2) override;
    void RoundRect(double x1, double y1, double x2, double y2, double cornerWidth,
                   double cornerHeight) override;
    void Ellipse(double x1, double y1, double x2, double y2) override;
    void MoveTo(double x, double y) override;
    void LineTo(double x, double y) override;

    void GotoXY(double x, double y) override;
    double XPos() const override { return m_xPos; }
    double YPos() const override { return m_yPos; }
    void SetLineTop(double y) override { m_lineTop = y; }
    double LineTop() const override { return m_lineTop; }
    void Print(const QString &text) override;
    void PrintXY(double x, double y, const QString &text) override;

    void Polygon(const QPolygon &points) override;
    void FillRect(const QRect &rect) override;

    void BeginPath() override;
    void EndPath() override;
    void SelectClipPath() override;
    void StrokePath() override;
    void FillPath() override;

    QPainterPath CreateRectRegion(double x1, double y1, double x2, double y2) const override;
    QPainterPath CreateEllipticRegion(double x1, double y1, double x2, double y2) const override;
    QPainterPath CreateRoundRectRegion(double x1, double y1, double x2, double y2, double cornerWidth,
                                       double cornerHeight) const override;
    QPainterPath CreatePolygonRegion(const QPolygon &points) const override;
    void SelectClipRegion(const QPainterPath &region) override;
    void ClearClip() override;
    void SetBound(const QRectF &inches) override;
    QRectF Bound() const override { return m_bound; }

    void StretchDraw(const QRect &rect, const QPicture &picture, const QRectF &frame = QRectF()) override;
    void StretchDraw(const QRect &rect, const QImage &image) override;
    void StretchDraw(const QRectF &rect, const QSizeF &sourceSize,
                     const std::function<void(QPainter &)> &paint) override;
    void PrintBitmapRect(double x1, double y1, double x2, double y2, const QImage &image) override;

    QPainter &Canvas() override { return m_painter; }

    // Nothing more reaches the device; Canvas() paints into a discarded sink.
    void Abort() override;

    // The font as drawn on the device (pixel size at YDPI).
    QFont DeviceFont() const;

protected:
    // For subclasses that supply their own pages.
    TCanvasReport();

    void BeginJob() override;
    void BeginDevicePage() override;
    void EndDevicePage() override;
    void EndJob() override;
    void AbandonJob() override;
    void ResetDrawingState() override;

    // Starts the painter on a page device: device pixels with the origin at
    // the printable corner once originOffset (device pixels) is applied.
    void BeginPainting(QPaintDevice &device, const QPoint &originOffset = QPoint());
    void EndPainting();
    // Sends the painter to a sink that is thrown away (after an abort).
    void DiscardPainting();

private:
    // Cuts the painter's clip to the bound, when one is set.
    void ApplyBound();
    void ApplyPen(bool forLine);
    void ApplyBrush();
    QPen DevicePen() const;
    QBrush DeviceBrush() const;
    QImage HatchTile() const;
    QPainterPath HatchPath(const QRectF &area, const QPointF &anchor) const;
    QRectF ShapeRect(double x1, double y1, double x2, double y2) const;
    // `anchor`: the device point where the shape's hatch cells start (the
    // surface starts them at the object's top-left corner).
    void DrawShape(const QPainterPath &outline, const QPointF &anchor);
    QPointF ShapeCorner(double x1, double y1, double x2, double y2) const;
    void DrawText(const QString &text);

    QRectF m_bound;
    QPaintDevice *m_target = nullptr;
    QPainter m_painter;
    QPicture m_discard;
    QPoint m_originOffset;

    QColor m_penColor = Qt::black;
    Qt::PenStyle m_penStyle = Qt::SolidLine;
    double m_penWidth = 1;
    TPenMode m_penMode = TPenMode::pmCopy;

    QColor m_brushColor = Qt::white;
    Qt::BrushStyle m_brushStyle = Qt::NoBrush;
    QImage m_brushBitmap;
    qint64 m_brushSourceKey = 0; // cacheKey of the bitmap m_brushBitmap was made from
    mutable QImage m_hatchTile;  // the hatch as a device-scale texture, kept while it fits
    mutable QString m_hatchKey;

    QString m_fontName = QStringLiteral("Arial");
    double m_fontPoints = 10;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    bool m_strikeOut = false;
    QColor m_fontColor = Qt::black;
    double m_fontRotation = 0;
    bool m_transparentText = false;

    double m_xPos = 0;
    double m_yPos = 0;
    double m_lineTop = 0;
    QPointF m_current; // current point of MoveTo/LineTo, device pixels

    bool m_pathOpen = false;
    QPainterPath m_path;
};

} // namespace cw::engine
