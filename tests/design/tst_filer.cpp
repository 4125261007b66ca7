// The object filer: the card file bytes of known designs, the stored rule,
// every value encoding both ways, naming, paste, clone and atomic saving.
#include "design/model/EFilerError.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TGLineShape.h"
#include "design/model/TNamedColors.h"
#include "design/model/TObjectRegistry.h"
#include "design/model/TPropertyGroups.h"
#include "design/model/TStreamWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace cw::model;

namespace {

QByteArray h(const char *hexDigits)
{
    return QByteArray::fromHex(hexDigits);
}
QByteArray s(const char *text)
{
    const QByteArray bytes(text);
    return char(bytes.size()) + bytes;
}

// A kind publishing one property of every kind the tables know, so each
// encoding is exercised through the same path real kinds take.
class TAllKinds : public TGGraphicControl
{
public:
    QString Caption;
    double Ratio = 0.0;
    int Alignment = 0;
    TColor Color = clWhite;
    int Count = 0;
    QStringList Items;
    QByteArray Picture;
    QByteArray Glyph;
    int Options = 0;
    int Pointer = 0;

    QString ClassName() const override { return QStringLiteral("TAllKinds"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override { return std::make_unique<TAllKinds>(); }
    const TPropertyTable &Properties() const override
    {
        using T = TAllKinds;
        using K = TPropertyKind;
        static const TPropertyTable table = [] {
            std::vector<TPropertyInfo> own{
                MakeProperty<T>(
                    "Caption", K::String, QString(), [](const T &o) { return o.Caption; },
                    [](T &o, const QVariant &v) { o.Caption = v.toString(); }),
                MakeProperty<T>(
                    "Ratio", K::Float, 0.0, [](const T &o) { return o.Ratio; },
                    [](T &o, const QVariant &v) { o.Ratio = v.toDouble(); }),
                MakeProperty<T>(
                    "Alignment", K::Enumeration, 0, [](const T &o) { return o.Alignment; },
                    [](T &o, const QVariant &v) { o.Alignment = v.toInt(); },
                    {"taLeftJustify", "taRightJustify", "taCenter"}),
                MakeProperty<T>(
                    "Color", K::Colour, uint(clWhite), [](const T &o) { return uint(o.Color); },
                    [](T &o, const QVariant &v) { o.Color = v.toUInt(); }),
                MakeProperty<T>(
                    "Count", K::Integer, {}, [](const T &o) { return o.Count; },
                    [](T &o, const QVariant &v) { o.Count = v.toInt(); }),
            };
            for (auto &p : FontProperties<T>(
                     "Font", [](const T &o) -> const TGFont & { return o.Font(); },
                     [](T &o, const TGFont &f) { o.SetFont(f); }))
                own.push_back(std::move(p));
            own.push_back(MakeProperty<T>(
                "Items", K::StringList, {}, [](const T &o) { return o.Items; },
                [](T &o, const QVariant &v) { o.Items = v.toStringList(); }));
            own.push_back(MakeProperty<T>(
                "Picture.Data", K::Binary, {}, [](const T &o) { return o.Picture; },
                [](T &o, const QVariant &v) { o.Picture = v.toByteArray(); }));
            own.push_back(MakeProperty<T>(
                "Glyph", K::Binary, {}, [](const T &o) { return o.Glyph; },
                [](T &o, const QVariant &v) { o.Glyph = v.toByteArray(); }));
            own.push_back(MakeProperty<T>(
                "Options", K::Set, 0, [](const T &o) { return o.Options; },
                [](T &o, const QVariant &v) { o.Options = v.toInt(); }, {"opFirst", "opSecond", "opThird"}));
            own.push_back(MakeProperty<T>(
                "Pointer", K::Cursor, 0, [](const T &o) { return o.Pointer; },
                [](T &o, const QVariant &v) { o.Pointer = v.toInt(); }));
            return TPropertyTable(&TGGraphicControl::ClassProperties(), std::move(own));
        }();
        return table;
    }
};

TObjectRegistry &testRegistry()
{
    static TObjectRegistry registry = [] {
        TObjectRegistry r;
        r.Register<TAllKinds>();
        return r;
    }();
    return registry;
}

// The record header and base entries of an object at (10, 20), 100 x 50.
QByteArray baseRecord(const char *className, const char *name)
{
    return "TPF0" + s(className) + s(name) + s("Left") + h("020A") + s("Top") + h("0214") + s("Width") +
           h("0264") + s("Height") + h("0232") + s("Locked") + h("08") + s("Unselectable") + h("08");
}

std::unique_ptr<TBCShapes> ellipse()
{
    auto shape = std::make_unique<TBCShapes>();
    shape->Name = QStringLiteral("Special1");
    shape->SetBounds(10, 20, 100, 50);
    shape->SetShape(stEllipse);
    return shape;
}

QByteArray recordOf(const TGGraphicControl &object)
{
    TStreamWriter w;
    TGLabelObjectFiler::WriteRecord(w, object);
    return w.data();
}

QByteArray listOf(const TGLabelObjectFiler::ObjectList &objects)
{
    return TGLabelObjectFiler::ObjectListBytes(TGLabelObjectFiler::Refs(objects));
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestFiler : public QObject
{
    Q_OBJECT

private slots:
    void emptyCardIsListStartAndEnd()
    {
        QCOMPARE(TGLabelObjectFiler::ObjectListBytes({}), h("0100"));
        QVERIFY(TGLabelObjectFiler().ReadObjectList(h("0100")).empty());
    }

    void ellipseRecordByteForByte()
    {
        const QByteArray expected = baseRecord("TBCShapes", "Special1") + s("Transparent") + h("08") +
                                    s("Shape") + h("07") + s("stEllipse") + h("0000");
        QCOMPARE(recordOf(*ellipse()), expected);
        QCOMPARE(TGLabelObjectFiler::ObjectListBytes({ellipse().get()}), h("01") + expected + h("00"));
    }

    void integersTakeTheSmallestTag()
    {
        auto line = std::make_unique<TGLineShape>();
        line->SetBounds(-128, 127, 200, 70000);
        const QByteArray bytes = recordOf(*line);
        QVERIFY(bytes.contains(s("Left") + h("0280")));
        QVERIFY(bytes.contains(s("Top") + h("027F")));
        QVERIFY(bytes.contains(s("Width") + h("03C800")));
        QVERIFY(bytes.contains(s("Height") + h("0470110100")));
        line->SetBounds(-129, 32768, 1, 1);
        const QByteArray wider = recordOf(*line);
        QVERIFY(wider.contains(s("Left") + h("037FFF")));
        QVERIFY(wider.contains(s("Top") + h("0400800000")));
    }

    void coloursByNameOrNumber()
    {
        auto shape = std::make_unique<TBCShapes>();
        TGPen pen;
        pen.Color = 0x0000FF;
        shape->SetPen(pen);
        QVERIFY(recordOf(*shape).contains(s("Pen.Color") + h("07") + s("clRed")));
        pen.Color = 0x0000FE;
        shape->SetPen(pen);
        QVERIFY(recordOf(*shape).contains(s("Pen.Color") + h("03FE00")));
        pen.Color = clSystemBase + 15;
        shape->SetPen(pen);
        QVERIFY(recordOf(*shape).contains(s("Pen.Color") + h("07") + s("clBtnFace")));
        // Beyond the 25 system colours the bit pattern is kept as an integer.
        pen.Color = clSystemBase + 40;
        shape->SetPen(pen);
        QVERIFY(recordOf(*shape).contains(s("Pen.Color") + h("0428000080")));
    }

    void readerTakesBothColourForms()
    {
        const QByteArray list = h("01") + baseRecord("TGLineShape", "L") + s("Pen.Color") + h("07") +
                                s("CLRED") + h("0000") + baseRecord("TGLineShape", "M") + s("Pen.Color") +
                                h("02FF") + h("0000") + baseRecord("TGLineShape", "N") + s("Pen.Color") +
                                h("07") + s("clInfoBk") + h("0000") + h("00");
        const auto objects = TGLabelObjectFiler().ReadObjectList(list);
        QCOMPARE(objects.size(), std::size_t(3));
        QCOMPARE(static_cast<TGLineShape &>(*objects[0]).Pen().Color, clRed);
        QCOMPARE(static_cast<TGLineShape &>(*objects[1]).Pen().Color, TColor(0xFFFFFFFF));
        QCOMPARE(static_cast<TGLineShape &>(*objects[2]).Pen().Color, clSystemBase + 24);
    }

    void stringsOf255And256Bytes()
    {
        TAllKinds o;
        o.Caption = QString(255, QChar('a'));
        QVERIFY(recordOf(o).contains(s("Caption") + h("06FF") + QByteArray(255, 'a')));
        o.Caption = QString(256, QChar('a'));
        QVERIFY(recordOf(o).contains(s("Caption") + h("0C00010000") + QByteArray(256, 'a')));
        o.Caption = QStringLiteral("Łódź");
        QVERIFY(recordOf(o).contains(s("Caption") + h("1204000000") +
                                     QByteArray("\x41\x01\xf3\x00\x64\x00\x7a\x01", 8)));
    }

    void storedRuleLeavesDefaultsOut()
    {
        TAllKinds o;
        o.Tag = 7;
        o.Hint = QStringLiteral("never written");
        o.Cursor = -21;
        QStringList names;
        for (const TFilerEntry &e : TGLabelObjectFiler::StoredEntries(o))
            names.append(e.Name);
        // No default: Left … Unselectable, Count, and the font's colour,
        // height and style (always written, the style even when empty).
        QCOMPARE(names, QStringList({"Left", "Top", "Width", "Height", "Locked", "Unselectable", "Count",
                                     "Font.Color", "Font.Height", "Font.Name", "Font.Style"}));
        const QByteArray bytes = recordOf(o);
        QVERIFY(bytes.contains(s("Font.Style") + h("0B00")));
        QVERIFY(!bytes.contains("Hint"));
    }

    void everyEncodingRoundTrips()
    {
        TAllKinds o;
        o.Name = QStringLiteral("Component0");
        o.SetBounds(-3, 400, 70000, 2);
        o.SetLocked(true);
        o.Caption = QStringLiteral("Café € ✓");
        o.Ratio = -12.75;
        o.Alignment = 2;
        o.Color = 0x123456;
        o.Count = -2147483647 - 1;
        TGFont font;
        font.Name = QStringLiteral("Times New Roman");
        font.Height = -27;
        font.Color = clNone;
        font.Pitch = fpFixed;
        font.Style = fsBold | fsStrikeOut;
        o.SetFont(font);
        o.Items = {QStringLiteral("one"), QString(), QString(300, QChar('x'))};
        o.Picture = h("0754426974") + QByteArray(5000, '\x7f');
        o.Glyph = h("0400000042") + QByteArray(3, '\0');
        o.Options = 0b101;
        o.Pointer = -21;

        const QByteArray first = recordOf(o);
        QVERIFY(first.contains(s("Options") + h("0B") + s("opFirst") + s("opThird") + h("00")));
        QVERIFY(first.contains(s("Pointer") + h("07") + s("crHandPoint")));
        QVERIFY(first.contains(s("Alignment") + h("07") + s("taCenter")));
        QVERIFY(first.contains(s("Glyph.Data") + h("0A08000000")));
        QVERIFY(first.contains(s("Items.Strings") + h("01") + h("06") + s("one") + h("0600")));
        QVERIFY(first.contains(s("Font.Pitch") + h("07") + s("fpFixed")));

        TGLabelObjectFiler filer({}, &testRegistry());
        const auto back = filer.ReadObjectList(h("01") + first + h("00"));
        QCOMPARE(back.size(), std::size_t(1));
        const auto &r = static_cast<const TAllKinds &>(*back[0]);
        QCOMPARE(r.Caption, o.Caption);
        QCOMPARE(r.Ratio, o.Ratio);
        QCOMPARE(r.Items, o.Items);
        QCOMPARE(r.Font(), o.Font());
        QCOMPARE(r.Options, o.Options);
        QCOMPARE(r.Pointer, o.Pointer);
        QCOMPARE(r.Count, o.Count);
        QCOMPARE(r.BoundsRect(), o.BoundsRect());
        QVERIFY(r.Locked());
        QVERIFY(!r.Loading());
        QCOMPARE(recordOf(r), first);
    }

    void shapesAndLinesRoundTrip()
    {
        TGLabelObjectFiler::ObjectList objects;
        auto shape = std::make_unique<TGLabelShapes>();
        shape->SetBounds(1, 2, 300, 40);
        shape->SetShape(stRoundSquare);
        shape->SetRoundPerc(60);
        shape->SetBrush(TGBrush{0x00FF00, bsDiagCross});
        shape->SetPen(TGPen{0x808000, pmNotXor, psDashDotDot, 9});
        shape->SetUnselectable(true);
        objects.push_back(std::move(shape));
        auto line = std::make_unique<TGLineShape>();
        line->SetBounds(5, 6, 7, 8);
        line->SetLineStyle(stAngleSlopingDown);
        line->SetPen(TGPen{clSystemBase + 5, pmXor, psClear, 0});
        objects.push_back(std::move(line));
        auto transparent = ellipse();
        transparent->SetTransparent(true);
        objects.push_back(std::move(transparent));
        for (std::size_t i = 0; i < objects.size(); ++i)
            objects[i]->Name = QStringLiteral("Component%1").arg(i);

        const QByteArray first = listOf(objects);
        const auto back = TGLabelObjectFiler().ReadObjectList(first);
        QCOMPARE(back.size(), objects.size());
        QCOMPARE(back[0]->ClassName(), QStringLiteral("TGLabelShapes"));
        QCOMPARE(static_cast<TGLabelShapes &>(*back[0]).Pen().Mode, pmNotXor);
        QCOMPARE(static_cast<TGLineShape &>(*back[1]).LineStyle(), stAngleSlopingDown);
        QVERIFY(static_cast<TGLabelShapes &>(*back[2]).Transparent());
        QCOMPARE(listOf(back), first);
    }

    void storedBrushStyleWinsOverTransparent()
    {
        const QByteArray list = h("01") + baseRecord("TBCShapes", "X") + s("Transparent") + h("09") +
                                s("Brush.Style") + h("07") + s("bsHorizontal") + h("000000");
        const auto objects = TGLabelObjectFiler().ReadObjectList(list);
        const auto &shape = static_cast<const TGLabelShapes &>(*objects.at(0));
        QVERIFY(shape.Transparent());
        QCOMPARE(shape.Brush().Style, bsHorizontal);
    }

    void readerAcceptsWhatTheWriterLeavesOut()
    {
        // Tag, Cursor (by name or number), Hint and handler references are read.
        const QByteArray list = h("01") + baseRecord("TGLineShape", "X") + s("Tag") + h("0405000100") +
                                s("Cursor") + h("07") + s("crHandPoint") + s("Hint") + h("06") + s("tip") +
                                s("OnClick") + h("07") + s("LineClick") + h("000000");
        const auto objects = TGLabelObjectFiler().ReadObjectList(list);
        QCOMPARE(objects.at(0)->Tag, 0x10005);
        QCOMPARE(objects.at(0)->Cursor, -21);
        QCOMPARE(objects.at(0)->Hint, QStringLiteral("tip"));
        QCOMPARE(TGLabelObjectFiler::ObjectListBytes({objects.at(0).get()}).indexOf("Hint"), -1);

        // A record with the optional prefix (inherited, child position 3).
        QByteArray prefixed = baseRecord("TGLineShape", "Y");
        prefixed.insert(4, h("F30203"));
        const auto more = TGLabelObjectFiler().ReadObjectList(h("01") + prefixed + h("000000"));
        QCOMPARE(more.at(0)->BoundsRect(), QRect(10, 20, 100, 50));
    }

    void everyColourIdentifierBothWays()
    {
        const QStringList idents = TNamedColors::Idents();
        QCOMPARE(idents.size(), 17 + 25);
        QCOMPARE(idents.at(17), QStringLiteral("clScrollBar"));
        QCOMPARE(idents.last(), QStringLiteral("clInfoBk"));
        for (const QString &ident : idents) {
            const std::optional<TColor> color = TNamedColors::FromIdent(ident);
            QVERIFY2(color, qPrintable(ident));
            QCOMPARE(TNamedColors::ToIdent(*color), std::optional<QString>(ident));
            TAllKinds o;
            o.Color = *color;
            if (*color != clWhite) // the declared default has no entry
                QVERIFY(recordOf(o).contains(s("Color") + h("07") + char(ident.size()) + ident.toLatin1()));
        }
        QCOMPARE(TNamedColors::FromIdent("clSystemColor"), std::nullopt);
        QCOMPARE(*TNamedColors::FromIdent("clHighlight"), clSystemBase + 13);
    }

    void namesAreTheSmallestFreeComponentNumber()
    {
        const QStringList taken{"Component0", "component2"};
        TGLabelObjectFiler filer([&](const QString &n) { return taken.contains(n, Qt::CaseInsensitive); });
        const auto objects = filer.ReadObjectList(
            TGLabelObjectFiler::ObjectListBytes({ellipse().get(), ellipse().get(), ellipse().get()}));
        QCOMPARE(objects.at(0)->Name, QStringLiteral("Component1"));
        QCOMPARE(objects.at(1)->Name, QStringLiteral("Component3"));
        QCOMPARE(objects.at(2)->Name, QStringLiteral("Component4"));

        TGLabelObjectFiler full([](const QString &) { return true; });
        QCOMPARE(full.ComponentName(QStringLiteral("Special1")), QStringLiteral("Special1"));
        TGLabelObjectFiler lastFree([](const QString &n) { return n != QLatin1String("Component1000"); });
        QCOMPARE(lastFree.ComponentName(QStringLiteral("x")), QStringLiteral("Component1000"));
    }

    void pasteTwiceOffsetsFromTheStoredPositions()
    {
        QTemporaryDir dir;
        const QString clip = dir.filePath("Clipbrd.tmp");
        auto line = std::make_unique<TGLineShape>();
        line->SetBounds(40, 50, 10, 60);
        TGLabelObjectFiler::WriteSelection({ellipse().get(), line.get()}, clip);

        TGLabelObjectFiler::ObjectList card;
        auto inUse = [&](const QString &n) {
            return std::any_of(card.begin(), card.end(), [&](const auto &o) { return o->Name == n; });
        };
        TGLabelObjectFiler(inUse).PasteObjects(clip, card);
        TGLabelObjectFiler(inUse).PasteObjects(clip, card);
        QCOMPARE(card.size(), std::size_t(4));
        QStringList names;
        for (const auto &o : card)
            names.append(o->Name);
        QCOMPARE(names, QStringList({"Component0", "Component1", "Component2", "Component3"}));
        QCOMPARE(card[0]->BoundsRect(), QRect(25, 35, 100, 50));
        QCOMPARE(card[2]->BoundsRect(), QRect(25, 35, 100, 50));
        QCOMPARE(card[1]->BoundsRect(), QRect(55, 65, 10, 60));
        QCOMPARE(card[3]->BoundsRect(), QRect(55, 65, 10, 60));
    }

    void cloneKeepsPositionPropertiesAndZoom()
    {
        auto shape = ellipse();
        shape->SetPen(TGPen{clRed, pmCopy, psDot, 4});
        shape->SetZoom(1.5f);
        const QRect zoomed = shape->BoundsRect();
        TGLabelObjectFiler filer([](const QString &n) { return n == QLatin1String("Component0"); });
        const auto copy = filer.CloneObject(*shape);
        QCOMPARE(copy->ClassName(), QStringLiteral("TBCShapes"));
        QCOMPARE(copy->Name, QStringLiteral("Component1"));
        QCOMPARE(copy->Zoom(), 1.5f);
        QCOMPARE(copy->BoundsRect(), zoomed);
        QCOMPARE(static_cast<TGLabelShapes &>(*copy).Pen(), shape->Pen());
        QCOMPARE(static_cast<TGLabelShapes &>(*copy).Shape(), stEllipse);
        QVERIFY(!copy->Loading());
    }

    void filesAreWrittenWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("card.cwr");
        TGLabelObjectFiler::WriteOneObject(*ellipse(), path);
        const QByteArray good = fileBytes(path);
        QCOMPARE(good, TGLabelObjectFiler::ObjectListBytes({ellipse().get()}));

        // A value the format cannot hold fails before the file is touched.
        auto bad = ellipse();
        bad->Name = QString(300, QChar('n'));
        QVERIFY_THROWS_EXCEPTION(EWriteError,
                                 TGLabelObjectFiler::WriteObjects({ellipse().get(), bad.get()}, path));
        QCOMPARE(fileBytes(path), good);

        QVERIFY_THROWS_EXCEPTION(
            cw::EInOutError, TGLabelObjectFiler::WriteObjects({}, dir.filePath("no/such/folder/card.cwr")));

        // An empty selection writes nothing at all; a missing file reads nothing.
        TGLabelObjectFiler::WriteSelection({}, dir.filePath("Clipbrd.tmp"));
        QVERIFY(!QFile::exists(dir.filePath("Clipbrd.tmp")));
        QVERIFY(TGLabelObjectFiler().ReadObjects(dir.filePath("Clipbrd.tmp")).empty());
    }

    void everyRegisteredKindRoundTrips()
    {
        // Each kind as created, and moved so every base entry differs.
        TGLabelObjectFiler::ObjectList objects;
        for (const QString &name : TObjectRegistry::Global().ClassNames()) {
            auto object = TObjectRegistry::Global().Create(name);
            QVERIFY(object);
            QCOMPARE(object->ClassName(), name);
            object->Loaded();
            object->SetBounds(3, -4, 150, 60);
            objects.push_back(std::move(object));
        }
        for (std::size_t i = 0; i < objects.size(); ++i)
            objects[i]->Name = QStringLiteral("Component%1").arg(i);
        // Kinds that size themselves to their content may do so once read;
        // from then on writing and reading is a fixed point.
        const auto back = TGLabelObjectFiler().ReadObjectList(listOf(objects));
        QCOMPARE(back.size(), objects.size());
        const QByteArray second = listOf(back);
        const auto again = TGLabelObjectFiler().ReadObjectList(second);
        for (std::size_t i = 0; i < back.size(); ++i) {
            QCOMPARE(back[i]->ClassName(), objects[i]->ClassName());
            QCOMPARE(recordOf(*again[i]), recordOf(*back[i]));
        }
        QCOMPARE(listOf(again), second);
    }

    void registryFindsKindsByName()
    {
        TObjectRegistry registry;
        QCOMPARE(registry.ClassNames().mid(0, 3), QStringList({"TGLineShape", "TGLabelShapes", "TBCShapes"}));
        QCOMPARE(registry.Create("tbcshapes")->ClassName(), QStringLiteral("TBCShapes"));
        QVERIFY(!registry.Create("TGWidget"));
        registry.Register<TAllKinds>();
        QVERIFY(registry.Contains("TAllKinds"));
        QVERIFY(!TObjectRegistry::Global().Contains("TAllKinds"));
    }
};

QTEST_MAIN(TestFiler)
#include "tst_filer.moc"
