// What arrives in the rich-text editor is what the label keeps: pasted HTML
// is flattened to the kept formatting as it arrives (headings, lists,
// tables, images), so the editor shows the document Ok stores; a copied
// selection travels as RTF and keeps its formatting.
#include "richtext/TRtfTextEdit.h"
#include "richtext/model/TRtfReader.h"
#include "richtext/model/TRtfWriter.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextFrame>

using namespace cw::richtext;

namespace {

// Every character with its kept formatting and every paragraph with its
// formatting, for comparing the editor with what its RTF reads back as.
QStringList describe(const QTextDocument &doc)
{
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat p = b.blockFormat();
        lines << QStringLiteral("¶ %1 %2 %3 %4 %5 %6 tabs %7")
                     .arg(int(p.alignment() & Qt::AlignHorizontal_Mask))
                     .arg(p.topMargin())
                     .arg(p.bottomMargin())
                     .arg(p.leftMargin())
                     .arg(p.rightMargin())
                     .arg(p.textIndent())
                     .arg(p.tabPositions().size());
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QFont font = f.font().resolve(doc.defaultFont());
            for (const QChar c : it.fragment().text())
                lines << QStringLiteral("%1 %2 %3 %4%5%6%7 %8 %9 %10")
                             .arg(c)
                             .arg(font.family())
                             .arg(font.pointSizeF())
                             .arg(font.bold() ? "B" : "-")
                             .arg(font.italic() ? "I" : "-")
                             .arg(font.underline() ? "U" : "-")
                             .arg(font.strikeOut() ? "S" : "-")
                             .arg(f.foreground().style() == Qt::NoBrush ? "-" : f.foreground().color().name())
                             .arg(f.background().style() == Qt::NoBrush ? "-" : f.background().color().name())
                             .arg(int(f.verticalAlignment()));
        }
    }
    return lines;
}

QTextCharFormat formatAt(const QTextDocument &doc, int block, const QString &text)
{
    const QTextBlock b = doc.findBlockByNumber(block);
    for (auto it = b.begin(); !it.atEnd(); ++it)
        if (it.fragment().text().contains(text))
            return it.fragment().charFormat();
    return {};
}

void paste(TRtfTextEdit &edit, QMimeData *data)
{
    QApplication::clipboard()->setMimeData(data);
    QVERIFY(edit.canPaste());
    edit.paste();
}

// A 1 × 1 PNG as a data address, the way browsers copy pictures inline.
const char *const Html =
    "<html><body>"
    "<h1>Title</h1>"
    "<p>Intro <b>bold</b> E=mc<sup>2</sup> H<sub>2</sub>O "
    "<span style=\"background-color:#ffff00\">marked</span>"
    "<img src=\"data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8"
    "z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg==\" width=\"40\" height=\"40\"> end</p>"
    "<ul><li>one</li><li>two</li></ul>"
    "<ol><li>first</li><li>second</li></ol>"
    "<table border=\"1\"><tr><td>a</td><td>b</td></tr><tr><td>c</td><td><i>d</i></td></tr></table>"
    "<p style=\"margin-left:30px; line-height:200%; letter-spacing:4px\">last</p>"
    "</body></html>";

} // namespace

class TestRtfPaste : public QObject
{
    Q_OBJECT
private slots:
    // Headings become bold paragraphs of their size, lists paragraphs with
    // their bullet or number, tables tab-separated lines; images are gone;
    // super/subscript and highlight stay.  What the editor then holds is
    // exactly what its RTF (what Ok stores) reads back as.
    void pastedHtmlIsFlattenedToWhatIsKept()
    {
        TRtfTextEdit edit;
        QFont defaultFont(QStringLiteral("Liberation Sans"));
        defaultFont.setPointSize(12);
        edit.document()->setDefaultFont(defaultFont);
        auto *data = new QMimeData;
        data->setHtml(QString::fromLatin1(Html));
        data->setText(QStringLiteral("Title"));
        paste(edit, data);

        const QTextDocument &doc = *edit.document();
        QCOMPARE(doc.toPlainText(), QString::fromUtf8("Title\nIntro bold E=mc2 H2O marked end\n"
                                                      "\u2022 one\n\u2022 two\n1. first\n2. second\n"
                                                      "a\tb\nc\td\nlast"));
        QVERIFY(doc.rootFrame()->childFrames().isEmpty()); // no table left
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            QVERIFY(!b.textList());
            QCOMPARE(b.blockFormat().headingLevel(), 0);
            for (auto it = b.begin(); !it.atEnd(); ++it)
                QVERIFY(!it.fragment().charFormat().isImageFormat());
        }
        // The heading: bold at twice the default size, as it was shown.
        const QTextCharFormat title = formatAt(doc, 0, "Title");
        QCOMPARE(title.fontPointSize(), 24.0);
        QVERIFY(title.fontWeight() >= QFont::DemiBold);
        QVERIFY(!title.hasProperty(QTextFormat::FontSizeAdjustment));
        // List items are indented.
        QVERIFY(doc.findBlockByNumber(2).blockFormat().leftMargin() > 0);
        QCOMPARE(formatAt(doc, 1, "2").verticalAlignment(), QTextCharFormat::AlignSuperScript);
        QCOMPARE(formatAt(doc, 1, "marked").background().color(), QColor(255, 255, 0));
        QVERIFY(formatAt(doc, 7, "d").fontItalic());
        // Kept indent, dropped line height and letter spacing.
        const QTextBlock last = doc.lastBlock();
        QCOMPARE(last.blockFormat().leftMargin(), 30.0);
        QVERIFY(!last.blockFormat().hasProperty(QTextFormat::LineHeight));
        QVERIFY(!formatAt(doc, 8, "last").hasProperty(QTextFormat::FontLetterSpacing));

        if (const QString folder = qEnvironmentVariable("CW_SHOT_DIR"); !folder.isEmpty()) {
            edit.resize(420, 360);
            edit.show();
            edit.grab().save(folder + QStringLiteral("/rich-pasted-html.png"));
        }

        QTextDocument stored;
        stored.setDefaultFont(defaultFont);
        TRtfReader::Read(TRtfWriter::Write(doc), stored);
        QCOMPARE(describe(doc), describe(stored));
    }

    // A selection copied in the editor is offered as RTF; pasted back it
    // keeps its paragraph and character formatting.
    void copiedTextKeepsItsFormatting()
    {
        TRtfTextEdit edit;
        TRtfReader::Read(
            "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Serif;}}{\\colortbl;\\red255\\green0\\blue0;}"
            "\\pard\\li720\\sa120\\tqr\\tx2880\\f0\\fs30 A{\\highlight1\\super x}\\tab B\\par}",
            *edit.document());
        edit.selectAll();
        edit.copy();
        const QMimeData *copied = QApplication::clipboard()->mimeData();
        QVERIFY(TRtfReader::IsRtf(copied->data(QStringLiteral("text/rtf"))));
        const QStringList before = describe(*edit.document());
        edit.clear();
        edit.paste();
        QCOMPARE(describe(*edit.document()), before);
    }
};

QTEST_MAIN(TestRtfPaste)
#include "tst_rtfpaste.moc"
