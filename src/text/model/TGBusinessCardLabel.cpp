#include "text/model/TGBusinessCardLabel.h"

#include "text/model/TTextEditors.h"

namespace cw::model {

namespace {
const QString PersonalInfoCaption = QStringLiteral("Personal Information");
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
        entries.push_back(TGMenuItem::Command(FieldNames()[i] + QLatin1Char('\t') + shown,
                                              [this, entry] { ChoosePersonalInfoEntry(entry); }));
    }
    return entries;
}

void TGBusinessCardLabel::ChoosePersonalInfoEntry(const QString &entryCaption)
{
    const int tab = entryCaption.indexOf(QLatin1Char('\t'));
    SetCaption(entryCaption.mid(tab + 1).left(MaxMenuCaption));
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
    if (std::optional<QString> text = editors->BusinessCardText(Caption(), PersonalInfo())) {
        SetCaption(*text);
        AutoSizeToText();
        Invalidate();
    }
}

} // namespace cw::model
