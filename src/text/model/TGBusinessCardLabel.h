#pragma once
// The text object the text tool creates: a text label whose text is typed or
// picked from the user's personal information.  Picking copies the value;
// the label keeps no link to the field.

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

    // Field names of the "Personal Information" entries, in the surface's order.
    static const QStringList &FieldNames();
    // Longest caption taken from the "Personal Information" submenu.
    static constexpr int MaxMenuCaption = 255;

    // The ten values the surface holds now (empty without a surface).
    QStringList PersonalInfo() const;

    // Rebuilds the "Personal Information" submenu from the surface's values
    // (it is the first entry, followed by a separator, while the label lies on
    // a surface) and refreshes the inherited check marks.
    void UpdatePopupChecks() override;
    // The business-card text dialog (text or a personal-information value);
    // on Ok the caption is taken and the box grown to it.
    void EditText() override;
    // Caption := the value of a submenu entry "<field>\t<value>": everything
    // after the first tab, at most 255 characters; then auto-size.
    void ChoosePersonalInfoEntry(const QString &entryCaption);

protected:
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;

private:
    std::vector<TGMenuItem> PersonalInfoEntries();
    bool m_menuHasPersonalInfo = false;
};

} // namespace cw::model
