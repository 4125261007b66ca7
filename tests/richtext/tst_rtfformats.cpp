// The one set of formatting a rich-text label keeps: paragraph spacing,
// indents, tab stops, super/subscript and highlight besides the character
// formats, kept by the RTF writer and reader in both directions, font names
// in any script, and drawn by the label's control.
#include "richtext/model/TRichTextControl.h"
#include "richtext/model/TRtfReader.h"
#include "richtext/model/TRtfWriter.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

using namespace cw::richtext;

namespace {

QString colourName(const QTextCharFormat &f, QTextFormat::Property property)
{
    if (!f.hasProperty(property) || f.brushProperty(property).style() == Qt::NoBrush)
        return QStringLiteral("-");
    return f.brushProperty(property).color().name();
}

// Every kept character property, as one comparable text.
QString charKey(const QTextCharFormat &f)
{
    return QStringLiteral("%1/%2/%3%4%5%6/%7/%8/%9")
        .arg(f.fontFamilies().toStringList().value(0))
        .arg(f.fontPointSize())
        .arg(f.fontWeight() >= QFont::DemiBold ? "B" : "-")
        .arg(f.fontItalic() ? "I" : "-")
        .arg(f.fontUnderline() ? "U" : "-")
        .arg(f.fontStrikeOut() ? "S" : "-")
        .arg(colourName(f, QTextFormat::ForegroundBrush))
        .arg(colourName(f, QTextFormat::BackgroundBrush))
        .arg(int(f.verticalAlignment()));
}

QString blockKey(const QTextBlockFormat &b)
{
    Qt::Alignment align = b.alignment() & Qt::AlignHorizontal_Mask;
    if (align == 0 || align == Qt::AlignLeading)
        align = Qt::AlignLeft;
    QString key = QStringLiteral("align %1 sb %2 sa %3 li %4 ri %5 fi %6 tabs")
                      .arg(int(align))
                      .arg(b.topMargin())
                      .arg(b.bottomMargin())
                      .arg(b.leftMargin())
                      .arg(b.rightMargin())
                      .arg(b.textIndent());
    for (const QTextOption::Tab &tab : b.tabPositions())
        key += QStringLiteral(" %1:%2").arg(tab.position).arg(int(tab.type));
    return key;
}

// The document as lines: one per paragraph and one per character with its
// formatting, so a difference names the paragraph and character.
QStringList describe(const QTextDocument &doc)
{
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        lines << QStringLiteral("¶%1 %2").arg(b.blockNumber()).arg(blockKey(b.blockFormat()));
        for (auto it = b.begin(); !it.atEnd(); ++it)
            for (const QChar c : it.fragment().text())
                lines << QStringLiteral("%1 U+%2 %3")
                             .arg(b.blockNumber())
                             .arg(c.unicode(), 4, 16, QChar(u'0'))
                             .arg(charKey(it.fragment().charFormat()));
    }
    return lines;
}

// Twips as the document's pixels, the unit the reader gives them in.
double px(int twips)
{
    return twips / 15.0;
}

// A random document of kept formatting only: lengths in whole twips, sizes
// in half points, as RTF stores them.
void randomDocument(QRandomGenerator &random, QTextDocument &doc)
{
    static const QStringList families{QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Serif"),
                                      QStringLiteral("DejaVu Sans"), QString::fromUtf8("微软雅黑"),
                                      QString::fromUtf8("Шрифт")};
    static const QList<QColor> colours{Qt::red, QColor(0, 77, 187), QColor(1, 2, 3), Qt::yellow, Qt::green};
    static const QString characters =
        QString::fromUtf8("abcXYZ 019 .,;{}\\é€Жж日本語\t\u2028") + QString::fromUtf8("\xF0\x9F\x98\x80");
    static const QList<Qt::Alignment> aligns{Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter,
                                             Qt::AlignJustify};
    static const QList<QTextOption::TabType> tabTypes{QTextOption::LeftTab, QTextOption::RightTab,
                                                      QTextOption::CenterTab};
    QTextCursor cursor(&doc);
    const int paragraphs = 1 + random.bounded(4);
    for (int p = 0; p < paragraphs; ++p) {
        QTextBlockFormat b;
        b.setAlignment(aligns[random.bounded(aligns.size())]);
        if (random.bounded(2))
            b.setTopMargin(px(random.bounded(1, 600)));
        if (random.bounded(2))
            b.setBottomMargin(px(random.bounded(1, 600)));
        if (random.bounded(2))
            b.setLeftMargin(px(random.bounded(1, 1440)));
        if (random.bounded(2))
            b.setRightMargin(px(random.bounded(1, 1440)));
        if (random.bounded(2))
            b.setTextIndent(px(random.bounded(-360, 720)));
        QList<QTextOption::Tab> tabs;
        for (int t = random.bounded(3), at = 0; t > 0; --t) {
            at += random.bounded(1, 1440);
            tabs << QTextOption::Tab(px(at), tabTypes[random.bounded(tabTypes.size())]);
        }
        b.setTabPositions(tabs);
        if (p == 0)
            cursor.setBlockFormat(b);
        else
            cursor.insertBlock(b);
        for (int runs = random.bounded(4); runs > 0; --runs) {
            QTextCharFormat f;
            f.setFontFamilies({families[random.bounded(families.size())]});
            f.setFontPointSize(random.bounded(12, 80) / 2.0);
            f.setFontWeight(random.bounded(2) ? QFont::Bold : QFont::Normal);
            f.setFontItalic(random.bounded(2));
            f.setFontUnderline(random.bounded(2));
            f.setFontStrikeOut(random.bounded(2));
            if (random.bounded(2))
                f.setForeground(colours[random.bounded(colours.size())]);
            if (random.bounded(3) == 0)
                f.setBackground(colours[random.bounded(colours.size())]);
            if (const int script = random.bounded(4); script == 1)
                f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
            else if (script == 2)
                f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
            QString text;
            for (int n = 1 + random.bounded(6); n > 0; --n) {
                const int i = random.bounded(characters.size());
                text += characters[i].isHighSurrogate()  ? characters.mid(i, 2)
                        : characters[i].isLowSurrogate() ? characters.mid(i - 1, 2)
                                                         : characters.mid(i, 1);
            }
            cursor.insertText(text, f);
        }
    }
}

std::unique_ptr<QTextDocument> read(const QByteArray &rtf)
{
    auto doc = std::make_unique<QTextDocument>();
    TRtfReader::Read(rtf, *doc);
    return doc;
}

QString firstFamily(const QTextDocument &doc)
{
    return doc.begin().begin().fragment().charFormat().fontFamilies().toStringList().value(0);
}

// Whether any pixel in the block (x, y, w, h) is darker than mid grey, or of
// the colour `colour` when given.
int countPixels(const QImage &image, const QRect &block, const std::function<bool(QRgb)> &is)
{
    int n = 0;
    for (int y = block.top(); y <= block.bottom(); ++y)
        for (int x = block.left(); x <= block.right(); ++x)
            n += is(image.pixel(x, y)) ? 1 : 0;
    return n;
}

bool isInk(QRgb c)
{
    return qGray(c) < 100;
}

} // namespace

class TestRtfFormats : public QObject
{
    Q_OBJECT
private slots:
    // Documents built from the kept set come back from their RTF unchanged,
    // paragraph by paragraph and character by character; a second write is
    // byte-identical to the first.
    void generatedDocumentsRoundTrip()
    {
        QRandomGenerator random(19008);
        for (int i = 0; i < 300; ++i) {
            QTextDocument doc;
            randomDocument(random, doc);
            const QByteArray rtf = TRtfWriter::Write(doc);
            const auto back = read(rtf);
            const QStringList want = describe(doc);
            const QStringList got = describe(*back);
            for (int line = 0; line < std::max(want.size(), got.size()); ++line)
                QVERIFY2(want.value(line) == got.value(line),
                         qPrintable(QStringLiteral("case %1: wanted \"%2\", got \"%3\"\n%4")
                                        .arg(i)
                                        .arg(want.value(line), got.value(line), QString::fromLatin1(rtf))));
            QCOMPARE(TRtfWriter::Write(*back), rtf);
        }
    }

    // The words other word processors write for the kept set are read.
    void readsWhatWordProcessorsWrite()
    {
        const auto doc = read("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green255\\blue0;"
                              "\\red0\\green255\\blue0;}\\pard\\li720\\ri360\\fi-360\\sb240\\sa120"
                              "\\tx1440\\tqr\\tx4320\\tqc\\tx2880 E=mc{\\super 2} H{\\sub 2}O "
                              "{\\highlight1 marked}{\\chcbpat2 shaded}\\par\\pard plain\\par}");
        const QTextBlockFormat b = doc->begin().blockFormat();
        QCOMPARE(b.leftMargin(), 48.0);
        QCOMPARE(b.rightMargin(), 24.0);
        QCOMPARE(b.textIndent(), -24.0);
        QCOMPARE(b.topMargin(), 16.0);
        QCOMPARE(b.bottomMargin(), 8.0);
        QCOMPARE(b.tabPositions().size(), 3);
        QCOMPARE(b.tabPositions()[1].position, 288.0);
        QCOMPARE(b.tabPositions()[1].type, QTextOption::RightTab);
        QCOMPARE(b.tabPositions()[2].type, QTextOption::CenterTab);
        QCOMPARE(b.tabPositions()[0].type, QTextOption::LeftTab);
        // \pard resets the paragraph formatting.
        QCOMPARE(blockKey(doc->lastBlock().blockFormat()), blockKey(QTextBlockFormat()));
        QStringList script;
        for (auto it = doc->begin().begin(); !it.atEnd(); ++it)
            script << it.fragment().text() + '=' + charKey(it.fragment().charFormat()).section('/', 3);
        QVERIFY2(script.contains("2=-/-/1"), qPrintable(script.join('|')));
        QVERIFY2(script.contains("2=-/-/2"), qPrintable(script.join('|')));
        QVERIFY2(script.contains("marked=-/#ffff00/0"), qPrintable(script.join('|')));
        QVERIFY2(script.contains("shaded=-/#00ff00/0"), qPrintable(script.join('|')));
    }

    // Font names in any script: in the font's own character set as Word
    // writes them, or as \uN, are read; the writer spells them as \uN and
    // they come back unchanged (never as "????").
    void nonLatinFontNamesRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("name");
        QTest::newRow("Shift_JIS") << QByteArray(
                                          "{\\f0\\fnil\\fcharset128 \\'82\\'6c\\'82\\'72\\'20\\'96\\'be"
                                          "\\'92\\'a9;}")
                                   << QString::fromUtf8("ＭＳ 明朝");
        QTest::newRow("GBK") << QByteArray(
                                    "{\\f0\\fnil\\fcharset134 \\'ce\\'a2\\'c8\\'ed\\'d1\\'c5\\'ba\\'da;}")
                             << QString::fromUtf8("微软雅黑");
        QTest::newRow("Windows-1251") << QByteArray("{\\f0\\fswiss\\fcharset204 \\'d8\\'f0\\'e8\\'f4\\'f2;}")
                                      << QString::fromUtf8("Шрифт");
        QTest::newRow("unicode escapes")
            << QByteArray("{\\f0\\fnil \\u24494?\\u-28817?\\u-26939?\\u-24879?;}")
            << QString::fromUtf8("微软雅黑");
    }
    void nonLatinFontNamesRoundTrip()
    {
        QFETCH(QByteArray, table);
        QFETCH(QString, name);
        const auto doc = read("{\\rtf1\\ansi\\deff0{\\fonttbl" + table + "}\\f0\\fs24 text\\par}");
        QCOMPARE(firstFamily(*doc), name);
        const QByteArray written = TRtfWriter::Write(*doc);
        QVERIFY2(!written.contains("??"), written.constData()); // no name made of fallbacks
        QCOMPARE(firstFamily(*read(written)), name);
        QCOMPARE(TRtfWriter::Write(*read(written)), written);
    }

    // Files that use none of the added formatting are written as before.
    void plainDocumentsAreWrittenAsBefore()
    {
        QTextDocument doc;
        QTextCursor cursor(&doc);
        QTextCharFormat f;
        f.setFontFamilies({QStringLiteral("Arial")});
        f.setFontPointSize(12);
        f.setForeground(QColor(255, 0, 0));
        cursor.insertText("Acme", f);
        QCOMPARE(TRtfWriter::Write(doc),
                 QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
                            "{\\colortbl ;\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1\r\n"
                            "\\pard\\ql\\plain\\f0\\fs24\\cf1 Acme\\par\r\n}\r\n"));
    }

    // The label's control draws the kept formatting: the left indent moves
    // the text, the highlight fills behind it, a superscript sits higher
    // than the text beside it.
    void theLabelDrawsTheKeptFormatting()
    {
        TRichTextControl control;
        control.SetPageSize(4 * 1440, 2 * 1440);
        control.SetRtf(
            "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Sans;}}{\\colortbl;\\red255\\green255\\blue0;}"
            "\\pard\\li1440\\f0\\fs48 HH\\par"
            "\\pard\\f0\\fs48{\\highlight1 HH}\\par"
            "\\pard\\f0\\fs48 H{\\super H}\\par}");
        QImage image(384, 192, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            control.PaintFirstPage(painter, image.rect());
        }
        if (const QString folder = qEnvironmentVariable("CW_SHOT_DIR"); !folder.isEmpty())
            image.save(folder + QStringLiteral("/rich-kept-formatting.png"));
        const int line = 37; // 24 points at 96 dpi with Liberation Sans' line spacing
        // Indented line: no ink in the first inch, ink just after it.
        QCOMPARE(countPixels(image, QRect(0, 0, 94, line), isInk), 0);
        QVERIFY(countPixels(image, QRect(96, 0, 40, line), isInk) > 20);
        // Highlighted line: yellow behind the letters, starting at the left.
        const auto yellow = [](QRgb c) { return qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) < 40; };
        QCOMPARE(countPixels(image, QRect(0, line + 1, 6, 6), yellow), 36);
        QCOMPARE(countPixels(image, QRect(120, line + 1, 6, 6), yellow), 0);
        // Superscript: its ink starts above the ink of the full-size letter.
        const auto topOfInk = [&](int x0, int x1) {
            for (int y = 2 * line; y < 3 * line + 10; ++y)
                for (int x = x0; x < x1; ++x)
                    if (isInk(image.pixel(x, y)))
                        return y;
            return -1;
        };
        const int base = topOfInk(0, 16);
        const int super = topOfInk(20, 40);
        QVERIFY2(base > 0 && super > 0 && super < base - 2,
                 qPrintable(QStringLiteral("%1 %2").arg(base).arg(super)));
    }
};

QTEST_MAIN(TestRtfFormats)
#include "tst_rtfformats.moc"
