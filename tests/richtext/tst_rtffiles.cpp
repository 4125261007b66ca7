// Documents as real programs write them: trailing NUL bytes, mail headers
// before the document, symbol fonts and font fallbacks.

#include "richtext/model/TRtfReader.h"
#include "richtext/model/TRtfWriter.h"
#include "text/model/TSymbolFonts.h"

#include <QFontInfo>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

using namespace cw::richtext;
using cw::model::TSymbolFonts;

namespace {

QTextCharFormat formatOf(const QTextDocument &doc, const QString &text)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(text))
                return it.fragment().charFormat();
    return {};
}

QString reread(const QTextDocument &doc)
{
    QTextDocument again;
    TRtfReader::Read(TRtfWriter::Write(doc), again);
    return again.toPlainText();
}

} // namespace

class TestRtfFiles : public QObject
{
    Q_OBJECT
private slots:
    void endsAtTheDocumentsClosingBrace()
    {
        // WordPad ends its files with a NUL byte after the last brace.
        QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}}\r\n"
                         "\\pard\\f0\\fs22 Hello\\par\r\n}\r\n";
        rtf.append('\0');
        QTextDocument doc;
        TRtfReader::Read(rtf, doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("Hello"));
        QCOMPARE(doc.blockCount(), 1);
        const QByteArray written = TRtfWriter::Write(doc);
        QVERIFY2(!written.contains("\\u0"), written.constData());

        // Whatever follows the closing brace is not part of the document.
        TRtfReader::Read("{\\rtf1 A\\par}trailing junk\\par more", doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("A"));
        // NUL bytes inside the text are no characters either.
        TRtfReader::Read(QByteArray("{\\rtf1 A\0B}", 11), doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("AB"));
    }

    void readsFromTheRtfStart()
    {
        const QByteArray rtf = "From: someone\r\nContent-Type: text/rtf\r\n\r\n"
                               "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\b Bold\\b0  text\\par}";
        QVERIFY(TRtfReader::IsRtf(rtf));
        QTextDocument doc;
        TRtfReader::Read(rtf, doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("Bold text"));
        QCOMPARE(formatOf(doc, "Bold").fontWeight(), int(QFont::Bold));

        // Far from the start, "{\rtf" is just text.
        const QByteArray late = QByteArray(TRtfReader::MaxLeadIn + 1, 'x') + "{\\rtf1 A}";
        QVERIFY(!TRtfReader::IsRtf(late));
        TRtfReader::Read(late, doc);
        QCOMPARE(doc.toPlainText(), QString::fromLatin1(late));
    }

    void symbolFontsDrawTheirGlyphs()
    {
        // 0x28 is the telephone of Wingdings; Word also writes it as U+F028.
        const QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fnil\\fcharset2 Wingdings;}"
                               "{\\f1\\fswiss Arial;}}\\f0 (\\'fc\\u-4056?\\f1 (\\par}";
        QTextDocument doc;
        TRtfReader::Read(rtf, doc);
        const char32_t phone = TSymbolFonts::FallbackCharacter("Wingdings", 0x28);
        const char32_t last = TSymbolFonts::FallbackCharacter("Wingdings", 0xFC);
        QVERIFY(phone != 0 && last != 0);
        const bool installed = TSymbolFonts::IsInstalled("Wingdings");
        const QString symbols = installed ? QString(QChar(0xF028)) + QChar(0xF0FC) + QChar(0xF028)
                                          : QString::fromUcs4(&phone, 1) + QString::fromUcs4(&last, 1) +
                                                QString::fromUcs4(&phone, 1);
        QCOMPARE(doc.toPlainText(), symbols + "(");
        const QStringList families = formatOf(doc, symbols).fontFamilies().toStringList();
        QCOMPARE(families.value(0), QStringLiteral("Wingdings"));
        if (!installed)
            QCOMPARE(families.value(1), TSymbolFonts::FallbackFamily());
        QCOMPARE(formatOf(doc, "(").fontFamilies().toStringList(), QStringList{"Arial"});

        // Stored back as the font's codes, marked as a symbol font.
        const QByteArray written = TRtfWriter::Write(doc);
        QVERIFY2(written.contains("\\fcharset2 Wingdings;"), written.constData());
        QVERIFY2(written.contains(" (\\'fc(\\plain"), written.constData());
        QVERIFY2(!QString::fromLatin1(written).contains(QRegularExpression("\\\\u-?\\d")),
                 written.constData());
        QCOMPARE(reread(doc), doc.toPlainText());
    }

    void unknownFontsUseTheirFallback()
    {
        const QByteArray rtf =
            "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Nowhere Roman Qz{\\*\\falt Liberation Mono};}"
            "{\\f1\\fswiss DejaVu Sans{\\*\\falt Liberation Mono};}}"
            "\\f0 Missing \\f1 Present\\par}";
        QTextDocument doc;
        TRtfReader::Read(rtf, doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("Missing Present"));
        const QTextCharFormat missing = formatOf(doc, "Missing");
        QCOMPARE(missing.fontFamilies().toStringList(), QStringList({"Nowhere Roman Qz", "Liberation Mono"}));
        QCOMPARE(QFontInfo(missing.font()).family(), QStringLiteral("Liberation Mono"));
        // An installed font is drawn as itself.
        QCOMPARE(formatOf(doc, "Present").fontFamilies().toStringList(), QStringList{"DejaVu Sans"});

        // The fallback is kept when the document is stored.
        const QByteArray written = TRtfWriter::Write(doc);
        QVERIFY2(written.contains("Nowhere Roman Qz{\\*\\falt Liberation Mono};"), written.constData());
        QTextDocument again;
        TRtfReader::Read(written, again);
        QCOMPARE(formatOf(again, "Missing").fontFamilies(), missing.fontFamilies());
    }
};

QTEST_MAIN(TestRtfFiles)
#include "tst_rtffiles.moc"
