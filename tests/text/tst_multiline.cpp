// Multi-line label: placeholders, greedy word wrap at the box width, fitting
// the box to the lines, alignment, the editor and its 254-character limit,
// the property table and the multi-line tool's follow-up.
#include "TextTestSupport.h"
#include "support/ScriptedInteraction.h"
#include "text/TMultiLineTextEditor.h"
#include "text/TextObjectCreation.h"
#include "text/model/TGMultiLineLabel.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace cw;
using namespace cw::model;

class TestMultiLine : public QObject
{
    Q_OBJECT
private slots:
    void placeholdersForEmptyLabels()
    {
        TGMultiLineLabel label;
        QCOMPARE(label.DisplayLines(), QStringList{"<blank>"});
        label.SetItems({"   "});
        QCOMPARE(label.DisplayLines(), (QStringList{"   ", "<blank>"}));
        label.SetItems({"", ""});
        QCOMPARE(label.DisplayLines(), (QStringList{"", ""}));
        label.SetItems({"x"});
        QCOMPARE(label.DisplayLines(), QStringList{"x"});
        // The placeholder is never stored.
        QCOMPARE(label.Items(), QStringList{"x"});
    }

    void wrapIsGreedyAtWordBoundaries()
    {
        QFont font("Liberation Mono");
        font.setPixelSize(20);
        const int cw = QFontMetrics(font).horizontalAdvance('x');
        // Ten characters to a line.
        const int width = 10 * cw;
        QCOMPARE(TGMultiLineBaseLabel::WrapText({"aaaa bbbb cccc"}, font, "Liberation Mono", width),
                 (QStringList{"aaaa bbbb", "cccc"}));
        // Explicit breaks stay; empty lines stay.
        QCOMPARE(TGMultiLineBaseLabel::WrapText({"aa", "", "bb"}, font, "Liberation Mono", width),
                 (QStringList{"aa", "", "bb"}));
        // A word longer than the line is cut where it overflows.
        QCOMPARE(TGMultiLineBaseLabel::WrapText({"abcdefghijklmno"}, font, "Liberation Mono", width),
                 (QStringList{"abcdefghij", "klmno"}));
        // Blanks at the break end the line without being kept on it; blanks
        // the user typed at the end of a line stay.
        QCOMPARE(TGMultiLineBaseLabel::WrapText({"abcdefghij   klm"}, font, "Liberation Mono", width),
                 (QStringList{"abcdefghij", "klm"}));
        QCOMPARE(TGMultiLineBaseLabel::WrapText({"abc  "}, font, "Liberation Mono", width),
                 (QStringList{"abc  "}));
    }

    void wrapFollowsTheBoxWidth()
    {
        test::TextHost host;
        TGMultiLineLabel label;
        label.SetHost(&host);
        label.Loaded();
        label.SetItems({"one two three four five six", "seven"});
        label.SetBounds(0, 0, 400, 33);
        label.SetWordWrap(true);
        QCOMPARE(label.WrappedLines(), (QStringList{"one two three four five six", "seven"}));
        // Narrowing re-breaks at once, widening joins again.
        label.SetWidth(80);
        QVERIFY(label.WrappedLines().size() > 3);
        QCOMPARE(label.WrappedLines().last(), QString("seven"));
        const QFontMetrics fm(label.CanvasFont());
        for (const QString &line : label.WrappedLines())
            QVERIFY(fm.horizontalAdvance(line.trimmed()) <= label.WrapWidth());
        label.SetWidth(400);
        QCOMPARE(label.WrappedLines().size(), 2);
        // Off again: Items as they are.
        label.SetWidth(80);
        label.SetWordWrap(false);
        QCOMPARE(label.DisplayLines(), (QStringList{"one two three four five six", "seven"}));
    }

    void zoomKeepsTheLinesOfTheDesign()
    {
        TGMultiLineLabel label;
        label.SetItems({"one two three four five six"});
        label.SetBounds(0, 0, 200, 33);
        label.SetWordWrap(true);
        const int atOne = int(label.WrappedLines().size());
        // Zoom 2: 20 points in a 400-pixel box shows the lines of 100 %.
        const QStringList lines = label.WrappedLines();
        label.SetZoom(2.0f);
        QCOMPARE(label.CanvasFont().pixelSize(), 27);
        QCOMPARE(label.Width(), 400);
        QCOMPARE(int(label.WrappedLines().size()), atOne);
        QCOMPARE(label.WrappedLines(), lines);
    }

    void fitToLinesGivesOneLineHeightPerLine()
    {
        TGMultiLineLabel label;
        label.SetBounds(5, 6, 50, 10);
        label.SetItems({"short", "a rather longer line of text"});
        label.FitToLines();
        const QFontMetrics fm(label.CanvasFont());
        QCOMPARE(label.Height(), 2 * fm.height());
        QCOMPARE(label.Width(), fm.horizontalAdvance("a rather longer line of text"));
        QCOMPARE(QPoint(label.Left(), label.Top()), QPoint(5, 6));
        // Never narrower than it was.
        label.SetItems({"x"});
        label.FitToLines();
        QCOMPARE(label.Width(), fm.horizontalAdvance("a rather longer line of text"));
        QCOMPARE(label.Height(), fm.height());
        // No lines: the height of one line, so the next save keeps it.
        label.SetItems({});
        label.FitToLines();
        QCOMPARE(label.Height(), fm.height());
    }

    void alignmentOfTheLines()
    {
        TGMultiLineLabel label;
        label.SetItems({"IIII"});
        label.SetBounds(0, 0, 120, 20);
        auto inkOf = [&] { return test::InkBounds(test::Render(label)); };
        const QRect left = inkOf();
        QVERIFY(left.left() <= 2);
        label.SetAlignment(taRightJustify);
        const QRect right = inkOf();
        // Right-aligned lines end one pixel inside the right edge (the glyph
        // side bearing adds a little).
        QVERIFY(right.right() <= 118 && right.right() >= 112);
        label.SetAlignment(taCenter);
        const QRect centre = inkOf();
        QVERIFY(qAbs((centre.left() + centre.right()) / 2 - 61) <= 2);
        // Lines below the box are clipped away.
        label.SetItems({"IIII", "IIII", "IIII"});
        const QRect clipped = inkOf();
        QVERIFY(clipped.bottom() < 20);
    }

    void propertiesInFileOrder()
    {
        QStringList names;
        for (const auto &p : TGMultiLineLabel::ClassProperties().Properties())
            names << p.Name;
        QCOMPARE(names.mid(names.indexOf("Items")),
                 (QStringList{"Items", "AutoSize", "Alignment", "Font.Color", "Font.Height", "Font.Name",
                              "Font.Pitch", "Font.Style", "WordWrap"}));
        TGMultiLineLabel label;
        const TPropertyTable &t = TGMultiLineLabel::ClassProperties();
        QVERIFY(TPropertyTable::IsStored(*t.Find("AutoSize"), label)); // always written
        QVERIFY(!TPropertyTable::IsStored(*t.Find("WordWrap"), label));
        // Reading WordWrap rewraps with what was read before it.
        TGMultiLineLabel read;
        read.BeginLoading();
        t.Find("Width")->Set(read, 60);
        t.Find("Items")->Set(read, QStringList{"alpha beta gamma delta"});
        t.Find("WordWrap")->Set(read, true);
        read.Loaded();
        QVERIFY(read.WrappedLines().size() >= 2);
    }

    void popupAndEditor()
    {
        test::TextHost host;
        test::ScriptedTextEditors editors;
        TGMultiLineLabel label;
        label.SetHost(&host);
        label.Loaded();
        QStringList all;
        for (const auto &i : label.PopupMenu())
            all << i.Caption;
        QCOMPARE(all.mid(all.indexOf("Center Horizontally") + 1),
                 (QStringList{"-", "Font", "Alignment", "-", "Text", "Word Wrap"}));
        TGMenuItem *wrap = TGMenuItem::Find(label.PopupMenu(), "Word Wrap");
        QVERIFY(!wrap->Checked);
        wrap->Action();
        QVERIFY(label.WordWrap());
        QVERIFY(TGMenuItem::Find(label.PopupMenu(), "Word Wrap")->Checked);

        editors.lines.enqueue(QStringList{"first", "second"});
        const int changes = host.changes;
        TGMenuItem::Find(label.PopupMenu(), "Text")->Action();
        QCOMPARE(label.Items(), (QStringList{"first", "second"}));
        QCOMPARE(label.WrappedLines(), (QStringList{"first", "second"}));
        QVERIFY(host.changes > changes);
        // Cancel keeps the lines.
        TGMenuItem::Find(label.PopupMenu(), "Text")->Action();
        QCOMPARE(editors.lastLines, (QStringList{"first", "second"}));
        QCOMPARE(label.Items(), (QStringList{"first", "second"}));

        TGMenuItem *alignment = TGMenuItem::Find(label.PopupMenu(), "Alignment");
        TGMenuItem::Find(alignment->Items, "Center")->Action();
        QCOMPARE(label.Alignment(), taCenter);
        QVERIFY(TGMenuItem::Find(TGMenuItem::Find(label.PopupMenu(), "Alignment")->Items, "Center")->Checked);
    }

    void editorLinesAndLimit()
    {
        ui::TMultiLineTextEditor editor;
        TGFont font;
        font.Color = clRed;
        editor.SetLines({"one", "two"}, font);
        QCOMPARE(editor.Memo()->toPlainText(), QString("one\ntwo"));
        QCOMPARE(editor.Memo()->palette().color(QPalette::Text), QColor(Qt::red));
        QCOMPARE(editor.Lines(), (QStringList{"one", "two"}));
        editor.Memo()->setPlainText("a\n\n");
        QCOMPARE(editor.Lines(), (QStringList{"a", ""}));
        editor.Memo()->setPlainText(QString());
        QCOMPARE(editor.Lines(), QStringList());
        // 254 characters in all, a line break counting two.
        editor.Memo()->setPlainText(QString(300, 'x'));
        QCOMPARE(editor.Memo()->toPlainText().size(), 254);
        editor.Memo()->setPlainText(QString(200, 'x') + "\n" + QString(100, 'y'));
        QCOMPARE(ui::TMultiLineTextEditor::CountedLength(editor.Memo()->toPlainText()), 254);

        test::ScriptedInteraction ui;
        ui.dialogs.enqueue([](QDialog &d) {
            d.findChild<QPlainTextEdit *>("Memo")->setPlainText("x\ny");
            return int(QDialog::Accepted);
        });
        QCOMPARE(ui::TMultiLineTextEditor::Execute({"old"}, font), std::optional<QStringList>({"x", "y"}));
        QCOMPARE(ui.log.last(), QString("dialog[Multi-line Text Editor]"));
        QCOMPARE(ui::TMultiLineTextEditor::Execute({"old"}, font), std::nullopt);
    }

    void multiLineToolFollowUp()
    {
        test::TextHost host;
        host.surfaceFont = QFont("Liberation Serif", 12);
        test::ScriptedTextEditors editors;
        TGMultiLineLabel label;
        label.SetHost(&host);
        label.Loaded();
        label.SetBounds(10, 10, 190, 33);
        editors.lines.enqueue(QStringList{"a", "b", "c"});
        ui::FinishNewMultiLineLabel(label, host, nullptr);
        QCOMPARE(label.Font().Name, QString("Liberation Serif"));
        QCOMPARE(label.Height(), 3 * QFontMetrics(label.CanvasFont()).height());
        // Cancelled: no lines, one line high (a box without height would be
        // dropped by the next save).
        TGMultiLineLabel empty;
        empty.SetHost(&host);
        empty.Loaded();
        empty.SetBounds(10, 10, 190, 33);
        ui::FinishNewMultiLineLabel(empty, host, nullptr);
        QCOMPARE(empty.Height(), QFontMetrics(empty.CanvasFont()).height());
    }
};

QTEST_MAIN(TestMultiLine)
#include "tst_multiline.moc"
