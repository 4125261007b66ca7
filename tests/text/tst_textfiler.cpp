// The text kinds in the card file: every kind written, read back through the
// registry and written again gives the same bytes; records hold exactly the
// file fields in their order.
#include "design/model/TGLabelObjectFiler.h"
#include "design/model/TObjectRegistry.h"
#include "text/model/TGBusinessCardLabel.h"
#include "text/model/TGMultiLineLabel.h"
#include "text/model/TGSymbolLabel.h"
#include "text/model/TSymbolFonts.h"
#include "text/model/TextObjectKinds.h"

#include <QTest>

using namespace cw;
using namespace cw::model;

class TestTextFiler : public QObject
{
    Q_OBJECT
private slots:
    void kindsAreListedAndRegistered()
    {
        QStringList names;
        for (const auto &kind : TextObjectKinds()) {
            names << kind.ClassName;
            QCOMPARE(kind.Create()->ClassName(), kind.ClassName);
        }
        QCOMPARE(names,
                 (QStringList{"TGPLabel", "TGBusinessCardLabel", "TGSymbolLabel", "TGMultiLineLabel"}));
        TObjectRegistry registry;
        RegisterTextObjectKinds(registry);
        for (const QString &name : names)
            QVERIFY(registry.Contains(name));
    }

    void recordsHoldTheFileFieldsInOrder()
    {
        TGBusinessCardLabel label;
        QStringList names;
        for (const auto &e : TGLabelObjectFiler::StoredEntries(label))
            names << e.Name;
        const QStringList own = names.mid(names.indexOf("Unselectable") + 1);
        QCOMPARE(own, (QStringList{"Caption", "Font.Color", "Font.Height", "Font.Name", "Font.Style",
                                   "Transparent", "BackColor", "BorderStyle"}));
        label.SetDepthShadow(2);
        label.SetAlignment(taCenter);
        label.SetAngle(180);
        names.clear();
        for (const auto &e : TGLabelObjectFiler::StoredEntries(label))
            names << e.Name;
        QVERIFY(names.indexOf("DepthShadow") < names.indexOf("Angle"));
        QVERIFY(names.indexOf("Angle") < names.indexOf("Caption"));
        QVERIFY(!names.contains("Alignment")); // the turn forced taLeftJustify

        TGMultiLineLabel lines;
        names.clear();
        for (const auto &e : TGLabelObjectFiler::StoredEntries(lines))
            names << e.Name;
        QCOMPARE(names.mid(names.indexOf("Unselectable") + 1),
                 (QStringList{"AutoSize", "Font.Color", "Font.Height", "Font.Name", "Font.Style"}));
    }

    void writeReadWriteGivesTheSameBytes()
    {
        std::vector<std::unique_ptr<TGGraphicControl>> objects;
        auto plain = std::make_unique<TGPLabel>();
        plain->SetCaption(QString::fromUtf8("Grüße – 5 €"));
        plain->SetDepthShadow(3);
        plain->SetDirectionShadow(sdLeft);
        plain->SetColorShadow(clRed);
        plain->SetAngle(90);
        plain->SetBounds(10, 20, 33, 142);
        objects.push_back(std::move(plain));

        auto card = std::make_unique<TGBusinessCardLabel>();
        TGFont font;
        font.Name = "Liberation Serif";
        font.SetPointSize(14);
        font.Style = fsBold | fsItalic;
        font.Color = clNavy;
        card->SetLabelFont(font);
        card->SetCaption(QString::fromUtf8("Ωmega Ltd")); // not Windows-1252: a wide string
        card->SetTransparent(false);
        card->SetBackColor(clYellow);
        card->SetBorderStyle(bsSingle);
        card->SetAlignment(taRightJustify);
        card->SetBounds(30, 40, 200, 30);
        objects.push_back(std::move(card));

        auto symbol = std::make_unique<TGSymbolLabel>();
        symbol->SetSymbol(symbol->Font(), 0x80);
        symbol->SetBounds(5, 5, 40, 40);
        symbol->CalcLayout(); // as the surface's painting does; reading lays it out too
        objects.push_back(std::move(symbol));

        auto lines = std::make_unique<TGMultiLineLabel>();
        lines->SetItems({"first line", "", "third"});
        lines->SetAlignment(taCenter);
        lines->SetBounds(50, 60, 120, 60);
        lines->SetWordWrap(true);
        objects.push_back(std::move(lines));

        // Read objects are named "Component" + N; name the originals alike.
        for (std::size_t i = 0; i < objects.size(); ++i)
            objects[i]->Name = QString("Component%1").arg(i);
        const QByteArray first = TGLabelObjectFiler::ObjectListBytes(TGLabelObjectFiler::Refs(objects));
        TObjectRegistry registry;
        RegisterTextObjectKinds(registry);
        TGLabelObjectFiler filer({}, &registry);
        const auto read = filer.ReadObjectList(first);
        QCOMPARE(read.size(), std::size_t(4));
        const QByteArray second = TGLabelObjectFiler::ObjectListBytes(TGLabelObjectFiler::Refs(read));
        QCOMPARE(second, first);

        auto *p = dynamic_cast<TGPLabel *>(read[0].get());
        QVERIFY(p);
        QCOMPARE(p->Caption(), QString::fromUtf8("Grüße – 5 €"));
        QCOMPARE(p->Angle(), 90);
        QCOMPARE(p->ShadowOffset(), QPoint(-3, 0));
        QCOMPARE(QSize(p->Width(), p->Height()), QSize(33, 142));
        auto *c = dynamic_cast<TGBusinessCardLabel *>(read[1].get());
        QVERIFY(c);
        QCOMPARE(c->Caption(), QString::fromUtf8("Ωmega Ltd"));
        QCOMPARE(c->Font().Style, fsBold | fsItalic);
        QCOMPARE(c->Font().Color, clNavy);
        QCOMPARE(c->BorderStyle(), bsSingle);
        QVERIFY(!c->Transparent());
        auto *s = dynamic_cast<TGSymbolLabel *>(read[2].get());
        QVERIFY(s);
        QCOMPARE(s->SymbolCode(), 0x80);
        QCOMPARE(s->Font().Name, QString("WingDings"));
        auto *m = dynamic_cast<TGMultiLineLabel *>(read[3].get());
        QVERIFY(m);
        QCOMPARE(m->Items(), (QStringList{"first line", "", "third"}));
        QVERIFY(m->WordWrap());
        QVERIFY(!m->WrappedLines().isEmpty());
        QCOMPARE(m->Alignment(), taCenter);
    }

    void cloneKeepsEveryProperty()
    {
        TGPLabel label;
        label.SetCaption("Clone me");
        label.SetDepthHighlight(2);
        label.SetDirectionHighlight(hdUp);
        label.SetColorHighlight(clLime);
        label.SetBorderStyle(bsSingle);
        const auto copy = label.CloneObject();
        auto *c = dynamic_cast<TGPLabel *>(copy.get());
        QVERIFY(c);
        QCOMPARE(c->Caption(), QString("Clone me"));
        QCOMPARE(c->HighlightOffset(), QPoint(0, -2));
        QCOMPARE(c->ColorHighlight(), clLime);
        QCOMPARE(c->BorderStyle(), bsSingle);
    }
};

QTEST_MAIN(TestTextFiler)
#include "tst_textfiler.moc"
