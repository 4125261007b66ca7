#pragma once
// The text object the text tool creates: a text label whose text is typed or
// picked from the user's personal information.  Picking links the label to
// that field: it then shows the field's current value (the surface's personal
// information, or the merge record being shown or printed) and grows to fit
// it.  Typing a text ends the link.  The caption keeps the value the label
// was linked with, so readers that know no links show that value.

#include "text/model/TGPLabel.h"

namespace cw::model {

class TGBusinessCardLabel : public TGPLabel
{
public:
    QString ClassName() const override { return QStringLiteral("TGBusinessCardLabel"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override
    {
        return std::make_unique<TGBusinessCardLabel>();
    }

    static const TPropertyTable &ClassProperties();
    const TPropertyTable &Properties() const override { return ClassProperties(); }

    // Field names of the "Personal Information" entries, in the surface's order.
    static const QStringList &FieldNames();
    // Longest caption taken from the "Personal Information" submenu.
    static constexpr int MaxMenuCaption = 255;
    static constexpr int Unlinked = -1;

    // The ten values the surface holds now (empty without a surface).
    QStringList PersonalInfo() const;

    // The field (0 = Name … 9 = Fax) the label shows, or Unlinked.  Stored
    // as "PersonalField", left out while unlinked.  Other numbers unlink.
    int PersonalField() const { return m_personalField; }
    void SetPersonalField(int field);

    // Rebuilds the "Personal Information" submenu from the surface's values
    // (it is the first entry, followed by a separator, while the label lies on
    // a surface) and refreshes the inherited check marks.
    void UpdatePopupChecks() override;
    // The business-card text dialog (text or a personal-information value);
    // on Ok the caption is taken and the box grown to it.  A text equal to a
    // personal-information value links the label to that field (the one it
    // is linked to already first); any other text unlinks it.
    void EditText() override;
    // Caption := the value of a submenu entry "<field>\t<value>": everything
    // after the first tab, at most 255 characters; the label is linked to
    // the field named before the tab; then auto-size.
    void ChoosePersonalInfoEntry(const QString &entryCaption);

    // A linked label follows its field's value before it draws: the box
    // grows to a longer value as when the entry is chosen, without counting
    // as a change of the design (browsing merge records marks nothing).
    void Paint(QPainter &painter) override;
    // Prints the field's value of the moment (a merge sets one record after
    // the other); the box grows for a longer value while it prints and gets
    // its size back afterwards, so printing leaves the design as it was.
    void PrintTo(engine::TBaseReport &report, double leftInches, double topInches) override;

protected:
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;
    QString ShownCaption() const override;

private:
    std::vector<TGMenuItem> PersonalInfoEntries();
    // Re-lays out and grows the box when the shown value changed since the
    // last time.
    void FollowField();
    template <class F> void Quietly(F &&change);
    bool m_menuHasPersonalInfo = false;
    int m_personalField = Unlinked;
    QString m_followed;
    bool m_quiet = false;
};

} // namespace cw::model
