#pragma once
// The report engine's common face: one print job of numbered pages, its
// status line, the device metrics, and an inch-based drawing API.
//
// Coordinates
//   Inch positions are measured from the physical top-left corner of the
//   sheet (divided by UnitsFactor, 1.0 = inches).  Printers cannot mark the
//   whole sheet; the engine subtracts the unprintable offset itself, so a
//   caller never deals with it when it draws in inches.
//   Printer pixels ("device" coordinates) are what Canvas() uses and what
//   Polygon, FillRect, CreatePolygonRegion and CreateRect work in: XDPI x
//   YDPI pixels per inch with the origin at the top-left corner of the
//   printable area.  An inch position x is device pixel
//   Round(x * XDPI) - UnprintableLeftPixels() (Round halves to even).
//
// Pens
//   A negative width is hundredths of an inch, converted to device pixels and
//   never thinner than one pixel; 0 is one device pixel; a positive width is
//   device pixels.
//
// Abort
//   After Abort() nothing more reaches the device: every drawing call returns
//   at once, Canvas() paints into a discarded sink, NewPage only counts pages.
//   Aborted() stays true after Execute() returns, until the next Execute().
//
// Every drawing call made outside a running job (before Execute() or after it
// returned) is ignored.

#include "print/engine/TReportTypes.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPicture>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

namespace cw::engine {

class TBaseReport
{
public:
    using TReportEvent = std::function<void(TBaseReport &)>;

    TBaseReport();
    virtual ~TBaseReport();
    TBaseReport(const TBaseReport &) = delete;
    TBaseReport &operator=(const TBaseReport &) = delete;

    // ---- Job settings -------------------------------------------------------
    // Document name shown by the spooler.
    QString Title() const { return m_title; }
    void SetTitle(const QString &title) { m_title = title; }
    // Sheets wanted from the printer; at least 1.
    int Copies() const { return m_copies; }
    virtual void SetCopies(int copies);
    // The most copies the printer driver makes by itself; 1 when it makes none.
    virtual int MaxCopies() const { return 1; }
    TOrientation Orientation() const { return m_orientation; }
    virtual void SetOrientation(TOrientation orientation) { m_orientation = orientation; }
    // Paper by Windows code (1 Letter, 9 A4).  Width and height (inches) are
    // only used when both are positive; the program passes 0 for both.
    int PaperSize() const { return m_paperSize; }
    virtual void SetPaperSize(int paperCode, double widthInches = 0, double heightInches = 0);
    // Size of the whole sheet in inches, portrait.
    double PageWidth() const { return m_pageSize.width(); }
    double PageHeight() const { return m_pageSize.height(); }

    // Units per inch of every inch argument (1.0: inches).
    double UnitsFactor() const { return m_unitsFactor; }
    void SetUnitsFactor(double factor);
    // Text margins in inches.  They bound nothing the program draws (positions
    // are always from the sheet's corner); they are kept for callers that lay
    // out text lines relative to them.
    double MarginLeft = 0.5;
    double MarginRight = 0.5;
    double MarginTop = 0.5;
    double MarginBottom = 0.5;

    // ---- Device ------------------------------------------------------------
    // False when no printer exists to run the job on.
    virtual bool HasPrinter() const { return true; }
    // Re-reads resolution and unprintable margins from the device.
    virtual void RefreshDeviceMetrics() = 0;
    double XDPI() const { return m_xdpi; }
    double YDPI() const { return m_ydpi; }
    // Unprintable margins of the device, in inches and in device pixels.
    double UnprintableLeft() const { return m_leftWaste / m_xdpi; }
    double UnprintableTop() const { return m_topWaste / m_ydpi; }
    double UnprintableRight() const { return m_rightWaste / m_xdpi; }
    double UnprintableBottom() const { return m_bottomWaste / m_ydpi; }
    int UnprintableLeftPixels() const { return m_leftWaste; }
    int UnprintableTopPixels() const { return m_topWaste; }

    // ---- The job -----------------------------------------------------------
    // Called once per job with this report: OnBeforePrint when the job starts
    // (before page 1 begins), OnNewPage whenever a page begins, OnPrint to
    // compose the pages, OnAfterPrint after the last page ended.
    TReportEvent OnBeforePrint;
    TReportEvent OnNewPage;
    TReportEvent OnPrint;
    TReportEvent OnAfterPrint;
    void ClearEvents();

    // Runs one job: OnBeforePrint, device start, page 1 (status shown),
    // OnPrint, end of the last page, end of the job, OnAfterPrint.  Throws
    // cw::Exception "No printers are defined, aborting print job." when there
    // is no printer; an exception from a handler abandons the device job and
    // propagates.
    void Execute();
    bool Printing() const { return m_printing; }
    // Ends the current page and begins the next; pages count from 1.
    void NewPage();
    int CurrentPage() const { return m_currentPage; }

    // ---- Status line -------------------------------------------------------
    // Receives the expanded status text on every UpdateStatus(), with each
    // carriage return (the line break of the format) turned into "\n".
    void SetStatusLabel(std::function<void(const QString &)> label) { m_statusLabel = std::move(label); }
    // Runs pending window events after each status update (keeps Cancel
    // live).  By default the application's event loop processes them; an
    // empty function turns this off.
    void SetProcessEvents(std::function<void()> hook) { m_processEvents = std::move(hook); }
    QString StatusFormat() const { return m_statusFormat; }
    void SetStatusFormat(const QString &format) { m_statusFormat = format; }
    QStringList &StatusText() { return m_statusText; }
    const QStringList &StatusText() const { return m_statusText; }
    // The format expanded: "%p" or "%P" the current page, "%0".."%9" the
    // StatusText lines (empty when missing), "%%" one percent sign; any other
    // percent sign stays as it is.
    QString StatusString() const;
    static QString ExpandStatus(const QString &format, int page, const QStringList &lines);
    void UpdateStatus();

    // ---- Abort -------------------------------------------------------------
    virtual void Abort();
    bool Aborted() const { return m_aborted; }

    // ---- Units -------------------------------------------------------------
    int XI2D(double x) const;
    int YI2D(double y) const;
    // The same, unrounded: fractions of a device pixel.
    double XI2DF(double x) const;
    double YI2DF(double y) const;
    // Device pixels for a width or height in inches (no offset).
    int WidthToDevice(double inches) const;
    int HeightToDevice(double inches) const;
    double XD2I(double x) const;
    double YD2I(double y) const;
    // Inch rectangle (left, top, right, bottom) to the device rectangle whose
    // left/top are XI2D/YI2D of the first corner and right()/bottom() those of
    // the second corner minus one (a rectangle that excludes its far edges).
    QRect CreateRect(double x1, double y1, double x2, double y2) const;
    // The same rectangle unrounded, in fractions of a device pixel: what a
    // drawing stretched into it needs to keep the scale of the inch
    // rectangle exactly (a whole-pixel rectangle scales a card's text by up
    // to half a pixel in its width or height).
    QRectF CreateRectF(double x1, double y1, double x2, double y2) const;
    // The device pixels lying wholly inside the inch rectangle.  A picture
    // drawn into them covers no pixel beyond its frame, even by a fraction
    // (a rasteriser colours a pixel an image only touches).
    QRect CreateInnerRect(double x1, double y1, double x2, double y2) const;

    // ---- Drawing state -----------------------------------------------------
    // A positive width is in device pixels, a negative one in hundredths of
    // an inch.  Fractions are kept: a pen as wide as n card pixels is
    // -n * 100 / 96, and prints exactly as wide as the screen draws it.
    virtual void SetPen(const QColor &colour, Qt::PenStyle style, double width, TPenMode mode) = 0;
    virtual QColor PenColor() const = 0;
    virtual Qt::PenStyle PenStyle() const = 0;
    virtual double PenWidth() const = 0;
    virtual TPenMode PenMode() const = 0;
    // Device pixels a pen of this width draws with: never less than one.
    virtual double PenWidthPixels(double width) const = 0;

    // A brush with a bitmap paints the bitmap as a repeating pattern (in
    // device pixels); colour images are used as they are, monochrome ones are
    // drawn in the brush colour on white.  A null bitmap clears the pattern.
    // Hatch styles keep their screen spacing (8 pixels at 96 per inch).
    virtual void SetBrush(const QColor &colour, Qt::BrushStyle style, const QImage &bitmap = QImage()) = 0;
    virtual QColor BrushColor() const = 0;
    virtual Qt::BrushStyle BrushStyle() const = 0;

    // Font by name and size in points; bold, italic, underline, strike-out,
    // colour; the rotation (counter-clockwise degrees) turns text about its
    // reference point.
    virtual void SetFont(const QString &name, double points) = 0;
    virtual void SetFontStyle(bool bold, bool italic, bool underline, bool strikeOut) = 0;
    virtual void SetFontColor(const QColor &colour) = 0;
    virtual void SetFontRotation(double degrees) = 0;
    virtual QString FontName() const = 0;
    virtual double FontSize() const = 0;
    virtual bool FontBold() const = 0;
    virtual bool FontItalic() const = 0;
    virtual bool FontUnderline() const = 0;
    virtual QColor FontColor() const = 0;
    // Character (em) height of the font in inches: points / 72.
    virtual double FontHeight() const = 0;
    // Advance width of a text in the current font, inches.
    virtual double TextWidth(const QString &text) const = 0;
    // True: text is drawn without background.  False (default): text gets a
    // background in the brush colour unless the brush style is NoBrush.
    virtual void SetTransparentText(bool transparent) = 0;

    // ---- Drawing in inches --------------------------------------------------
    // Rectangle and ellipse drawn with the pen and filled with the brush.
    virtual void Rectangle(double x1, double y1, double x2, double y2) = 0;
    // Corners rounded by an ellipse cornerWidth x cornerHeight inches.
    virtual void RoundRect(double x1, double y1, double x2, double y2, double cornerWidth,
                           double cornerHeight) = 0;
    virtual void Ellipse(double x1, double y1, double x2, double y2) = 0;
    virtual void MoveTo(double x, double y) = 0;
    // Draws from the current point with the pen and makes (x, y) current.
    virtual void LineTo(double x, double y) = 0;

    // Print position (inches).  Print writes the text with its baseline at the
    // position and moves the position right by the text's width.
    virtual void GotoXY(double x, double y) = 0;
    virtual double XPos() const = 0;
    virtual double YPos() const = 0;
    // Top of the current text line (inches).
    virtual void SetLineTop(double y) = 0;
    virtual double LineTop() const = 0;
    virtual void Print(const QString &text) = 0;
    virtual void PrintXY(double x, double y, const QString &text) = 0;

    // ---- Drawing in device pixels -------------------------------------------
    // Closed polygon with the pen, filled with the brush (alternate fill:
    // a self-crossing outline leaves its inner overlaps empty).
    virtual void Polygon(const QPolygon &points) = 0;
    // Fills with the brush only, no outline; right and bottom are inclusive.
    virtual void FillRect(const QRect &rect) = 0;

    // ---- Paths ---------------------------------------------------------------
    // Between BeginPath and EndPath, Rectangle, RoundRect, Ellipse, LineTo,
    // Polygon and Print add their outlines to the path instead of drawing.
    virtual void BeginPath() = 0;
    virtual void EndPath() = 0;
    // The closed path becomes the clip (replacing any clip).
    virtual void SelectClipPath() = 0;
    // Outlines the path with the pen / fills it with the brush.
    virtual void StrokePath() = 0;
    virtual void FillPath() = 0;

    // ---- Clip regions ----------------------------------------------------------
    // Regions are values in device pixels; dropping one deletes it.
    virtual QPainterPath CreateRectRegion(double x1, double y1, double x2, double y2) const = 0;
    virtual QPainterPath CreateEllipticRegion(double x1, double y1, double x2, double y2) const = 0;
    virtual QPainterPath CreateRoundRectRegion(double x1, double y1, double x2, double y2, double cornerWidth,
                                               double cornerHeight) const = 0;
    virtual QPainterPath CreatePolygonRegion(const QPolygon &points) const = 0;
    virtual void SelectClipRegion(const QPainterPath &region) = 0;
    // Removes the clip of a region or of a path.
    virtual void ClearClip() = 0;
    // An area of the page, in inches from the sheet's corner, that drawing
    // never leaves while it is set, even as the objects drawn select clip
    // regions and clear them again: each clip is cut to the bound, and
    // clearing one returns to the bound.  A sheet bounds each card by its
    // own rectangle, so nothing reaches the card beside it; a print-shop
    // card bounds it by its bleed.  An empty rectangle lifts the bound.  It
    // is set for the drawing of one card, within one page.
    virtual void SetBound(const QRectF &inches) = 0;
    virtual QRectF Bound() const = 0;

    // ---- Pictures ---------------------------------------------------------------
    // Stretches a recorded picture into a device rectangle.  The frame is the
    // part of the picture's own coordinates that fills the rectangle; an
    // empty frame means the picture's bounding rectangle.
    virtual void StretchDraw(const QRect &rect, const QPicture &picture, const QRectF &frame = QRectF()) = 0;
    virtual void StretchDraw(const QRect &rect, const QImage &image) = 0;
    // Lets paint() draw a frame of sourceSize units (e.g. card pixels) that
    // the engine stretches into the device rectangle.
    virtual void StretchDraw(const QRectF &rect, const QSizeF &sourceSize,
                             const std::function<void(QPainter &)> &paint) = 0;
    // Stretches a bitmap into an inch rectangle.
    virtual void PrintBitmapRect(double x1, double y1, double x2, double y2, const QImage &image) = 0;

    // Painter in device pixels (origin at the printable corner).  Valid only
    // while a job runs.
    virtual QPainter &Canvas() = 0;

protected:
    // The device side of a job, called by Execute() and NewPage().
    virtual void BeginJob() = 0;
    virtual void BeginDevicePage() = 0;
    virtual void EndDevicePage() = 0;
    virtual void EndJob() = 0;
    // The job is abandoned (abort or failure): drop what was not delivered.
    virtual void AbandonJob() = 0;
    // Back to the state every job starts with: pen black, solid, one device
    // pixel, copy mode; brush white, clear; font Arial 10 points, black.
    virtual void ResetDrawingState() = 0;

    static void DefaultProcessEvents();
    void SetDeviceMetrics(double xdpi, double ydpi, int leftWaste, int topWaste, int rightWaste,
                          int bottomWaste);
    bool Drawing() const { return m_printing && !m_aborted; }
    void CallEvent(const TReportEvent &event);

private:
    QString m_title;
    int m_copies = 1;
    TOrientation m_orientation = TOrientation::poDefault;
    int m_paperSize = PaperLetter;
    QSizeF m_pageSize{8.5, 11.0};
    double m_unitsFactor = 1.0;

    double m_xdpi = 600;
    double m_ydpi = 600;
    int m_leftWaste = 0;
    int m_topWaste = 0;
    int m_rightWaste = 0;
    int m_bottomWaste = 0;

    bool m_printing = false;
    bool m_aborted = false;
    int m_currentPage = 0;

    std::function<void(const QString &)> m_statusLabel;
    std::function<void()> m_processEvents = DefaultProcessEvents;
    QString m_statusFormat;
    QStringList m_statusText;
};

} // namespace cw::engine
