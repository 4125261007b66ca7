// cardwright-cli run as a user runs it: listings, raw dumps, round trips,
// rendering and failures with their exit codes and one-line messages.
#include "design/model/TBCShapes.h"
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TGLineShape.h"
#include "design/model/TObjectRegistry.h"
#include "support/FileSizeLimit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace cw::model;

namespace {

struct Result
{
    int code = -1;
    QString out;
    QString err;
};

QByteArray h(const char *hexDigits)
{
    return QByteArray::fromHex(hexDigits);
}
QByteArray s(const char *text)
{
    const QByteArray bytes(text);
    return char(bytes.size()) + bytes;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A red ellipse at (10, 20), 100 x 50, and a 3-pixel vertical line.
TGLabelObjectFiler::ObjectList sampleCard(const QString &firstName, const QString &secondName)
{
    TGLabelObjectFiler::ObjectList objects;
    auto shape = std::make_unique<TBCShapes>();
    shape->Name = firstName;
    shape->SetBounds(10, 20, 100, 50);
    shape->SetShape(stEllipse);
    shape->SetBrush(TGBrush{clRed, bsSolid});
    objects.push_back(std::move(shape));
    auto line = std::make_unique<TGLineShape>();
    line->Name = secondName;
    line->SetBounds(200, 0, 10, 192);
    line->SetLineStyle(stVertical);
    line->SetPen(TGPen{0xFE, pmCopy, psSolid, 3});
    objects.push_back(std::move(line));
    return objects;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    QString m_program;
    QTemporaryDir m_dir;

    Result run(const QStringList &args)
    {
        QProcess process;
        process.start(m_program, QStringList{"--folder", m_dir.path()} + args);
        Result r;
        if (!process.waitForFinished(60000))
            return r;
        r.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        r.out = QString::fromUtf8(process.readAllStandardOutput());
        r.err = QString::fromUtf8(process.readAllStandardError());
        return r;
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString writeCard(const QString &name, const QString &first, const QString &second)
    {
        const auto objects = sampleCard(first, second);
        TGLabelObjectFiler::WriteObjects(TGLabelObjectFiler::Refs(objects), path(name));
        return path(name);
    }

private slots:
    void initTestCase()
    {
        m_program = QCoreApplication::applicationDirPath() + "/../cardwright-cli";
        QVERIFY2(QFile::exists(m_program), "build the cardwright-cli target first");
    }

    void dumpListsWhatTheWriterStores()
    {
        const Result r = run({"dump", writeCard("card.cwr", "Special1", "Special2")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("objects: 2\n"
                                       "TBCShapes 10,20,100,50\n"
                                       "  Left = 10\n  Top = 20\n  Width = 100\n  Height = 50\n"
                                       "  Locked = False\n  Unselectable = False\n  Transparent = False\n"
                                       "  Brush.Color = clRed\n  Shape = stEllipse\n"
                                       "TGLineShape 200,0,10,192\n"
                                       "  Left = 200\n  Top = 0\n  Width = 10\n  Height = 192\n"
                                       "  Locked = False\n  Unselectable = False\n  LineStyle = stVertical\n"
                                       "  Pen.Color = 254\n  Pen.Width = 3\n"));
        QCOMPARE(r.err, QString());
    }

    void dumpShowsSetsAndStringLists()
    {
        std::unique_ptr<TGGraphicControl> label = TObjectRegistry::Global().Create("TGMultiLineLabel");
        QVERIFY(label);
        label->Loaded();
        TGLabelObjectFiler::SetEntry(*label, "Font.Style", TStreamValue::set({"fsBold", "fsItalic"}));
        TGLabelObjectFiler::SetEntry(
            *label, "Items.Strings",
            TStreamValue::list(
                {TStreamValue::string("one"), TStreamValue::string(""), TStreamValue::string("three")}));
        TGLabelObjectFiler::WriteOneObject(*label, path("lines.cwr"));
        const Result r = run({"dump", path("lines.cwr")});
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.startsWith("objects: 1\nTGMultiLineLabel "));
        QVERIFY(r.out.contains("\n  Font.Style = [fsBold,fsItalic]\n"));
        QVERIFY(r.out.contains("\n  Items.Strings = [3 items]\n    one\n    \n    three\n"));
    }

    void rawDumpShowsTagsOfAnyStream()
    {
        // One record without the list around it, with a set, a string list,
        // a float, a binary block and a wide string.
        const QByteArray record =
            "TPF0" + s("TGPLabel") + s("Special1") + s("Left") + h("020A") + s("Font.Style") + h("0B") +
            s("fsBold") + s("fsItalic") + h("00") + s("Items.Strings") + h("01") + h("06") + s("one") +
            h("0C03000000") + "two" + h("00") + s("Angle") + h("05") + h("00000000000000 80 FF3F") +
            s("Picture.Data") + h("0A03000000010203") + s("Caption") + h("120100000041 01") + h("0000");
        writeBytes(path("raw.bin"), record + record);
        const Result r = run({"dump", "--raw", path("raw.bin")});
        QCOMPARE(r.code, 0);
        const QString one = QStringLiteral("record TGPLabel \"Special1\"\n"
                                           "  Left: Int8 10\n"
                                           "  Font.Style: Set [fsBold,fsItalic]\n"
                                           "  Items.Strings: List\n"
                                           "    String \"one\"\n"
                                           "    LString \"two\"\n"
                                           "  end\n"
                                           "  Angle: Extended 1\n"
                                           "  Picture.Data: Binary <3 bytes> 01 02 03\n"
                                           "  Caption: WString \"Ł\"\n"
                                           "end\n");
        QCOMPARE(r.out, one + one);

        const Result list = run({"dump", "--raw", writeCard("list.cwr", "Special1", "Special2")});
        QCOMPARE(list.code, 0);
        QVERIFY(list.out.startsWith("list\n  record TBCShapes \"Special1\"\n    Left: Int8 10\n"));
        QVERIFY(list.out.contains("    Shape: Ident stEllipse\n"));
        QVERIFY(list.out.contains("    Height: Int16 192\n"));
        QVERIFY(list.out.endsWith("  end\nend\n"));
    }

    void rawDumpShowsChildRecordsNested()
    {
        // A form of another program: its controls are child records, which
        // carry no "TPF0" of their own; one has a child-position prefix.
        const QByteArray button =
            h("F20203") + s("TButton") + s("Button1") + s("Left") + h("0201") + h("00") + h("00");
        const QByteArray panel =
            s("TPanel") + s("Panel1") + s("Caption") + h("06") + s("OK") + h("00") + button + h("00");
        const QByteArray form = "TPF0" + s("TForm1") + s("Form1") + s("Left") + h("020A") + h("00") + panel +
                                s("TLabel") + s("Label1") + h("00") + h("00") + h("00");
        writeBytes(path("form.bin"), form);
        const Result r = run({"dump", "--raw", path("form.bin")});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("record TForm1 \"Form1\"\n"
                                       "  Left: Int8 10\n"
                                       "  record TPanel \"Panel1\"\n"
                                       "    Caption: String \"OK\"\n"
                                       "    record TButton \"Button1\"\n"
                                       "      prefix flags=2 position=3\n"
                                       "      Left: Int8 1\n"
                                       "    end\n"
                                       "  end\n"
                                       "  record TLabel \"Label1\"\n"
                                       "  end\n"
                                       "end\n"));

        // In an object list too; a card file with such a record is still refused.
        const QByteArray shape = "TPF0" + s("TBCShapes") + s("S") + h("00") + s("TBCShapes") + s("C") +
                                 h("00") + h("00") + h("00");
        writeBytes(path("children.cwr"), h("01") + shape + h("00"));
        const Result list = run({"dump", "--raw", path("children.cwr")});
        QCOMPARE(list.code, 0);
        QCOMPARE(list.out, QStringLiteral("list\n  record TBCShapes \"S\"\n    record TBCShapes \"C\"\n"
                                          "    end\n  end\nend\n"));
        const Result card = run({"dump", path("children.cwr")});
        QCOMPARE(card.code, 1);
        QCOMPARE(card.err, QString("Invalid stream format\n"));
    }

    void roundTripIsAFixedPoint()
    {
        const QString named = writeCard("named.cwr", "Component0", "Component1");
        QCOMPARE(run({"roundtrip", named, path("named-out.cwr")}).code, 0);
        QCOMPARE(fileBytes(path("named-out.cwr")), fileBytes(named));

        const QString drawn = writeCard("drawn.cwr", "Special7", "Special3");
        QCOMPARE(run({"roundtrip", drawn, path("once.cwr")}).code, 0);
        QCOMPARE(run({"roundtrip", path("once.cwr"), path("twice.cwr")}).code, 0);
        QVERIFY(fileBytes(path("once.cwr")) != fileBytes(drawn));
        QCOMPARE(fileBytes(path("twice.cwr")), fileBytes(path("once.cwr")));
    }

    void renderDrawsTheCardAtItsLayoutSize()
    {
        const QString card = writeCard("render.cwr", "Special1", "Special2");
        QCOMPARE(run({"render", card, path("card.png")}).code, 0);
        QImage image(path("card.png"));
        QCOMPARE(image.size(), QSize(336, 192));
        QCOMPARE(image.pixelColor(60, 45), QColor(Qt::red));
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(image.pixelColor(201, 100), QColor(0xFE, 0, 0));

        QCOMPARE(run({"render", card, path("zoom.bmp"), "--zoom", "2", "--border"}).code, 0);
        image = QImage(path("zoom.bmp"));
        QCOMPARE(image.size(), QSize(672, 384));
        QCOMPARE(image.pixelColor(120, 90), QColor(Qt::red));
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(image.pixelColor(671, 383), QColor(Qt::black));
        QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));

        // At 600 dpi: 3.5 x 2 inches of 600 pixels, the same card, the
        // resolution in the file, the border one screen pixel wide.
        QCOMPARE(run({"render", card, path("fine.png"), "--dpi", "600", "--border"}).code, 0);
        image = QImage(path("fine.png"));
        QCOMPARE(image.size(), QSize(2100, 1200));
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 600);
        QCOMPARE(image.pixelColor(qRound(60 * 6.25), qRound(45 * 6.25)), QColor(Qt::red));
        QCOMPARE(image.pixelColor(5, 600), QColor(Qt::black));
        QCOMPARE(image.pixelColor(7, 600), QColor(Qt::white));

        // The layout of the settings file sets the size: 2 x 3.5 inches.
        writeBytes(path("CWR.INI"), "[Layout]\r\nHeight=3500\r\nWidth=2000\r\n");
        QCOMPARE(run({"render", card, path("tall.jpg")}).code, 0);
        QCOMPARE(QImage(path("tall.jpg")).size(), QSize(192, 336));
        QFile::remove(path("CWR.INI"));
    }

    // A disk that fills up while the picture is written: the message, the
    // picture that was there untouched, no temporary file left.
    void renderOnAFullDiskKeepsTheOldPicture()
    {
        const QString card = writeCard("full.cwr", "Special1", "Special2");
        const QString out = path("full.bmp");
        writeBytes(out, "the old picture");
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
        Result r;
        {
            // The program inherits the limit: a 336 x 192 bitmap is far bigger.
            cw::test::FileSizeLimit limit(4096);
            QVERIFY(limit.active());
            r = run({"render", card, out});
        }
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.startsWith(QStringLiteral("Cannot write ") + out), qPrintable(r.err));
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("the old picture"));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), before);
    }

    void pictureInfoNamesKindAndSize()
    {
        QImage bitmap(30, 20, QImage::Format_RGB32);
        bitmap.fill(Qt::blue);
        QVERIFY(bitmap.save(path("pic.bmp"), "BMP"));
        Result r = run({"picture-info", path("pic.bmp")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("kind: bitmap\nwidth: 30\nheight: 20\n"));

        // A placeable Windows metafile of 200 x 100 units at 96 per inch:
        // header with its XOR checksum, metafile header, end record.
        QByteArray wmf = h("D7CDC69A 0000 0000 0000 C800 6400 6000 00000000");
        quint16 checksum = 0;
        for (int i = 0; i < 20; i += 2)
            checksum ^= quint16(uchar(wmf[i]) | uchar(wmf[i + 1]) << 8);
        wmf += char(checksum & 0xFF);
        wmf += char(checksum >> 8);
        wmf += h("0100 0900 0003 0C000000 0000 03000000 0000") + h("03000000 0000");
        writeBytes(path("pic.wmf"), wmf);
        r = run({"picture-info", path("pic.wmf")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("kind: metafile\nwidth: 200\nheight: 100\n"));

        writeBytes(path("broken.bmp"), "BM not really");
        r = run({"picture-info", path("broken.bmp")});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err.count(u'\n'), 1);
    }

    void failuresExitWithOneLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("damaged") << QStringList{"dump", "bad.cwr"} << "Invalid stream format";
        QTest::newRow("damaged raw") << QStringList{"dump", "--raw", "bad.cwr"} << "Invalid stream format";
        QTest::newRow("unknown kind")
            << QStringList{"roundtrip", "alien.cwr", "out.cwr"} << "Class TAlien not found";
        QTest::newRow("missing") << QStringList{"dump", "missing.cwr"} << "Cannot open file %1missing.cwr";
        QTest::newRow("picture type") << QStringList{"render", "alien.cwr", "x.gif"}
                                      << "Unknown picture type %1x.gif: use .png, .bmp, .jpg or .svg";
        QTest::newRow("zoom") << QStringList{"render", "alien.cwr", "x.png", "--zoom", "0"}
                              << "Invalid zoom 0: give a factor above 0 and at most 10";
        QTest::newRow("dpi") << QStringList{"render", "alien.cwr", "x.png", "--dpi", "5000"}
                             << "Invalid resolution 5000: give dots per inch from 24 to 1200";
        QTest::newRow("dpi and zoom")
            << QStringList{"render", "alien.cwr", "x.png", "--dpi", "300", "--zoom", "2"}
            << "Give --zoom or --dpi, not both";
    }
    void failuresExitWithOneLine()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        writeBytes(path("bad.cwr"), h("01") + "TPF1" + h("0000"));
        writeBytes(path("alien.cwr"), h("01") + "TPF0" + s("TAlien") + s("X") + h("000000"));
        for (QString &a : args)
            if (a.endsWith(".cwr") || a.startsWith("x."))
                a = path(a);
        const Result r = run(args);
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, QString());
        if (message.contains("%1"))
            message = message.arg(m_dir.path() + "/");
        QCOMPARE(r.err, message + "\n");
        QVERIFY(!QFile::exists(path("out.cwr")));
    }

    void usageOnUnknownCommand()
    {
        const Result r = run({"print", "card.cwr"});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.startsWith("usage: cardwright-cli"));
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
