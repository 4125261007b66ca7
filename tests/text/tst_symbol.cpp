// Symbol label: byte-coded symbol fonts with the Symbola fallback, the box
// that always fits the symbol, its popup entries, and the Symbol Selector.
#include "TextTestSupport.h"
#include "support/ScriptedInteraction.h"
#include "text/TGetSymbol.h"
#include "text/TTextEditorsUi.h"
#include "text/TextObjectCreation.h"
#include "text/model/TGSymbolLabel.h"
#include "text/model/TSymbolFonts.h"
#include "text/model/TTextFonts.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace cw;
using namespace cw::model;

namespace {
QStringList captions(const std::vector<TGMenuItem> &items)
{
    QStringList list;
    for (const auto &i : items)
        list << i.Caption;
    return list;
}
// A font dialog that behaves as the system's: it lists installed families
// only, opens any other name on its default family, and is confirmed
// without a change.
class UnchangedFontDialog final : public ui::Interaction
{
public:
    UnchangedFontDialog() { install(this); }
    ~UnchangedFontDialog() override { install(nullptr); }
    QStringList shown; // the family each dialog opened on

    std::optional<QFont> chooseFont(const QFont &initial, const QString &) override
    {
        QFont font = initial;
        if (!TSymbolFonts::IsInstalled(initial.family()))
            font.setFamily(QStringLiteral("Sans Serif"));
        shown << font.family();
        return font;
    }
    void information(const QString &) override {}
    bool question(const QString &, const QString &) override { return false; }
    void error(const QString &, const QString &) override {}
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
    int exec(QDialog &) override { return 0; }
};
} // namespace

class TestSymbol : public QObject
{
    Q_OBJECT
private slots:
    void fallbackCorrespondences()
    {
        // The common card symbols of Wingdings and Webdings, and Greek of Symbol.
        QCOMPARE(TSymbolFonts::FallbackCharacter("Wingdings", 0x28), char32_t(0x1F57F)); // telephone
        QCOMPARE(TSymbolFonts::FallbackCharacter("WingDings", 0x29), char32_t(0x2706));  // telephone sign
        QCOMPARE(TSymbolFonts::FallbackCharacter("Wingdings", 0x2A), char32_t(0x1F582)); // envelope
        QCOMPARE(TSymbolFonts::FallbackCharacter("Wingdings", 0x3F), char32_t(0x270D));  // writing hand
        QCOMPARE(TSymbolFonts::FallbackCharacter("Wingdings", 0x4A), char32_t(0x263A));  // smiley
        QCOMPARE(TSymbolFonts::FallbackCharacter("Wingdings", 0x81), char32_t(0x2460));  // circled one
        QCOMPARE(TSymbolFonts::FallbackCharacter("Wingdings", 0xFC), char32_t(0x2714));  // check mark
        QCOMPARE(TSymbolFonts::FallbackCharacter("Wingdings", 0xFF), char32_t(0));       // no equivalent
        QCOMPARE(TSymbolFonts::FallbackCharacter("Webdings", 0xC8), char32_t(0x1F581));  // telephone
        QCOMPARE(TSymbolFonts::FallbackCharacter("Webdings", 0x48), char32_t(0x1F3E0));  // house
        QCOMPARE(TSymbolFonts::FallbackCharacter("Symbol", 'a'), char32_t(0x03B1));
        QCOMPARE(TSymbolFonts::FallbackCharacter("Symbol", 'W'), char32_t(0x03A9));
        QCOMPARE(TSymbolFonts::FallbackCharacter("Arial", 'a'), char32_t(0));
        QCOMPARE(TSymbolFonts::FallbackCharacter("Wingdings", 31), char32_t(0));
    }

    void captionCharactersAreBytes()
    {
        // Code 0x80 is stored as the euro sign of Windows-1252.
        QCOMPARE(TSymbolFonts::CharOfCode(0x80), QChar(0x20AC));
        QCOMPARE(TSymbolFonts::CodeOf(QChar(0x20AC)), 0x80);
        for (int code = 32; code <= 255; ++code)
            QCOMPARE(TSymbolFonts::CodeOf(TSymbolFonts::CharOfCode(code)), code);
    }

    void resolveDrawsMissingSymbolFontsInSymbola()
    {
        QVERIFY(!TSymbolFonts::IsInstalled("Wingdings"));
        QFont font("Wingdings");
        font.setPixelSize(32);
        const auto shown =
            TSymbolFonts::Resolve(font, "WingDings", QString("(") + TSymbolFonts::CharOfCode(0x81));
        QCOMPARE(shown.Font.family(), QString("Symbola"));
        QCOMPARE(shown.Font.pixelSize(), 32);
        QCOMPARE(shown.Text, QString::fromUcs4(U"\U0001F57F\u2460"));
        // Other fonts are left alone.
        QFont arial("Arial");
        const auto plain = TSymbolFonts::Resolve(arial, "Arial", "(x)");
        QCOMPARE(plain.Text, QString("(x)"));
        QCOMPARE(plain.Font.family(), arial.family());
    }

    void newLabelDefaultsAndMenu()
    {
        test::TextHost host;
        TGSymbolLabel label;
        QCOMPARE(label.Font().Name, QString("WingDings"));
        QCOMPARE(label.Font().PointSize(), 24);
        QCOMPARE(label.Caption(), QString("["));
        QCOMPARE(label.SymbolCode(), int('['));
        QCOMPARE(label.ClassName(), QString("TGSymbolLabel"));
        label.SetHost(&host);
        label.Loaded();
        const QStringList all = captions(label.PopupMenu());
        QCOMPARE(all.mid(all.indexOf("Center Horizontally") + 1),
                 (QStringList{"-", "3D Effects", "Transparent", "Background Color", "Border", "-",
                              "Symbol Selector"}));
        // Loaded fitted the box to the symbol.
        QCOMPARE(QSize(label.Width(), label.Height()), label.FittedSize());
        QVERIFY(label.Width() < 142);
    }

    void boxSnapsBackToTheSymbol()
    {
        test::TextHost host;
        TGSymbolLabel label;
        label.SetHost(&host);
        label.Loaded();
        const QSize fitted(label.Width(), label.Height());
        label.SetBounds(label.Left() + 5, label.Top(), 200, 200);
        QCOMPARE(QSize(label.Width(), label.Height()), fitted);
        QCOMPARE(label.Left(), 5);
        // A shadow grows the box by its offset at the next bounds change.
        label.SetDepthShadow(4);
        label.CalcLayout();
        label.BoundsChanged();
        QVERIFY(label.Height() >= fitted.height() + 4);
        // An empty caption (possible in a file) still keeps a one-pixel box.
        label.SetCaption(QString());
        label.CalcLayout();
        label.SetBounds(label.Left(), label.Top(), 0, 0);
        QVERIFY(label.Width() >= 1 && label.Height() >= 1);
        // The surface's font command leaves symbols alone.
        label.ApplyFont(QFont("Liberation Sans", 30));
        QCOMPARE(label.Font().Name, QString("WingDings"));
    }

    // Whatever alignment a file gives the label, the box fits once and then
    // stays: the first paint already draws the fitted box and later paints
    // (on the surface or into a picture) do not change it.
    void boxStaysTheSameFromPaintToPaint()
    {
        for (const TAlignment alignment : {taLeftJustify, taCenter, taRightJustify}) {
            test::TextHost host;
            TGSymbolLabel label;
            label.SetAlignment(alignment);
            label.SetBounds(10, 10, 30, 60);
            label.SetHost(&host);
            QImage image(200, 200, QImage::Format_RGB32);
            QSize first;
            for (int paint = 0; paint < 4; ++paint) {
                image.fill(Qt::white);
                QPainter painter(&image);
                if (paint % 2 == 0)
                    label.PaintTo(painter, label.Left(), label.Top());
                else
                    label.PaintOnSurface(painter);
                const QSize now(label.Width(), label.Height());
                if (paint == 0)
                    first = now;
                QVERIFY2(now == first, qPrintable(QStringLiteral("alignment %1, paint %2: %3x%4 after %5x%6")
                                                      .arg(int(alignment))
                                                      .arg(paint)
                                                      .arg(now.width())
                                                      .arg(now.height())
                                                      .arg(first.width())
                                                      .arg(first.height())));
            }
            QCOMPARE(first, label.FittedSize());
        }
    }

    void selectorChangesFontAndCharacter()
    {
        test::TextHost host;
        test::ScriptedTextEditors editors;
        TGSymbolLabel label;
        label.SetHost(&host);
        label.Loaded();
        const QSize small(label.Width(), label.Height());
        TGFont big = label.Font();
        big.SetPointSize(48);
        editors.symbols.enqueue(TTextEditors::TSymbolChoice{big, 0x28});
        TGMenuItem::Find(label.PopupMenu(), "Symbol Selector")->Action();
        QCOMPARE(editors.lastCode, int('['));
        QCOMPARE(label.SymbolCode(), 0x28);
        QCOMPARE(label.Font().PointSize(), 48);
        QVERIFY(label.Width() > small.width() && label.Height() > small.height());
        // Entry 0 is the blank; a choice without an entry keeps the character.
        editors.symbols.enqueue(TTextEditors::TSymbolChoice{big, 32});
        label.ChooseSymbol();
        QCOMPARE(label.Caption(), QString(" "));
        editors.symbols.enqueue(TTextEditors::TSymbolChoice{big, -1});
        label.ChooseSymbol();
        QCOMPARE(label.Caption(), QString(" "));
        // Cancel changes nothing.
        label.ChooseSymbol();
        QCOMPARE(label.Caption(), QString(" "));
    }

    void symbolIsDrawnThroughTheFallback()
    {
        TGSymbolLabel label;
        label.SetSymbol(label.Font(), 0x28); // telephone
        label.CalcLayout();
        label.SetBounds(0, 0, 60, 50);
        const QImage image = test::Render(label);
        const QRect ink = test::InkBounds(image);
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.width() > 10 && ink.height() > 10);
    }

    void selectorColumnsAndCaption()
    {
        QCOMPARE(ui::TGetSymbol::ColumnCount(5), 1);
        QCOMPARE(ui::TGetSymbol::ColumnCount(6), 14);
        QCOMPARE(ui::TGetSymbol::ColumnCount(10), 14);
        QCOMPARE(ui::TGetSymbol::ColumnCount(11), 10);
        QCOMPARE(ui::TGetSymbol::ColumnCount(20), 10);
        QCOMPARE(ui::TGetSymbol::ColumnCount(21), 8);
        QCOMPARE(ui::TGetSymbol::ColumnCount(40), 6);
        QCOMPARE(ui::TGetSymbol::ColumnCount(50), 4);
        QCOMPARE(ui::TGetSymbol::ColumnCount(60), 3);
        QCOMPARE(ui::TGetSymbol::ColumnCount(72), 2);
        QCOMPARE(ui::TGetSymbol::ColumnCount(73), 1);

        TGFont f;
        f.Name = "Wingdings";
        f.Height = -27; // 20 points
        QCOMPARE(ui::TGetSymbol::FontButtonCaption(f), QString("Wingdings, 20pt "));
        f.Style = fsBold;
        QCOMPARE(ui::TGetSymbol::FontButtonCaption(f), QString("Wingdings, 20pt Bold "));
        f.Style = fsBold | fsItalic;
        QCOMPARE(ui::TGetSymbol::FontButtonCaption(f), QString("Wingdings, 20pt Italic "));
    }

    void selectorOpensOnTheLabelAndReturnsTheChoice()
    {
        test::ScriptedInteraction ui;
        TGFont font;
        font.Name = "Webdings";
        font.SetPointSize(36);
        ui.dialogs.enqueue([](QDialog &d) {
            auto &dialog = static_cast<ui::TGetSymbol &>(d);
            // Opened on the label's character, in its font name; the list keeps its size.
            if (dialog.SelectedEntry() != 0x48 - 32 || dialog.ListFont().Name != "Webdings" ||
                dialog.ListFont().Height != -27 || dialog.SymbolList()->count() != 224 ||
                dialog.Columns() != 10 || dialog.Fontbutton()->text() != "Webdings, 20pt ")
                return int(QDialog::Rejected);
            dialog.SelectEntry(0xC8 - 32);
            return int(QDialog::Accepted);
        });
        const auto choice = ui::TGetSymbol::Execute(font, 0x48);
        QVERIFY(choice.has_value());
        QCOMPARE(choice->Code, 0xC8);
        QCOMPARE(choice->Font.Name, QString("Webdings"));
        QCOMPARE(choice->Font.PointSize(), 36);
        QCOMPARE(ui.log.last(), QString("dialog[Symbol Selector]"));

        // The font button: the chosen font goes whole to the label, only its
        // name and style to the list.
        ui::TGetSymbol dialog;
        dialog.Open(font, -1);
        QCOMPARE(dialog.SelectedEntry(), -1);
        QFont chosen("Wingdings");
        chosen.setPointSize(48);
        chosen.setBold(true);
        ui.fonts.enqueue(chosen);
        dialog.FontbuttonClick();
        QCOMPARE(dialog.SelectedFont().Name, QString("Wingdings"));
        QCOMPARE(dialog.SelectedFont().PointSize(), 48);
        QCOMPARE(dialog.ListFont().Height, -27);
        QCOMPARE(dialog.ListFont().Style, int(fsBold));
        QCOMPARE(dialog.Fontbutton()->text(), QString("Wingdings, 20pt Bold "));
        // A cancelled font dialog changes nothing.
        dialog.FontbuttonClick();
        QCOMPARE(dialog.SelectedFont().PointSize(), 48);
    }

    void fontDialogConfirmedUnchangedKeepsTheDesignFont()
    {
        QCOMPARE(TTextFonts::DrawnFamily("WingDings"), QString("Symbola"));
        QCOMPARE(TTextFonts::DrawnFamily("Liberation Serif"), QString("Liberation Serif"));
        QVERIFY(TSymbolFonts::IsInstalled(TTextFonts::DrawnFamily("Arial")));

        UnchangedFontDialog ui;
        // Symbol Selector: the telephone stays a Wingdings telephone.
        TGFont wingdings;
        wingdings.Name = "WingDings";
        wingdings.SetPointSize(24);
        ui::TGetSymbol dialog;
        dialog.Open(wingdings, 0x28);
        dialog.FontbuttonClick();
        QCOMPARE(ui.shown, QStringList{"Symbola"});
        QCOMPARE(dialog.SelectedFont().Name, QString("WingDings"));
        QCOMPARE(dialog.ListFont().Name, QString("WingDings"));

        // Text labels: Arial stays Arial; another family is taken.
        ui::TTextEditorsUi editors;
        TGFont arial;
        arial.Name = "Arial";
        QCOMPARE(editors.ChooseFont(arial)->Name, QString("Arial"));
        QFont arialDrawn("Arial");
        arialDrawn.setPixelSize(13);
        QCOMPARE(ui.shown.last(), TTextFonts::DrawnFamily("Arial"));
        QCOMPARE(TTextFonts::FromFontDialog(arialDrawn, QFont("Liberation Serif")).family(),
                 QString("Liberation Serif"));
    }

    void symbolToolFollowUp()
    {
        test::TextHost host;
        test::ScriptedTextEditors editors;
        TGSymbolLabel label;
        label.SetHost(&host);
        label.Loaded();
        TGFont font = label.Font();
        editors.symbols.enqueue(TTextEditors::TSymbolChoice{font, 0x2A});
        ui::FinishNewSymbolLabel(label, host, nullptr);
        QCOMPARE(editors.asked, QStringList{"symbol"});
        QCOMPARE(label.SymbolCode(), 0x2A);
    }
};

QTEST_MAIN(TestSymbol)
#include "tst_symbol.moc"
