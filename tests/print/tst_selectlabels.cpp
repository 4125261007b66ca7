// Card selection ("Print Cards"): the miniature sheet's figures, clicking,
// All and None on the shown positions only, the OK rule and the copies handed
// to the engine; the bottom-margin warning's condition and texts.
#include "print/TSelectSpecificLabels.h"
#include "print/TWarnBottomMargin.h"
#include "print/model/TCardSelectionSheet.h"
#include "print/printer/TReportPrinter.h"
#include "support/ScriptedInteraction.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using cw::model::TCardSelectionSheet;
using cw::ui::TSelectSpecificLabels;
using cw::ui::TWarnBottomMargin;

namespace {

std::array<bool, 10> AllTrue()
{
    std::array<bool, 10> flags;
    flags.fill(true);
    return flags;
}

// Saves a picture of a window into $CW_PRINT_SHOTS when that is set.
void SaveShot(QWidget &window, const QString &name)
{
    const QString folder = QString::fromLocal8Bit(qgetenv("CW_PRINT_SHOTS"));
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window.adjustSize();
    window.show();
    QApplication::processEvents();
    window.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    window.hide();
}

} // namespace

class TestSelectLabels : public QObject
{
    Q_OBJECT

private slots:
    void miniatureFiguresAreTruncatedAtTwentyPercent();
    void clickSwitchesOnePositionPerRow();
    void allAndNoneTouchOnlyShownPositions();
    void largeLayoutsShowEveryPosition();
    void cardsOffThePageAreMarked();
    void okNeedsOneCardAndAlwaysHandsOverCopies();
    void bottomMarginWarningCondition();
    void bottomMarginTextsUseTheSystemNotation();
    void screenshots();
};

void TestSelectLabels::miniatureFiguresAreTruncatedAtTwentyPercent()
{
    TCardSelectionSheet sheet; // 2 x 5 cards of 3.5 x 2 inches on Letter
    sheet.DetermineRectangles();
    // s = 19.2: margins 14 and 9, pitches 67 and 38, card 67 x 38.
    QCOMPARE(sheet.SheetRect(), QRect(QPoint(10, 10), QPoint(172, 220)));
    QCOMPARE(sheet.Rectangle(0), QRect(QPoint(24, 19), QPoint(90, 56)));
    QCOMPARE(sheet.Rectangle(1), QRect(QPoint(91, 19), QPoint(157, 56)));
    QCOMPARE(sheet.Rectangle(9), QRect(QPoint(91, 171), QPoint(157, 208)));

    sheet.SheetSize = QSizeF(8.268, 11.69); // A4: 158 x 224
    QCOMPARE(sheet.SheetRect(), QRect(QPoint(10, 10), QPoint(167, 233)));
}

void TestSelectLabels::clickSwitchesOnePositionPerRow()
{
    TCardSelectionSheet sheet;
    sheet.DetermineRectangles();
    auto switched = sheet.Toggle(QPoint(100, 30)); // inside position 2
    QCOMPARE(switched[0], 1);
    QCOMPARE(switched[1], -1);
    QVERIFY(!sheet.Selected[1]);
    sheet.Toggle(QPoint(100, 30));
    QVERIFY(sheet.Selected[1]);
    // The far edges belong to no position; outside the cards nothing switches.
    QCOMPARE(sheet.Toggle(QPoint(158, 30))[0], -1);
    QCOMPARE(sheet.Toggle(QPoint(5, 5))[0], -1);
    QVERIFY(sheet.AnySelected());

    // Overlapping rows (a pitch smaller than the card): every row switches
    // its first position under the point.
    sheet.VerticalPitch = 1.0;
    sheet.DetermineRectangles();
    switched = sheet.Toggle(QPoint(30, 40));
    QCOMPARE(switched[0], 0);
    QCOMPARE(switched[1], 2);
}

void TestSelectLabels::allAndNoneTouchOnlyShownPositions()
{
    cw::test::ScriptedInteraction interaction;
    TSelectSpecificLabels dialog(nullptr);
    dialog.SetSheet(1, AllTrue(), 2.0, 3.5, 2, 4, 0.5, 0.75, 3.5, 2.0);
    QCOMPARE(dialog.Sheet.PositionCount(), 8);
    dialog.SelectnoneClick();
    for (int k = 0; k < 8; ++k)
        QVERIFY(!dialog.Selected()[k]);
    QVERIFY(dialog.Selected()[8] && dialog.Selected()[9]); // kept for the warning's test
    dialog.PaintBox1MouseDown(dialog.Sheet.Rectangle(3).center());
    QVERIFY(dialog.Selected()[3]);
    dialog.SelectAllClick();
    QVERIFY(std::all_of(dialog.Selected().begin(), dialog.Selected().begin() + 10, [](bool b) { return b; }));

    // What is painted: red selected positions, white ones, white sheet.
    dialog.SelectnoneClick();
    dialog.PaintBox1MouseDown(dialog.Sheet.Rectangle(0).center());
    const QImage shot = dialog.PaintBox()->grab().toImage();
    const double dpr = shot.devicePixelRatio();
    auto at = [&](QPoint p) { return QColor(shot.pixel(int(p.x() * dpr), int(p.y() * dpr))); };
    QCOMPARE(at(dialog.Sheet.Rectangle(0).center()), QColor(0xFF, 0, 0));
    QCOMPARE(at(dialog.Sheet.Rectangle(1).center()), QColor(Qt::white));
    QCOMPARE(at(QPoint(12, 215)), QColor(Qt::white));
}

void TestSelectLabels::largeLayoutsShowEveryPosition()
{
    TCardSelectionSheet sheet;
    sheet.Across = 4;
    sheet.Down = 8;
    sheet.CardWidth = 1.75;
    sheet.HorizontalPitch = 2.0;
    sheet.CardHeight = 1.0;
    sheet.VerticalPitch = 1.25;
    sheet.DetermineRectangles();
    QCOMPARE(sheet.PositionCount(), 32);
    QVERIFY(!sheet.Rectangle(31).isNull()); // row 7, column 3
    QCOMPARE(sheet.Rectangle(31).top(), sheet.Rectangle(28).top());
    sheet.SelectAll(false);
    QVERIFY(!sheet.AnySelected());
    // A click on the eleventh card (row 2, column 2) switches it, and only it.
    const QPoint eleventh(sheet.Rectangle(9).center().x() + 38, sheet.Rectangle(9).center().y());
    QCOMPARE(sheet.Toggle(eleventh)[0], 10);
    QVERIFY(sheet.Selected[10]);
    QCOMPARE(std::count(sheet.Selected.begin(), sheet.Selected.begin() + 32, true), 1);
    sheet.SelectAll(true);
    QCOMPARE(std::count(sheet.Selected.begin(), sheet.Selected.begin() + 32, true), 32);
}

// Three cards across on Letter: the third column runs off the paper; a
// printer that cannot print the last 0.66 inch cuts the last row too.  The
// miniature hatches those positions and the dialog says why.
void TestSelectLabels::cardsOffThePageAreMarked()
{
    TCardSelectionSheet sheet;
    sheet.Across = 3;
    sheet.Down = 5;
    sheet.LeftMargin = 0.25;
    sheet.DetermineRectangles();
    QList<int> off;
    for (int k = 0; k < sheet.PositionCount(); ++k)
        if (sheet.OffThePage(k))
            off << k + 1;
    QCOMPARE(off, (QList<int>{3, 6, 9, 12, 15}));
    sheet.Unprintable = QMarginsF(0.25, 0.25, 0.25, 0.66);
    off.clear();
    for (int k = 0; k < sheet.PositionCount(); ++k)
        if (sheet.OffThePage(k))
            off << k + 1;
    // Row 4 ends at 0.5 + 4 x 2 = 8.5 inches, inside 11 - 0.66; row 5 ends
    // at 10.5 inches, in the margin.
    QCOMPARE(off, (QList<int>{3, 6, 9, 12, 13, 14, 15}));
    // Two across, four down from 1 inch at a 2.5 inch pitch: the last row
    // (8.5 to 10.5 inches) reaches into the unprintable 0.66 inch.
    sheet.TopMargin = 1.0;
    sheet.Down = 4;
    sheet.Across = 2;
    sheet.LeftMargin = 0.75;
    sheet.VerticalPitch = 2.5;
    off.clear();
    for (int k = 0; k < sheet.PositionCount(); ++k)
        if (sheet.OffThePage(k))
            off << k + 1;
    QCOMPARE(off, (QList<int>{7, 8}));
    sheet.Unprintable = QMarginsF();
    QVERIFY(!sheet.AnyOffThePage());

    cw::test::ScriptedInteraction interaction;
    TSelectSpecificLabels dialog(nullptr);
    auto *note = dialog.findChild<QLabel *>(QStringLiteral("OffPageNote"));
    QVERIFY(note);
    dialog.SetSheet(1, AllTrue(), 2.0, 3.5, 2, 5, 0.5, 0.75, 3.5, 2.0);
    QVERIFY(note->isHidden());
    dialog.SetSheet(1, AllTrue(), 2.0, 3.5, 3, 5, 0.5, 0.25, 3.5, 2.0);
    QVERIFY(!note->isHidden());
    // Nothing is drawn beyond the paper.
    QImage shot(dialog.PaintBox()->size(), QImage::Format_RGB32);
    shot.fill(Qt::green);
    dialog.PaintBox()->render(&shot);
    const QRect paper = dialog.Sheet.SheetRect();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = paper.right() + 1; x < shot.width(); ++x)
            QVERIFY2(shot.pixel(x, y) != qRgb(0xFF, 0, 0),
                     qPrintable(QStringLiteral("red at %1,%2").arg(x).arg(y)));
}

void TestSelectLabels::okNeedsOneCardAndAlwaysHandsOverCopies()
{
    cw::test::ScriptedInteraction interaction;
    QTemporaryDir dir;
    cw::printer::TReportPrinter printer;
    printer.SetOutputFileName(dir.filePath(QStringLiteral("sheet.pdf")));
    printer.SetCopies(1);
    TSelectSpecificLabels dialog(&printer);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Cards"));
    QCOMPARE(dialog.PrinterText(), QStringLiteral("PDF"));
    dialog.SetSheet(1, AllTrue(), 2.0, 3.5, 2, 5, 0.5, 0.75, 3.5, 2.0);
    dialog.SetPages(4);
    dialog.SelectnoneClick();
    dialog.OKbuttonClick();
    QCOMPARE(interaction.informations,
             QStringList{QStringLiteral("You must select at least one card to print")});
    QCOMPARE(dialog.result(), int(QDialog::Rejected)); // stays open
    QCOMPARE(printer.Copies(), 4);
    QCOMPARE(printer.Orientation(), cw::engine::TOrientation::poPortrait);

    dialog.PaintBox1MouseDown(dialog.Sheet.Rectangle(4).center());
    dialog.SetPages(99);
    dialog.SetPages(150); // the spin box keeps 1 to 99
    dialog.OKbuttonClick();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(printer.Copies(), 99);
    QCOMPARE(interaction.informations.size(), 1);
}

void TestSelectLabels::bottomMarginWarningCondition()
{
    std::array<bool, 10> flags = AllTrue();
    QVERIFY(!TWarnBottomMargin::Needed(0.5, flags, true));
    QVERIFY(TWarnBottomMargin::Needed(0.501, flags, true));
    QVERIFY(!TWarnBottomMargin::Needed(0.66, flags, false));
    flags[8] = false;
    QVERIFY(!TWarnBottomMargin::Needed(0.66, flags, true));
    flags[8] = true;
    flags[9] = false;
    QVERIFY(!TWarnBottomMargin::Needed(0.66, flags, true));
    flags[9] = true;
    flags[0] = false; // other positions do not matter
    QVERIFY(TWarnBottomMargin::Needed(0.66, flags, true));
}

void TestSelectLabels::bottomMarginTextsUseTheSystemNotation()
{
    cw::test::ScriptedInteraction interaction;
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    {
        TWarnBottomMargin warning;
        QCOMPARE(warning.windowTitle(), QStringLiteral("ALERT"));
        warning.SetMargin(0.66);
        QVERIFY(warning.BotMargText().endsWith(QStringLiteral("bottom margin setting of : 0.660 inches")));
        QVERIFY(warning.DifferenceText().endsWith(QStringLiteral("approximately: 0.160 inches")));
        QVERIFY(!warning.DontShowAgain());
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(TWarnBottomMargin::InchesText(0.66), QStringLiteral(" 0,660 inches"));
    QLocale::setDefault(previous);
}

void TestSelectLabels::screenshots()
{
    cw::test::ScriptedInteraction interaction;
    TSelectSpecificLabels select(nullptr);
    select.SetSheet(1, AllTrue(), 2.0, 3.5, 2, 5, 0.5, 0.75, 3.5, 2.0);
    select.PaintBox1MouseDown(select.Sheet.Rectangle(2).center());
    SaveShot(select, QStringLiteral("print-cards"));
    select.SetSheet(1, AllTrue(), 2.0, 3.5, 3, 5, 0.5, 0.25, 3.5, 2.0);
    SaveShot(select, QStringLiteral("print-cards-off-the-page"));
    TWarnBottomMargin warning;
    warning.SetMargin(0.66);
    SaveShot(warning, QStringLiteral("alert"));
}

QTEST_MAIN(TestSelectLabels)
#include "tst_selectlabels.moc"
