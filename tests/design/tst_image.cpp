// The clip art image object: AutoSize/Stretch coupling, zoomed AutoSize,
// mirrored bitmaps, the empty picture, painting and printing geometry, the
// popup menu, card-file entries and every shipped clip art picture.
#include "FakeObjectHost.h"
#include "design/model/TGImage.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TObjectRegistry.h"
#include "print/engine/TCanvasReport.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

using namespace cw;
using namespace cw::model;

namespace {

// Records the picture and rectangle calls an object makes on the engine.
class RecordingReport : public engine::TCanvasReport
{
public:
    explicit RecordingReport(QImage &image) : TCanvasReport(image, 96, 96) {}
    QStringList calls;
    QImage lastImage;

    void PrintBitmapRect(double x1, double y1, double x2, double y2, const QImage &image) override
    {
        lastImage = image;
        calls << QString("Bitmap(%1, %2, %3, %4; %5 x %6)")
                     .arg(x1, 0, 'f', 4)
                     .arg(y1, 0, 'f', 4)
                     .arg(x2, 0, 'f', 4)
                     .arg(y2, 0, 'f', 4)
                     .arg(image.width())
                     .arg(image.height());
        TCanvasReport::PrintBitmapRect(x1, y1, x2, y2, image);
    }
    void StretchDraw(const QRect &rect, const QImage &image) override
    {
        lastImage = image;
        calls << QString("Image(%1, %2, %3 x %4; %5 x %6)")
                     .arg(rect.x())
                     .arg(rect.y())
                     .arg(rect.width())
                     .arg(rect.height())
                     .arg(image.width())
                     .arg(image.height());
        TCanvasReport::StretchDraw(rect, image);
    }
    void StretchDraw(const QRectF &rect, const QSizeF &source,
                     const std::function<void(QPainter &)> &paint) override
    {
        calls << QString("Vector(%1, %2, %3 x %4; %5 x %6)")
                     .arg(rect.x())
                     .arg(rect.y())
                     .arg(rect.width())
                     .arg(rect.height())
                     .arg(source.width())
                     .arg(source.height());
        TCanvasReport::StretchDraw(rect, source, paint);
    }
    void Rectangle(double x1, double y1, double x2, double y2) override
    {
        calls << QString("Rectangle(%1, %2, %3, %4) pen %5 brush %6")
                     .arg(x1, 0, 'f', 4)
                     .arg(y1, 0, 'f', 4)
                     .arg(x2, 0, 'f', 4)
                     .arg(y2, 0, 'f', 4)
                     .arg(PenWidth())
                     .arg(int(BrushStyle()));
        TCanvasReport::Rectangle(x1, y1, x2, y2);
    }
};

// A bitmap whose four quadrants are red, green (top row) and blue, yellow.
TGPicture quadrants(int w = 4, int h = 2)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixelColor(
                x, y, y < h / 2 ? (x < w / 2 ? Qt::red : Qt::green) : (x < w / 2 ? Qt::blue : Qt::yellow));
    TGPicture p;
    p.SetBitmap(image);
    return p;
}

TGPicture solid(int w, int h, QColor colour = Qt::red)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    TGPicture p;
    p.SetBitmap(image);
    return p;
}

void put16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

void put32(QByteArray &b, quint32 v)
{
    put16(b, int(v & 0xFFFF));
    put16(b, int(v >> 16));
}

// A placeable Windows metafile, 100 x 100 units at 96 per inch, whose red
// box reaches 30 units past the bottom of that frame.
TGPicture overflowingMetafile()
{
    QByteArray records;
    auto rec = [&records](int function, std::initializer_list<int> words) {
        put32(records, quint32(3 + words.size()));
        put16(records, function);
        for (int w : words)
            put16(records, w);
    };
    rec(0x02FC, {0, 0x00FF, 0x0000, 0}); // solid red brush
    rec(0x012D, {0});
    rec(0x041B, {130, 90, 60, 10}); // rectangle 10, 60 - 90, 130
    rec(0x0000, {});
    QByteArray file;
    put32(file, 0x9AC6CDD7u);
    const int header[] = {0, 0, 0, 100, 100, 96};
    for (int v : header)
        put16(file, v);
    put32(file, 0);
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= quint16(uchar(file[2 * i]) | uchar(file[2 * i + 1]) << 8);
    put16(file, sum);
    const int wmfHeader[] = {1, 9, 0x300};
    for (int v : wmfHeader)
        put16(file, v);
    put32(file, quint32(9 + records.size() / 2));
    put16(file, 1);
    put32(file, 12);
    put16(file, 0);
    file += records;
    TGPicture p;
    p.SetMetafileBytes(file);
    return p;
}

QString contentDir()
{
    return qEnvironmentVariable("CW_SOURCE_DIR") + "/content/";
}

TGPicture shipped(const QString &name)
{
    return TGPicture::FromFile(contentDir() + name);
}

QImage paint(TGGraphicControl &o)
{
    QImage image(o.Width(), o.Height(), QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    o.PaintTo(painter, 0, 0);
    return image;
}

} // namespace

class TestImage : public QObject
{
    Q_OBJECT
private slots:
    void autoSizeAndStretchAreOpposite()
    {
        test::FakeObjectHost host;
        TGImage image;
        QCOMPARE(image.BoundsRect(), QRect(0, 0, 105, 105));
        QVERIFY(image.Stretch());
        QVERIFY(!image.AutoSize());
        image.SetHost(&host);
        image.Loaded();
        image.SetBounds(10, 10, 40, 30);
        image.SetPicture(solid(100, 50));
        QCOMPARE(image.BoundsRect(), QRect(10, 10, 40, 30)); // stretched: the size stays

        const int before = host.changes;
        image.SetAutoSize(true);
        QVERIFY(!image.Stretch());
        QCOMPARE(image.BoundsRect(), QRect(10, 10, 100, 50));
        QVERIFY(image.Opaque()); // a bitmap of exactly the object's size
        QVERIFY(host.changes > before);

        // "Stretch to Fit" switches AutoSize off and the object keeps its size.
        TGMenuItem *stretch = TGMenuItem::Find(image.PopupMenu(), "Stretch to Fit");
        QVERIFY(stretch && !stretch->Checked);
        stretch->Action();
        QVERIFY(image.Stretch());
        QVERIFY(!image.AutoSize());
        image.SetBounds(10, 10, 30, 30);
        QCOMPARE(image.BoundsRect(), QRect(10, 10, 30, 30));

        // Stretch off turns AutoSize on; the size follows at the next bounds check.
        image.SetStretch(false);
        QVERIFY(image.AutoSize());
        image.BoundsChanged();
        QCOMPARE(image.BoundsRect().size(), QSize(100, 50));
    }

    void autoSizeFollowsTheZoom()
    {
        test::FakeObjectHost host;
        TGImage image;
        image.SetHost(&host);
        image.Loaded();
        image.SetZoom(1.2f);
        image.SetBounds(5, 6, 20, 20);
        image.SetPicture(solid(100, 50));
        image.SetAutoSize(true);
        QCOMPARE(image.BoundsRect(), QRect(5, 6, 120, 60));
        image.SetZoom(1.0f);
        QCOMPARE(image.BoundsRect().size(), QSize(100, 50));
        image.SetZoom(1.5f);
        QCOMPARE(image.BoundsRect().size(), QSize(150, 75));
        // A metafile's own size counts the same way.
        image.SetPicture(shipped("clipart/Star.wmf"));
        QCOMPARE(image.BoundsRect().size(), QSize(144, 144));
    }

    void mirroringBitmaps()
    {
        TGImage image;
        image.SetPicture(quadrants());
        image.SetBounds(0, 0, 4, 2);
        QImage plain = paint(image);
        QCOMPARE(plain.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(plain.pixelColor(3, 1), QColor(Qt::yellow));

        image.SetReverse(true);
        QImage reversed = paint(image);
        QCOMPARE(reversed.pixelColor(0, 0), QColor(Qt::green));
        QCOMPARE(reversed.pixelColor(3, 0), QColor(Qt::red));
        QCOMPARE(reversed.pixelColor(0, 1), QColor(Qt::yellow));

        image.SetReverse(false);
        image.SetFlip(true);
        QImage flipped = paint(image);
        QCOMPARE(flipped.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(flipped.pixelColor(3, 1), QColor(Qt::green));

        // Both: turned by 180 degrees.
        image.SetReverse(true);
        QImage turned = paint(image);
        QCOMPARE(turned.pixelColor(0, 0), QColor(Qt::yellow));
        QCOMPARE(turned.pixelColor(3, 0), QColor(Qt::blue));
        QCOMPARE(turned.pixelColor(0, 1), QColor(Qt::green));
        QCOMPARE(turned.pixelColor(3, 1), QColor(Qt::red));

        // Mirroring is for bitmaps: a metafile is drawn as it is, and the
        // menu entries are disabled for it.
        image.Loaded();
        QVERIFY(TGMenuItem::Find(image.PopupMenu(), "Flip")->Enabled);
        QVERIFY(TGMenuItem::Find(image.PopupMenu(), "Reverse")->Checked);
        image.SetPicture(shipped("clipart/Star.wmf"));
        QVERIFY(!TGMenuItem::Find(image.PopupMenu(), "Flip")->Enabled);
        QVERIFY(!TGMenuItem::Find(image.PopupMenu(), "Reverse")->Enabled);
        QVERIFY(image.MirroredBitmap(QSize(4, 2)).isNull());
    }

    // The bitmap sent to the printer: sharp blocks of the picture's own
    // colours where the surface shows it at its own size, mirrored or not;
    // smoothed where the surface stretches it.
    void bitmapsShownAtTheirOwnSizePrintTheirExactPixels()
    {
        QImage cells(25, 17, QImage::Format_RGB32);
        const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};
        for (int y = 0; y < cells.height(); ++y)
            for (int x = 0; x < cells.width(); ++x)
                cells.setPixel(x, y, colours[(x / 3 + y / 3 * 2) % 4]);
        TGPicture picture;
        picture.SetBitmap(cells);
        auto blends = [&](const QImage &printed) {
            int count = 0;
            for (int y = 0; y < printed.height(); ++y)
                for (int x = 0; x < printed.width(); ++x)
                    count += !std::count(std::begin(colours), std::end(colours), printed.pixel(x, y));
            return count;
        };
        TGImage image;
        image.SetPicture(picture);
        for (const bool flip : {false, true}) {
            image.SetFlip(flip);
            image.SetBounds(0, 0, 25, 17);
            const QImage sharp = image.PrintBitmap(QSize(156, 106)); // 600 dpi
            QCOMPARE(sharp.size(), QSize(156, 106));
            QCOMPARE(blends(sharp), 0);
            QCOMPARE(QColor(sharp.pixel(0, 0)), QColor(flip ? colours[2] : colours[0]));
            image.SetBounds(0, 0, 50, 34);
            QVERIFY(blends(image.PrintBitmap(QSize(313, 213))) > 0);
        }
    }

    // A stretched bitmap shows on the surface what paper shows: the bitmap
    // smoothed at a fine resolution, each pixel the mean of its area.  The
    // reference stretches with Qt's own smoothing to sixteen times the size
    // and averages every 16 x 16 dots; many bitmaps, enlarged and shrunk.
    void stretchedBitmapsShowWhatPaperShows()
    {
        QRandomGenerator random(20261210);
        const QRgb inks[] = {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 0), qRgb(255, 255, 0),
                             qRgb(255, 255, 255)};
        int worst = 0;
        QString where;
        for (int n = 0; n < 60; ++n) {
            QImage bitmap(random.bounded(1, 30), random.bounded(1, 24), QImage::Format_RGB32);
            const int stripe = random.bounded(1, 4);
            for (int y = 0; y < bitmap.height(); ++y)
                for (int x = 0; x < bitmap.width(); ++x)
                    bitmap.setPixel(x, y, inks[(x / stripe + 2 * (y / stripe) + n) % 5]);
            TGPicture picture;
            picture.SetBitmap(bitmap);
            TGImage image;
            image.SetPicture(picture);
            const QSize size(random.bounded(1, 90), random.bounded(1, 70));
            if (size == bitmap.size())
                continue;
            image.SetBounds(0, 0, size.width(), size.height());
            image.SetReverse(n % 3 == 1);
            image.SetFlip(n % 4 == 2);
            const QImage shown = paint(image);

            constexpr int Fine = 16;
            QImage fine(size * Fine, QImage::Format_RGB32);
            QPainter painter(&fine);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRect(QPoint(0, 0), fine.size()),
                              bitmap.mirrored(image.Reverse(), image.Flip()));
            painter.end();
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x) {
                    int sum[3] = {0, 0, 0};
                    for (int dy = 0; dy < Fine; ++dy)
                        for (int dx = 0; dx < Fine; ++dx) {
                            const QRgb p = fine.pixel(x * Fine + dx, y * Fine + dy);
                            sum[0] += qRed(p);
                            sum[1] += qGreen(p);
                            sum[2] += qBlue(p);
                        }
                    const QRgb s = shown.pixel(x, y);
                    const int got[3] = {qRed(s), qGreen(s), qBlue(s)};
                    for (int c = 0; c < 3; ++c) {
                        const int d = std::abs(got[c] - (sum[c] + Fine * Fine / 2) / (Fine * Fine));
                        if (d > worst) {
                            worst = d;
                            where = QStringLiteral("bitmap %1: %2x%3 onto %4x%5 at (%6,%7)")
                                        .arg(n)
                                        .arg(bitmap.width())
                                        .arg(bitmap.height())
                                        .arg(size.width())
                                        .arg(size.height())
                                        .arg(x)
                                        .arg(y);
                        }
                    }
                }
        }
        qInfo("worst channel difference %d (%s)", worst, qPrintable(where));
        // Qt smooths in fixed point and the reference samples each pixel at
        // 16 x 16 points: a few levels apart.  Sampling each pixel's centre
        // alone is up to 184 levels off where a bitmap is shrunk.
        QVERIFY2(worst <= 8, qPrintable(QString::number(worst) + QStringLiteral(", ") + where));
    }

    void emptyPictureIsAFramedWhiteBoxAndPrintsNothing()
    {
        TGImage image;
        image.SetBounds(0, 0, 20, 10);
        QImage shown = paint(image);
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(19, 9), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(10, 5), QColor(Qt::white));

        image.SetBorderStyle(bsSingle);
        QImage sheet(300, 300, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        RecordingReport report(sheet);
        report.OnPrint = [&](engine::TBaseReport &r) { image.PrintTo(r, 1, 1); };
        report.Execute();
        QVERIFY(report.calls.isEmpty()); // not even the border
    }

    void borderAndMetafilePainting()
    {
        TGImage image;
        image.SetPicture(shipped("clipart/Star.wmf"));
        image.SetBounds(0, 0, 60, 60);
        QImage shown = paint(image);
        // The star's yellow centre, and the card showing through outside it.
        const QColor centre = shown.pixelColor(30, 32);
        QVERIFY2(centre.red() > 200 && centre.green() > 150 && centre.blue() < 100,
                 qPrintable(centre.name()));
        QCOMPARE(shown.pixelColor(1, 1), QColor(Qt::gray));
        image.SetBorderStyle(bsSingle);
        shown = paint(image);
        QCOMPARE(shown.pixelColor(0, 30), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(59, 59), QColor(Qt::black));
        QCOMPARE(shown.pixelColor(1, 1), QColor(Qt::gray));
    }

    void printGeometry()
    {
        // A bitmap: stretched smoothly, as on screen, to the device pixels of
        // its inch rectangle, then placed there.
        TGImage image;
        image.SetPicture(quadrants());
        image.SetBounds(48, 96, 96, 48);
        image.SetBorderStyle(bsSingle);
        QImage sheet(500, 500, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        {
            RecordingReport report(sheet);
            report.OnPrint = [&](engine::TBaseReport &r) { image.PrintTo(r, 1.0, 0.5); };
            report.Execute();
            QCOMPARE(report.calls.first(), QString("Image(144, 144, 96 x 48; 96 x 48)"));
            QCOMPARE(sheet.pixelColor(150, 150), QColor(Qt::red));
            QCOMPARE(sheet.pixelColor(230, 180), QColor(Qt::yellow));
            // The border is the outermost ring of the object's pixels, as on screen.
            QCOMPARE(sheet.pixelColor(144, 150), QColor(Qt::black));
            QCOMPARE(sheet.pixelColor(239, 150), QColor(Qt::black));
            QCOMPARE(sheet.pixelColor(200, 144), QColor(Qt::black));
            QCOMPARE(sheet.pixelColor(200, 191), QColor(Qt::black));
            QCOMPARE(sheet.pixelColor(145, 150), QColor(Qt::red));
            QCOMPARE(sheet.pixelColor(143, 150), QColor(Qt::white));
            QCOMPARE(sheet.pixelColor(200, 192), QColor(Qt::white));
        }
        {
            // At 300 dots per inch the ring is still one screen pixel wide
            // (3 dots), not a hairline of one dot.
            QImage fine(1000, 800, QImage::Format_RGB32);
            fine.fill(Qt::white);
            engine::TCanvasReport report(fine, 300, 300);
            report.OnPrint = [&](engine::TBaseReport &r) { image.PrintTo(r, 1.0, 0.5); };
            report.Execute();
            // The object covers dots 450..749 across and 450..599 down; the
            // corners of the picture keep their colours (the smoothing blends
            // between pixel centres only).
            for (int x : {450, 451, 452, 747, 748, 749})
                QVERIFY2(fine.pixelColor(x, 500) == QColor(Qt::black), qPrintable(QString::number(x)));
            QCOMPARE(fine.pixelColor(453, 470), QColor(Qt::red));
            QCOMPARE(fine.pixelColor(746, 470), QColor(Qt::green));
            for (int y : {450, 452, 597, 599})
                QVERIFY2(fine.pixelColor(600, y) == QColor(Qt::black), qPrintable(QString::number(y)));
            QCOMPARE(fine.pixelColor(449, 500), QColor(Qt::white));
            QCOMPARE(fine.pixelColor(600, 600), QColor(Qt::white));
        }
        image.SetFlip(true);
        image.SetReverse(true);
        {
            RecordingReport report(sheet);
            report.OnPrint = [&](engine::TBaseReport &r) { image.PrintTo(r, 1.0, 0.5); };
            report.Execute();
            QCOMPARE(report.calls.first(), QString("Image(144, 144, 96 x 48; 96 x 48)"));
            QCOMPARE(sheet.pixelColor(150, 150), QColor(Qt::yellow));
        }

        // A metafile: played as vectors into the device rectangle.
        image.SetPicture(shipped("clipart/Star.wmf"));
        image.SetBorderStyle(bsNone);
        sheet.fill(Qt::white);
        RecordingReport report(sheet);
        report.OnPrint = [&](engine::TBaseReport &r) { image.PrintTo(r, 1.0, 0.5); };
        report.Execute();
        QCOMPARE(report.calls, QStringList({"Vector(144, 144, 96 x 48; 96 x 96)"}));
        const QColor centre = sheet.pixelColor(192, 170);
        QVERIFY2(centre.red() > 200 && centre.blue() < 100, qPrintable(centre.name()));
        QCOMPARE(sheet.pixelColor(143, 150), QColor(Qt::white));
        QCOMPARE(sheet.pixelColor(241, 170), QColor(Qt::white));
    }

    void metafileStaysInItsRectangleOnPaper()
    {
        // On screen the picture is drawn into an image of the object's size,
        // so ink a metafile puts beyond its frame never shows; paper keeps
        // to the same rectangle.
        TGImage image;
        image.SetPicture(overflowingMetafile());
        image.SetBounds(48, 24, 96, 48);
        QImage shown(200, 120, QImage::Format_RGB32);
        shown.fill(Qt::white);
        {
            QPainter p(&shown);
            image.PaintTo(p, image.Left(), image.Top());
        }
        QCOMPARE(shown.pixelColor(96, 70), QColor(Qt::red));   // inside, near the bottom
        QCOMPARE(shown.pixelColor(96, 76), QColor(Qt::white)); // just below the object

        TGImage below;
        below.SetPicture(solid(20, 10, Qt::blue));
        below.SetBounds(86, 80, 20, 10);
        QImage sheet(500, 300, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        engine::TCanvasReport report(sheet, 96, 96);
        report.OnPrint = [&](engine::TBaseReport &r) {
            image.PrintTo(r, 1.0, 0.5);
            below.PrintTo(r, 1.0, 0.5);
        };
        report.Execute();
        // The object covers device pixels 144..239 across and 72..119 down.
        QCOMPARE(sheet.pixelColor(192, 118), QColor(Qt::red));
        QCOMPARE(sheet.pixelColor(192, 121), QColor(Qt::white));
        QCOMPARE(sheet.pixelColor(192, 126), QColor(Qt::white));
        // Whatever prints next is not cut by the picture's rectangle.
        QCOMPARE(sheet.pixelColor(192, 133), QColor(Qt::blue));
    }

    void iconsBecomeBitmaps()
    {
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        QPainter(&icon).fillRect(4, 4, 8, 8, Qt::blue);
        QByteArray ico;
        QBuffer buffer(&ico);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(QImageWriter(&buffer, "ico").write(icon));
        TGPicture picture;
        picture.SetIconBytes(ico);
        QVERIFY(picture.IsIcon());

        TGImage image;
        image.SetPicture(picture);
        QVERIFY(image.Picture().IsBitmap());
        QCOMPARE(image.Picture().Size(), QSize(16, 16));
        QVERIFY(image.PictureData().startsWith(QByteArray("\x07TBitmap")));
        QCOMPARE(image.Picture().Image().pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(image.Picture().Image().pixelColor(8, 8), QColor(Qt::blue));
    }

    void fileFields()
    {
        TGImage image;
        image.SetBounds(10, 20, 100, 50);
        QStringList stored;
        for (const TFilerEntry &e : TGLabelObjectFiler::StoredEntries(image))
            stored << e.Name;
        QCOMPARE(stored, QStringList({"Left", "Top", "Width", "Height", "Locked", "Unselectable",
                                      "BorderStyle", "Reverse", "Flip"}));
        QVERIFY(TObjectRegistry::Global().Contains("TGImage"));

        // The record of an empty image, byte by byte after the base fields.
        const QByteArray bytes = TGLabelObjectFiler::ObjectListBytes({&image});
        const QByteArray tail = QByteArray("\x0B"
                                           "BorderStyle"
                                           "\x07\x06"
                                           "bsNone"
                                           "\x07"
                                           "Reverse"
                                           "\x08"
                                           "\x04"
                                           "Flip"
                                           "\x08"
                                           "\x00\x00\x00",
                                           38);
        QVERIFY2(bytes.endsWith(tail), bytes.toHex().constData());

        // With a picture, AutoSize, border and mirroring, the card file reads
        // back to the same bytes and the same picture.
        image.SetPicture(quadrants());
        image.SetAutoSize(true);
        image.SetBorderStyle(bsSingle);
        image.SetFlip(true);
        image.Name = "Component0"; // the name a read object gets
        stored.clear();
        for (const TFilerEntry &e : TGLabelObjectFiler::StoredEntries(image))
            stored << e.Name;
        QCOMPARE(stored.mid(6),
                 QStringList({"AutoSize", "BorderStyle", "Picture.Data", "Stretch", "Reverse", "Flip"}));
        for (const TGGraphicControl *o : std::initializer_list<const TGGraphicControl *>{&image}) {
            const QByteArray first = TGLabelObjectFiler::ObjectListBytes({o});
            TGLabelObjectFiler filer;
            auto read = filer.ReadObjectList(first);
            QCOMPARE(read.size(), size_t(1));
            auto *copy = dynamic_cast<TGImage *>(read.front().get());
            QVERIFY(copy);
            QCOMPARE(copy->BoundsRect(), QRect(10, 20, 4, 2));
            QVERIFY(copy->AutoSize() && !copy->Stretch() && copy->Flip() && !copy->Reverse());
            QCOMPARE(copy->BorderStyle(), bsSingle);
            QCOMPARE(copy->Picture(), image.Picture());
            QCOMPARE(TGLabelObjectFiler::ObjectListBytes({copy}), first);
        }

        // A metafile picture and a clone keep their bytes too.
        TGImage wmf;
        wmf.SetPicture(shipped("clipart/Globe.wmf"));
        wmf.SetBounds(1, 2, 30, 40);
        wmf.Name = "Component0";
        const QByteArray first = TGLabelObjectFiler::ObjectListBytes({&wmf});
        QVERIFY(first.contains(QByteArray("\x09TMetafile")));
        TGLabelObjectFiler filer;
        auto clone = filer.CloneObject(wmf);
        QCOMPARE(TGLabelObjectFiler::ObjectListBytes({clone.get()}), first);
        QCOMPARE(static_cast<TGImage &>(*clone).Picture().ClassName(), QString("TMetafile"));
    }

    void damagedPictureDataFailsTheRecord()
    {
        TGImage image;
        image.SetPicture(quadrants());
        QByteArray bytes = TGLabelObjectFiler::ObjectListBytes({&image});
        const qsizetype at = bytes.indexOf("BM");
        QVERIFY(at > 0);
        bytes[at] = 'X';
        TGLabelObjectFiler filer;
        QVERIFY_THROWS_EXCEPTION(cw::Exception, filer.ReadObjectList(bytes));
    }

    void popupMenu()
    {
        test::FakeObjectHost host;
        TGImage image;
        image.SetHost(&host);
        image.Loaded();
        auto &menu = image.PopupMenu();
        QStringList captions;
        for (const TGMenuItem &m : menu)
            captions << m.Caption;
        QCOMPARE(captions.mid(captions.indexOf("Center Horizontally") + 1),
                 QStringList({"-", "Load Image From Disk", "-", "Border", "Stretch to Fit", "AutoSize",
                              "Flip", "Reverse"}));
        // No picture: nothing to mirror.
        QVERIFY(!TGMenuItem::Find(menu, "Flip")->Enabled);
        QVERIFY(TGMenuItem::Find(image.PopupMenu(), "Stretch to Fit")->Checked);

        const int before = host.changes;
        TGMenuItem::Find(menu, "Border")->Action();
        QCOMPARE(image.BorderStyle(), bsSingle);
        QVERIFY(TGMenuItem::Find(image.PopupMenu(), "Border")->Checked);
        QVERIFY(host.changes > before);
        TGMenuItem::Find(image.PopupMenu(), "AutoSize")->Action();
        QVERIFY(image.AutoSize());
        QVERIFY(TGMenuItem::Find(image.PopupMenu(), "AutoSize")->Checked);
        QVERIFY(!TGMenuItem::Find(image.PopupMenu(), "Stretch to Fit")->Checked);

        // The browser is the widgets' business: the entry calls the installed handler.
        TGImage *seen = nullptr;
        TGImage::LoadImageFromDiskHandler() = [&seen](TGImage &o) { seen = &o; };
        TGMenuItem::Find(image.PopupMenu(), "Load Image From Disk")->Action();
        TGImage::LoadImageFromDiskHandler() = nullptr;
        QCOMPARE(seen, &image);
    }

    void everyShippedClipArtPictureLoads()
    {
        const QDir dir(contentDir() + "clipart");
        const QStringList files = dir.entryList({"*.bmp", "*.wmf"}, QDir::Files);
        QVERIFY(files.size() >= 12);
        for (const QString &name : files) {
            TGPicture picture = TGPicture::FromFile(dir.filePath(name));
            QVERIFY2(!picture.IsEmpty(), qPrintable(name));
            QCOMPARE(picture.Size(), QSize(96, 96));
            // Every picture puts some ink on white.
            QImage drawn(96, 96, QImage::Format_RGB32);
            drawn.fill(Qt::white);
            QPainter p(&drawn);
            picture.Draw(p, QRectF(0, 0, 96, 96));
            p.end();
            int inked = 0;
            for (int y = 0; y < 96; y += 4)
                for (int x = 0; x < 96; x += 4)
                    inked += drawn.pixelColor(x, y) != QColor(Qt::white);
            QVERIFY2(inked > 20, qPrintable(name));
        }
    }
};

QTEST_MAIN(TestImage)
#include "tst_image.moc"
