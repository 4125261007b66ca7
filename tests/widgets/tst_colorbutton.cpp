// The colour button: its 4 x 5 palette in order and place, choosing an
// entry, and "&Other" through the colour dialog (accepted and cancelled).
#include "support/ScriptedInteraction.h"
#include "widgets/TColorButton.h"

#include <QFrame>
#include <QGridLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace cw;
using namespace cw::ui;

class TestColorButton : public QObject
{
    Q_OBJECT
private slots:
    void paletteHoldsTwentyColoursInFourColumns()
    {
        TColorButton b;
        QCOMPARE(TColorButton::Palette.front(), model::clWhite);
        QCOMPARE(TColorButton::Palette[3], model::clBlue);
        QCOMPARE(TColorButton::Palette[11], model::clYellow);
        QCOMPARE(TColorButton::Palette.back(), model::TColor(0x9F9F9F));
        QFrame *popup = b.PalettePopup();
        auto *grid = popup->findChild<QGridLayout *>();
        QVERIFY(grid);
        QCOMPARE(grid->rowCount(), 5);
        QCOMPARE(grid->columnCount(), 4);
        // Entry 6 (dark red, 0x00007F) is in row 1, column 2.
        auto *cell = qobject_cast<QToolButton *>(grid->itemAtPosition(1, 2)->widget());
        QCOMPARE(cell->objectName(), QString("Color6"));
        QSignalSpy spy(&b, &TColorButton::Change);
        cell->click();
        QCOMPARE(b.Color(), model::TColor(0x00007F));
        QCOMPARE(spy.count(), 1);
    }

    void setColorDoesNotReportAChange()
    {
        TColorButton b;
        QSignalSpy spy(&b, &TColorButton::Change);
        b.SetColor(model::clRed);
        QCOMPARE(b.Color(), model::clRed);
        QCOMPARE(spy.count(), 0);
        b.ChooseIndex(20); // outside the palette
        QCOMPARE(b.Color(), model::clRed);
        QCOMPARE(spy.count(), 0);
    }

    void otherOpensTheColourDialog()
    {
        test::ScriptedInteraction ui;
        TColorButton b;
        b.SetColor(model::clLime);
        QSignalSpy spy(&b, &TColorButton::Change);
        ui.colors.enqueue(std::nullopt); // cancelled
        auto *other = b.PalettePopup()->findChild<QPushButton *>("OtherButton");
        QVERIFY(other);
        QCOMPARE(other->text(), QString("&Other"));
        other->click();
        QCOMPARE(b.Color(), model::clLime);
        QCOMPARE(spy.count(), 0);
        ui.colors.enqueue(QColor(0x12, 0x34, 0x56));
        other->click();
        QCOMPARE(b.Color(), model::TColor(0x563412));
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(TestColorButton)
#include "tst_colorbutton.moc"
