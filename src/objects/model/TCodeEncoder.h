#pragma once
// Turns text into a module matrix: QR codes through libqrencode, the other
// symbologies through libzint.  Text is encoded as UTF-8; where it is not
// plain ASCII the symbol starts with the ECI designator 26 (UTF-8), so a
// reader knows how to decode the bytes.  Symbologies that cannot carry an
// ECI (Code 128: Latin-1 only; EAN-13: 12 or 13 digits) refuse text they
// cannot hold, and the matrix comes back null with the reason.

#include "objects/model/TCodeMatrix.h"
#include "objects/model/TCodeTypes.h"

namespace cw::model {

class TCodeEncoder
{
public:
    static TCodeMatrix EncodeQR(const QString &text, TQRLevel level);
    static TCodeMatrix EncodeBarcode(const QString &text, TBarcodeSymbology symbology);
    // True when the text needs more than 7-bit ASCII.
    static bool NeedsEci(const QString &text);
};

} // namespace cw::model
