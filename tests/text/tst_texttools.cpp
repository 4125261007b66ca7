// The text tools on a real design surface: each tool creates its kind in the
// drawn rectangle and runs the kind's follow-up; the labels then work with
// the surface's font and personal information and paint on it.
#include "TextTestSupport.h"
#include "design/TGBusinessCardPanel32.h"
#include "text/TextObjectCreation.h"
#include "text/model/TGBusinessCardLabel.h"
#include "text/model/TGMultiLineLabel.h"
#include "text/model/TGSymbolLabel.h"

#include <QTest>

using namespace cw;
using namespace cw::model;
using ui::TGBusinessCardPanel32;

namespace {
template <class Kind>
void registerTool(ui::TLPanelState state, void (*finish)(TGGraphicControl &, TObjectHost &, QWidget *))
{
    TGBusinessCardPanel32::TToolKind k;
    k.Create = [](TGBusinessCardPanel32 &) {
        return std::unique_ptr<TGGraphicControl>(std::make_unique<Kind>());
    };
    k.FollowUp = [finish](TGBusinessCardPanel32 &surface, TGGraphicControl &object) {
        finish(object, surface, &surface);
    };
    TGBusinessCardPanel32::RegisterTool(state, k);
}
} // namespace

class TestTextTools : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registerTool<TGBusinessCardLabel>(ui::psLabel, &ui::FinishNewBusinessCardLabel);
        registerTool<TGSymbolLabel>(ui::psSymbolLabel, &ui::FinishNewSymbolLabel);
        registerTool<TGMultiLineLabel>(ui::psMultiLineLabel, &ui::FinishNewMultiLineLabel);
    }

    void textToolMakesAFieldLabel()
    {
        test::ScriptedTextEditors editors;
        TGBusinessCardPanel32 surface;
        surface.setCardSize(336, 192);
        surface.setFont(QFont("Liberation Serif", 12));
        surface.PersonalInfo[0] = "Ada Lovelace";
        surface.SetPanelState(ui::psLabel);
        editors.texts.enqueue(QString("Analytical Engines"));
        auto *label = dynamic_cast<TGBusinessCardLabel *>(surface.CreateObject(QRect(20, 20, 5, 5)));
        QVERIFY(label);
        QCOMPARE(editors.lastCaption, QString("Text"));
        QCOMPARE(editors.lastPersonalInfo.value(0), QString("Ada Lovelace"));
        QCOMPARE(label->Caption(), QString("Analytical Engines"));
        QCOMPARE(label->Font().Name, QString("Liberation Serif"));
        QVERIFY(label->Width() >= QFontMetrics(label->CanvasFont()).horizontalAdvance("Analytical Engines"));
        // The label reached the surface after its menu was built: the
        // submenu is there at the next popup, with the surface's values.
        auto &menu = label->PopupMenu();
        QCOMPARE(menu[0].Caption, QString("Personal Information"));
        QCOMPARE(menu[0].Items[0].Caption, QString("Name\tAda Lovelace"));

        // It paints on the surface.
        const QImage shot = surface.grab().toImage();
        const QRect inside = label->BoundsRect().intersected(shot.rect());
        QVERIFY(!test::InkBounds(shot.copy(inside)).isEmpty());
    }

    void symbolToolFitsTheSymbol()
    {
        test::ScriptedTextEditors editors;
        TGBusinessCardPanel32 surface;
        surface.setCardSize(336, 192);
        surface.SetPanelState(ui::psSymbolLabel);
        TGSymbolLabel probe;
        editors.symbols.enqueue(TTextEditors::TSymbolChoice{probe.Font(), 0x28});
        auto *symbol = dynamic_cast<TGSymbolLabel *>(surface.CreateObject(QRect(40, 40, 120, 120)));
        QVERIFY(symbol);
        QCOMPARE(symbol->SymbolCode(), 0x28);
        QCOMPARE(QSize(symbol->Width(), symbol->Height()), symbol->FittedSize());
    }

    void multiLineToolFitsTheLines()
    {
        test::ScriptedTextEditors editors;
        TGBusinessCardPanel32 surface;
        surface.setCardSize(336, 192);
        surface.SetPanelState(ui::psMultiLineLabel);
        editors.lines.enqueue(QStringList{"12 High Street", "Springfield"});
        auto *lines = dynamic_cast<TGMultiLineLabel *>(surface.CreateObject(QRect(10, 100, 200, 40)));
        QVERIFY(lines);
        QCOMPARE(lines->Items().size(), 2);
        QCOMPARE(lines->Height(), 2 * QFontMetrics(lines->CanvasFont()).height());
        // The lines are narrower than the band: the drawn width stays.
        QVERIFY(lines->Width() >= 199 && lines->Width() <= 200);
    }
};

QTEST_MAIN(TestTextTools)
#include "tst_texttools.moc"
