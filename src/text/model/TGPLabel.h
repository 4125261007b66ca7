#pragma once
// The text label with its "Text" command and "Rotation" submenu.  On cards
// it comes only from card files; the text tool creates the business-card
// field label, which derives from it.

#include "text/model/TGBaseLabel.h"

namespace cw::model {

class TGPLabel : public TGBaseLabel
{
public:
    QString ClassName() const override { return QStringLiteral("TGPLabel"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override { return std::make_unique<TGPLabel>(); }

    // The inherited font dialog, then AutoSizeToText (also when cancelled).
    void EditFont() override;
    // "Text" command: the text dialog with Caption; on Ok the caption (empty
    // accepted) is taken and the box grown to it.
    virtual void EditText();

protected:
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;
};

} // namespace cw::model
