// Rich text label: file fields (RTFText.Data only for a document), the
// master lookup, setters' change reports, popup entries, painting through the
// shared master at two zooms with the same line breaks, two labels through
// one master, printing into the inch rectangle, and the editor dialog.
#include "design/FakeObjectHost.h"
#include "design/model/TGLabelObjectFiler.h"
#include "objects/TCircleTextProperties.h"
#include "objects/TObjectTools.h"
#include "objects/TRichTextLabelEditor.h"
#include "objects/model/TGPRichBaseLabel.h"
#include "print/engine/TReportFiler.h"
#include "print/engine/TReportReader.h"
#include "richtext/TRichTextToolBar.h"
#include "richtext/model/TRichTextControl.h"
#include "support/ScriptedInteraction.h"
#include "widgets/DialogPlacement.h"
#include "widgets/TColorButton.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

using namespace cw;
using namespace cw::model;
using namespace cw::engine;
using cw::richtext::TRichTextControl;

namespace {

const QByteArray Sample = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\\f0\\fs24 "
                          "alpha beta gamma delta epsilon zeta eta theta iota kappa\\par}";

QRect inkBounds(const QImage &image, QRect within = QRect())
{
    if (within.isNull())
        within = image.rect();
    QRect r;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                r |= QRect(x, y, 1, 1);
    return r;
}

QImage render(TGGraphicControl &object)
{
    QImage image(object.Width(), object.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    object.PaintTo(painter, 0, 0);
    return image;
}

// The text of each laid-out line of a document.
QStringList documentLines(QTextDocument &doc)
{
    QStringList lines;
    doc.size();
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextLayout *layout = b.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            lines << b.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength()).trimmed();
    }
    return lines;
}

QStringList masterLines()
{
    return documentLines(TRichTextControl::Master()->Document());
}

class Editors : public TSpecialEditors
{
public:
    std::optional<QByteArray> answer;
    std::optional<QFont> ChooseFont(const QFont &) override { return std::nullopt; }
    bool EditCircleText(TGPCircleText &) override { return false; }
    std::optional<QByteArray> EditRichText(TGPRichBaseLabel &) override { return answer; }
};

} // namespace

class TestRichLabel : public QObject
{
    Q_OBJECT
private slots:
    void defaultsAndFileFields()
    {
        TGPRichBaseLabel label;
        QCOMPARE(label.Width(), 190);
        QCOMPARE(label.Height(), 33);
        QCOMPARE(label.BorderStyle(), bsSingle);
        QVERIFY(label.Transparent());
        QCOMPARE(label.BGColor(), clWhite);
        QStringList names;
        for (const TFilerEntry &e : TGLabelObjectFiler::StoredEntries(label))
            names << e.Name;
        // An empty document has no entry; the three ordinals are always written.
        QCOMPARE(names.mid(6), (QStringList{"BorderStyle", "Transparent", "BGColor"}));
        label.SetRTFText(Sample);
        const auto entries = TGLabelObjectFiler::StoredEntries(label);
        QCOMPARE(entries[6].Name, QString("RTFText.Data"));
        QVERIFY(entries[6].Value.asBinary().startsWith("{\\rtf1"));

        label.SetTransparent(false);
        label.SetBGColor(0x00FF8000);
        label.Name = "Component0"; // the name a read object gets
        const QByteArray bytes = TGLabelObjectFiler::ObjectListBytes({&label});
        TGLabelObjectFiler filer;
        auto read = filer.ReadObjectList(bytes);
        auto *copy = dynamic_cast<TGPRichBaseLabel *>(read.at(0).get());
        QVERIFY(copy);
        QCOMPARE(copy->RTFText(), Sample);
        QVERIFY(!copy->Transparent());
        QCOMPARE(copy->BGColor(), TColor(0x00FF8000));
        QCOMPARE(copy->Master(), TRichTextControl::Master());
        QCOMPARE(TGLabelObjectFiler::ObjectListBytes({copy}), bytes);
    }

    void withoutMasterLoadingFailsAndNothingIsDrawn()
    {
        TRichTextControl *master = TRichTextControl::Master();
        TRichTextControl::SetMaster(nullptr);
        TGPRichBaseLabel label;
        label.SetRTFText(Sample);
        bool raised = false;
        try {
            label.Loaded();
        } catch (const ENoMasterWPRich &e) {
            raised = e.message() == "No master rich text object found";
        }
        TRichTextControl::SetMaster(master);
        QVERIFY(raised);
        QVERIFY(inkBounds(render(label)).isEmpty());
        // Reading a card with a rich text label then fails like any read error.
        TRichTextControl::SetMaster(nullptr);
        TGPRichBaseLabel stored;
        const QByteArray bytes = TGLabelObjectFiler::ObjectListBytes({&stored});
        TGLabelObjectFiler filer;
        bool failed = false;
        try {
            filer.ReadObjectList(bytes);
        } catch (const Exception &) {
            failed = true;
        }
        TRichTextControl::SetMaster(master);
        QVERIFY(failed);
    }

    void changeReportsAndPopup()
    {
        test::FakeObjectHost host;
        TGPRichBaseLabel label;
        label.SetHost(&host);
        label.Loaded();
        auto &menu = label.PopupMenu();
        QStringList tail;
        for (size_t i = menu.size() - 5; i < menu.size(); ++i)
            tail << menu[i].Caption;
        QCOMPARE(tail, (QStringList{"-", "Transparent", "Background Color", "Border", "Edit"}));
        QVERIFY(label.OnEdit);
        host.changes = 0;
        // "Transparent" repaints but does not mark the design as changed.
        TGMenuItem::Find(menu, "Transparent")->Action();
        QVERIFY(!label.Transparent());
        QCOMPARE(host.changes, 0);
        QVERIFY(!TGMenuItem::Find(label.PopupMenu(), "Transparent")->Checked);
        TGMenuItem::Find(menu, "Border")->Action();
        QCOMPARE(label.BorderStyle(), bsNone);
        QCOMPARE(host.changes, 1);
        // "Background Color" on a transparent label makes it opaque.
        label.SetTransparent(true);
        host.colours.enqueue(clYellow);
        TGMenuItem::Find(menu, "Background Color")->Action();
        QCOMPARE(label.BGColor(), clYellow);
        QVERIFY(!label.Transparent());
        // The editor: Ok takes the document and reports; Cancel keeps it.
        Editors editors;
        TSpecialEditors::Install(&editors);
        host.changes = 0;
        editors.answer = Sample;
        label.OnEdit(host);
        QCOMPARE(label.RTFText(), Sample);
        QCOMPARE(host.changes, 2);
        editors.answer.reset();
        TGMenuItem::Find(menu, "Edit")->Action();
        QCOMPARE(label.RTFText(), Sample);
        TSpecialEditors::Install(nullptr);
    }

    void emptyLabelIsAFrameOnly()
    {
        TGPRichBaseLabel label;
        label.Loaded();
        label.SetBounds(0, 0, 60, 30);
        const QImage image = render(label);
        QCOMPARE(inkBounds(image), QRect(0, 0, 60, 30));
        QVERIFY(inkBounds(image, QRect(2, 2, 56, 26)).isEmpty());
        QCOMPARE(image.pixel(30, 15), qRgb(255, 255, 255));
    }

    void lineBreaksDoNotChangeWithTheZoom()
    {
        TGPRichBaseLabel label;
        label.Loaded();
        label.SetBorderStyle(bsNone);
        label.SetRTFText(Sample);
        label.SetBounds(0, 0, 150, 120);
        QCOMPARE(label.PageWidthTwips(), 2250);
        const QRect ink100 = inkBounds(render(label));
        const QStringList lines100 = masterLines();
        QVERIFY(lines100.size() >= 3);
        label.SetZoom(1.5f);
        QCOMPARE(label.PageWidthTwips(), 2250);
        QCOMPARE(TRichTextControl::Master()->ZoomPercent(), 100); // not painted yet
        const QRect ink150 = inkBounds(render(label));
        QCOMPARE(TRichTextControl::Master()->ZoomPercent(), 150);
        QCOMPARE(masterLines(), lines100);
        QVERIFY(qAbs(ink150.height() - ink100.height() * 1.5) <= 4);
    }

    void twoLabelsShareTheMasterWithoutMixing()
    {
        TGPRichBaseLabel a, b;
        a.Loaded();
        b.Loaded();
        a.SetBorderStyle(bsNone);
        b.SetBorderStyle(bsNone);
        a.SetRTFText(Sample);
        QVERIFY(!inkBounds(render(a)).isEmpty());
        QVERIFY(inkBounds(render(b)).isEmpty());
        QVERIFY(!inkBounds(render(a)).isEmpty());
    }

    void printsIntoTheInchRectangle()
    {
        TGPRichBaseLabel label;
        label.Loaded();
        label.SetRTFText(Sample);
        label.SetBounds(48, 24, 144, 96);
        const QRect screen = inkBounds(render(label));
        QByteArray data;
        QBuffer stream(&data);
        TReportFiler filer;
        filer.SetStream(&stream);
        filer.OnPrint = [&](TBaseReport &r) { label.PrintTo(r, 1.0, 0.5); };
        filer.Execute();
        TReportReader reader;
        QVERIFY(reader.Load(data));
        const QImage page = reader.RenderPage(1, 192);
        const QRect area(QPoint(1.5 * 192, 0.75 * 192), QSize(288, 192));
        const QRect printed = inkBounds(page);
        QVERIFY(area.adjusted(-2, -2, 2, 2).contains(printed));
        // The frame is the label's edge, stretched to twice its size.
        QVERIFY(qAbs(printed.width() - 2 * screen.width()) <= 3);
        QVERIFY(qAbs(printed.height() - 2 * screen.height()) <= 3);
    }

    void editorDialog()
    {
        test::ScriptedInteraction interaction;
        TGPRichBaseLabel label;
        label.Loaded();
        label.SetRTFText(Sample);
        label.SetBounds(0, 0, 150, 60);
        ui::TRichTextLabelEditor editor;
        editor.LoadFrom(label);
        QCOMPARE(editor.Editor()->toPlainText(),
                 QString("alpha beta gamma delta epsilon zeta eta theta iota kappa"));
        QCOMPARE(editor.PagePanel()->size(), QSize(151, 61));
        // Placing the dialog fits it to its size hint: it keeps its designed
        // size, so the whole page shows below the tool bar.
        ui::placeDialog(&editor, nullptr);
        // (A window is fitted to at most two thirds of the screen's width.)
        const int widest =
            std::min(601, QGuiApplication::primaryScreen()->availableGeometry().width() * 2 / 3);
        QVERIFY2(editor.width() >= widest && editor.height() >= 343,
                 qPrintable(QString("%1 x %2").arg(editor.width()).arg(editor.height())));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const QRect page(editor.PagePanel()->mapTo(&editor, QPoint(0, 0)), editor.PagePanel()->size());
        QVERIFY2(editor.rect().contains(page),
                 qPrintable(QString("page at %1,%2").arg(page.x()).arg(page.y())));
        // The text area is as wide as the label, so no line is cut.
        QVERIFY2(editor.Editor()->viewport()->width() >= label.Width(),
                 qPrintable(QString::number(editor.Editor()->viewport()->width())));
        // Every command of the tool bar fits (none hides behind an extension button).
        QVERIFY2(editor.ToolBar()->sizeHint().width() <= 601,
                 qPrintable(QString::number(editor.ToolBar()->sizeHint().width())));
        editor.hide();
        // The editor breaks the lines where the card does.
        render(label);
        const QStringList cardLines = masterLines();
        QCOMPARE(documentLines(*editor.Editor()->document()), cardLines);
        // Zoom In at 100 % does nothing; Zoom Out stops at 50 %.
        editor.ZoomIn();
        QCOMPARE(editor.ZoomPercent(), 100);
        for (int i = 0; i < 8; ++i)
            editor.ZoomOut();
        QCOMPARE(editor.ZoomPercent(), 50);
        QCOMPARE(editor.PagePanel()->size(), QSize(76, 30)); // Round(50 × 151 / 100) halves to even
        QCOMPARE(documentLines(*editor.Editor()->document()), cardLines);
        // The edited text comes back as RTF; an emptied editor as nothing.
        QTextDocument back;
        TRichTextControl control;
        control.SetRtf(editor.Rtf());
        QCOMPARE(control.Document().toPlainText(), editor.Editor()->toPlainText());
        editor.Editor()->clear();
        QVERIFY(editor.Rtf().isEmpty());

        // Through the interaction service: Ok with new text, then Cancel.
        interaction.dialogs.enqueue([](QDialog &d) {
            static_cast<ui::TRichTextLabelEditor &>(d).Editor()->setPlainText(QString::fromUtf8("Grüße 👍"));
            return int(QDialog::Accepted);
        });
        auto rtf = ui::TRichTextLabelEditor::Execute(label);
        QVERIFY(rtf);
        control.SetRtf(*rtf);
        QCOMPARE(control.Document().toPlainText(), QString::fromUtf8("Grüße 👍"));
        QVERIFY(!ui::TRichTextLabelEditor::Execute(label));
    }

    void toolBarShowsAndAppliesTheFormatAtTheCursor()
    {
        TGPRichBaseLabel label;
        label.Loaded();
        label.SetBounds(0, 0, 190, 80);
        ui::TRichTextLabelEditor editor;
        editor.LoadFrom(label);
        richtext::TRichTextToolBar &bar = *editor.ToolBar();
        // Text typed into an empty label has the document's size (12 points).
        QTextEdit &text = *editor.Editor();
        text.insertPlainText("Mara Lindqvist");
        QCOMPARE(bar.FontSizes()->currentText(), QString("12"));
        // The list still shows a family the text does not have; choosing that
        // family for the selection applies it.
        text.selectAll();
        {
            const QSignalBlocker quiet(bar.FontNames());
            bar.FontNames()->setCurrentFont(QFont("Liberation Serif"));
        }
        emit bar.FontNames()->activated(bar.FontNames()->currentIndex());
        QTextCursor first(text.document());
        first.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(first.charFormat().fontFamilies().toStringList().value(0), QString("Liberation Serif"));
    }

    void circleTextDialog()
    {
        test::ScriptedInteraction interaction;
        TGPCircleText object;
        object.SetCaption("Hello");
        object.SetDegrees(dg180);
        ui::TCircleTextProperties dialog;
        dialog.LoadFrom(object);
        QCOMPARE(dialog.DegreesBar()->value(), 2);
        QCOMPARE(dialog.DegreesLabel()->text(), QString("180 degrees"));
        QCOMPARE(dialog.StartLabel()->text(), QString("180 degrees"));
        QCOMPARE(dialog.TextEdit()->text(), QString("Hello"));
        // "Font Color" is the palette button: it shows the font colour and
        // a palette entry recolours the preview's letters.
        QCOMPARE(dialog.ColorButton()->Color(), clBlack);
        dialog.ColorButton()->ChooseIndex(1);
        QCOMPARE(dialog.Preview().Font().Color, TColor(0x0000FF));
        QVERIFY(interaction.log.isEmpty()); // no system colour dialog on the way
        dialog.DegreesBar()->setValue(4);
        QCOMPARE(dialog.Preview().Degrees(), dg360);
        QCOMPARE(dialog.DegreesLabel()->text(), QString("360 degrees"));
        // Font size arrows: up while below 150, down while above 10.
        TGFont font = dialog.Preview().Font();
        font.SetPointSize(148);
        dialog.Preview().SetTextFont(font);
        dialog.FontSizeUp();
        QCOMPARE(dialog.Preview().Font().PointSize(), 153);
        dialog.FontSizeUp();
        QCOMPARE(dialog.Preview().Font().PointSize(), 153);
        font.SetPointSize(12);
        dialog.Preview().SetTextFont(font);
        dialog.FontSizeDown();
        QCOMPARE(dialog.Preview().Font().PointSize(), 7);
        dialog.FontSizeDown();
        QCOMPARE(dialog.Preview().Font().PointSize(), 7);
        // Preview zoom: 50 % to 100 %.
        for (int i = 0; i < 9; ++i)
            dialog.ZoomOut();
        QCOMPARE(dialog.ZoomLabel()->text(), QString("50%"));
        for (int i = 0; i < 9; ++i)
            dialog.ZoomIn();
        QCOMPARE(dialog.ZoomLabel()->text(), QString("100%"));
        // Ok with an empty text: a message, the dialog stays.
        dialog.TextEdit()->setText(QString());
        dialog.OkClick();
        QCOMPARE(interaction.informations, QStringList{"Please enter some text"});
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        // Ok copies the preview back at zoom 1.
        dialog.ZoomOut();
        dialog.SaveTo(object);
        QCOMPARE(object.Degrees(), dg360);
        QCOMPARE(object.Font().PointSize(), 7);
        QCOMPARE(dialog.Preview().Zoom(), 1.0f);
    }
};

QTEST_MAIN(TestRichLabel)
#include "tst_richlabel.moc"
