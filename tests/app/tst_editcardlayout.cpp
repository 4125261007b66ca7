#include "app/TCardStockFinder.h"
#include "app/TEditCardLayout.h"
#include "app/model/TPreferences.h"
#include "support/ScriptedInteraction.h"
#include "support/TestFolder.h"
#include "widgets/TNumEdit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

using namespace cw;
using model::TCardLayout;
using ui::TEditCardLayout;
using ui::TNumEdit;

namespace {

TNumEdit *edit(TEditCardLayout &dialog, const char *name)
{
    auto *found = dialog.findChild<TNumEdit *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no edit %s", name);
    return found;
}

// The user types `text` into `field` (replacing what was there) and leaves it.
void typeInto(TNumEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
    emit field->editingFinished();
}

// The user picks a line of the predefined list.
void pick(TEditCardLayout &dialog, int line)
{
    auto *list = dialog.findChild<QComboBox *>("PredefinedLayouts");
    list->setCurrentIndex(line);
    emit list->activated(line);
}

} // namespace

class TestEditCardLayout : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void controlsAndCaptions()
    {
        TEditCardLayout dialog;
        QCOMPARE(dialog.windowTitle(), QString("Business Card Layout"));
        for (const char *name :
             {"eCardwidth", "eCardHeight", "eHorizPitch", "eVertPitch", "eleftmarg", "etopmarg"})
            QVERIFY2(dialog.findChild<TNumEdit *>(name), name);
        QCOMPARE(dialog.findChild<QSpinBox *>("enbracross")->maximum(), 10);
        QCOMPARE(dialog.findChild<QSpinBox *>("enbrdown")->maximum(), 30);
        QCOMPARE(dialog.findChild<QComboBox *>("PredefinedLayouts")->count(), 21);
        auto *paper = dialog.findChild<QComboBox *>("epapersize");
        QCOMPARE(paper->itemText(0), QString("Letter (8.5 x 11\")"));
        QCOMPARE(paper->itemText(1), QString("A4 (210 x 297mm)"));
        QCOMPARE(paper->itemText(2), QString("A3 (297 x 420mm)"));
        QCOMPARE(paper->itemText(5), QString("Custom size"));
        QCOMPARE(paper->itemText(6), QString()); // the empty line keeps the code
        QVERIFY(dialog.findChild<QRadioButton *>("Inchesbutton")->isChecked());
        QVERIFY(dialog.findChild<QPushButton *>("OKButton")->isDefault());
    }

    void inchesAndMillimetresDisplay()
    {
        test::ScriptedInteraction ui;
        TEditCardLayout dialog;
        dialog.SetLayout(TCardLayout{});
        dialog.FormActivate();
        QCOMPARE(edit(dialog, "eCardwidth")->text(), QString("3.5"));
        QCOMPARE(edit(dialog, "eCardHeight")->text(), QString("2")); // "#0.###"
        QCOMPARE(edit(dialog, "eleftmarg")->text(), QString("0.75"));

        dialog.findChild<QRadioButton *>("MMButton")->click();
        QCOMPARE(edit(dialog, "eCardwidth")->text(), QString("88.90"));
        QCOMPARE(edit(dialog, "eCardHeight")->text(), QString("50.80"));
        // Clicking the checked unit again changes nothing.
        dialog.findChild<QRadioButton *>("MMButton")->click();
        QCOMPARE(edit(dialog, "eCardwidth")->text(), QString("88.90"));

        dialog.findChild<QRadioButton *>("Inchesbutton")->click();
        QCOMPARE(edit(dialog, "eCardwidth")->text(), QString("3.5"));
        QCOMPARE(edit(dialog, "eCardHeight")->text(), QString("2.0")); // "#0.0##" after the switch back
        QCOMPARE(edit(dialog, "etopmarg")->text(), QString("0.5"));
        QCOMPARE(edit(dialog, "eleftmarg")->text(), QString("0.75"));

        dialog.OKButtonClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Layout(), TCardLayout{});
        QVERIFY(ui.log.isEmpty());

        // Inches show six digits in all: a long whole part leaves fewer decimals.
        edit(dialog, "eCardwidth")->setValue(1234.5678);
        QCOMPARE(edit(dialog, "eCardwidth")->text(), QString("1234.57"));
        edit(dialog, "eCardwidth")->setValue(12345.6);
        QCOMPARE(edit(dialog, "eCardwidth")->text(), QString("12345.6")); // never below "#0.0##"'s one
    }

    void hermaInMillimetres()
    {
        test::ScriptedInteraction ui;
        TEditCardLayout dialog;
        TCardLayout layout;
        layout.UseMM = true;
        dialog.SetLayout(layout);
        pick(dialog, 20); // before the first activation: ignored
        QCOMPARE(dialog.Layout().Width, 3.5f);
        dialog.FormActivate();
        QCOMPARE(edit(dialog, "eCardwidth")->text(), QString("88.90"));

        pick(dialog, 20);
        QCOMPARE(edit(dialog, "eCardwidth")->text(), QString("83.82"));
        QCOMPARE(edit(dialog, "etopmarg")->text(), QString("21.59"));
        QCOMPARE(dialog.findChild<QComboBox *>("epapersize")->currentIndex(), 1);

        dialog.OKButtonClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const TCardLayout result = dialog.Layout();
        QCOMPARE(result.Width, 3.3f);
        QCOMPARE(result.TopMargin, 0.85f);
        QCOMPARE(result.LeftMargin, 0.73f);
        QCOMPARE(result.HPitch, 3.5f);
        QCOMPARE(result.Papersize, 9);
        QCOMPARE(result.PredefLayout, 20);
        QVERIFY(result.UseMM);
    }

    void switchingUnitsKeepsTheThousandths()
    {
        // 3.543 inches shows as 89.99 mm; switching back to inches and
        // pressing OK gives exactly the stock's 3.543 again.
        test::ScriptedInteraction ui;
        TEditCardLayout dialog;
        TCardLayout layout;
        layout.ApplyPredefined(9);
        layout.UseMM = true;
        dialog.SetLayout(layout);
        dialog.FormActivate();
        QCOMPARE(edit(dialog, "eCardwidth")->text(), QString("89.99"));
        QCOMPARE(edit(dialog, "etopmarg")->text(), QString("21.49"));
        dialog.findChild<QRadioButton *>("Inchesbutton")->click();
        QCOMPARE(edit(dialog, "eCardwidth")->text(), QString("3.543"));
        dialog.OKButtonClick();
        QCOMPARE(dialog.Layout().Width, 3.543f);
        QCOMPARE(dialog.Layout().TopMargin, 0.846f);
        QVERIFY(!dialog.Layout().UseMM);
    }

    void cardHeightLimitInMillimetres()
    {
        test::ScriptedInteraction ui;
        TEditCardLayout dialog;
        TCardLayout layout;
        layout.UseMM = true;
        dialog.SetLayout(layout);
        dialog.FormActivate();

        typeInto(edit(dialog, "eCardHeight"), "7");
        dialog.OKButtonClick();
        QCOMPARE(ui.informations, QStringList{"Card Height must be at least .3 inches (or 7mm)"});
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // still open
        QCOMPARE(dialog.Layout().Height, 0.276f);
        QCOMPARE(edit(dialog, "eCardHeight")->text(), QString("7")); // what the user typed

        typeInto(edit(dialog, "eCardHeight"), "8");
        dialog.OKButtonClick();
        QCOMPARE(ui.informations.size(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Layout().Height, 0.315f);
    }

    void validCardChecksInOrder_data()
    {
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("width");
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("down");
        QTest::addColumn<float>("hpitch");
        QTest::addColumn<float>("vpitch");
        QTest::addColumn<QString>("message");
        const QString h = "Card Height must be at least .3 inches (or 7mm)";
        const QString w = "Card Width must be at least .5 inch (or 13mm)";
        const QString hp = "Horizontal Pitch must be at least = Card Width";
        const QString vp = "Vertical Pitch must be at least = Card Height";
        QTest::newRow("height first") << 0.2f << 0.1f << 2 << 2 << 0.f << 0.f << h;
        QTest::newRow("width") << 0.3f << 0.49f << 2 << 2 << 0.f << 0.f << w;
        QTest::newRow("horizontal pitch") << 2.f << 3.5f << 2 << 5 << 3.4f << 1.f << hp;
        QTest::newRow("vertical pitch") << 2.f << 3.5f << 2 << 5 << 3.5f << 1.99f << vp;
        QTest::newRow("one column, no pitch") << 2.f << 3.5f << 1 << 1 << 0.f << 0.f << QString();
        QTest::newRow("pitch equal to the card") << 2.f << 3.5f << 10 << 30 << 3.5f << 2.f << QString();
        QTest::newRow("smallest card") << 0.3f << 0.5f << 1 << 1 << 0.f << 0.f << QString();
    }
    void validCardChecksInOrder()
    {
        QFETCH(float, height);
        QFETCH(float, width);
        QFETCH(int, across);
        QFETCH(int, down);
        QFETCH(float, hpitch);
        QFETCH(float, vpitch);
        QFETCH(QString, message);
        test::ScriptedInteraction ui;
        TEditCardLayout dialog;
        dialog.SetLayout(TCardLayout{});
        dialog.FormActivate();
        dialog.findChild<QSpinBox *>("enbracross")->setValue(across);
        dialog.findChild<QSpinBox *>("enbrdown")->setValue(down);
        edit(dialog, "eCardHeight")->setValue(height);
        edit(dialog, "eCardwidth")->setValue(width);
        edit(dialog, "eHorizPitch")->setValue(hpitch);
        edit(dialog, "eVertPitch")->setValue(vpitch);
        dialog.OKButtonClick();
        QCOMPARE(ui.informations, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(dialog.result(), int(message.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
    }

    void lengthsStopWhereTheSettingsFileStops()
    {
        // What the dialog accepts is what the next start reads back: a length
        // beyond the settings file's limit is refused here, not replaced by
        // the default card at the next start.
        test::TestFolder folder;
        const QString tooLong = "Sizes, pitches and margins must be at most 100 inches (or 2540mm)";
        for (const char *name :
             {"eCardwidth", "eCardHeight", "eHorizPitch", "eVertPitch", "eleftmarg", "etopmarg"}) {
            test::ScriptedInteraction ui;
            TEditCardLayout dialog;
            dialog.SetLayout(TCardLayout{});
            dialog.FormActivate();
            dialog.findChild<QSpinBox *>("enbracross")->setValue(1);
            dialog.findChild<QSpinBox *>("enbrdown")->setValue(1);
            typeInto(edit(dialog, name), "150");
            dialog.OKButtonClick();
            QCOMPARE(ui.informations, QStringList{tooLong});
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }

        test::ScriptedInteraction ui;
        TEditCardLayout dialog;
        TCardLayout layout;
        layout.UseMM = true;
        dialog.SetLayout(layout);
        dialog.FormActivate();
        typeInto(edit(dialog, "eCardwidth"), "2541");
        dialog.OKButtonClick();
        QCOMPARE(ui.informations, QStringList{tooLong});
        typeInto(edit(dialog, "eHorizPitch"), "2540"); // 100 inches: the longest length
        typeInto(edit(dialog, "eCardwidth"), "2540");
        dialog.OKButtonClick();
        QCOMPARE(ui.informations.size(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        model::TPreferences prefs;
        prefs.Layout = dialog.Layout();
        QCOMPARE(prefs.Layout.Width, TCardLayout::MaxLength);
        prefs.Save();
        model::TPreferences next;
        next.Load();
        QCOMPARE(next.Layout, prefs.Layout);
    }

    void numbersInTheUsersLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        test::ScriptedInteraction ui;
        TEditCardLayout dialog;
        dialog.SetLayout(TCardLayout{});
        dialog.FormActivate();
        QCOMPARE(edit(dialog, "eleftmarg")->text(), QString("0,75"));
        typeInto(edit(dialog, "eCardwidth"), "3,75");
        QCOMPARE(edit(dialog, "eHorizPitch")->text(), QString("3,75"));
        dialog.findChild<QRadioButton *>("MMButton")->click();
        QCOMPARE(edit(dialog, "eCardwidth")->text(), QString("95,25"));
        typeInto(edit(dialog, "eCardHeight"), "50,5");
        dialog.OKButtonClick();
        QLocale::setDefault(QLocale::c());
        QVERIFY(ui.informations.isEmpty());
        QCOMPARE(dialog.Layout().Width, 3.75f);
        QCOMPARE(dialog.Layout().Height, 1.988f);
    }

    void leavingWidthOrHeightRaisesThePitch()
    {
        test::ScriptedInteraction ui;
        TEditCardLayout dialog;
        dialog.SetLayout(TCardLayout{});
        dialog.FormActivate();
        typeInto(edit(dialog, "eCardwidth"), "4");
        QCOMPARE(edit(dialog, "eHorizPitch")->value(), 4.0);
        typeInto(edit(dialog, "eCardwidth"), "3");
        QCOMPARE(edit(dialog, "eHorizPitch")->value(), 4.0); // a larger pitch stays
        typeInto(edit(dialog, "eCardHeight"), "2.5");
        QCOMPARE(edit(dialog, "eVertPitch")->value(), 2.5);
        dialog.OKButtonClick();
        QCOMPARE(dialog.Layout().HPitch, 4.0f);
        QCOMPARE(dialog.Layout().VPitch, 2.5f);
    }

    void paperSizeLines()
    {
        test::ScriptedInteraction ui;
        TEditCardLayout dialog;
        TCardLayout layout;
        layout.Papersize = 7; // no paper of the list: the list stays where it is
        dialog.SetLayout(layout);
        dialog.FormActivate();
        auto *paper = dialog.findChild<QComboBox *>("epapersize");
        QCOMPARE(paper->currentIndex(), 0);
        paper->setCurrentIndex(6);
        dialog.OKButtonClick();
        QCOMPARE(dialog.Layout().Papersize, 7); // the empty line keeps the code
        paper->setCurrentIndex(4);
        dialog.OKButtonClick();
        QCOMPARE(dialog.Layout().Papersize, TCardLayout::PaperLegal);
    }

    void okOnADialogNeverShownKeepsTheLayout()
    {
        // A caller that runs the dialog without showing it (a scripted run)
        // still gets the layout it handed in, not the empty edits.
        test::ScriptedInteraction ui;
        TEditCardLayout dialog;
        TCardLayout layout;
        layout.ApplyPredefined(19);
        layout.PredefLayout = 19;
        dialog.SetLayout(layout);
        dialog.OKButtonClick();
        QVERIFY(ui.informations.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Layout(), layout);
    }

    void searchFindsStocks()
    {
        test::TestFolder folder;
        test::ScriptedInteraction ui;
        TEditCardLayout dialog;
        ui::TCardStockFinder &finder = *dialog.StockFinder();
        finder.Search("Avery 5371");
        QCOMPARE(finder.ListedTexts().value(0), QString("Avery Business Card 5371 (Letter Size Paper)"));
        QVERIFY(finder.ListedKeys().contains("avery-5371"));
        finder.Search("L7415");
        QCOMPARE(finder.ListedTexts(), QStringList{"Avery Business Card L7415 (A4 Size Paper)"});
        finder.Search("a3");
        QVERIFY(!finder.ListedKeys().isEmpty());
        QVERIFY2(finder.ListedTexts().first().contains("(A3, 3 x 8 = 24 per sheet, 90.0 x 50.0 mm)"),
                 qPrintable(finder.ListedTexts().first()));
        // The search field lists as it is typed into.
        auto *field = dialog.findChild<QLineEdit *>("StockSearch");
        field->clear();
        QTest::keyClicks(field, "10 per sheet");
        QVERIFY(finder.ListedKeys().size() > 30);
    }

    void pickingAStockFillsTheFields()
    {
        test::TestFolder folder;
        test::ScriptedInteraction ui;
        TEditCardLayout dialog;
        dialog.SetLayout(TCardLayout{});
        dialog.FormActivate();
        ui::TCardStockFinder &finder = *dialog.StockFinder();
        finder.Search("russian a3");
        QCOMPARE(finder.ListedKeys(), QStringList{"russian-a3-5x9"});
        finder.Highlight(0);
        finder.PickHighlighted();
        // 90 x 50 mm cards 14 mm from the left edge, held as single-precision inches.
        QCOMPARE(edit(dialog, "eCardwidth")->value(), double(float(90 / 25.4)));
        QCOMPARE(edit(dialog, "eCardHeight")->value(), double(float(50 / 25.4)));
        QCOMPARE(edit(dialog, "eleftmarg")->value(), double(float(14 / 25.4)));
        QCOMPARE(edit(dialog, "eCardwidth")->text(), QString("3.543"));
        QCOMPARE(dialog.findChild<QSpinBox *>("enbracross")->value(), 3);
        QCOMPARE(dialog.findChild<QSpinBox *>("enbrdown")->value(), 8);
        QCOMPARE(dialog.findChild<QComboBox *>("epapersize")->currentIndex(), 2);
        QCOMPARE(dialog.findChild<QComboBox *>("PredefinedLayouts")->currentIndex(), -1);
        dialog.OKButtonClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Layout().StockKey, QString("russian-a3-5x9"));
        QCOMPARE(dialog.Layout().Papersize, TCardLayout::PaperA3);
        QCOMPARE(dialog.Layout().Across * dialog.Layout().Down, 24);

        // Numbers changed after picking: the layout is no longer that stock.
        typeInto(edit(dialog, "eCardwidth"), "3.4");
        dialog.OKButtonClick();
        QCOMPARE(dialog.Layout().StockKey, QString());

        // A built-in layout found by search selects its line of the list.
        finder.Search("L7415");
        finder.PickHighlighted();
        QCOMPARE(dialog.findChild<QComboBox *>("PredefinedLayouts")->currentIndex(), 11);
        dialog.OKButtonClick();
        TCardLayout expected;
        expected.ApplyPredefined(11);
        expected.PredefLayout = 11;
        QCOMPARE(dialog.Layout(), expected);
    }

    void savedUserLayoutComesBackAfterRestart()
    {
        test::TestFolder folder;
        test::ScriptedInteraction ui;
        QString key;
        {
            TEditCardLayout dialog;
            dialog.SetLayout(TCardLayout{});
            dialog.FormActivate();
            typeInto(edit(dialog, "eCardwidth"), "3.25");
            typeInto(edit(dialog, "etopmarg"), "0.625");
            dialog.findChild<QSpinBox *>("enbrdown")->setValue(4);
            key = dialog.StockFinder()->SaveCurrent("Print shop offcuts");
            QVERIFY(!key.isEmpty());
            QCOMPARE(dialog.StockFinder()->ListedKeys(), QStringList{key});
        }
        TEditCardLayout restarted;
        restarted.SetLayout(TCardLayout{});
        restarted.FormActivate();
        restarted.StockFinder()->Search("offcuts");
        QCOMPARE(restarted.StockFinder()->ListedKeys(), QStringList{key});
        restarted.StockFinder()->PickHighlighted();
        restarted.OKButtonClick();
        QCOMPARE(restarted.Layout().Width, 3.25f);
        QCOMPARE(restarted.Layout().TopMargin, 0.625f);
        QCOMPARE(restarted.Layout().Down, 4);
        QCOMPARE(restarted.Layout().StockKey, key);

        // No name: nothing is saved and the user is told.
        QVERIFY(restarted.StockFinder()->SaveCurrent("  ").isEmpty());
        QCOMPARE(ui.informations.size(), 1);
    }

    void customPaperNeedsItsSize()
    {
        test::ScriptedInteraction ui;
        TEditCardLayout dialog;
        dialog.SetLayout(TCardLayout{});
        dialog.FormActivate();
        auto *paper = dialog.findChild<QComboBox *>("epapersize");
        QVERIFY(!edit(dialog, "epaperwidth")->isEnabled());
        paper->setCurrentIndex(5);
        QVERIFY(edit(dialog, "epaperwidth")->isEnabled());
        dialog.OKButtonClick();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(ui.informations.value(0),
                 QString("A custom paper must be at least 1 inch (or 25.4mm) wide and high"));
        typeInto(edit(dialog, "epaperwidth"), "12");
        typeInto(edit(dialog, "epaperheight"), "18");
        dialog.OKButtonClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Layout().Papersize, TCardLayout::PaperCustom);
        QCOMPARE(dialog.Layout().SheetSizeInches(), QSizeF(12, 18));
    }

    void executeThroughTheInteractionService()
    {
        test::ScriptedInteraction ui;
        TCardLayout layout;
        layout.PredefLayout = 42; // outside the list: no line selected
        ui.dialogs.enqueue([](QDialog &d) {
            auto &dialog = static_cast<TEditCardLayout &>(d);
            // The dialog arrives filled in, as the user would see it.
            if (dialog.findChild<QComboBox *>("PredefinedLayouts")->currentIndex() != -1)
                return int(QDialog::Rejected);
            pick(dialog, 14);
            dialog.findChild<QRadioButton *>("MMButton")->click();
            dialog.OKButtonClick();
            return dialog.result();
        });
        QVERIFY(TEditCardLayout::Execute(layout));
        TCardLayout expected;
        expected.ApplyPredefined(14);
        expected.PredefLayout = 14;
        expected.UseMM = true;
        QCOMPARE(layout, expected);

        ui.dialogs.enqueue([](QDialog &d) {
            auto &dialog = static_cast<TEditCardLayout &>(d);
            pick(dialog, 20);
            return int(QDialog::Rejected);
        });
        QVERIFY(!TEditCardLayout::Execute(layout));
        QCOMPARE(layout, expected);
    }
};

QTEST_MAIN(TestEditCardLayout)
#include "tst_editcardlayout.moc"
