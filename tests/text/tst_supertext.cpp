// The SuperText object: layout and shadow offsets, painting through the
// letters' clip (ink only inside the glyphs), the text cut to the box, the
// gradient, FitToText, printing at printer resolution, the card-file record,
// and the properties dialog (empty text refused, font-size arrows, texture).
#include "design/TGBusinessCardPanel32.h"
#include "design/model/TGLabelObjectFiler.h"
#include "print/engine/TCanvasReport.h"
#include "print/engine/TReportFiler.h"
#include "print/engine/Units.h"
#include "support/CardOutputs.h"
#include "support/InkBlocks.h"
#include "support/ScriptedInteraction.h"
#include "text/TGSuperTextProperties.h"
#include "text/model/TGPLabel.h"
#include "text/model/TGSuperText.h"
#include "text/model/TTextFonts.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTest>
#include <optional>

using namespace cw;
using namespace cw::model;
using namespace cw::engine;
using ST = TGSuperText;

namespace {

class RecordingFiler : public TReportFiler
{
public:
    std::vector<QRectF> bitmaps;
    std::vector<std::pair<QRect, QColor>> filled;
    int fills = 0;
    void PrintBitmapRect(double x1, double y1, double x2, double y2, const QImage &image) override
    {
        bitmaps.push_back(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
        TReportFiler::PrintBitmapRect(x1, y1, x2, y2, image);
    }
    void FillRect(const QRect &r) override
    {
        ++fills;
        filled.emplace_back(r, BrushColor());
        TReportFiler::FillRect(r);
    }
};

void print(RecordingFiler &filer, TGGraphicControl &o)
{
    QByteArray data;
    QBuffer stream(&data);
    filer.SetStream(&stream);
    filer.OnPrint = [&](TBaseReport &r) { o.PrintTo(r, 0.5, 0.5); };
    filer.Execute();
}

QImage render(ST &t)
{
    t.Layout(); // the layout may resize the box
    QImage img(t.Width(), t.Height(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    t.Paint(p);
    return img;
}

// Where the glyphs of the fitted text lie: the text path filled, grown by
// one pixel for edge rounding.
QImage glyphMask(ST &t)
{
    QImage mask(t.Width(), t.Height(), QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter p(&mask);
    const QFont font = t.ScreenFont();
    QPainterPath path;
    path.addText(QPointF(t.TextOrigin().x(), t.TextOrigin().y() + QFontMetrics(font).ascent()), font,
                 t.FittedText());
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::black);
    p.drawPath(path);
    return mask;
}

TGPicture tile32()
{
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(Qt::darkGreen);
    TGPicture p;
    p.SetBitmap(img);
    return p;
}

// A card holding one SuperText, rendered on screen, exported and printed.
test::CardOutputs cardWith(std::unique_ptr<ST> t)
{
    ui::TGBusinessCardPanel32 surface;
    surface.setCardSize(336, 192);
    surface.AddObject(std::move(t));
    return test::RenderCardOutputs(surface);
}

} // namespace

class TestSuperText : public QObject
{
    Q_OBJECT
private slots:
    void newObjectAndShadowLayout()
    {
        ST t;
        QCOMPARE(t.Caption(), QString("Text"));
        QCOMPARE(t.Font().PointSize(), 48);
        QCOMPARE(t.SurfaceType(), ST::stGradientFill);
        QCOMPARE(t.ShadowOffset(), QPoint(0, 0)); // depth 0
        t.Layout();
        const int plain = t.Height();
        QCOMPARE(t.TextRect().left(), 5);
        // Depth 4 down-left: text 4 pixels right (margin), shadow 4 left of and below it.
        t.SetShadowDepth(4);
        t.SetShadowOrientation(sdDownLeft);
        QCOMPARE(t.ShadowOffset(), QPoint(-4, 4));
        t.Layout();
        QCOMPARE(t.TextOrigin(), QPoint(9, 0));
        QCOMPARE(t.ShadowOrigin(), QPoint(5, 4));
        QCOMPARE(t.Height(), plain + 4);
    }

    void lettersClipTheFill_data()
    {
        QTest::addColumn<int>("surface");
        QTest::newRow("colour") << int(ST::stNormal);
        QTest::newRow("gradient") << int(ST::stGradientFill);
        QTest::newRow("texture") << int(ST::stBrushImage);
    }

    void lettersClipTheFill()
    {
        QFETCH(int, surface);
        ST t;
        t.SetBounds(0, 0, 300, 80);
        t.SetCaption("HOW");
        t.SetSurfaceType(ST::TSurfaceType(surface));
        t.SetImage(tile32());
        t.SetOutlineStyle(psClear);
        TGFont f = t.Font();
        f.Color = clRed;
        t.SetTextFont(f);
        const QImage img = render(t);
        const QImage mask = glyphMask(t);
        int ink = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != qRgb(255, 255, 255)) {
                    ++ink;
                    QVERIFY2(mask.pixel(x, y) == qRgb(0, 0, 0),
                             qPrintable(QString("ink at %1,%2").arg(x).arg(y)));
                }
        QVERIFY(ink > 300);
    }

    void textIsCutNeverWrapped()
    {
        ST t;
        t.SetBounds(0, 0, 120, 80);
        t.SetCaption("WWWWWWWWWW");
        t.Layout();
        const QString s = t.FittedText();
        QVERIFY(!s.isEmpty() && s.size() < 10);
        QVERIFY(QFontMetrics(t.ScreenFont()).horizontalAdvance(s) <= 120 - 5);
        // Narrower than the first letter plus the indent: the box and its diagonals.
        t.SetBounds(0, 0, 20, 80);
        t.SetControlTransparent(false); // keeps the height
        const QImage img = render(t);
        QCOMPARE(t.FittedText(), QString());
        QCOMPARE(QColor(img.pixel(10, 40)), QColor(Qt::black)); // diagonals cross mid-box
        QCOMPARE(QColor(img.pixel(0, 20)), QColor(Qt::black));  // frame
        RecordingFiler filer;
        print(filer, t);
        QCOMPARE(int(filer.bitmaps.size()), 0);
        QCOMPARE(filer.fills, 0);
    }

    void transparentSurfaceKeepsAnOutline()
    {
        ST t;
        t.SetOutlineStyle(psClear);
        t.SetSurfaceType(ST::stBrushTransparent);
        QCOMPARE(t.OutlineStyle(), psSolid);
        t.SetOutlineStyle(psClear); // allowed afterwards
        QCOMPARE(t.OutlineStyle(), psClear);
        t.SetImage(tile32());
        t.SetSurfaceType(ST::stNormal);
        QVERIFY(t.Image().IsEmpty());
    }

    void gradientRunsFromTheFromColour()
    {
        ST t;
        t.SetBounds(0, 0, 50, 40);
        t.SetGradientFromColor(clBlue);
        t.SetGradientToColor(clYellow);
        t.SetFillDirection(gdUp);
        QImage g = t.GradientBitmapImage();
        // 40 rows for 256 bands: row 0 shows band 1 or 2, a shade off yellow.
        QVERIFY(qAbs(QColor(g.pixel(10, 0)).red() - 255) <= 8 && QColor(g.pixel(10, 0)).blue() <= 8);
        QVERIFY(QColor(g.pixel(10, 39)).blue() >= 247 && QColor(g.pixel(10, 39)).red() <= 8);
        t.SetFillDirection(gdDown);
        g = t.GradientBitmapImage();
        QVERIFY(QColor(g.pixel(10, 0)).blue() >= 247 && QColor(g.pixel(10, 0)).red() <= 8);
        t.SetBounds(0, 0, 70, 30);
        QCOMPARE(t.GradientBitmapImage().size(), QSize(70, 30));
    }

    void fitToTextSizesTheBox()
    {
        ST t;
        t.SetBounds(10, 10, 400, 300);
        t.SetCaption("Fit");
        t.SetShadowDepth(3);
        t.SetShadowOrientation(sdLeft);
        t.FitToText();
        const QFontMetrics fm(t.Font().ToQFont(1.0));
        const int a = fm.horizontalAdvance("Fit");
        const int b = fm.height();
        QCOMPARE(t.Left(), 10);
        QCOMPARE(t.Width(), Trunc(8 + 1.2 * a)); // c = TextRect.left = 3 + 5
        QCOMPARE(t.Height(), Trunc(1.2 * b));    // d = 0
    }

    void printsTextureTilesAtPrinterResolution()
    {
        ST t;
        t.SetBounds(0, 0, 200, 80);
        t.SetCaption("Tex");
        t.SetSurfaceType(ST::stBrushImage);
        t.SetImage(tile32());
        RecordingFiler filer;
        print(filer, t);
        QVERIFY(!filer.bitmaps.empty());
        // 32 pixels × 600 / 96 = 200 printer pixels, plus one more pixel of
        // the next tile for the overlap.
        for (const QRectF &r : filer.bitmaps)
            QVERIFY(qAbs(r.width() - (200 + 6.25) / 600.0) < 1e-9);
        // The tiles lie on the screen's grid from the object's corner; the
        // grid starts one whole tile earlier so that it also covers the box
        // grown by 0.03 inch at the left and top.
        QVERIFY(qAbs(filer.bitmaps.front().left() - (0.5 - 200 / 600.0)) < 1e-9);
        QVERIFY(qAbs(filer.bitmaps.front().top() - (0.5 - 200 / 600.0)) < 1e-9);
        QVERIFY(qAbs(filer.bitmaps[1].left() - 0.5) < 1e-9);
        t.SetSurfaceType(ST::stGradientFill);
        RecordingFiler gradient;
        print(gradient, t);
        QVERIFY(gradient.fills > 200);
    }

    void fileRecordRoundTripsByteExact()
    {
        ST t;
        t.SetBounds(5, 6, 150, 40);
        t.SetCaption("Café");
        t.SetShadowDepth(2);
        t.SetSurfaceType(ST::stBrushImage);
        t.SetImage(tile32());
        t.LastBitmapFileNameandPath = "/home/u/bmbrush/Wood.bmp";
        t.Name = "Component0"; // the name a read object gets
        const QByteArray bytes = TGLabelObjectFiler::ObjectListBytes({&t});
        TGLabelObjectFiler filer;
        auto read = filer.ReadObjectList(bytes);
        auto *back = dynamic_cast<ST *>(read.front().get());
        QVERIFY(back);
        QCOMPARE(back->Caption(), QString("Café"));
        QCOMPARE(back->Image().Size(), QSize(32, 32));
        QCOMPARE(back->SurfaceType(), ST::stBrushImage);
        QCOMPARE(TGLabelObjectFiler::ObjectListBytes({back}), bytes);

        ST plain;
        QStringList names;
        for (const TFilerEntry &e : TGLabelObjectFiler::StoredEntries(plain))
            names << e.Name;
        // Shadow depth, orientation and colour at their defaults are left out.
        const QStringList own{"BorderStyle",   "ControlTransparent", "BGColor",           "Caption",
                              "Font.Color",    "Font.Height",        "Font.Name",         "Font.Style",
                              "FillDirection", "GradientToColor",    "GradientFromColor", "OutlineColor",
                              "OutlineStyle",  "OutlineWidth",       "SurfaceType"};
        QCOMPARE(names.mid(names.indexOf("BorderStyle")), own);
    }

    void dialogRefusesEmptyTextAndTakesThePreview()
    {
        test::ScriptedInteraction ui;
        ST object;
        object.SetBounds(0, 0, 142, 60);
        ui.dialogs.enqueue([](QDialog &d) {
            auto &dlg = static_cast<ui::TGSuperTextProperties &>(d);
            dlg.CaptionText->setText(QString());
            dlg.accept();
            if (dlg.result() == QDialog::Accepted)
                return int(QDialog::Accepted);
            // Refused: now enter text and choose "Texture" (the built-in one).
            dlg.CaptionText->setText("Hello");
            dlg.Preview().SetCaption("Hello");
            dlg.SurfaceTypeCombo->setCurrentRow(ST::stBrushImage);
            dlg.accept();
            return dlg.result();
        });
        QVERIFY(ui::TGSuperTextProperties::Execute(object));
        QCOMPARE(ui.informations, QStringList{"Please enter some text"});
        QCOMPARE(object.Caption(), QString("Hello"));
        QCOMPARE(object.SurfaceType(), ST::stBrushImage);
        QCOMPARE(object.Image(), ui::TGSuperTextProperties::BuiltInTexture());
        QCOMPARE(object.Width(), 142); // the box is not taken from the preview

        // Cancel changes nothing.
        ui.dialogs.enqueue([](QDialog &d) {
            static_cast<ui::TGSuperTextProperties &>(d).Preview().SetCaption("Other");
            return int(QDialog::Rejected);
        });
        QVERIFY(!ui::TGSuperTextProperties::Execute(object));
        QCOMPARE(object.Caption(), QString("Hello"));
    }

    // The font dialog offers only installed families: Arial is drawn with its
    // metric twin.  Confirming that family unchanged keeps "Arial" in the
    // design; picking another family takes it.
    void fontDialogKeepsTheDesignFontWhenConfirmedUnchanged()
    {
        test::ScriptedInteraction ui;
        ui::TGSuperTextProperties dlg;
        TGFont arial = dlg.Preview().Font();
        arial.Name = "Arial";
        arial.SetPointSize(36);
        dlg.Preview().SetTextFont(arial);
        QFont drawn(model::TTextFonts::DrawnFamily("Arial"));
        drawn.setPointSize(36);
        ui.fonts.enqueue(drawn);
        dlg.SelectFont();
        QCOMPARE(dlg.Preview().Font().Name, QString("Arial"));
        QFont serif("Liberation Serif");
        serif.setPointSize(40);
        ui.fonts.enqueue(serif);
        dlg.SelectFont();
        QCOMPARE(dlg.Preview().Font().Name, QString("Liberation Serif"));
    }

    void fontSizeArrowsStayWithinTenToHundredFifty()
    {
        test::ScriptedInteraction ui;
        ui::TGSuperTextProperties dlg;
        auto setPoints = [&](int p) {
            TGFont f = dlg.Preview().Font();
            f.SetPointSize(p);
            dlg.Preview().SetTextFont(f);
        };
        setPoints(12);
        dlg.FontSizeDown();
        QCOMPARE(dlg.Preview().Font().PointSize(), 7);
        dlg.FontSizeDown();
        QCOMPARE(dlg.Preview().Font().PointSize(), 7);
        setPoints(148);
        dlg.FontSizeUp();
        QCOMPARE(dlg.Preview().Font().PointSize(), 153);
        dlg.FontSizeUp();
        QCOMPARE(dlg.Preview().Font().PointSize(), 153);
        // Typing marks a fit; the timer's tick fits once.
        dlg.CaptionText->setText("x");
        QTest::keyClick(dlg.CaptionText, Qt::Key_A);
        QVERIFY(dlg.FitPending());
        dlg.FitTick();
        QVERIFY(!dlg.FitPending());
        QCOMPARE(dlg.Preview().Caption(), QString("xa"));
    }

    // Paper bands fall where the screen's gradient has the same colour: the
    // bands span the object's own box, not the box grown for glyph edges.
    void paperGradientLiesWhereTheScreenHasIt()
    {
        ST t;
        t.SetBounds(0, 0, 200, 80);
        t.SetCaption("Gradient");
        t.SetGradientToColor(clRed);
        t.Layout();
        RecordingFiler filer;
        print(filer, t);
        const QImage screen = t.GradientBitmapImage();
        QCOMPARE(screen.size(), QSize(t.Width(), t.Height()));
        for (int x : {20, 100, 150, 190}) {
            const int dx = Trunc((0.5 + x / 96.0) * 600) + 2;
            const int dy = Trunc((0.5 + 10 / 96.0) * 600);
            std::optional<QColor> printed;
            for (const auto &[rect, colour] : filer.filled)
                if (rect.contains(dx, dy))
                    printed = colour;
            QVERIFY2(printed, qPrintable(QString::number(x)));
            const QColor shown(screen.pixel(x, 10));
            QVERIFY2(
                qAbs(printed->red() - shown.red()) <= 2 && qAbs(printed->blue() - shown.blue()) <= 2,
                qPrintable(
                    QStringLiteral("x %1: paper %2, screen %3").arg(x).arg(printed->name(), shown.name())));
        }
    }

    // The letters' clip is gone for the objects printed after the SuperText:
    // a text label (a recorded picture that turns clipping on) keeps its text.
    void labelPrintedAfterTheSuperTextKeepsItsText()
    {
        ST t;
        t.SetBounds(0, 0, 150, 60);
        t.SetCaption("Ab");
        TGPLabel label;
        label.SetBounds(0, 80, 150, 20);
        label.SetCaption("Elena Marsh");
        label.SetTransparent(true);
        QImage page(400, 300, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            TCanvasReport report(page, 96, 96);
            report.SetProcessEvents({});
            report.OnPrint = [&](TBaseReport &r) {
                t.PrintTo(r, 0.5, 0.5);
                label.PrintTo(r, 0.5, 0.5);
            };
            report.Execute();
        }
        int inked = 0;
        for (int y = 48 + 80; y < 48 + 100; ++y)
            for (int x = 48; x < 48 + 150; ++x)
                inked += qGray(page.pixel(x, y)) < 128;
        QVERIFY2(inked > 40, qPrintable(QString::number(inked)));
    }

    // The gradient is a ready bitmap: painting, printing and moving reuse it;
    // only a colour, direction or size change builds a new one.
    void gradientIsRebuiltOnlyWhenItsInputsChange()
    {
        ST t;
        t.SetBounds(0, 0, 200, 60);
        render(t); // the layout fits the height once
        const qint64 key = t.GradientBitmapImage().cacheKey();
        QCOMPARE(t.GradientBitmapImage().size(), QSize(t.Width(), t.Height()));
        render(t);
        t.BoundsChanged();
        t.SetBounds(40, 30, t.Width(), t.Height());
        RecordingFiler filer;
        print(filer, t);
        render(t);
        QCOMPARE(t.GradientBitmapImage().cacheKey(), key);
        t.SetFillDirection(gdDown);
        const qint64 turned = t.GradientBitmapImage().cacheKey();
        QVERIFY(turned != key);
        t.SetBounds(40, 30, t.Width() + 10, t.Height());
        QVERIFY(t.GradientBitmapImage().cacheKey() != turned);
    }

    // The letters stand as high on paper as on screen: the top of a capital
    // printed at 600 dots per inch lies on the screen's top row.
    void lettersPrintAtTheScreensHeight()
    {
        ST t;
        t.SetBounds(0, 0, 200, 80);
        t.SetCaption("HH");
        t.SetSurfaceType(ST::stNormal);
        t.SetOutlineStyle(psClear);
        const QImage screen = render(t);
        auto topInk = [](const QImage &image) {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 128)
                        return y;
            return -1;
        };
        QImage page(int(t.Width() * 6.25) + 10, int(t.Height() * 6.25) + 10, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            TCanvasReport report(page, 600, 600);
            report.SetProcessEvents({});
            report.OnPrint = [&](TBaseReport &r) { t.PrintTo(r, 0, 0); };
            report.Execute();
        }
        const int screenTop = topInk(screen);
        const int paperTop = topInk(page);
        QVERIFY(screenTop > 0 && paperTop > 0);
        QVERIFY2(qAbs(paperTop / 6.25 - screenTop) < 0.8,
                 qPrintable(QStringLiteral("screen %1, paper %2").arg(screenTop).arg(paperTop / 6.25)));
    }

    // A framed SuperText prints its frame as wide as the screen shows it:
    // one screen pixel, a hundredth of an inch (6 dots at 600 per inch).
    void frameIsOneScreenPixelOnPaper()
    {
        ST t;
        t.SetBounds(0, 0, 120, 40);
        t.SetCaption("F");
        t.SetBorderStyle(bsSingle);
        t.Layout();
        QImage page(int(t.Width() * 6.25) + 40, int(t.Height() * 6.25) + 40, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            TCanvasReport report(page, 600, 600);
            report.SetProcessEvents({});
            report.OnPrint = [&](TBaseReport &r) { t.PrintTo(r, 0.05, 0.05); };
            report.Execute();
        }
        // Across the frame's left edge, half way down: the dark run's width.
        const int y = 30 + int(t.Height() * 6.25 / 2);
        int dark = 0;
        for (int x = 0; x < 50; ++x) // the frame lies at x = 30, the text from 61 on
            dark += qGray(page.pixel(x, y)) < 128;
        QVERIFY2(dark >= 5 && dark <= 8, qPrintable(QString::number(dark)));
    }

    // Painting reuses the letters' outlines between repaints; a new text,
    // font or zoom paints the new letters, exactly as a fresh object does.
    void repaintFollowsTextFontAndZoom()
    {
        auto fresh = [](const QString &caption, int points, float zoom) {
            auto t = std::make_unique<ST>();
            t->SetBounds(0, 0, 300, 80);
            t->SetShadowDepth(3);
            TGFont f = t->Font();
            f.SetPointSize(points);
            t->SetTextFont(f);
            t->SetCaption(caption);
            t->SetZoom(zoom);
            return t;
        };
        auto t = fresh("IIII", 30, 1.0f);
        render(*t);
        render(*t);
        t->SetCaption("WAVE");
        QCOMPARE(render(*t), render(*fresh("WAVE", 30, 1.0f)));
        TGFont f = t->Font();
        f.SetPointSize(24);
        t->SetTextFont(f);
        QCOMPARE(render(*t), render(*fresh("WAVE", 24, 1.0f)));
        t->SetZoom(1.5f);
        QCOMPARE(render(*t), render(*fresh("WAVE", 24, 1.5f)));
    }

    // A SuperText in a symbol font whose font is not installed draws the
    // font's symbols through their Unicode equivalents; paper shows the same
    // telephone and envelope as the screen and the export, not the literal
    // characters that store them.
    void symbolFontPrintsTheSymbolsTheScreenShows()
    {
        auto t = std::make_unique<ST>();
        t->SetBounds(20, 20, 260, 100);
        TGFont f = t->Font();
        f.Name = "Wingdings";
        f.Style = 0;
        t->SetTextFont(f);
        t->SetCaption("(*"); // telephone, envelope
        t->SetSurfaceType(ST::stNormal);
        t->SetShadowDepth(4);
        t->SetShadowOrientation(sdDownRight);
        t->SetShadowcolor(clRed);
        const test::CardOutputs out = cardWith(std::move(t));
        if (const QString keep = qEnvironmentVariable("CW_OUTPUT_DIR"); !keep.isEmpty())
            test::SaveSideBySide(keep + "/supertext-symbols.png", out.screen, out.exported, out.paper);
        QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
        const auto exported = test::CompareInkBlocks(out.screen, out.exported);
        QVERIFY2(exported.worst == 0, qPrintable(exported.Describe()));
        const auto paper = test::CompareInkBlocks(out.screen, out.paper);
        QVERIFY2(paper.worst < 0.4, qPrintable(paper.Describe()));
    }

    // The text is cut on the design's own geometry: a box that holds "Tex"
    // but not "Text" at 100 % shows "Tex" at every zoom, and the zoomed
    // letters cover the same blocks as the letters at 100 %.
    void textIsCutTheSameAtEveryZoom()
    {
        ST t;
        t.SetControlTransparent(false); // keeps the height as given
        t.SetBounds(0, 0, 130, 80);
        t.SetCaption("Text");
        t.SetSurfaceType(ST::stNormal);
        t.SetOutlineStyle(psClear);
        const QImage at100 = render(t);
        const QString cut = t.FittedText();
        QVERIFY2(cut.size() == 3, qPrintable(cut));
        for (float zoom : {2.0f, 1.5f, 1.25f, 0.75f, 0.5f}) {
            t.SetZoom(zoom);
            QCOMPARE(t.FittedText(), cut);
        }
        t.SetZoom(2.0f);
        const QImage at200 = render(t);
        // Glyphs hinted at another size move their edges by a pixel: blocks
        // of 12 pixels (a letter's stem is about 9 wide) absorb that, while a
        // letter more or less still differs by whole blocks.
        const auto blocks = test::CompareInkBlocks(at100, at200, 12, 2);
        QVERIFY2(blocks.worst < 0.4, qPrintable(blocks.Describe()));
    }
};

QTEST_MAIN(TestSuperText)
#include "tst_supertext.moc"
