#include "text/model/TGBusinessCardLabel.h"

#include "design/model/TPropertyTable.h"
#include "text/model/TTextEditors.h"
#include "text/model/TTextFonts.h"

#include <QFontMetrics>
#include <algorithm>

namespace cw::model {

namespace {
const QString PersonalInfoCaption = QStringLiteral("Personal Information");
using T = TGBusinessCardLabel;
} // namespace

const TPropertyTable &TGBusinessCardLabel::ClassProperties()
{
    static const TPropertyTable table(&TGBaseLabel::ClassProperties(),
                                      {MakeProperty<T>(
                                          "PersonalField", TPropertyKind::Integer, int(Unlinked),
                                          [](const T &o) { return o.PersonalField(); },
                                          [](T &o, const QVariant &v) { o.SetPersonalField(v.toInt()); })});
    return table;
}

void TGBusinessCardLabel::SetPersonalField(int field)
{
    const int linked = field >= 0 && field < FieldNames().size() ? field : Unlinked;
    if (linked == m_personalField)
        return;
    m_personalField = linked;
    MarkLayoutDirty();
    Invalidate();
    if (!Loading())
        NotifyChanged();
}

QString TGBusinessCardLabel::ShownCaption() const
{
    if (m_personalField == Unlinked)
        return Caption();
    if (Host())
        return Host()->PersonalInfoText(m_personalField);
    // Off its surface a label shows its caption, except while it fits
    // itself quietly to the value it follows.
    return m_quiet ? m_followed : Caption();
}

// Runs `change` with the label off its surface: what it changes is no
// change of the design (nothing is reported, the undo history records
// nothing, the design is not marked as changed).
template <class F> void TGBusinessCardLabel::Quietly(F &&change)
{
    TObjectHost *host = Host();
    SetHost(nullptr);
    m_quiet = true;
    change();
    m_quiet = false;
    SetHost(host);
}

void TGBusinessCardLabel::FollowField()
{
    if (m_personalField == Unlinked || !Host())
        return;
    const QString shown = ShownCaption();
    if (shown == m_followed)
        return;
    m_followed = shown;
    MarkLayoutDirty();
    // The box grows as AutoSizeToText grows it (unturned labels only), and
    // the layout fits it, quietly: showing another record or changed
    // personal information is no change of the design.
    Quietly([&] {
        if (Angle() == 0) {
            const int x0 = std::max({TextRect().Left, ShadowRect().Left, HighlightRect().Left});
            const int y0 = std::max({TextRect().Top, ShadowRect().Top, HighlightRect().Top});
            const TSymbolFonts::TDisplay display = TTextFonts::Display(Font(), Zoom(), shown);
            const QFontMetrics fm(display.Font);
            const int w = x0 + fm.horizontalAdvance(display.Text + QStringLiteral("     "));
            const int h = y0 + fm.height();
            if (w > Width())
                SetWidth(w);
            if (h > Height())
                SetHeight(h);
        }
        CalcLayout();
    });
    NotifyMoved();
    Invalidate();
}

void TGBusinessCardLabel::Paint(QPainter &painter)
{
    FollowField();
    TGPLabel::Paint(painter);
}

void TGBusinessCardLabel::PrintTo(engine::TBaseReport &report, double leftInches, double topInches)
{
    const QRect stored = StoredBounds();
    FollowField();
    TGPLabel::PrintTo(report, leftInches, topInches);
    if (StoredBounds() != stored) {
        Quietly([&] { SetStoredBounds(stored); });
        MarkLayoutDirty();
        m_followed.clear();
    }
}

const QStringList &TGBusinessCardLabel::FieldNames()
{
    static const QStringList names{"Name",      "Company", "Title",   "Address 1", "Address 2",
                                   "Address 3", "Phone 1", "Phone 2", "EMail",     "Fax"};
    return names;
}

QStringList TGBusinessCardLabel::PersonalInfo() const
{
    QStringList values;
    for (int i = 0; i < 10; ++i)
        values << (Host() ? Host()->PersonalInfo(i) : QString());
    return values;
}

std::vector<TGMenuItem> TGBusinessCardLabel::PersonalInfoEntries()
{
    std::vector<TGMenuItem> entries;
    const QStringList values = PersonalInfo();
    for (int i = 0; i < 10; ++i) {
        // The menu shows the value as it is: "&" would otherwise mark an
        // accelerator ("Smith & Co" shown as "Smith _Co").  Choosing the
        // entry takes the value itself, not the shown text.
        QString shown = values[i];
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString entry = FieldNames()[i] + QLatin1Char('\t') + values[i];
        TGMenuItem item = TGMenuItem::Command(FieldNames()[i] + QLatin1Char('\t') + shown,
                                              [this, entry] { ChoosePersonalInfoEntry(entry); });
        // The field the label follows is checked.
        item.Checkable = true;
        item.Checked = i == m_personalField;
        entries.push_back(std::move(item));
    }
    return entries;
}

void TGBusinessCardLabel::ChoosePersonalInfoEntry(const QString &entryCaption)
{
    const int tab = entryCaption.indexOf(QLatin1Char('\t'));
    SetCaption(entryCaption.mid(tab + 1).left(MaxMenuCaption));
    SetPersonalField(tab < 0 ? int(Unlinked) : int(FieldNames().indexOf(entryCaption.left(tab))));
    AutoSizeToText();
    NotifyChanged();
    Invalidate();
}

void TGBusinessCardLabel::BuildPopupMenu(std::vector<TGMenuItem> &menu)
{
    TGPLabel::BuildPopupMenu(menu);
    m_menuHasPersonalInfo = false;
    if (Host()) {
        menu.insert(menu.begin(), TGMenuItem::Separator());
        menu.insert(menu.begin(), TGMenuItem::Submenu(PersonalInfoCaption, PersonalInfoEntries()));
        m_menuHasPersonalInfo = true;
    }
}

void TGBusinessCardLabel::UpdatePopupChecks()
{
    TGPLabel::UpdatePopupChecks();
    auto &menu = MenuItems();
    if (menu.empty() || !Host())
        return;
    // A label put on a surface after its menu was built gets the submenu now.
    if (!m_menuHasPersonalInfo) {
        menu.insert(menu.begin(), TGMenuItem::Separator());
        menu.insert(menu.begin(), TGMenuItem::Submenu(PersonalInfoCaption, {}));
        m_menuHasPersonalInfo = true;
    }
    if (TGMenuItem *sub = TGMenuItem::Find(menu, PersonalInfoCaption))
        sub->Items = PersonalInfoEntries();
}

void TGBusinessCardLabel::EditText()
{
    TTextEditors *editors = TTextEditors::Current();
    if (!editors)
        return;
    const QStringList values = PersonalInfo();
    if (std::optional<QString> text = editors->BusinessCardText(ShownCaption(), values)) {
        int field = Unlinked;
        if (m_personalField != Unlinked && values.value(m_personalField) == *text)
            field = m_personalField;
        else if (!text->isEmpty())
            field = int(values.indexOf(*text));
        SetCaption(*text);
        SetPersonalField(field);
        AutoSizeToText();
        Invalidate();
    }
}

} // namespace cw::model
