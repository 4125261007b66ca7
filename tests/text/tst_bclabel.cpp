// Business-card field label: the "Personal Information" submenu rebuilt from
// the surface's values, its 255-character cut, the business-card text dialog
// and the follow-up of the text tool.
#include "TextTestSupport.h"
#include "support/ScriptedInteraction.h"
#include "text/TGetBCLabelText.h"
#include "text/TGetLabelText.h"
#include "text/TextObjectCreation.h"
#include "text/model/TGBusinessCardLabel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace cw;
using namespace cw::model;

namespace {

TGMenuItem &entry(std::vector<TGMenuItem> &menu, const QString &caption)
{
    TGMenuItem *item = TGMenuItem::Find(menu, caption);
    if (!item)
        qFatal("menu entry %s missing", qPrintable(caption));
    return *item;
}

QStringList captions(const std::vector<TGMenuItem> &items)
{
    QStringList list;
    for (const auto &i : items)
        list << i.Caption;
    return list;
}

} // namespace

class TestBCLabel : public QObject
{
    Q_OBJECT
private slots:
    void submenuShowsTheValuesOfTheMoment()
    {
        test::TextHost host;
        host.personal[0] = "Ada Lovelace";
        host.personal[8] = "ada@example.org";
        TGBusinessCardLabel label;
        label.SetHost(&host);
        label.Loaded();
        auto &menu = label.PopupMenu();
        QCOMPARE(menu[0].Caption, QString("Personal Information"));
        QVERIFY(menu[1].IsSeparator());
        QCOMPARE(captions(menu[0].Items),
                 (QStringList{"Name\tAda Lovelace", "Company\t", "Title\t", "Address 1\t", "Address 2\t",
                              "Address 3\t", "Phone 1\t", "Phone 2\t", "EMail\tada@example.org", "Fax\t"}));
        // The label's own "Text" entry is still there, after the inherited ones.
        QVERIFY(TGMenuItem::Find(menu, "Text"));
        QVERIFY(TGMenuItem::Find(menu, "Rotation"));

        // Picking copies the value; later changes of the information leave
        // the label alone but show in the next popup.
        menu[0].Items[8].Action();
        QCOMPARE(label.Caption(), QString("ada@example.org"));
        host.personal[8] = "countess@example.org";
        QCOMPARE(label.Caption(), QString("ada@example.org"));
        QCOMPARE(label.PopupMenu()[0].Items[8].Caption, QString("EMail\tcountess@example.org"));
        // An empty field empties the label.
        const int changes = host.changes;
        label.PopupMenu()[0].Items[1].Action();
        QCOMPARE(label.Caption(), QString());
        QVERIFY(host.changes > changes);
    }

    void valuesAreTakenWholeButCutAt255()
    {
        test::TextHost host;
        host.personal[2] = "Chief\tExecutive"; // only the first tab separates
        host.personal[3] = QString(300, 'x');
        TGBusinessCardLabel label;
        label.SetHost(&host);
        label.Loaded();
        label.PopupMenu()[0].Items[2].Action();
        QCOMPARE(label.Caption(), QString("Chief\tExecutive"));
        label.PopupMenu()[0].Items[3].Action();
        QCOMPARE(label.Caption(), QString(255, 'x'));
        // The box grew to the text.
        QVERIFY(label.Width() > 142);
    }

    void labelOffASurfaceHasNoSubmenuUntilItIsOnOne()
    {
        TGBusinessCardLabel label;
        label.Loaded();
        QVERIFY(!TGMenuItem::Find(label.PopupMenu(), "Personal Information"));
        test::TextHost host;
        host.personal[0] = "Grace";
        label.SetHost(&host);
        auto &menu = label.PopupMenu();
        QCOMPARE(menu[0].Caption, QString("Personal Information"));
        QCOMPARE(menu[0].Items[0].Caption, QString("Name\tGrace"));
        QVERIFY(menu[1].IsSeparator());
        // Only once.
        QCOMPARE(captions(label.PopupMenu()).count("Personal Information"), 1);
    }

    void textCommandUsesTheBusinessCardDialog()
    {
        test::TextHost host;
        host.personal[0] = "Ada";
        test::ScriptedTextEditors editors;
        TGBusinessCardLabel label;
        label.SetHost(&host);
        label.Loaded();
        editors.texts.enqueue(QString("Typed"));
        entry(label.PopupMenu(), "Text").Action();
        QCOMPARE(editors.asked, QStringList{"bctext"});
        QCOMPARE(editors.lastCaption, QString("Text"));
        QCOMPARE(editors.lastPersonalInfo.value(0), QString("Ada"));
        QCOMPARE(label.Caption(), QString("Typed"));
        entry(label.PopupMenu(), "Text").Action(); // cancelled
        QCOMPARE(label.Caption(), QString("Typed"));
    }

    void dialogListsTheNonEmptyValues()
    {
        ui::TGetBCLabelText dialog;
        QStringList info(10);
        info[1] = "Acme";
        info[6] = "555 0100";
        info[9] = "555 0199";
        dialog.SetValues("Text", info);
        QComboBox *combo = dialog.PersonalInfoCombo();
        QVERIFY(combo->isEnabled());
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), QString("Acme"));
        QCOMPARE(combo->itemText(2), QString("555 0199"));
        QCOMPARE(dialog.LabelText()->text(), QString("Text"));
        dialog.PersonalInfoComboClick(1);
        QCOMPARE(dialog.LabelText()->text(), QString("555 0100"));

        dialog.SetValues("Text", QStringList(10));
        QVERIFY(!dialog.PersonalInfoCombo()->isEnabled());
        QCOMPARE(dialog.PersonalInfoCombo()->count(), 0);
    }

    void dialogsRunThroughTheInteractionService()
    {
        test::ScriptedInteraction ui;
        QStringList info(10);
        info[0] = QString(300, 'n'); // the combo box does not cut
        ui.dialogs.enqueue([](QDialog &d) {
            auto &dialog = static_cast<ui::TGetBCLabelText &>(d);
            dialog.PersonalInfoComboClick(0);
            return int(QDialog::Accepted);
        });
        QCOMPARE(ui::TGetBCLabelText::Execute("Text", info), std::optional<QString>(QString(300, 'n')));
        QCOMPARE(ui.log.last(), QString("dialog[Text]"));
        // Cancel.
        QCOMPARE(ui::TGetBCLabelText::Execute("Text", info), std::nullopt);

        ui.dialogs.enqueue([](QDialog &d) {
            auto *edit = d.findChild<QLineEdit *>("LabelText");
            if (edit->text() != "Old")
                return int(QDialog::Rejected);
            edit->setText(QString());
            return int(QDialog::Accepted);
        });
        QCOMPARE(ui::TGetLabelText::Execute("Old"), std::optional<QString>(QString()));
    }

    void textToolFollowUp()
    {
        test::TextHost host;
        host.surfaceFont = QFont("Liberation Serif", 14);
        test::ScriptedTextEditors editors;
        TGBusinessCardLabel label;
        label.SetHost(&host);
        label.Loaded();
        label.SetBounds(10, 10, 20, 20);
        editors.texts.enqueue(QString("Cardwright Ltd"));
        ui::FinishNewBusinessCardLabel(label, host, nullptr);
        QCOMPARE(editors.lastCaption, QString("Text"));
        QCOMPARE(label.Caption(), QString("Cardwright Ltd"));
        QCOMPARE(label.Font().Name, QString("Liberation Serif"));
        QCOMPARE(label.Font().PointSize(), 14);
        const QFontMetrics fm(label.CanvasFont());
        QVERIFY(label.Width() >= fm.horizontalAdvance("Cardwright Ltd     "));
        QVERIFY(label.Height() >= fm.height());

        // A cancelled dialog keeps "Text" and still sizes the box.
        TGBusinessCardLabel other;
        other.SetHost(&host);
        other.Loaded();
        other.SetBounds(10, 10, 20, 20);
        ui::FinishNewBusinessCardLabel(other, host, nullptr);
        QCOMPARE(other.Caption(), QString("Text"));
        QVERIFY(other.Width() > 20);
    }
};

QTEST_MAIN(TestBCLabel)
#include "tst_bclabel.moc"
