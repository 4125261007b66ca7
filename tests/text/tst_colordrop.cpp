// The colour drop-down list (18 named colours, first match, values it cannot
// show) and the "Text 3D Effects" dialog that uses it with a live sample.
#include "TextTestSupport.h"
#include "support/ScriptedInteraction.h"
#include "text/TGFont3DEffects.h"
#include "widgets/TColorDrop.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

using namespace cw;
using namespace cw::model;
using ui::TColorDrop;

class TestColorDrop : public QObject
{
    Q_OBJECT
private slots:
    void rowsAndFirstMatch()
    {
        TColorDrop drop;
        QCOMPARE(drop.count(), 18);
        QCOMPARE(drop.itemText(0), QString("Black"));
        QCOMPARE(drop.itemText(15), QString("Light Gray"));
        QCOMPARE(drop.itemText(17), QString("White"));
        QCOMPARE(drop.SelectedColor(), clBlack);
        QCOMPARE(drop.currentIndex(), 0);
        // Same values: the first row wins.
        drop.SetSelectedColor(0xC0C0C0);
        QCOMPARE(drop.currentIndex(), 8); // Silver, not Light Gray
        drop.SetSelectedColor(0x808080);
        QCOMPARE(drop.currentIndex(), 7); // Gray, not Dark Gray
        drop.SetSelectedColor(clAqua);
        QCOMPARE(drop.currentIndex(), 14);
        QCOMPARE(drop.SelectedColor(), clAqua);
        // A value no row has changes nothing.
        drop.SetSelectedColor(0x123456);
        QCOMPARE(drop.currentIndex(), 14);
        QCOMPARE(drop.SelectedColor(), clAqua);
    }

    void choosingARowRaisesChange()
    {
        TColorDrop drop;
        QSignalSpy changes(&drop, &TColorDrop::Change);
        drop.SetSelectedColor(clRed); // setting is not choosing
        QCOMPARE(changes.count(), 0);
        drop.ChooseRow(16);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(drop.SelectedColor(), TColor(0x808080));
        QCOMPARE(drop.currentIndex(), 16);
        drop.ChooseRow(18); // out of range
        QCOMPARE(changes.count(), 1);
        QFont f = drop.font();
        f.setPixelSize(11);
        drop.setFont(f);
        QCOMPARE(drop.RowHeight(), 15);
    }

    void effectsDialogStartsFromTheLabel()
    {
        TGPLabel label;
        label.SetDirectionShadow(sdDown);
        label.SetDepthShadow(3);
        label.SetColorShadow(clRed);
        label.SetColorHighlight(0x123456); // not in the list
        label.SetDepthHighlight(12);       // above what the list shows
        TGFont font = label.Font();
        font.Color = clBlue;
        label.SetLabelFont(font);

        ui::TGFont3DEffects dialog;
        dialog.SetLabel(&label);
        dialog.FormActivate();
        QCOMPARE(dialog.ShadowDirection()->currentIndex(), int(sdDown));
        QCOMPARE(dialog.ShadowDirection()->currentText(), QString("Down"));
        QCOMPARE(dialog.ShadowDepth()->currentIndex(), 3);
        QCOMPARE(dialog.ShadowColorCombo()->currentText(), QString("Red"));
        QCOMPARE(dialog.HighlightDirection()->currentText(), QString("Upper Left"));
        QCOMPARE(dialog.HighLightDepth()->currentIndex(), -1);
        QCOMPARE(dialog.HighLightColorCombo()->currentText(), QString("Black"));
        QCOMPARE(dialog.FontColorCombo()->currentText(), QString("Blue"));
        // The sample mirrors the label's effect and fills the panel width.
        QCOMPARE(dialog.Sample().DepthShadow(), 3);
        QCOMPARE(dialog.Sample().ColorHighlight(), TColor(0x123456));
        QCOMPARE(dialog.Sample().Caption(), QString("Text"));
        QCOMPARE(dialog.Sample().Width(), 437);

        // Untouched values the lists cannot show survive Ok.
        dialog.OKButtonClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(label.ColorHighlight(), TColor(0x123456));
        QCOMPARE(label.DepthHighlight(), 12);
        QCOMPARE(label.Font().Color, clBlue);
    }

    void liveEditingTouchesOnlyTheSampleUntilOk()
    {
        TGPLabel label;
        ui::TGFont3DEffects dialog;
        dialog.SetLabel(&label);
        dialog.FormActivate();
        dialog.ShadowDirection()->setCurrentIndex(3);
        dialog.ShadowDirectionChange();
        dialog.ShadowDepth()->setCurrentIndex(3);
        dialog.ShadowDepthChange();
        dialog.ShadowColorCombo()->ChooseRow(9); // Red
        dialog.FontColorCombo()->ChooseRow(12);  // Blue, through the list's change event
        dialog.HighlightDirection()->setCurrentIndex(0);
        dialog.HighlightDirectionChange();
        QCOMPARE(dialog.Sample().ShadowOffset(), QPoint(3, 3));
        QCOMPARE(dialog.Sample().ColorShadow(), clRed);
        QCOMPARE(dialog.Sample().Font().Color, clBlue);
        QCOMPARE(label.DepthShadow(), 0);
        QCOMPARE(label.Font().Color, clBlack);

        // The sample draws a red copy 3 pixels right and down of the blue text.
        const QImage sample = test::Render(dialog.Sample());
        const QRect red = test::ColourBounds(sample, Qt::red);
        const QRect blue = test::ColourBounds(sample, Qt::blue);
        QVERIFY(!red.isEmpty() && !blue.isEmpty());
        QVERIFY(qAbs(red.bottom() - blue.bottom() - 3) <= 1);

        // A second activation (coming back from another window) keeps the edits.
        dialog.FormActivate();
        QCOMPARE(dialog.Sample().DepthShadow(), 3);

        dialog.OKButtonClick();
        QCOMPARE(label.DirectionShadow(), sdDownRight);
        QCOMPARE(label.DepthShadow(), 3);
        QCOMPARE(label.ColorShadow(), clRed);
        QCOMPARE(label.DirectionHighlight(), hdNone);
        QCOMPARE(label.Font().Color, clBlue);
        QCOMPARE(label.Font().Name, QString("Arial")); // face and size come back unchanged
    }

    void effectsCommandThroughTheInteractionService()
    {
        test::ScriptedInteraction ui;
        TGPLabel label;
        // Cancel leaves the label as it was.
        ui.dialogs.enqueue([](QDialog &d) {
            auto &dialog = static_cast<ui::TGFont3DEffects &>(d);
            dialog.ShadowDepth()->setCurrentIndex(5);
            dialog.ShadowDepthChange();
            return int(QDialog::Rejected);
        });
        QVERIFY(!ui::TGFont3DEffects::Execute(label));
        QCOMPARE(label.DepthShadow(), 0);
        QCOMPARE(ui.log.last(), QString("dialog[Text 3D Effects]"));
        // Ok through the dialog's own button handler.
        ui.dialogs.enqueue([](QDialog &d) {
            auto &dialog = static_cast<ui::TGFont3DEffects &>(d);
            dialog.ShadowDepth()->setCurrentIndex(5);
            dialog.ShadowDepthChange();
            dialog.OKButtonClick();
            return dialog.result();
        });
        QVERIFY(ui::TGFont3DEffects::Execute(label));
        QCOMPARE(label.DepthShadow(), 5);
    }
};

QTEST_MAIN(TestColorDrop)
#include "tst_colordrop.moc"
