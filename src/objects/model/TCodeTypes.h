#pragma once
// The settings shared by the QR code and barcode objects; the ordinals are
// what card files hold.

#include <QStringList>

namespace cw::model {

// What a code carries: the object's own text (or a URL), or the contact card
// made from the personal information, which follows every change of it.
enum class TCodeContent { Text, VCard };

// QR error-correction level: about 7, 15, 25 and 30 % of the symbol may be
// lost and still read.
enum class TQRLevel { Low, Medium, Quartile, High };

enum class TBarcodeSymbology { Code128, Ean13, DataMatrix, Pdf417, Aztec };

struct TCodeTypeNames
{
    static const QStringList &Content()
    {
        static const QStringList names{"ccText", "ccVCard"};
        return names;
    }
    static const QStringList &Level()
    {
        static const QStringList names{"qrLow", "qrMedium", "qrQuartile", "qrHigh"};
        return names;
    }
    static const QStringList &Symbology()
    {
        static const QStringList names{"bcCode128", "bcEan13", "bcDataMatrix", "bcPdf417", "bcAztec"};
        return names;
    }
};

} // namespace cw::model
