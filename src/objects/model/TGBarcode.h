#pragma once
// A barcode on the card in one of five symbologies: Code 128 and EAN-13
// (linear, bars the full height of the object), DataMatrix, PDF417 and
// Aztec (two-dimensional, modules kept square).  New ones carry their own
// text.

#include "objects/model/TGCodeObject.h"

namespace cw::model {

class TGBarcode : public TGCodeObject
{
public:
    TGBarcode();

    QString ClassName() const override { return QStringLiteral("TGBarcode"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override;
    static const TPropertyTable &ClassProperties();
    const TPropertyTable &Properties() const override { return ClassProperties(); }

    TBarcodeSymbology Symbology() const { return m_symbology; }
    void SetSymbology(TBarcodeSymbology symbology);

    void CopyFrom(const TGCodeObject &source) override;

protected:
    TCodeMatrix Encode(const QString &text) const override;

private:
    TBarcodeSymbology m_symbology = TBarcodeSymbology::Code128;
};

} // namespace cw::model
