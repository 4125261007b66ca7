// The font dialog of the Font commands: its effects section (colour,
// underline, strike-out) reaches the design font, which is saved, read back
// and drawn in that colour; symbol fonts are always offered under their own
// names, and a symbol chooser confirmed without a symbol changes nothing.
#include "TextTestSupport.h"
#include "design/model/TGLabelObjectFiler.h"
#include "text/TGSuperTextProperties.h"
#include "text/TGetSymbol.h"
#include "text/TTextEditorsUi.h"
#include "text/model/TGMultiLineLabel.h"
#include "text/model/TGSuperText.h"
#include "text/model/TGSymbolLabel.h"
#include "text/model/TSymbolFonts.h"
#include "widgets/Interaction.h"
#include "widgets/TFontDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <functional>

using namespace cw;
using namespace cw::model;

namespace {

// Answers the font dialog (with its colour) and the program's own dialogs
// from queues; an empty queue cancels.
class FontScript final : public ui::Interaction
{
public:
    FontScript() { install(this); }
    ~FontScript() override { install(nullptr); }

    QQueue<std::optional<FontChoice>> choices;
    QList<FontChoice> shown;
    QQueue<std::optional<QColor>> colours;
    QQueue<std::function<int(QDialog &)>> dialogs;

    std::optional<FontChoice> chooseFontAndColor(const FontChoice &initial, const QString &) override
    {
        shown << initial;
        return choices.isEmpty() ? std::nullopt : choices.dequeue();
    }
    std::optional<QFont> chooseFont(const QFont &, const QString &) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor &) override
    {
        return colours.isEmpty() ? std::nullopt : colours.dequeue();
    }
    int exec(QDialog &dialog) override { return dialogs.isEmpty() ? 0 : dialogs.dequeue()(dialog); }
    void information(const QString &) override {}
    bool question(const QString &, const QString &) override { return false; }
    void error(const QString &, const QString &) override {}
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override
    {
        return {};
    }
};

// The real text dialogs for the duration of a test.
struct RealEditors
{
    ui::TTextEditorsUi editors;
    TTextEditors *before = TTextEditors::Current();
    RealEditors() { TTextEditors::Install(&editors); }
    ~RealEditors() { TTextEditors::Install(before); }
};

TGMenuItem &entry(std::vector<TGMenuItem> &menu, const char *caption)
{
    TGMenuItem *item = TGMenuItem::Find(menu, caption);
    Q_ASSERT(item);
    return *item;
}

const QColor DarkRed(128, 0, 0);

// With CW_SHOT_DIR set, keeps a picture of what the user sees there.
void keepShot(const QString &name, const QImage &image)
{
    const QString folder = qEnvironmentVariable("CW_SHOT_DIR");
    if (!folder.isEmpty())
        image.save(folder + '/' + name + ".png");
}

// Every pixel is white, the text colour, or a blend of the two (the smooth
// edges of the letters); returns how many are exactly the text colour.
int checkTextColourOnWhite(const QImage &image, const QColor &colour, int *offBlend)
{
    int exact = 0;
    *offBlend = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == colour) {
                ++exact;
                continue;
            }
            // Coverage a from the channel that moves most; the others must
            // sit where the same coverage puts them.
            const double a = (255.0 - c.green()) / (255.0 - colour.green());
            const auto expect = [a](int target) { return 255.0 - a * (255.0 - target); };
            if (std::abs(c.red() - expect(colour.red())) > 3 ||
                std::abs(c.blue() - expect(colour.blue())) > 3)
                ++*offBlend;
        }
    return exact;
}

} // namespace

class TestFontDialog : public QObject
{
    Q_OBJECT

private slots:
    void multiLineTextTakesItsColourFromTheFontDialog()
    {
        FontScript ui;
        RealEditors editors;
        test::TextHost host;
        TGMultiLineLabel label;
        label.SetHost(&host);
        label.Loaded();
        TGFont big = label.Font();
        big.SetPointSize(28);
        label.SetLabelFont(big);
        label.SetItems({"Dark red", "lines"});
        label.SetBounds(0, 0, 220, 100);

        // The dialog opens on the label's colour and family; Ok with dark red
        // and underline keeps the design's family name.
        ui.choices.enqueue(std::nullopt);
        entry(label.PopupMenu(), "Font").Action();
        QCOMPARE(ui.shown.last().color, QColor(Qt::black));
        QCOMPARE(label.Font().Color, clBlack);
        ui::Interaction::FontChoice darkRed = ui.shown.last();
        darkRed.color = DarkRed;
        ui.choices.enqueue(darkRed);
        entry(label.PopupMenu(), "Font").Action();
        QCOMPARE(label.Font().Color, clMaroon);
        QCOMPARE(label.Font().Name, QString("Arial"));
        QCOMPARE(label.Font().PointSize(), 28);

        // Saved and read back: the colour is in the record and draws.
        const QByteArray bytes = TGLabelObjectFiler::ObjectListBytes({&label});
        TGLabelObjectFiler::ObjectList read = TGLabelObjectFiler().ReadObjectList(bytes);
        QCOMPARE(read.size(), std::size_t(1));
        QCOMPARE(read[0]->Font().Color, clMaroon);
        const QImage image = test::Render(*read[0]);
        keepShot("multiline-dark-red", image);
        int offBlend = 0;
        const int exact = checkTextColourOnWhite(image, DarkRed, &offBlend);
        QVERIFY2(exact > 50, qPrintable(QString::number(exact)));
        QCOMPARE(offBlend, 0);
        // Black text would fail the same check.
        label.SetLabelFont(big);
        checkTextColourOnWhite(test::Render(label), DarkRed, &offBlend);
        QVERIFY(offBlend > 50);
    }

    void effectsSectionGivesColourUnderlineAndStrikeOut()
    {
        FontScript ui;
        ui::TFontDialog dialog(nullptr, TSymbolFonts::OfferedFamilies(), true);
        QFont serif("Liberation Serif");
        serif.setPixelSize(13);
        dialog.SetChoice(serif, DarkRed);
        QCOMPARE(dialog.ColourBox()->currentText(), QString("Maroon"));
        QCOMPARE(dialog.ColourBox()->count(), 17); // 16 basic colours and "Other…"

        // Unchanged, the font comes back with its own pixel size.
        QFont chosen = dialog.ChosenFont();
        QCOMPARE(chosen.family(), QString("Liberation Serif"));
        QCOMPARE(chosen.pixelSize(), 13);
        QVERIFY(!chosen.underline() && !chosen.strikeOut() && !chosen.bold() && !chosen.italic());

        dialog.UnderlineBox()->setChecked(true);
        dialog.StrikeOutBox()->setChecked(true);
        dialog.StyleList()->setCurrentRow(3);
        dialog.SizeBox()->setCurrentText("20");
        dialog.ColourBox()->setCurrentIndex(9);
        emit dialog.ColourBox()->activated(9);
        chosen = dialog.ChosenFont();
        QVERIFY(chosen.underline() && chosen.strikeOut() && chosen.bold() && chosen.italic());
        QCOMPARE(chosen.pointSize(), 20);
        QCOMPARE(dialog.ChosenColour(), QColor(255, 0, 0));

        // A colour outside the list shows as one custom entry; "Other…" asks
        // the colour dialog, and a cancelled one keeps the colour.
        dialog.SetChoice(serif, QColor(10, 20, 30));
        QCOMPARE(dialog.ColourBox()->currentText(), QString("Custom"));
        ui.colours.enqueue(QColor(1, 2, 3));
        dialog.ChooseOtherColour();
        QCOMPARE(dialog.ChosenColour(), QColor(1, 2, 3));
        QCOMPARE(dialog.ColourBox()->count(), 18);
        dialog.ChooseOtherColour();
        QCOMPARE(dialog.ChosenColour(), QColor(1, 2, 3));
        QCOMPARE(dialog.ColourBox()->currentText(), QString("Custom"));

        dialog.SetChoice(serif, DarkRed);
        dialog.show();
        keepShot("font-dialog", dialog.grab().toImage());

        // The dialog of a command without colour has no colour list.
        ui::TFontDialog plain(nullptr, {}, false);
        QVERIFY(!plain.ColourBox());
    }

    void symbolFontsAreAlwaysOfferedUnderTheirOwnNames()
    {
        const QStringList offered = TSymbolFonts::OfferedFamilies();
        QCOMPARE(offered.mid(0, 3), (QStringList{"Wingdings", "Webdings", "Symbol"}));
        ui::TFontDialog dialog(nullptr, offered, true);
        QStringList listed;
        for (int i = 0; i < dialog.FamilyList()->count(); ++i)
            listed << dialog.FamilyList()->item(i)->text();
        for (const QString &name : offered)
            QVERIFY2(listed.contains(name), qPrintable(name));
        for (const QString &name : listed + offered)
            QVERIFY2(!name.contains('['), qPrintable(name));
        QCOMPARE(ui::TFontDialog::PlainFamily("Standard Symbols PS [urw]"), QString("Standard Symbols PS"));

        // Opened on a design font, the dialog shows it and gives back its
        // name as the design spells it, listed or not.
        dialog.SetChoice(QFont("WingDings"), Qt::black);
        QCOMPARE(dialog.FamilyList()->currentItem()->text(), QString("Wingdings"));
        QCOMPARE(dialog.ChosenFont().family(), QString("WingDings"));
        dialog.SetChoice(QFont("Arial"), Qt::black);
        QCOMPARE(dialog.ChosenFont().family(), QString("Arial"));

        // A symbol font picked in the selector's font dialog is stored under
        // its own name, with the chosen colour, whether installed or not.
        FontScript ui;
        ui::TGetSymbol selector;
        TGFont wingdings;
        wingdings.Name = "Wingdings";
        wingdings.SetPointSize(24);
        selector.Open(wingdings, 0x28);
        QFont webdings("Webdings");
        webdings.setPixelSize(32);
        ui.choices.enqueue(ui::Interaction::FontChoice{webdings, QColor(0, 0, 128)});
        selector.FontbuttonClick();
        QCOMPARE(selector.SelectedFont().Name, QString("Webdings"));
        QCOMPARE(selector.SelectedFont().Color, clNavy);
        QCOMPARE(selector.ListFont().Color, clNavy);
        // The list shows the table's glyphs: Webdings 0x28 is not the "(".
        QVERIFY(selector.SymbolList()->item(0x28 - 32)->text() != QString("("));
    }

    void symbolLabelTakesTheTelephoneFromTheSelector()
    {
        FontScript ui;
        RealEditors editors;
        test::TextHost host;
        TGSymbolLabel label;
        label.SetHost(&host);
        label.Loaded();
        const QString before = label.Caption();
        const TGFont fontBefore = label.Font();
        ui.dialogs.enqueue([](QDialog &d) {
            static_cast<ui::TGetSymbol &>(d).SelectEntry(-1);
            return int(QDialog::Accepted);
        });
        entry(label.PopupMenu(), "Symbol Selector").Action();
        QCOMPARE(label.Caption(), before);
        QVERIFY(label.Font() == fontBefore);
        const QImage bracket = test::Render(label);

        ui.dialogs.enqueue([](QDialog &d) {
            auto &selector = static_cast<ui::TGetSymbol &>(d);
            selector.SelectEntry(0x28 - 32);
            selector.show();
            keepShot("symbol-selector-telephone", selector.grab().toImage());
            return int(QDialog::Accepted);
        });
        entry(label.PopupMenu(), "Symbol Selector").Action();
        QCOMPARE(label.Caption(), QString("("));
        QCOMPARE(label.Font().Name.toLower(), QString("wingdings"));
        const QImage telephone = test::Render(label, 4);
        keepShot("symbol-label-telephone", telephone);
        QVERIFY(test::InkBounds(telephone).isValid());
        QVERIFY(test::Render(label) != bracket);
    }

    void symbolChooserConfirmedWithoutASymbolChangesNothing()
    {
        FontScript ui;
        RealEditors editors;
        ui::TGSuperTextProperties dialog;
        TGFont arial = dialog.Preview().Font();
        arial.Name = "Arial";
        dialog.Preview().SetTextFont(arial);
        const QString text = QString::fromUtf8("Ωмега☎");
        dialog.Preview().SetCaption(text);
        dialog.CaptionText->setText(text);

        // The chooser opens on a symbol font, not on the text's Arial; Ok
        // with nothing picked leaves text and font alone.
        QString openedOn;
        ui.dialogs.enqueue([&](QDialog &d) {
            auto &selector = static_cast<ui::TGetSymbol &>(d);
            openedOn = selector.ListFont().Name;
            selector.SelectEntry(-1);
            return int(QDialog::Accepted);
        });
        dialog.SelectSymbol();
        QCOMPARE(dialog.Preview().Caption(), text);
        QCOMPARE(dialog.CaptionText->text(), text);
        QCOMPARE(dialog.Preview().Font().Name, QString("Arial"));
        QCOMPARE(openedOn, QString("Wingdings"));

        // Picking the telephone takes the symbol and its font.
        ui.dialogs.enqueue([](QDialog &d) {
            static_cast<ui::TGetSymbol &>(d).SelectEntry(0x28 - 32);
            return int(QDialog::Accepted);
        });
        dialog.SelectSymbol();
        QCOMPARE(dialog.Preview().Caption(), QString("("));
        QCOMPARE(dialog.Preview().Font().Name, QString("Wingdings"));
    }
};

QTEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"
