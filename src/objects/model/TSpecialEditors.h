#pragma once
// The dialogs the circle text and the rich text label open.  Design objects
// know no widgets: the widgets layer installs the real dialogs
// (cw::ui::InstallSpecialEditors) and tests install scripted ones.  While
// none is installed the commands that need a dialog do nothing.

#include "design/model/TGFont.h"

#include <QByteArray>
#include <QFont>
#include <optional>

namespace cw::model {

class TGCodeObject;
class TGPCircleText;
class TGPRichBaseLabel;

class TSpecialEditors
{
public:
    virtual ~TSpecialEditors() = default;

    // The system font dialog limited to scalable fonts, started with `initial`.
    virtual std::optional<QFont> ChooseFont(const QFont &initial) = 0;
    // The font dialog with its effects section (colour, underline,
    // strike-out) for a design font; an unchanged family keeps the design's
    // own name.  Editors without such a dialog ask ChooseFont and keep the
    // colour.
    virtual std::optional<TGFont> ChooseFontAndColor(const TGFont &initial);
    // "CircleText Properties" for the object; on Ok the dialog has copied its
    // settings into the object and true is returned.
    virtual bool EditCircleText(TGPCircleText &object) = 0;
    // "Rich Text Editor" for the label; the edited RTF document on Ok.
    virtual std::optional<QByteArray> EditRichText(TGPRichBaseLabel &label) = 0;
    // The properties of a QR code or barcode; on Ok the dialog has copied
    // its settings into the object and true is returned.  Editors without
    // one change nothing.
    virtual bool EditCode(TGCodeObject &object);

    // The editors in force, or nullptr.  The caller keeps ownership.
    static TSpecialEditors *Current();
    static void Install(TSpecialEditors *editors);
};

} // namespace cw::model
