#include "objects/model/TGQRCode.h"

#include "objects/model/TCodeEncoder.h"

namespace cw::model {

namespace {
// One inch square; a quiet zone of four modules, as the QR standard asks.
constexpr int StartQuietZone = 4;

std::vector<TPropertyInfo> ownProperties()
{
    using T = TGQRCode;
    std::vector<TPropertyInfo> own =
        TGCodeObject::CommonPropertiesOf<T>(TCodeContent::VCard, QString(), StartQuietZone);
    own.push_back(MakeProperty<T>(
        "Level", TPropertyKind::Enumeration, int(TQRLevel::Medium), [](const T &o) { return int(o.Level()); },
        [](T &o, const QVariant &v) { o.SetLevel(TQRLevel(qBound(0, v.toInt(), 3))); },
        TCodeTypeNames::Level()));
    return own;
}
} // namespace

TGQRCode::TGQRCode() : TGCodeObject(TCodeContent::VCard, QString(), StartQuietZone, QRect(0, 0, 96, 96)) {}

std::unique_ptr<TGGraphicControl> TGQRCode::NewInstance() const
{
    return std::make_unique<TGQRCode>();
}

const TPropertyTable &TGQRCode::ClassProperties()
{
    static const TPropertyTable table(&TGGraphicControl::ClassProperties(), ownProperties());
    return table;
}

void TGQRCode::SetLevel(TQRLevel level)
{
    if (level == m_level)
        return;
    m_level = level;
    SymbolSettingChanged();
}

void TGQRCode::CopyFrom(const TGCodeObject &source)
{
    if (auto *qr = dynamic_cast<const TGQRCode *>(&source))
        m_level = qr->Level();
    TGCodeObject::CopyFrom(source);
}

TCodeMatrix TGQRCode::Encode(const QString &text) const
{
    return TCodeEncoder::EncodeQR(text, m_level);
}

} // namespace cw::model
