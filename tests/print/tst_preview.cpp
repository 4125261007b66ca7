// The page preview: recorded pages shown in a scroll area, zoom limits and
// steps, fitting factors, paging and the end of the replay.
#include "print/TFilePreview.h"
#include "print/engine/TReportFiler.h"

#include <QBuffer>
#include <QLabel>
#include <QScrollArea>
#include <QSignalSpy>
#include <QStyle>
#include <QtTest>

using namespace cw::engine;
using cw::ui::TFilePreview;

namespace {

// Two Letter pages; page n has a black inch square n inches from the left.
QByteArray RecordTwoPages()
{
    QByteArray data;
    QBuffer stream(&data);
    TReportFiler filer;
    filer.SetStream(&stream);
    filer.SetPaperSize(PaperLetter);
    filer.OnPrint = [](TBaseReport &r) {
        for (int page = 1; page <= 2; ++page) {
            if (page > 1)
                r.NewPage();
            r.SetPen(Qt::black, Qt::NoPen, 1, TPenMode::pmCopy);
            r.SetBrush(Qt::black, Qt::SolidPattern);
            r.Rectangle(page, 1.0, page + 1.0, 2.0);
        }
    };
    filer.Execute();
    return data;
}

QRect InkBounds(const QImage &image)
{
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 60 &&
                qGray(image.pixel(std::min(x + 6, image.width() - 1), y)) < 60) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startShowsPageOneInTheScrollArea();
    void zoomStaysWithinItsLimits();
    void fittingFactorsFollowTheScrollArea();
    void pagingReportsChanges();
    void finishLeavesTheCallersStream();
    void emptyStreamShowsNothing();

private:
    QByteArray m_data;
    std::unique_ptr<QBuffer> m_stream;
    std::unique_ptr<QScrollArea> m_scrollBox;
    std::unique_ptr<TFilePreview> m_preview;
};

void TestPreview::init()
{
    m_data = RecordTwoPages();
    m_stream = std::make_unique<QBuffer>(&m_data);
    m_scrollBox = std::make_unique<QScrollArea>();
    m_scrollBox->resize(608, 383);
    m_preview = std::make_unique<TFilePreview>();
    m_preview->SetStreamMode(TStreamMode::smUser);
    m_preview->SetStream(m_stream.get());
    m_preview->SetScrollBox(m_scrollBox.get());
}

void TestPreview::cleanup()
{
    m_preview.reset();
    m_scrollBox.reset();
    m_stream.reset();
}

void TestPreview::startShowsPageOneInTheScrollArea()
{
    QSignalSpy pages(m_preview.get(), &TFilePreview::OnPageChange);
    QVERIFY(m_preview->Start());
    QCOMPARE(pages.count(), 1);
    QCOMPARE(m_preview->CurrentPage(), 1);
    QCOMPARE(m_preview->FirstPage(), 1);
    QCOMPARE(m_preview->PageCount(), 2);
    QLabel *image = m_preview->ImageControl();
    QVERIFY(image);
    QCOMPARE(m_scrollBox->widget(), image);

    // At 100 % the sheet is 816 x 1056 screen pixels, with a 2.5 % margin
    // (20.4 px) around it and a 5-pixel shadow.
    const QImage shown = image->pixmap().toImage();
    QCOMPARE(shown.size(), QSize(862, 1102));
    QCOMPARE(QColor(shown.pixel(30, 30)), QColor(Qt::white));    // sheet
    QCOMPARE(QColor(shown.pixel(5, 5)), QColor(128, 128, 128));  // margin
    QCOMPARE(QColor(shown.pixel(838, 1078)), QColor(Qt::black)); // shadow corner
    const QRect square = InkBounds(shown.copy(0, 0, 800, 800));
    QVERIFY2(std::abs(square.left() - (20 + 96)) <= 1 && std::abs(square.top() - (20 + 96)) <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(square.left()).arg(square.top())));
}

void TestPreview::zoomStaysWithinItsLimits()
{
    QVERIFY(m_preview->Start());
    QSignalSpy zooms(m_preview.get(), &TFilePreview::OnZoomChange);
    QCOMPARE(m_preview->ZoomFactor(), 100.0f);
    QCOMPARE(m_preview->ZoomInc(), 10.0f);
    for (int click = 0; click < 10; ++click)
        m_preview->ZoomIn();
    QCOMPARE(m_preview->ZoomFactor(), 200.0f);
    QCOMPARE(zooms.count(), 10);
    m_preview->ZoomIn();
    QCOMPARE(m_preview->ZoomFactor(), 200.0f);
    QCOMPARE(zooms.count(), 10);                                 // nothing changed, nothing reported
    QCOMPARE(m_preview->ImageControl()->pixmap().width(), 1719); // 1632 + 2 x 40.8 + 5

    m_preview->SetZoomFactor(15);
    m_preview->ZoomOut();
    QCOMPARE(m_preview->ZoomFactor(), 10.0f);
    m_preview->ZoomOut();
    QCOMPARE(m_preview->ZoomFactor(), 10.0f);
    m_preview->SetZoomFactor(1000);
    QCOMPARE(m_preview->ZoomFactor(), 200.0f);
}

void TestPreview::fittingFactorsFollowTheScrollArea()
{
    QVERIFY(m_preview->Start());
    const float width = m_preview->ZoomPageWidthFactor();
    const float whole = m_preview->ZoomPageFactor();
    QVERIFY(whole < width);
    m_preview->SetZoomFactor(whole);
    const QSize view = m_scrollBox->maximumViewportSize();
    QSize shown = m_preview->ImageControl()->pixmap().size();
    QVERIFY2(shown.width() <= view.width() + 1 && shown.height() <= view.height() + 1,
             qPrintable(QStringLiteral("%1x%2 in %3x%4")
                            .arg(shown.width())
                            .arg(shown.height())
                            .arg(view.width())
                            .arg(view.height())));
    QVERIFY(shown.height() >= view.height() - 2);

    m_preview->SetZoomFactor(width);
    shown = m_preview->ImageControl()->pixmap().size();
    const int scrollBar =
        m_scrollBox->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scrollBox.get());
    QVERIFY(shown.width() <= view.width() - scrollBar + 1);
    QVERIFY(shown.width() >= view.width() - scrollBar - 2);

    // A bigger window gives bigger factors.
    m_scrollBox->resize(1200, 900);
    QVERIFY(m_preview->ZoomPageWidthFactor() > width);
    QVERIFY(m_preview->ZoomPageFactor() > whole);
}

void TestPreview::pagingReportsChanges()
{
    QVERIFY(m_preview->Start());
    QSignalSpy pages(m_preview.get(), &TFilePreview::OnPageChange);
    m_preview->NextPage();
    QCOMPARE(m_preview->CurrentPage(), 2);
    QCOMPARE(pages.count(), 1);
    const QRect square = InkBounds(m_preview->ImageControl()->pixmap().toImage().copy(0, 0, 800, 800));
    QVERIFY(std::abs(square.left() - (20 + 192)) <= 1);
    m_preview->NextPage();
    QCOMPARE(m_preview->CurrentPage(), 2);
    QCOMPARE(pages.count(), 1);
    m_preview->PrevPage();
    m_preview->PrevPage();
    QCOMPARE(m_preview->CurrentPage(), 1);
    QCOMPARE(pages.count(), 2);
}

void TestPreview::finishLeavesTheCallersStream()
{
    QVERIFY(m_preview->Start());
    m_preview->Finish();
    QVERIFY(!m_preview->Replaying());
    QVERIFY(!m_preview->ImageControl());
    QVERIFY(!m_scrollBox->widget());
    QCOMPARE(m_data.size() > 0, true);
    // The stream is intact: the preview can run again.
    QVERIFY(m_preview->Start());
    QCOMPARE(m_preview->PageCount(), 2);
}

void TestPreview::emptyStreamShowsNothing()
{
    QByteArray nothing;
    QBuffer empty(&nothing);
    m_preview->SetStream(&empty);
    QSignalSpy pages(m_preview.get(), &TFilePreview::OnPageChange);
    QVERIFY(!m_preview->Start());
    QCOMPARE(pages.count(), 0);
    QCOMPARE(m_preview->PageCount(), 0);
    QVERIFY(!m_scrollBox->widget());
    m_preview->ZoomIn(); // harmless without pages
    m_preview->NextPage();
    QCOMPARE(m_preview->CurrentPage(), 0);
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
