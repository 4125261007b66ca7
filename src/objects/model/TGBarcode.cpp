#include "objects/model/TGBarcode.h"

#include "objects/model/TCodeEncoder.h"

namespace cw::model {

namespace {
// Two inches by three quarters; ten modules of quiet zone, as linear
// symbols need on both sides.
constexpr int StartQuietZone = 10;

QString startText()
{
    return QStringLiteral("CARDWRIGHT");
}

std::vector<TPropertyInfo> ownProperties()
{
    using T = TGBarcode;
    std::vector<TPropertyInfo> own =
        TGCodeObject::CommonPropertiesOf<T>(TCodeContent::Text, startText(), StartQuietZone);
    own.push_back(MakeProperty<T>(
        "Symbology", TPropertyKind::Enumeration, int(TBarcodeSymbology::Code128),
        [](const T &o) { return int(o.Symbology()); },
        [](T &o, const QVariant &v) { o.SetSymbology(TBarcodeSymbology(qBound(0, v.toInt(), 4))); },
        TCodeTypeNames::Symbology()));
    return own;
}
} // namespace

TGBarcode::TGBarcode() : TGCodeObject(TCodeContent::Text, startText(), StartQuietZone, QRect(0, 0, 192, 72))
{
}

std::unique_ptr<TGGraphicControl> TGBarcode::NewInstance() const
{
    return std::make_unique<TGBarcode>();
}

const TPropertyTable &TGBarcode::ClassProperties()
{
    static const TPropertyTable table(&TGGraphicControl::ClassProperties(), ownProperties());
    return table;
}

void TGBarcode::SetSymbology(TBarcodeSymbology symbology)
{
    if (symbology == m_symbology)
        return;
    m_symbology = symbology;
    SymbolSettingChanged();
}

void TGBarcode::CopyFrom(const TGCodeObject &source)
{
    if (auto *barcode = dynamic_cast<const TGBarcode *>(&source))
        m_symbology = barcode->Symbology();
    TGCodeObject::CopyFrom(source);
}

TCodeMatrix TGBarcode::Encode(const QString &text) const
{
    return TCodeEncoder::EncodeBarcode(text, m_symbology);
}

} // namespace cw::model
