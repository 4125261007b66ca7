#include "app/model/TCardLayout.h"

#include <QTest>

using cw::model::TCardLayout;

class TestCardLayout : public QObject
{
    Q_OBJECT
private slots:
    void defaultsAreTheFirstPredefinedLayout()
    {
        TCardLayout layout;
        layout.Height = layout.Width = layout.TopMargin = 9.0f;
        QVERIFY(layout.ApplyPredefined(0));
        QCOMPARE(layout, TCardLayout{});
    }

    void predefinedList()
    {
        const QStringList names = TCardLayout::PredefinedLayoutNames();
        QCOMPARE(names.size(), 21);
        QCOMPARE(names.first(), QString("Avery Business Card 5371 (Letter Size Paper)"));
        QCOMPARE(names.at(7), QString("Avery Business Card 8376 Ink Jet - Ivory (Letter Size Paper)"));
        QCOMPARE(names.at(13), QString("Avery Business Card L7419 (A4)"));
        QCOMPARE(names.at(14),
                 QString("Avery Business Card 8373 - Glossy Photo Quality (Letter Size Paper)"));
        QCOMPARE(names.at(16), QString("MAACO ML-8550 (Letter Size Paper)"));
        QCOMPARE(names.last(), QString("Herma 8840 (A4 Size Paper)"));
        QCOMPARE(QStringList(names).removeDuplicates(), 0);

        for (int i = 0; i < TCardLayout::PredefinedCount; ++i) {
            TCardLayout layout;
            QVERIFY(layout.ApplyPredefined(i));
            const bool photo = i == 14 || i == 15;
            QCOMPARE(layout.CardCount(), photo ? 8 : 10);
            QVERIFY(layout.HPitch >= layout.Width && layout.VPitch >= layout.Height);
            QCOMPARE(layout.Papersize == TCardLayout::PaperA4, names.at(i).contains("A4"));
            const QSizeF sheet = layout.SheetSizeInches();
            // Every card of every stock lies on its sheet.
            const QPointF last = layout.CardTopLeft(layout.Down - 1, layout.Across - 1);
            QVERIFY2(last.x() + layout.Width <= sheet.width() + 1e-6, qPrintable(names.at(i)));
            QVERIFY2(last.y() + layout.Height <= sheet.height() + 1e-6, qPrintable(names.at(i)));
        }
    }

    void predefinedValues()
    {
        TCardLayout layout;
        layout.PredefLayout = 3;
        layout.UseMM = true;
        QVERIFY(layout.ApplyPredefined(9));
        QCOMPARE(layout.Height, 2.0f);
        QCOMPARE(layout.Width, 3.543f);
        QCOMPARE(layout.TopMargin, 0.846f);
        QCOMPARE(layout.LeftMargin, 0.591f);
        QCOMPARE(layout.HPitch, 3.543f);
        QCOMPARE(layout.Papersize, 9);
        QCOMPARE(layout.PredefLayout, 3); // chosen by the dialog's OK, not here
        QVERIFY(layout.UseMM);

        QVERIFY(layout.ApplyPredefined(19));
        QCOMPARE(layout.Height, 1.77f);
        QCOMPARE(layout.Width, 3.48f);
        QCOMPARE(layout.TopMargin, 0.83f);
        QCOMPARE(layout.LeftMargin, 0.49f);
        QCOMPARE(layout.HPitch, 3.88f);
        QCOMPARE(layout.VPitch, 2.04f);

        QVERIFY(layout.ApplyPredefined(15));
        QCOMPARE(layout.Down, 4);
        QCOMPARE(layout.HPitch, 4.0f);
        QCOMPARE(layout.VPitch, 2.496f);
        QCOMPARE(layout.LeftMargin, 0.55f);

        const TCardLayout before = layout;
        QVERIFY(!layout.ApplyPredefined(-1));
        QVERIFY(!layout.ApplyPredefined(21));
        QCOMPARE(layout, before);
    }

    void sheetSizes()
    {
        QCOMPARE(TCardLayout::SheetSizeInches(1), QSizeF(8.5, 11.0));
        QCOMPARE(TCardLayout::SheetSizeInches(9), QSizeF(8.268, 11.69));
        QCOMPARE(TCardLayout::SheetSizeInches(0), QSizeF(8.268, 11.69)); // anything but Letter is A4
    }

    void cardPositions()
    {
        const TCardLayout layout;
        QCOMPARE(layout.CardPosition(0, 0), 1);
        QCOMPARE(layout.CardPosition(0, 1), 2);
        QCOMPARE(layout.CardPosition(4, 1), 10);
        QCOMPARE(layout.CardTopLeft(0, 0), QPointF(0.75, 0.5));
        QCOMPARE(layout.CardTopLeft(2, 1), QPointF(0.75 + 3.5, 0.5 + 2 * 2.0));
        // Nudges in 1/32 inch: margins move once, pitches once per card.
        const QPointF nudged = layout.CardTopLeft(2, 1, 16, -8, 4, 32);
        QCOMPARE(nudged.x(), 0.75 - 0.25 + 1 * (3.5 + 1.0));
        QCOMPARE(nudged.y(), 0.5 + 0.5 + 2 * (2.0 + 0.125));
    }

    void surfaceSize()
    {
        TCardLayout layout;
        QCOMPARE(layout.SurfaceSize(96), QSize(336, 192));
        QCOMPARE(layout.SurfaceSize(100), QSize(350, 200));
        layout.ApplyPredefined(20);                        // 3.3 x 2.0
        QCOMPARE(layout.SurfaceSize(96), QSize(317, 192)); // 316.8
        layout.Width = 2.5f;
        layout.Height = 3.5f;
        QCOMPARE(layout.SurfaceSize(1), QSize(2, 4)); // halves to even
        layout.Width = 1.0e9f;
        layout.Height = -3.0f;
        QCOMPARE(layout.SurfaceSize(96), QSize(1000000, 0)); // a damaged layout cannot overflow
    }
};

QTEST_APPLESS_MAIN(TestCardLayout)
#include "tst_cardlayout.moc"
