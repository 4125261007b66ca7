// Business-card field labels linked to a personal-information field: they
// show the field's current value (never "Text" for an empty one) and grow
// to it, choosing an entry links and typing unlinks, the link survives the
// card file, clone, copy/paste and undo, printing a merge record changes no
// design, and cards without links are written byte for byte as before.
#include "TextTestSupport.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/model/TGLabelObjectFiler.h"
#include "objects/model/TPersonalInfoHost.h"
#include "print/engine/TReportFiler.h"
#include "print/engine/TReportReader.h"
#include "text/model/TGBusinessCardLabel.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace cw;
using namespace cw::model;

namespace {

QImage render(TGGraphicControl &object)
{
    QImage image(object.Width(), object.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    object.PaintTo(painter, 0, 0);
    return image;
}

// The label as an unlinked label with `caption` and the same box draws it.
QImage renderedAs(const TGBusinessCardLabel &like, const QString &caption)
{
    TGBusinessCardLabel plain;
    plain.SetCaption(caption);
    plain.SetBounds(like.Left(), like.Top(), like.Width(), like.Height());
    return render(plain);
}

QImage printPage(TGGraphicControl &object)
{
    QByteArray data;
    QBuffer stream(&data);
    engine::TReportFiler filer;
    filer.SetStream(&stream);
    filer.OnPrint = [&](engine::TBaseReport &r) { object.PrintTo(r, 0.5, 0.5); };
    filer.Execute();
    engine::TReportReader reader;
    if (!reader.Load(data))
        return {};
    return reader.RenderPage(1, 150).copy(0, 0, 1000, 200);
}

// Reading names objects "Component" + N: give them back the names the file
// holds (each record starts with its class name, then the object's name, both
// short strings).
void restoreNames(const QByteArray &file, const TGLabelObjectFiler::ObjectList &objects)
{
    qsizetype pos = 0;
    for (const auto &object : objects) {
        const QByteArray kind = object->ClassName().toLatin1();
        pos = file.indexOf(char(kind.size()) + kind, pos) + 1 + kind.size();
        const int length = uchar(file.at(pos));
        object->Name = QString::fromLatin1(file.mid(pos + 1, length));
        pos += 1 + length;
    }
}

bool hasInk(const QImage &image)
{
    return !test::InkBounds(image).isEmpty();
}

std::unique_ptr<TGBusinessCardLabel> linkedLabel(int field, const QString &caption)
{
    auto label = std::make_unique<TGBusinessCardLabel>();
    label->SetBounds(10, 10, 60, 20);
    label->SetCaption(caption);
    label->SetPersonalField(field);
    return label;
}

} // namespace

class TestBCLabelLink : public QObject
{
    Q_OBJECT
private slots:
    void linkedLabelShowsTheValueOfTheMomentAndGrowsToIt()
    {
        test::TextHost host;
        host.personal[0] = "Ada";
        TGBusinessCardLabel label;
        label.SetHost(&host);
        label.Loaded();
        label.SetBounds(0, 0, 40, 20);
        label.PopupMenu()[0].Items[0].Action();
        QCOMPARE(label.PersonalField(), 0);
        QCOMPARE(label.Caption(), QString("Ada"));
        // The submenu checks the field the label follows, and no other.
        const auto &entries = label.PopupMenu()[0].Items;
        QVERIFY(entries[0].Checked);
        QVERIFY(
            std::none_of(entries.begin() + 1, entries.end(), [](const TGMenuItem &e) { return e.Checked; }));

        host.personal[0] = "Augusta Ada King, Countess of Lovelace";
        const int before = label.Width();
        const QRect stored = label.StoredBounds();
        const int changes = host.changes;
        QImage shown = render(label);
        QVERIFY(label.Width() > before);
        QCOMPARE(label.StoredBounds().width(), label.Width());
        // Showing another value is no change of the design.
        QCOMPARE(host.changes, changes);
        QVERIFY(stored.isValid());
        shown = render(label);
        QCOMPARE(shown, renderedAs(label, host.personal[0]));
        // The caption keeps the value the label was linked with.
        QCOMPARE(label.Caption(), QString("Ada"));

        // An empty field shows nothing, not the caption and not "Text".
        host.personal[0].clear();
        QVERIFY(!hasInk(render(label)));
        // Off a surface the label shows its caption.
        label.SetHost(nullptr);
        QCOMPARE(render(label), renderedAs(label, "Ada"));
    }

    void choosingLinksAndTypingUnlinks()
    {
        test::TextHost host;
        host.personal[1] = "Acme";
        host.personal[8] = "ada@example.org";
        test::ScriptedTextEditors editors;
        TGBusinessCardLabel label;
        label.SetHost(&host);
        label.Loaded();
        QCOMPARE(label.PersonalField(), int(TGBusinessCardLabel::Unlinked));

        editors.texts.enqueue(QString("ada@example.org")); // picked from the list
        label.EditText();
        QCOMPARE(label.PersonalField(), 8);
        editors.texts.enqueue(QString("ada@example.org")); // Ok without a change
        label.EditText();
        QCOMPARE(label.PersonalField(), 8);
        editors.texts.enqueue(QString("Typed"));
        label.EditText();
        QCOMPARE(label.PersonalField(), int(TGBusinessCardLabel::Unlinked));
        QCOMPARE(label.Caption(), QString("Typed"));
        editors.texts.enqueue(QString());
        label.EditText();
        QCOMPARE(label.PersonalField(), int(TGBusinessCardLabel::Unlinked));

        // The dialog starts with the shown value of a linked label.
        label.PopupMenu()[0].Items[1].Action();
        QCOMPARE(label.PersonalField(), 1);
        host.personal[1] = "Acme Europe";
        editors.texts.enqueue(std::nullopt);
        label.EditText();
        QCOMPARE(editors.lastCaption, QString("Acme Europe"));
        QCOMPARE(label.PersonalField(), 1);

        // Numbers outside the ten fields unlink (a damaged file).
        label.SetPersonalField(10);
        QCOMPARE(label.PersonalField(), int(TGBusinessCardLabel::Unlinked));
    }

    void linkSurvivesFileCloneCopyPasteAndUndo()
    {
        QTemporaryDir dir;
        TGLabelObjectFiler::ObjectList objects;
        objects.push_back(linkedLabel(6, "555 0100"));
        objects.push_back(linkedLabel(TGBusinessCardLabel::Unlinked, "Plain"));
        const QByteArray bytes = TGLabelObjectFiler::ObjectListBytes(TGLabelObjectFiler::Refs(objects));
        QCOMPARE(bytes.count("PersonalField"), 1);
        TGLabelObjectFiler::ObjectList read = TGLabelObjectFiler().ReadObjectList(bytes);
        QCOMPARE(read.size(), std::size_t(2));
        QCOMPARE(static_cast<TGBusinessCardLabel &>(*read[0]).PersonalField(), 6);
        QCOMPARE(static_cast<TGBusinessCardLabel &>(*read[1]).PersonalField(),
                 int(TGBusinessCardLabel::Unlinked));
        for (auto &object : read)
            object->Name.clear(); // reading names objects "Component" + N
        QCOMPARE(TGLabelObjectFiler::ObjectListBytes(TGLabelObjectFiler::Refs(read)), bytes);
        const auto clone = objects[0]->CloneObject();
        QCOMPARE(static_cast<TGBusinessCardLabel &>(*clone).PersonalField(), 6);

        ui::TGBusinessCardPanel32 panel;
        panel.SetClipboardPath(dir.filePath("Clipbrd.tmp"));
        std::array<QString, 10> info;
        info[6] = "+420 602 123 456";
        panel.setPersonalInfo(info);
        auto *label = panel.AddObject(linkedLabel(6, "555 0100"));
        const QByteArray linked = panel.DesignSnapshot();
        panel.ClipboardCommand(label, ui::TClipboardCommand::Copy);
        panel.ClipboardCommand(nullptr, ui::TClipboardCommand::Paste);
        QCOMPARE(panel.ObjectCount(), 2);
        QCOMPARE(static_cast<TGBusinessCardLabel *>(panel.ObjectAt(1))->PersonalField(), 6);

        // Undo brings back the link a typed text ended.
        static_cast<TGBusinessCardLabel *>(panel.ObjectAt(0))
            ->SetPersonalField(TGBusinessCardLabel::Unlinked);
        panel.RestoreDesign(linked);
        QCOMPARE(panel.ObjectCount(), 1);
        auto *restored = static_cast<TGBusinessCardLabel *>(panel.ObjectAt(0));
        QCOMPARE(restored->PersonalField(), 6);
        QCOMPARE(render(*restored), renderedAs(*restored, info[6]));
    }

    void cardsWithoutLinksAreWrittenAsBefore()
    {
        // Sample cards made before labels had links read and write back
        // byte for byte.
        const QString folder = qEnvironmentVariable("CW_SOURCE_DIR") + "/content/samples/";
        for (const QString name : {"pictures.cwr", "text-effects.cwr"}) {
            QFile file(folder + name);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            const QByteArray old = file.readAll();
            QVERIFY(old.contains("TGBusinessCardLabel"));
            const TGLabelObjectFiler::ObjectList objects = TGLabelObjectFiler().ReadObjectList(old);
            restoreNames(old, objects);
            QCOMPARE(TGLabelObjectFiler::ObjectListBytes(TGLabelObjectFiler::Refs(objects)), old);
        }
    }

    void printingARecordLeavesTheDesignAsItWas()
    {
        TPersonalInfoHost host({}, true);
        host.Values[0] = "Maximilian Müller-Lüdenscheidt von Hohenzollern";
        auto label = linkedLabel(0, "Jan");
        label->SetHost(&host);
        const QRect stored = label->StoredBounds();
        const QImage printed = printPage(*label);
        QCOMPARE(label->StoredBounds(), stored);
        // The whole name printed: as a label of that text grown to it.
        TGBusinessCardLabel plain;
        plain.SetBounds(stored.left(), stored.top(), stored.width(), stored.height());
        plain.SetCaption(host.Values[0]);
        plain.AutoSizeToText();
        QVERIFY(plain.Width() > stored.width());
        QCOMPARE(printed, printPage(plain));
        QVERIFY(hasInk(printed));
    }
};

QTEST_MAIN(TestBCLabelLink)
#include "tst_bclabel_link.moc"
