// The remaining Font commands open the font dialog with its colour: the
// circle text's Font entry and its properties dialog's "Select Font", and
// the design surface's Font command, which colours every selected text when
// the colour is changed there and leaves each its own colour otherwise.
#include "design/TGBusinessCardPanel32.h"
#include "design/TGHandle.h"
#include "design/model/TBCShapes.h"
#include "objects/TCircleTextProperties.h"
#include "objects/TObjectTools.h"
#include "objects/model/TGPCircleText.h"
#include "text/model/TGMultiLineLabel.h"
#include "text/model/TGPLabel.h"
#include "widgets/Interaction.h"
#include "widgets/TColorButton.h"

#include <QQueue>
#include <QTest>

using namespace cw;
using namespace cw::model;

namespace {

// Answers the font dialog with its colour from a queue (an empty queue
// cancels) and records what it was opened on; the dialog without colour is
// refused, so a command that still asks for it fails.
class FontScript final : public ui::Interaction
{
public:
    FontScript() { install(this); }
    ~FontScript() override { install(nullptr); }

    QQueue<FontChoice> choices;
    QList<FontChoice> shown;
    int withoutColour = 0;

    std::optional<FontChoice> chooseFontAndColor(const FontChoice &initial, const QString &) override
    {
        shown << initial;
        if (choices.isEmpty())
            return std::nullopt;
        return choices.dequeue();
    }
    std::optional<QFont> chooseFont(const QFont &, const QString &) override
    {
        ++withoutColour;
        return std::nullopt;
    }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
    int exec(QDialog &) override { return 0; }
    void information(const QString &) override {}
    bool question(const QString &, const QString &) override { return false; }
    void error(const QString &, const QString &) override {}
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &, const QString &) override
    {
        return {};
    }
};

// The real circle-text dialogs for the duration of a test.
struct RealSpecialEditors
{
    ui::TSpecialEditorsUi editors;
    TSpecialEditors *before = TSpecialEditors::Current();
    RealSpecialEditors() { TSpecialEditors::Install(&editors); }
    ~RealSpecialEditors() { TSpecialEditors::Install(before); }
};

const QColor DarkRed(128, 0, 0);
const QColor Navy(0, 0, 128);

QFont serif(int points)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSize(points);
    font.setUnderline(true);
    return font;
}

} // namespace

class TestFontCommands : public QObject
{
    Q_OBJECT
private slots:
    // The circle text's Font entry opens on its font and colour and takes
    // both; Cancel changes nothing.
    void circleTextFontTakesTheColour()
    {
        FontScript script;
        RealSpecialEditors editors;
        TGPCircleText circle;
        TGFont font = circle.Font();
        font.Color = TGColor::FromQColor(Navy);
        circle.SetTextFont(font);

        script.choices.enqueue({serif(14), DarkRed});
        circle.ChooseFontCommand();
        QCOMPARE(script.withoutColour, 0);
        QCOMPARE(script.shown.size(), 1);
        QCOMPARE(script.shown[0].color, Navy);
        QCOMPARE(circle.Font().Name, QStringLiteral("Liberation Serif"));
        QCOMPARE(circle.Font().PointSize(), 14);
        QVERIFY(circle.Font().Style & fsUnderline);
        QCOMPARE(TGColor::ToQColor(circle.Font().Color), DarkRed);

        circle.ChooseFontCommand(); // cancelled
        QCOMPARE(TGColor::ToQColor(circle.Font().Color), DarkRed);
        QCOMPARE(circle.Font().PointSize(), 14);
    }

    // "Select Font" in "CircleText Properties" colours the preview and the
    // "Font Color" button shows the chosen colour; Ok stores it.
    void circleTextPropertiesSelectFontTakesTheColour()
    {
        FontScript script;
        TGPCircleText circle;
        circle.SetCaption(QStringLiteral("Round"));
        ui::TCircleTextProperties dialog;
        dialog.LoadFrom(circle);
        script.choices.enqueue({serif(20), DarkRed});
        dialog.SelectFont();
        QCOMPARE(script.withoutColour, 0);
        QCOMPARE(TGColor::ToQColor(dialog.Preview().Font().Color), DarkRed);
        QCOMPARE(TGColor::ToQColor(dialog.ColorButton()->Color()), DarkRed);
        dialog.SaveTo(circle);
        QCOMPARE(TGColor::ToQColor(circle.Font().Color), DarkRed);
        QCOMPARE(circle.Font().Name, QStringLiteral("Liberation Serif"));
    }

    // The surface's Font command opens on the first selected text's colour;
    // a changed colour colours every selected text, an unchanged one keeps
    // each text's own colour while the font still applies.
    void surfaceFontCommandColoursTheSelection()
    {
        FontScript script;
        ui::TGBusinessCardPanel32 panel;
        auto label = std::make_unique<TGPLabel>();
        auto lines = std::make_unique<TGMultiLineLabel>();
        auto shape = std::make_unique<TBCShapes>();
        TGPLabel *l = label.get();
        TGMultiLineLabel *m = lines.get();
        TGFont navy = l->Font();
        navy.Color = TGColor::FromQColor(Navy);
        l->SetLabelFont(navy);
        TGFont black = m->Font();
        black.Color = clBlack;
        m->SetLabelFont(black);
        TBCShapes *s = shape.get();
        panel.AddObject(std::move(shape));
        panel.AddObject(std::move(label));
        panel.AddObject(std::move(lines));
        panel.Frame().Add(s);
        panel.Frame().Add(l);
        panel.Frame().Add(m);

        script.choices.enqueue({serif(16), Navy}); // colour left as it was
        panel.ChooseSelectionFont();
        QCOMPARE(script.withoutColour, 0);
        QCOMPARE(script.shown.value(0).color, Navy);
        QCOMPARE(l->Font().Name, QStringLiteral("Liberation Serif"));
        QCOMPARE(m->Font().Name, QStringLiteral("Liberation Serif"));
        QCOMPARE(TGColor::ToQColor(l->Font().Color), Navy);
        QCOMPARE(TGColor::ToQColor(m->Font().Color), QColor(Qt::black));

        script.choices.enqueue({serif(16), DarkRed});
        panel.ChooseSelectionFont();
        QCOMPARE(TGColor::ToQColor(l->Font().Color), DarkRed);
        QCOMPARE(TGColor::ToQColor(m->Font().Color), DarkRed);

        panel.ChooseSelectionFont(); // cancelled
        QCOMPARE(TGColor::ToQColor(m->Font().Color), DarkRed);
    }
};

QTEST_MAIN(TestFontCommands)
#include "tst_fontcommands.moc"
