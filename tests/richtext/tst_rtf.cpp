// The RTF reader and writer: documents as WordPad and LibreOffice write them,
// write → read → write identity, every character round-trips (Windows-1252,
// other scripts, emoji as surrogate pairs), \uc fallbacks, skipped
// destinations, and damaged or hostile input that must never crash.
#include "richtext/model/TRichTextControl.h"
#include "richtext/model/TRtfReader.h"
#include "richtext/model/TRtfWriter.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

using namespace cw::richtext;

namespace {

// A short document the way WordPad writes it.
const QByteArray WordPad =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}"
    "{\\f1\\fswiss\\fprq2\\fcharset0 Arial;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\sa200\\sl276\\slmult1\\qc\\cf1\\b\\f1\\fs32\\lang9 Hello\\cf0\\b0 , \\i world\\i0\\par\r\n"
    "\\pard\\sa200\\sl276\\slmult1\\cf2\\ul\\f0\\fs22 Caf\\'e9 \\u8364?\\ulnone\\tab x\\line y\\par\r\n"
    "}\r\n";

// The same kind of text as LibreOffice Writer writes it.
const QByteArray LibreOffice =
    "{\\rtf1\\ansi\\deff3\\adeflang1025\r\n"
    "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f1\\froman\\fprq2\\fcharset2 Symbol;}"
    "{\\f3\\fswiss\\fprq2\\fcharset204 Liberation Sans{\\*\\falt Arial};}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green128\\blue0;}\r\n"
    "{\\stylesheet{\\s0\\snext0\\hich\\af3\\dbch\\af4\\afs24\\loch\\f3\\fs24 Normal;}}\r\n"
    "{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64 "
    "LibreOffice_project/40$Build-2}{\\info{\\creatim\\yr2023}}"
    "\\deftab709\r\n"
    "{\\*\\pgdsctbl\r\n{\\pgdsc0\\pgdscuse451\\pgwsxn11906\\pghsxn16838 Default Page Style;}}\r\n"
    "\\pard\\plain \\s0\\qr{\\cf2\\strike\\fs28\\loch\\f3 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}\r\n"
    "\\par \\pard\\plain \\s0\\qj{\\loch\\f3 Second \\u-10179\\'3f\\u-8704\\'3f}\r\n"
    "\\par }";

std::unique_ptr<QTextDocument> read(const QByteArray &rtf)
{
    auto doc = std::make_unique<QTextDocument>();
    TRtfReader::Read(rtf, *doc);
    return doc;
}

QTextCharFormat formatAt(const QTextDocument &doc, int block, const QString &text)
{
    const QTextBlock b = doc.findBlockByNumber(block);
    for (auto it = b.begin(); !it.atEnd(); ++it)
        if (it.fragment().text().contains(text))
            return it.fragment().charFormat();
    return {};
}

QByteArray roundTrip(const QByteArray &rtf)
{
    QTextDocument doc;
    TRtfReader::Read(rtf, doc);
    return TRtfWriter::Write(doc);
}

} // namespace

class TestRtf : public QObject
{
    Q_OBJECT
private slots:
    void readsWordPad()
    {
        const auto doc = read(WordPad);
        QCOMPARE(doc->blockCount(), 2);
        QCOMPARE(doc->findBlockByNumber(0).text(), QString("Hello, world"));
        QCOMPARE(doc->findBlockByNumber(1).text(), QString::fromUtf8("Café €\tx\u2028y"));
        QCOMPARE(doc->findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        const QTextCharFormat hello = formatAt(*doc, 0, "Hello");
        QCOMPARE(hello.fontFamilies().toStringList().value(0), QString("Arial"));
        QCOMPARE(hello.fontPointSize(), 16.0);
        QCOMPARE(hello.fontWeight(), int(QFont::Bold));
        QCOMPARE(hello.foreground().color(), QColor(255, 0, 0));
        const QTextCharFormat comma = formatAt(*doc, 0, ", ");
        QCOMPARE(comma.fontWeight(), int(QFont::Normal));
        QVERIFY(!comma.hasProperty(QTextFormat::ForegroundBrush));
        QVERIFY(formatAt(*doc, 0, "world").fontItalic());
        const QTextCharFormat cafe = formatAt(*doc, 1, "Caf");
        QVERIFY(cafe.fontUnderline());
        QCOMPARE(cafe.foreground().color(), QColor(0, 77, 187));
        QCOMPARE(cafe.fontPointSize(), 11.0);
        QVERIFY(!formatAt(*doc, 1, "x").fontUnderline());
    }

    void readsLibreOffice()
    {
        const auto doc = read(LibreOffice);
        QCOMPARE(doc->blockCount(), 2);
        // \'hh in a font with character set 204 is Windows-1251.
        QCOMPARE(doc->findBlockByNumber(0).text(), QString::fromUtf8("Привет"));
        QCOMPARE(doc->findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
        const QTextCharFormat privet = formatAt(*doc, 0, QString::fromUtf8("Привет"));
        QVERIFY(privet.fontStrikeOut());
        QCOMPARE(privet.fontPointSize(), 14.0);
        QCOMPARE(privet.foreground().color(), QColor(0, 128, 0));
        QCOMPARE(privet.fontFamilies().toStringList().value(0), QString("Liberation Sans"));
        // A surrogate pair, each half with its own \'3f fallback skipped.
        QCOMPARE(doc->findBlockByNumber(1).text(), QString::fromUtf8("Second \xF0\x9F\x98\x80"));
        QCOMPARE(doc->findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignJustify);
    }

    void fallbacksAndDestinations()
    {
        // \uc2 skips two fallback characters, \uc0 none.
        QCOMPARE(read("{\\rtf1{\\uc2\\u915 GG}x\\uc0\\u916 y}")->toPlainText(), QString::fromUtf8("Γx"
                                                                                                  "Δy"));
        // A fallback never reaches past the end of its group.
        QCOMPARE(read("{\\rtf1{\\uc3\\u915 G}xyz}")->toPlainText(), QString::fromUtf8("Γxyz"));
        // Unknown {\* …} destinations, pictures and binary data are skipped;
        // a field shows its result.
        QCOMPARE(read("{\\rtf1 a{\\*\\unknown zz{q}}b{\\pict\\wmetafile8 0102}c{\\*\\x\\bin4 }}}}}d"
                      "{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}}}")
                     ->toPlainText(),
                 QString("abcdlink"));
        // Escaped specials and symbol words.
        QCOMPARE(read("{\\rtf1 \\\\\\{\\}\\~\\emdash\\bullet\\lquote\\rdblquote}")->toRawText(),
                 QString::fromUtf8("\\{}\u00A0—•‘”"));
        // Font names without groups.
        const auto doc = read("{\\rtf1{\\fonttbl\\f0\\fnil Arial;\\f1\\fnil Courier New;}\\f1 x}");
        QCOMPARE(formatAt(*doc, 0, "x").fontFamilies().toStringList().value(0), QString("Courier New"));
        // Not RTF at all: plain Windows-1252 text.
        QCOMPARE(read("plain \xe9")->toPlainText(), QString::fromUtf8("plain é"));
    }

    void paragraphMarks()
    {
        // A final \par ends its paragraph; an empty one in between stays.
        QCOMPARE(read("{\\rtf1 a\\par\\par b\\par}")->blockCount(), 3);
        QCOMPARE(read("{\\rtf1 a\\par b}")->blockCount(), 2);
        QCOMPARE(read("{\\rtf1 a\\par}")->blockCount(), 1);
    }

    void writeReadWriteIsIdentical_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("WordPad") << WordPad;
        QTest::newRow("LibreOffice") << LibreOffice;
        QTest::newRow("empty paragraphs") << QByteArray("{\\rtf1\\fs40 big\\par\\fs16\\par\\qc\\par end}");
    }
    void writeReadWriteIsIdentical()
    {
        QFETCH(QByteArray, rtf);
        const QByteArray once = roundTrip(rtf);
        QCOMPARE(roundTrip(once), once);
        QCOMPARE(read(once)->toPlainText(), read(rtf)->toPlainText());
        QVERIFY(once.startsWith("{\\rtf1"));
    }

    void everyCharacterRoundTrips()
    {
        QString text;
        for (char16_t u = 1; u < 0x3000; ++u)
            if (u != u'\r' && u != u'\n' && u != 0x2029 && u != 0xFFFC && !(u >= 0xD800 && u <= 0xDFFF))
                text += QChar(u);
        text +=
            QString::fromUtf8("日本語 한국어 עברית العربية \xF0\x9F\x98\x80\xF0\x9F\x91\x8D\xF0\x90\x8D\x88");
        QTextDocument doc;
        doc.setPlainText(text);
        const QByteArray rtf = TRtfWriter::Write(doc);
        // Pure 7-bit output that word processors read.
        for (const char c : rtf)
            QVERIFY(uchar(c) < 0x80);
        QVERIFY(rtf.contains("\\u-10179?\\u-8704?")); // U+1F600 as a surrogate pair
        QVERIFY(rtf.contains("\\'e9"));               // é in Windows-1252
        QCOMPARE(read(rtf)->toRawText(), doc.toRawText());
    }

    void formattingRoundTrips()
    {
        QTextDocument doc;
        QTextCursor cursor(&doc);
        QTextCharFormat f;
        f.setFontFamilies({QString("Courier New")});
        f.setFontPointSize(9.5);
        f.setFontWeight(QFont::Bold);
        f.setFontItalic(true);
        f.setFontUnderline(true);
        f.setFontStrikeOut(true);
        f.setForeground(QColor(1, 2, 3));
        cursor.insertText("styled", f);
        QTextBlockFormat b;
        b.setAlignment(Qt::AlignRight);
        cursor.insertBlock(b);
        cursor.insertText("{braces}\\");
        const auto back = read(TRtfWriter::Write(doc));
        const QTextCharFormat g = formatAt(*back, 0, "styled");
        QCOMPARE(g.fontFamilies().toStringList().value(0), QString("Courier New"));
        QCOMPARE(g.fontPointSize(), 9.5);
        QVERIFY(g.fontWeight() >= QFont::DemiBold && g.fontItalic() && g.fontUnderline() &&
                g.fontStrikeOut());
        QCOMPARE(g.foreground().color(), QColor(1, 2, 3));
        QCOMPARE(back->findBlockByNumber(1).text(), QString("{braces}\\"));
        QCOMPARE(back->findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
    }

    void damagedInputNeverCrashes()
    {
        const QList<QByteArray> samples{
            "{\\rtf1",
            "{\\rtf1 {{{{ abc",
            "{\\rtf1 }}}}} abc }",
            "{\\rtf1 \\'",
            "{\\rtf1 \\'g1",
            "{\\rtf1 \\u",
            "{\\rtf1 \\u-99999999999999999999 x}",
            "{\\rtf1 \\uc99999999\\u65 abc}",
            "{\\rtf1 \\bin999999999}",
            "{\\rtf1 \\fs-5 x\\fs0 y\\fs99999999 z\\f-7 q\\cf99 r}",
            "{\\rtf1{\\colortbl\\red999;;}\\cf1 a}",
            "{\\rtf1{\\fonttbl{\\f0 ;}{\\f5\\fcharset128 }}\\f5\\'82\\'a0\\'ff\\f0\\'81}",
            "{\\rtf1 \\abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz123 x}",
            QByteArray("{\\rtf1 a\0b\\\0}", 14),
        };
        for (const QByteArray &s : samples)
            read(s); // must simply return
        // Deep nesting is limited and still balanced.
        QByteArray deep = "{\\rtf1 " + QByteArray(100000, '{') + "\\b x" + QByteArray(100000, '}') + " y}";
        QCOMPARE(read(deep)->toPlainText(), QString("x y"));
        // Random bytes after a valid header.
        QRandomGenerator random(42);
        for (int round = 0; round < 300; ++round) {
            QByteArray junk = "{\\rtf1 ";
            const int length = random.bounded(200);
            for (int i = 0; i < length; ++i) {
                static const char alphabet[] = "{}\\'uc0123456789abfsl -;*\xe9";
                junk += alphabet[random.bounded(int(sizeof(alphabet) - 1))];
            }
            QTextDocument doc;
            TRtfReader::Read(junk, doc);
            TRtfReader::Read(TRtfWriter::Write(doc), doc);
        }
    }

    void paintsTheFirstPageWrappedAtThePageWidth()
    {
        TRichTextControl control;
        control.SetRtf("{\\rtf1\\fs24 one two three four five six seven eight nine ten\\par}");
        // A page one inch wide: the text wraps onto several lines.
        control.SetPageSize(1440, 1440);
        const auto ink = [&](int zoom) {
            control.SetZoomPercent(zoom);
            QImage image(300, 300, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            control.PaintFirstPage(painter, QRect(10, 10, 96 * zoom / 100, 96 * zoom / 100));
            painter.end();
            QRect r;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qGray(image.pixel(x, y)) < 160)
                        r |= QRect(x, y, 1, 1);
            return r;
        };
        const QRect at100 = ink(100);
        QVERIFY(!at100.isEmpty());
        QVERIFY(QRect(10, 10, 96, 96).contains(at100));
        QVERIFY(at100.height() > 40); // several lines
        const QRect at200 = ink(200);
        QVERIFY(QRect(10, 10, 192, 192).contains(at200));
        // The same lines, twice as large.
        QVERIFY(qAbs(at200.width() - 2 * at100.width()) <= 4);
        QVERIFY(qAbs(at200.height() - 2 * at100.height()) <= 4);
        // Empty bytes: an empty document with no RTF.
        control.SetRtf(QByteArray());
        QVERIFY(control.Rtf().isEmpty());
        QCOMPARE(TRichTextControl::Master()->Name, QString("MASTERWPRICHTEXT"));
    }
};

QTEST_MAIN(TestRtf)
#include "tst_rtf.moc"
