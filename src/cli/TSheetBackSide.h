#pragma once
// The back pages of `cardwright-cli sheet --both-sides` and of its
// registration test page: the card's back side (its companion back file and
// that file's sidecar background) composed behind the front job's cards.

#include "design/model/TGLabelObjectFiler.h"
#include "print/model/TBackRegistration.h"
#include "print/model/TLabelPrintJob.h"

#include <QSizeF>

namespace cw::cli {

class TSheetBackSide
{
public:
    // Reads the back of `cardPath` (none: blank backs) and sets up the back
    // job from the front job's settings for a sheet of `pageInches`.  With
    // `registrationTest`, both jobs print a registration mark at every card
    // centre instead of the design.  Throws cw::Exception for a back file
    // that cannot be read.
    TSheetBackSide(const QString &cardPath, model::TLabelPrintJob &front, const QSizeF &pageInches,
                   const model::TBackRegistration &registration, bool registrationTest);

    // Composes front and back pages, sheet after sheet.
    void Print(model::TLabelPrintJob &front, engine::TBaseReport &report);

    model::TLabelPrintJob Back;
    // The back's objects (none without a back file).
    const model::TGLabelObjectFiler::ObjectList &Objects() const { return m_objects; }

private:
    model::TGLabelObjectFiler::ObjectList m_objects;
};

} // namespace cw::cli
