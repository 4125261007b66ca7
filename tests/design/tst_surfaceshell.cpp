#include "print/engine/Units.h"
// The design surface without objects: rubber band, tools, zoom, painting of
// outline and grid, change events.

#include "design/TGBusinessCardPanel32.h"

#include <QSignalSpy>
#include <QTest>

using namespace cw::ui;

class TestSurfaceShell : public QObject
{
    Q_OBJECT

    static QImage grab(TGBasePanel &panel)
    {
        QImage image(panel.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        panel.render(&image);
        return image;
    }

private slots:
    void bandFromBottomRightEqualsBandFromTopLeft()
    {
        QRect a;
        a.setCoords(100, 80, 20, 10);
        QRect b;
        b.setCoords(20, 10, 100, 80);
        QCOMPARE(TGBasePanel::NormalizedBand(a), b);
        QRect c;
        c.setCoords(20, 80, 100, 10);
        QCOMPARE(TGBasePanel::NormalizedBand(c), b);
    }

    void drawingToolReportsTheNormalisedBand()
    {
        TGBusinessCardPanel32 panel;
        panel.setCardSize(336, 192);
        panel.SetPanelState(psRectangle);
        QVERIFY(!panel.Pointing());
        QSignalSpy dropped(&panel, &TGBasePanel::DroppedObjectEvent);
        QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(120, 90));
        QVERIFY(panel.RubberBanding());
        QTest::mouseMove(&panel, QPoint(60, 40));
        QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(40, 30));
        QCOMPARE(dropped.count(), 1);
        const QRect band = dropped.at(0).at(0).toRect();
        QCOMPARE(band.left(), 40);
        QCOMPARE(band.top(), 30);
        QCOMPARE(band.right(), 120);
        QCOMPARE(band.bottom(), 90);
        QVERIFY(!panel.RubberBanding());
    }

    void pointerBandDoesNotCreate()
    {
        TGBusinessCardPanel32 panel;
        panel.setCardSize(336, 192);
        QSignalSpy dropped(&panel, &TGBasePanel::DroppedObjectEvent);
        QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(dropped.count(), 0);
    }

    void panelStateSetsPointingAndCursor()
    {
        TGBusinessCardPanel32 panel;
        QVERIFY(panel.Pointing());
        panel.SetPanelState(psLine);
        QCOMPARE(panel.PanelState(), psLine);
        QVERIFY(!panel.Pointing());
        QCOMPARE(panel.cursor().shape(), Qt::DragMoveCursor);
        panel.SetPanelState(psPointing);
        QVERIFY(panel.Pointing());
        QCOMPARE(panel.cursor().shape(), Qt::ArrowCursor);
    }

    void zoomResizesWithHalvesToEven()
    {
        TGBusinessCardPanel32 panel;
        panel.setCardSize(336, 192);
        QSignalSpy changed(&panel, &TGBasePanel::LabelChangedEvent);
        panel.SetZoom(1.1f);
        // 336 * 1.1 = 369.6 -> 370; 192 * 1.1 = 211.2 -> 211.
        QCOMPARE(panel.size(), QSize(370, 211));
        panel.SetZoom(1.5f);
        // Scaled from the card's size at 100 %, not from the rounded 370,
        // so zooming never drifts the card.
        QCOMPARE(panel.size(), QSize(504, 288));
        panel.SetZoom(1.5f); // unchanged factor: nothing happens
        QCOMPARE(changed.count(), 0);
        panel.SetZoom(1.0f);
        QCOMPARE(panel.size(), QSize(336, 192));
    }

    void changedIsSilentWhileZooming()
    {
        TGBusinessCardPanel32 panel;
        QSignalSpy changed(&panel, &TGBasePanel::LabelChangedEvent);
        panel.Changed();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<QObject *>(), &panel);
    }

    void paintsOutlineAndGridDots()
    {
        TGBusinessCardPanel32 panel;
        panel.setCardSize(336, 192);
        QImage plain = grab(panel);
        QCOMPARE(plain.pixelColor(0, 50), QColor(Qt::black));    // left outline
        QCOMPARE(plain.pixelColor(335, 50), QColor(Qt::black));  // right outline
        QCOMPARE(plain.pixelColor(100, 191), QColor(Qt::black)); // bottom outline
        QCOMPARE(plain.pixelColor(10, 10), QColor(Qt::white));
        QCOMPARE(plain.pixelColor(6, 6), QColor(Qt::white));

        panel.setShowGrid(true);
        QImage grid = grab(panel);
        const QColor green(0, 0x80, 0);
        QCOMPARE(grid.pixelColor(6, 6), green);
        QCOMPARE(grid.pixelColor(10, 14), green);
        QCOMPARE(grid.pixelColor(7, 6), QColor(Qt::white));
        QCOMPARE(grid.pixelColor(6, 8), QColor(Qt::white));

        panel.setGridSize(gs8x8);
        QImage coarse = grab(panel);
        QCOMPARE(coarse.pixelColor(10, 10), green);
        QCOMPARE(coarse.pixelColor(6, 6), QColor(Qt::white));
    }

    void gridAndOutlineStayOneLogicalPixelOnHiDpi()
    {
        TGBusinessCardPanel32 panel;
        panel.setCardSize(336, 192);
        panel.setShowGrid(true);
        const QColor green(0, 0x80, 0);
        for (qreal ratio : {1.5, 2.0}) {
            QImage image(QSize(qCeil(336 * ratio), qCeil(192 * ratio)), QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::black);
            panel.render(&image);
            // Logical dot (6, 6) covers device pixels [6·r, 7·r); its neighbour
            // (7, 6) stays white: dots keep their logical spacing of 4.
            const int inside = qFloor(6 * ratio + ratio / 2);
            QCOMPARE(image.pixelColor(inside, inside), green);
            QCOMPARE(image.pixelColor(qFloor(8 * ratio + ratio / 2), inside), QColor(Qt::white));
            QCOMPARE(image.pixelColor(qFloor(10 * ratio + ratio / 2), inside), green);
            // The outline is at the card's edge on every ratio.
            QCOMPARE(image.pixelColor(0, 100), QColor(Qt::black));
            QCOMPARE(image.pixelColor(qFloor(3 * ratio + ratio / 2), qFloor(65 * ratio + ratio / 2)),
                     QColor(Qt::white));
        }
    }

    void ellipseOutlineClipsTheGridAndBackground()
    {
        TGBusinessCardPanel32 panel;
        panel.setCardSize(336, 192);
        QImage red(10, 10, QImage::Format_RGB32);
        red.fill(Qt::red);
        panel.setColorPicture(red);
        panel.setShape(lsEllipse);
        panel.setShowGrid(true);
        QImage image = grab(panel);
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white)); // outside the ellipse: no picture, no grid
        QCOMPARE(image.pixelColor(168, 97), QColor(Qt::red));
        panel.ClearColorPicture();
        QCOMPARE(grab(panel).pixelColor(169, 97), QColor(Qt::white));
    }
};

QTEST_MAIN(TestSurfaceShell)
#include "tst_surfaceshell.moc"
