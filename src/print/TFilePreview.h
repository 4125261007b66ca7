#pragma once
// Shows the pages a TReportFiler recorded inside a scroll area: the current
// page is rendered as an image (white sheet with a drop shadow on a grey
// margin) held by a label that becomes the scroll area's widget.
//
// ZoomFactor is a percentage of the sheet's size at the screen's 96 pixels
// per inch, kept within 10 to 200; ZoomIn / ZoomOut step it by ZoomInc.
// The page-width and whole-page factors depend on the scroll area's current
// size.  OnZoomChange and OnPageChange report changes (the page is already
// redrawn when they arrive).

#include "print/engine/TReportReader.h"
#include "print/engine/TReportTypes.h"

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QScrollArea>

class QIODevice;

namespace cw::ui {

class TFilePreview : public QObject
{
    Q_OBJECT

public:
    static constexpr float MinZoom = 10.0f;
    static constexpr float MaxZoom = 200.0f;

    explicit TFilePreview(QObject *parent = nullptr);
    ~TFilePreview() override;

    engine::TStreamMode StreamMode() const { return m_streamMode; }
    void SetStreamMode(engine::TStreamMode mode) { m_streamMode = mode; }
    // The recorded stream (smUser: the caller's; read, never freed).
    void SetStream(QIODevice *stream) { m_stream = stream; }
    QIODevice *Stream() const { return m_stream; }

    void SetScrollBox(QScrollArea *scrollBox);
    QScrollArea *ScrollBox() const { return m_scrollBox; }
    // The image control that shows the page (null before Start).
    QLabel *ImageControl() const { return m_image; }

    float ZoomFactor() const { return m_zoom; }
    void SetZoomFactor(float percent);
    float ZoomInc() const { return m_zoomInc; }
    void SetZoomInc(float step) { m_zoomInc = step; }
    void ZoomIn();
    void ZoomOut();
    // Factors that fit the page's width, or the whole page, into the scroll
    // area as it is now (not clamped).
    float ZoomPageWidthFactor() const;
    float ZoomPageFactor() const;

    // Grey border around the sheet, percent of the sheet's width.
    double MarginPercent() const { return m_marginPercent; }
    void SetMarginPercent(double percent) { m_marginPercent = percent < 0 ? 0 : percent; }
    // Offset of the sheet's shadow, screen pixels.
    int ShadowDepth() const { return m_shadowDepth; }
    void SetShadowDepth(int pixels) { m_shadowDepth = pixels < 0 ? 0 : pixels; }

    // Reads the stream and shows page 1.  False when the stream holds no pages.
    bool Start();
    // Ends the replay: the image leaves the scroll area.
    void Finish();
    bool Replaying() const { return m_replaying; }

    int FirstPage() const { return 1; }
    int PageCount() const { return m_reader.PageCount(); }
    int CurrentPage() const { return m_page; }
    // Shows page n (clamped to the pages there are).
    void PrintPage(int page);
    void NextPage() { PrintPage(m_page + 1); }
    void PrevPage() { PrintPage(m_page - 1); }

    // Renders the current page at the current zoom into the image control.
    void RedrawPage();
    // The image RedrawPage shows, at device pixel ratio dpr.
    QImage RenderCurrentPage(double dpr = 1.0) const;

signals:
    void OnPageChange();
    void OnZoomChange();

private:
    QSizeF SheetPixelsAt100() const;
    double MarginPixels(double zoom) const;

    engine::TStreamMode m_streamMode = engine::TStreamMode::smUser;
    QIODevice *m_stream = nullptr;
    QPointer<QScrollArea> m_scrollBox;
    QPointer<QLabel> m_image;
    engine::TReportReader m_reader;
    float m_zoom = 100.0f;
    float m_zoomInc = 10.0f;
    double m_marginPercent = 2.5;
    int m_shadowDepth = 5;
    int m_page = 0;
    bool m_replaying = false;
};

} // namespace cw::ui
