// The QR code and barcode objects as design objects: the card file, following the personal information, crisp
// modules on screen and on paper, the popup menu and the properties dialog.

#include "design/FakeObjectHost.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TObjectRegistry.h"
#include "help/TQexHelp.h"
#include "objects/TCodeProperties.h"
#include "objects/model/TCodeEncoder.h"
#include "objects/model/TGBarcode.h"
#include "objects/model/TGQRCode.h"
#include "objects/model/TSpecialEditors.h"
#include "objects/model/TVCardText.h"
#include "print/engine/TReportFiler.h"
#include "print/engine/TReportReader.h"
#include "widgets/TColorButton.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>

#include <zint.h>

using namespace cw::model;
using namespace cw::engine;

namespace {

class ScriptedEditors : public TSpecialEditors
{
public:
    bool accept = false;
    int codeEdits = 0;
    std::optional<QFont> ChooseFont(const QFont &) override { return std::nullopt; }
    bool EditCircleText(TGPCircleText &) override { return false; }
    std::optional<QByteArray> EditRichText(TGPRichBaseLabel &) override { return std::nullopt; }
    bool EditCode(TGCodeObject &object) override
    {
        ++codeEdits;
        if (accept)
            object.SetText(QStringLiteral("edited"));
        return accept;
    }
};

QImage render(TGGraphicControl &object, float zoom = 1.0f)
{
    object.SetZoom(zoom);
    QImage image(object.Width(), object.Height(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    object.PaintTo(painter, 0, 0);
    return image;
}

// Samples the module centres of a drawn symbol and compares them with the
// matrix; returns the first mismatch as "row,column" or an empty string.
QString compareModules(const QImage &image, const TGCodeObject &object, const TCodeMatrix &matrix, QRgb dark)
{
    const TGCodeObject::TPlacement p = object.Place(matrix, image.width(), image.height(), 1.0);
    double top = p.Y;
    for (int r = 0; r < matrix.Rows(); ++r) {
        const double h = matrix.Linear() ? p.BarHeight : matrix.RowHeight(r) * p.Module;
        for (int c = 0; c < matrix.Columns(); ++c) {
            const QPoint centre(int(p.X + (c + 0.5) * p.Module), int(top + h / 2));
            const bool inked = image.pixel(centre) == dark;
            if (inked != matrix.IsDark(r, c))
                return QStringLiteral("%1,%2").arg(r).arg(c);
        }
        top += h;
    }
    return {};
}

} // namespace

class TestCodes : public QObject
{
    Q_OBJECT

private slots:
    void cardFileKeepsEveryPropertyAndNamesNewClasses()
    {
        TGQRCode qr;
        qr.SetBounds(10, 20, 120, 110);
        // A fresh object writes its geometry only.
        QStringList names;
        for (const TFilerEntry &e : TGLabelObjectFiler::StoredEntries(qr))
            names << e.Name;
        QCOMPARE(names, (QStringList{"Left", "Top", "Width", "Height", "Locked", "Unselectable"}));
        qr.SetContent(TCodeContent::Text);
        qr.SetText(QString::fromUtf8("Příliš žluťoučký kůň úpěl ďábelské ódy"));
        qr.SetForeColor(0x123456);
        qr.SetBGColor(0x00FFEE);
        qr.SetControlTransparent(true);
        qr.SetQuietZone(2);
        qr.SetLevel(TQRLevel::High);
        TGBarcode bar;
        bar.SetBounds(0, 0, 200, 60);
        bar.SetSymbology(TBarcodeSymbology::Aztec);
        bar.SetText(QString());
        bar.SetContent(TCodeContent::VCard);
        names.clear();
        for (const TFilerEntry &e : TGLabelObjectFiler::StoredEntries(bar))
            names << e.Name;
        // The emptied text is written, so the starting text does not return.
        QCOMPARE(names, (QStringList{"Left", "Top", "Width", "Height", "Locked", "Unselectable",
                                     "ContentMode", "Text", "Symbology"}));
        qr.Name = "Component0";
        bar.Name = "Component1";
        const QByteArray bytes = TGLabelObjectFiler::ObjectListBytes({&qr, &bar});
        QVERIFY(bytes.contains("TGQRCode"));
        QVERIFY(bytes.contains("qrHigh"));
        QVERIFY(bytes.contains("bcAztec"));
        TGLabelObjectFiler filer;
        auto read = filer.ReadObjectList(bytes);
        QCOMPARE(int(read.size()), 2);
        auto *qr2 = dynamic_cast<TGQRCode *>(read[0].get());
        auto *bar2 = dynamic_cast<TGBarcode *>(read[1].get());
        QVERIFY(qr2 && bar2);
        QCOMPARE(qr2->Content(), TCodeContent::Text);
        QCOMPARE(qr2->Text(), qr.Text());
        QCOMPARE(qr2->ForeColor(), TColor(0x123456));
        QCOMPARE(qr2->BGColor(), TColor(0x00FFEE));
        QVERIFY(qr2->ControlTransparent());
        QCOMPARE(qr2->QuietZone(), 2);
        QCOMPARE(qr2->Level(), TQRLevel::High);
        QCOMPARE(qr2->StoredBounds(), QRect(10, 20, 120, 110));
        QCOMPARE(bar2->Symbology(), TBarcodeSymbology::Aztec);
        QCOMPARE(bar2->Text(), QString());
        QCOMPARE(bar2->Content(), TCodeContent::VCard);
        QCOMPARE(TGLabelObjectFiler::ObjectListBytes({qr2, bar2}), bytes);

        // Both kinds are known to the program's readers by these names.
        QVERIFY(TObjectRegistry::Global().ClassNames().contains("TGQRCode"));
        QVERIFY(TObjectRegistry::Global().ClassNames().contains("TGBarcode"));
    }

    void vCardFollowsThePersonalInformation()
    {
        cw::ui::TGBusinessCardPanel32 surface;
        std::array<QString, 10> info{"Anna Dvořáková", "Firma", "", "", "", "", "", "", "anna@firma.cz", ""};
        surface.setPersonalInfo(info);
        auto *qr = static_cast<TGQRCode *>(surface.AddObject(std::make_unique<TGQRCode>()));
        QCOMPARE(qr->Content(), TCodeContent::VCard);
        const QStringList first(info.begin(), info.end());
        QCOMPARE(qr->EncodedText(), TVCardText::Build(first));
        const TCodeMatrix before = qr->Matrix();
        QCOMPARE(before, TCodeEncoder::EncodeQR(TVCardText::Build(first), TQRLevel::Medium));
        info[0] = "Petra Nová";
        surface.setPersonalInfo(info);
        const QStringList second(info.begin(), info.end());
        QCOMPARE(qr->Matrix(), TCodeEncoder::EncodeQR(TVCardText::Build(second), TQRLevel::Medium));
        QVERIFY(!(qr->Matrix() == before));
        // A symbol setting encodes again too.
        qr->SetLevel(TQRLevel::High);
        QCOMPARE(qr->Matrix(), TCodeEncoder::EncodeQR(TVCardText::Build(second), TQRLevel::High));
    }

    void modulesAreWholePixelsAtEveryZoom_data()
    {
        QTest::addColumn<float>("zoom");
        QTest::newRow("100 %") << 1.0f;
        QTest::newRow("150 %") << 1.5f;
        QTest::newRow("75 %") << 0.75f;
        QTest::newRow("200 %") << 2.0f;
    }

    void modulesAreWholePixelsAtEveryZoom()
    {
        QFETCH(float, zoom);
        TGQRCode qr;
        qr.SetContent(TCodeContent::Text);
        qr.SetText("https://cardwright.example/qr");
        qr.SetForeColor(0x0000C0); // dark red
        qr.SetBounds(0, 0, 101, 97);
        const QImage image = render(qr, zoom);
        const QRgb dark = qRgb(0xC0, 0, 0);
        const QRgb light = qRgb(0xFF, 0xFF, 0xFF);
        // Only the two colours: no smeared module edge anywhere.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY2(image.pixel(x, y) == dark || image.pixel(x, y) == light,
                         qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
        const TCodeMatrix &m = qr.Matrix();
        const TGCodeObject::TPlacement p = qr.Place(m, image.width(), image.height(), 1.0);
        QCOMPARE(p.Module, std::floor(p.Module));
        QVERIFY(p.Module >= 1);
        QCOMPARE(compareModules(image, qr, m, dark), QString());
        // The symbol is centred with at least the quiet zone around it.
        const double side = m.Columns() * p.Module;
        QVERIFY(p.X >= qr.QuietZone() * p.Module - 1e-9);
        QVERIFY(qAbs(p.X - (image.width() - side - p.X)) <= 1.0);
    }

    void transparentLeavesTheCardAndColoursFollowTheSettings()
    {
        TGBarcode bar;
        bar.SetBounds(0, 0, 240, 60);
        bar.SetControlTransparent(true);
        bar.SetForeColor(0x008000);
        const QImage image = render(bar);
        // Around the bars the magenta below shows through; the bars are green
        // and run the full height.
        QCOMPARE(image.pixel(1, 30), qRgb(0xFF, 0, 0xFF));
        const TGCodeObject::TPlacement p = bar.Place(bar.Matrix(), 240, 60, 1.0);
        QVERIFY(bar.Matrix().IsDark(0, 0)); // Code 128 starts with a bar
        QCOMPARE(image.pixel(int(p.X), 0), qRgb(0, 0x80, 0));
        QCOMPARE(image.pixel(int(p.X), 59), qRgb(0, 0x80, 0));
        QCOMPARE(compareModules(image, bar, bar.Matrix(), qRgb(0, 0x80, 0)), QString());
        // A text the symbology cannot hold draws no bars.
        bar.SetSymbology(TBarcodeSymbology::Ean13);
        const QImage refused = render(bar);
        for (int y = 0; y < refused.height(); ++y)
            for (int x = 0; x < refused.width(); ++x)
                QVERIFY(refused.pixel(x, y) != qRgb(0, 0x80, 0));
    }

    void twoDimensionalSymbolsMatchZintsOwnPicture_data()
    {
        QTest::addColumn<int>("symbology");
        QTest::addColumn<int>("zintSymbology");
        QTest::newRow("DataMatrix") << int(TBarcodeSymbology::DataMatrix) << BARCODE_DATAMATRIX;
        QTest::newRow("PDF417") << int(TBarcodeSymbology::Pdf417) << BARCODE_PDF417;
        QTest::newRow("Aztec") << int(TBarcodeSymbology::Aztec) << BARCODE_AZTEC;
    }

    void twoDimensionalSymbolsMatchZintsOwnPicture()
    {
        // zbar reads none of these three, so the drawn modules are compared
        // with the raster picture zint itself makes of the same text.
        QFETCH(int, symbology);
        QFETCH(int, zintSymbology);
        const QByteArray text = QString::fromUtf8("Grüße, Příliš žluťoučký kůň — ça va").toUtf8();
        TGBarcode bar;
        bar.SetSymbology(TBarcodeSymbology(symbology));
        bar.SetText(QString::fromUtf8(text));
        bar.SetQuietZone(0);
        bar.SetBounds(0, 0, 400, 400);
        const QImage ours = render(bar);

        zint_symbol *symbol = ZBarcode_Create();
        symbol->symbology = zintSymbology;
        symbol->input_mode = UNICODE_MODE;
        symbol->eci = 26;
        symbol->show_hrt = 0;
        symbol->scale = 0.5f; // one pixel a module
        QVERIFY(ZBarcode_Encode_and_Buffer(symbol, reinterpret_cast<const unsigned char *>(text.constData()),
                                           int(text.size()), 0) < ZINT_ERROR);
        const int zw = symbol->bitmap_width;
        const int zh = symbol->bitmap_height;
        QImage theirs(zw, zh, QImage::Format_RGB32);
        for (int y = 0; y < zh; ++y)
            for (int x = 0; x < zw; ++x) {
                const unsigned char *px = symbol->bitmap + 3 * (y * zw + x);
                theirs.setPixel(x, y, qRgb(px[0], px[1], px[2]));
            }
        ZBarcode_Delete(symbol);

        const TCodeMatrix &m = bar.Matrix();
        QCOMPARE(zw, m.Columns());
        QCOMPARE(zh, int(std::lround(m.Height())));
        const TGCodeObject::TPlacement p = bar.Place(m, 400, 400, 1.0);
        QVERIFY(p.Module >= 2);
        for (int y = 0; y < zh; ++y)
            for (int x = 0; x < zw; ++x) {
                const bool theirsDark = qGray(theirs.pixel(x, y)) < 128;
                const QPoint centre(int(p.X + (x + 0.5) * p.Module), int(p.Y + (y + 0.5) * p.Module));
                const bool oursDark = qGray(ours.pixel(centre)) < 128;
                QVERIFY2(theirsDark == oursDark, qPrintable(QString("module %1,%2").arg(x).arg(y)));
            }
    }

    void paperGetsOneRectanglePerRunInWholePrinterPixels()
    {
        TGQRCode qr;
        qr.SetContent(TCodeContent::Text);
        qr.SetText("HELLO 123");
        qr.SetBounds(48, 24, 96, 96);
        QByteArray data;
        QBuffer stream(&data);
        TReportFiler filer;
        filer.SetStream(&stream);
        filer.OnPrint = [&](TBaseReport &r) { qr.PrintTo(r, 1.0, 0.5); };
        filer.Execute();
        TReportReader reader;
        QVERIFY(reader.Load(data));
        const int dpi = 600; // the recording resolution: printer pixels one to one
        const QImage page = reader.RenderPage(1, dpi).convertToFormat(QImage::Format_RGB32);
        // The object's inch rectangle on the page.
        const QRect area(QPoint((1.0 + 48 / 96.0) * dpi, (0.5 + 24 / 96.0) * dpi), QSize(dpi, dpi));
        const QImage cell = page.copy(area);
        const TCodeMatrix &m = qr.Matrix();
        // The symbol's corners are dark (finder patterns): its ink box spans
        // exactly the modules, each the same whole number of pixels.
        QRect ink;
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                if (cell.pixel(x, y) == qRgb(0, 0, 0))
                    ink |= QRect(x, y, 1, 1);
        QCOMPARE(ink.width(), ink.height());
        QCOMPARE(ink.width() % m.Columns(), 0);
        const int module = ink.width() / m.Columns();
        for (int r = 0; r < m.Rows(); ++r)
            for (int c = 0; c < m.Columns(); ++c) {
                const QPoint centre(ink.left() + c * module + module / 2,
                                    ink.top() + r * module + module / 2);
                QVERIFY2((cell.pixel(centre) == qRgb(0, 0, 0)) == m.IsDark(r, c),
                         qPrintable(QString("module %1,%2").arg(r).arg(c)));
            }
        // Centred in the object.
        QVERIFY(qAbs(ink.left() - (cell.width() - ink.right() - 1)) <= module);
        // Black and white only: the modules are filled, not smoothed.
        int grey = 0;
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x) {
                const QRgb px = cell.pixel(x, y);
                if (px != qRgb(0, 0, 0) && px != qRgb(255, 255, 255))
                    ++grey;
            }
        QCOMPARE(grey, 0);
        // Nothing outside the object.
        QCOMPARE(page.copy(QRect(0, 0, area.left() - 1, page.height()))
                     .convertToFormat(QImage::Format_Mono)
                     .convertToFormat(QImage::Format_RGB32)
                     .pixel(10, 10),
                 qRgb(255, 255, 255));
    }

    void popupAndPropertiesCommand()
    {
        cw::test::FakeObjectHost host;
        TGQRCode qr;
        qr.SetHost(&host);
        qr.Loaded();
        QVERIFY(TGMenuItem::Find(qr.PopupMenu(), "Properties"));
        TGMenuItem *transparent = TGMenuItem::Find(qr.PopupMenu(), "Transparent");
        QVERIFY(transparent && transparent->Checkable && !transparent->Checked);
        transparent->Action();
        QVERIFY(qr.ControlTransparent());
        QVERIFY(TGMenuItem::Find(qr.PopupMenu(), "Transparent")->Checked);
        // The background colour makes the object opaque again.
        host.colours.enqueue(TColor(0x00FFFF));
        TGMenuItem::Find(qr.PopupMenu(), "Background Color")->Action();
        QCOMPARE(qr.BGColor(), TColor(0x00FFFF));
        QVERIFY(!qr.ControlTransparent());

        ScriptedEditors editors;
        TSpecialEditors::Install(&editors);
        const int changes = host.changes;
        TGMenuItem::Find(qr.PopupMenu(), "Properties")->Action();
        QCOMPARE(editors.codeEdits, 1);
        QCOMPARE(host.changes, changes); // cancelled
        editors.accept = true;
        TGMenuItem::Find(qr.PopupMenu(), "Properties")->Action();
        QVERIFY(host.changes > changes);
        QCOMPARE(qr.Text(), QString("edited"));
        // A double-click opens the same dialog.
        QVERIFY(qr.OnEdit);
        qr.OnEdit(host);
        QCOMPARE(editors.codeEdits, 3);
        TSpecialEditors::Install(nullptr);
    }

    void propertiesDialogEditsACopyAndSavesOnOk()
    {
        cw::ui::TGBusinessCardPanel32 surface;
        surface.setPersonalInfo({"Zoë Müller", "", "", "", "", "", "", "", "", ""});
        auto *bar = static_cast<TGBarcode *>(surface.AddObject(std::make_unique<TGBarcode>()));
        cw::ui::TCodeProperties dialog(*bar);
        QCOMPARE(dialog.KindBox()->count(), 5);
        QCOMPARE(dialog.TextEdit()->toPlainText(), QString("CARDWRIGHT"));
        dialog.KindBox()->setCurrentIndex(int(TBarcodeSymbology::Ean13));
        QVERIFY(!dialog.StatusLabel()->text().isEmpty()); // the refusal is shown
        dialog.TextEdit()->setPlainText("4006381333931");
        QCOMPARE(dialog.StatusLabel()->text(), QString("95 modules wide"));
        dialog.QuietZoneBox()->setValue(7);
        dialog.TransparentBox()->setChecked(true);
        dialog.ForeColorButton()->ChooseIndex(1);
        // The object is untouched until Ok.
        QCOMPARE(bar->Symbology(), TBarcodeSymbology::Code128);
        QCOMPARE(bar->Text(), QString("CARDWRIGHT"));
        dialog.SaveTo(*bar);
        QCOMPARE(bar->Symbology(), TBarcodeSymbology::Ean13);
        QCOMPARE(bar->Text(), QString("4006381333931"));
        QCOMPARE(bar->QuietZone(), 7);
        QVERIFY(bar->ControlTransparent());
        QCOMPARE(bar->ForeColor(), cw::ui::TColorButton::Palette[1]);
        // The contact-card choice previews the surface's personal information.
        dialog.ContentBox()->setCurrentIndex(int(TCodeContent::VCard));
        QVERIFY(!dialog.TextEdit()->isEnabled());
        QVERIFY(dialog.Preview().EncodedText().contains(QString::fromUtf8("FN:Zoë Müller")));

        // Every control explains itself in what's-this mode.
        cw::ui::TQexHelp *help = cw::ui::TQexHelp::Install(&dialog);
        QVERIFY(help);
        int explained = 0;
        for (QWidget *w : dialog.findChildren<QWidget *>()) {
            if (!qobject_cast<QAbstractButton *>(w) && !qobject_cast<QComboBox *>(w) &&
                !qobject_cast<QAbstractSpinBox *>(w) && !qobject_cast<QPlainTextEdit *>(w))
                continue;
            if (w->objectName().startsWith("qt_") ||
                (w->parentWidget() && qobject_cast<QAbstractSpinBox *>(w->parentWidget())))
                continue;
            const auto found = help->Resolve(w);
            QVERIFY2(found && found->Control == w, qPrintable(w->objectName() + " has no help of its own"));
            ++explained;
        }
        QCOMPARE(explained,
                 10); // content, text, symbology, two colours, transparent, quiet zone, three buttons
    }
};

QTEST_MAIN(TestCodes)
#include "tst_codes.moc"
