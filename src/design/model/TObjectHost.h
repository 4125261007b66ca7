#pragma once
// What a design object needs from the surface it lies on.  The design surface
// implements it; objects keep a non-owning pointer (null while the object is
// not on a surface, in which case commands needing a surface do nothing).

#include "design/model/TGColor.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace cw::model {

class TGGraphicControl;

// Commands an object's own popup menu hands to its surface.
enum class TObjectCommand { BringToFront, SendToBack, Cut, Copy, Delete, Clone };

class TObjectHost
{
public:
    virtual ~TObjectHost() = default;

    // The design changed (raises the surface's change event unless zooming).
    virtual void Changed() = 0;
    // An object's bounds changed: the surface refits the selection frame once
    // the current burst of moves is over (deferred, not immediately).
    virtual void ObjectMoved(TGGraphicControl &object) = 0;
    // Repaint a part of the surface (surface pixels); a null rect = everything.
    virtual void InvalidateRect(const QRect &rect) = 0;
    // Size of the card at the current zoom.
    virtual QSize SurfaceSize() const = 0;
    virtual bool IsPrinting() const = 0;
    virtual bool IsZooming() const = 0;
    virtual bool IsPreviewing() const = 0;
    // The font new text objects start with.
    virtual QFont SurfaceFont() const = 0;
    // Personal information 0..9 (Name, Company, Title, Address1-3, Phone1-2, Email, Fax).
    QString PersonalInfo(int index) const { return PersonalInfoText(index); }
    virtual QString PersonalInfoText(int index) const = 0;

    virtual bool IsSelected(const TGGraphicControl &object) const = 0;
    virtual void RemoveFromSelection(TGGraphicControl &object) = 0;
    virtual void ObjectCommand(TGGraphicControl &object, TObjectCommand command) = 0;
    // Colour dialog; std::nullopt when cancelled.
    virtual std::optional<TColor> ChooseColor(TColor initial) = 0;
    // Runs pending events and repaints the whole surface now.
    virtual void Repaint() = 0;
};

} // namespace cw::model
