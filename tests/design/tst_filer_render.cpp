// The card as a picture: background, objects in z-order, hidden objects,
// the export border and the sizes at a zoom.
#include "app/model/TCardLayout.h"
#include "design/model/TBCShapes.h"
#include "design/model/TCardRenderer.h"

#include <QTest>

using namespace cw::model;

namespace {
std::unique_ptr<TBCShapes> square(int x, int y, TColor fill)
{
    auto shape = std::make_unique<TBCShapes>();
    shape->SetBounds(x, y, 20, 20);
    shape->SetBrush(TGBrush{fill, bsSolid});
    shape->SetPen(TGPen{fill, pmCopy, psSolid, 1});
    return shape;
}
} // namespace

class TestFilerRender : public QObject
{
    Q_OBJECT

private slots:
    void objectsInZOrderOverTheBackground()
    {
        auto bottom = square(10, 10, clRed);
        auto top = square(20, 20, clLime);
        auto hidden = square(60, 10, clBlue);
        hidden->Visible = false;
        QImage background(2, 2, QImage::Format_RGB32);
        background.fill(QColor(0, 0, 128));

        QImage image =
            TCardRenderer::Render({bottom.get(), top.get(), hidden.get()}, QSize(100, 50), background);
        QCOMPARE(image.size(), QSize(100, 50));
        QCOMPARE(image.pixelColor(12, 12), QColor(Qt::red));
        QCOMPARE(image.pixelColor(25, 25), QColor(Qt::green)); // the overlap belongs to the top object
        QCOMPARE(image.pixelColor(65, 15), QColor(0, 0, 128)); // hidden: the background shows
        QCOMPARE(image.pixelColor(99, 49), QColor(0, 0, 128));

        image = TCardRenderer::Render({bottom.get()}, QSize(100, 50));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(image.pixelColor(50, 40), QColor(Qt::white));
    }

    void borderIsTheOutermostPixels()
    {
        QImage image = TCardRenderer::Render({}, QSize(30, 20));
        TCardRenderer::DrawBorder(image);
        for (int x = 0; x < 30; ++x) {
            QCOMPARE(image.pixelColor(x, 0), QColor(Qt::black));
            QCOMPARE(image.pixelColor(x, 19), QColor(Qt::black));
            if (x > 0 && x < 29)
                QCOMPARE(image.pixelColor(x, 1), QColor(Qt::white));
        }
        for (int y = 0; y < 20; ++y) {
            QCOMPARE(image.pixelColor(0, y), QColor(Qt::black));
            QCOMPARE(image.pixelColor(29, y), QColor(Qt::black));
        }
    }

    void sizesFollowTheLayoutAndZoom()
    {
        TCardLayout layout;
        QCOMPARE(TCardRenderer::CardSize(layout), QSize(336, 192));
        QCOMPARE(TCardRenderer::ZoomedSize(QSize(336, 192), 1.5f), QSize(504, 288));
        // Halves go to the even neighbour: 7.5 -> 8, 10.5 -> 10.
        QCOMPARE(TCardRenderer::ZoomedSize(QSize(5, 7), 1.5f), QSize(8, 10));
    }
};

QTEST_MAIN(TestFilerRender)
#include "tst_filer_render.moc"
