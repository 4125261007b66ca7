#pragma once
// The multi-line label the multi-line text tool creates: the base label with
// the "Text" command (the multi-line text editor) and "Word Wrap".

#include "text/model/TGMultiLineBaseLabel.h"

namespace cw::model {

class TGMultiLineLabel : public TGMultiLineBaseLabel
{
public:
    QString ClassName() const override { return QStringLiteral("TGMultiLineLabel"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override
    {
        return std::make_unique<TGMultiLineLabel>();
    }

    // "Text" command: the editor with Items in the label's font; on Ok the
    // lines are taken, rewrapped and the change reported.
    void EditText();
    void UpdatePopupChecks() override;

protected:
    void BuildPopupMenu(std::vector<TGMenuItem> &menu) override;
};

} // namespace cw::model
