#pragma once
// What follows the creation of a text object with a drawing tool, once the
// surface has constructed the object, put it on the surface (host set,
// Loaded, zoom) and placed it in the drawn rectangle:
//   psLabel          business-card field label: caption "Text", the
//                    surface's font, the text dialog, then auto-size;
//   psSymbolLabel    symbol label: the Symbol Selector, then auto-size;
//   psMultiLineLabel multi-line label: the surface's font, the editor, then
//                    one line height per line.
// Each function installs the real dialogs when none are installed.  An object
// of another kind is left alone.

class QWidget;

namespace cw::model {
class TGGraphicControl;
class TObjectHost;
} // namespace cw::model

namespace cw::ui {

void FinishNewBusinessCardLabel(model::TGGraphicControl &object, model::TObjectHost &host, QWidget *surface);
void FinishNewSymbolLabel(model::TGGraphicControl &object, model::TObjectHost &host, QWidget *surface);
void FinishNewMultiLineLabel(model::TGGraphicControl &object, model::TObjectHost &host, QWidget *surface);

} // namespace cw::ui
