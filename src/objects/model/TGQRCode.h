#pragma once
// A QR code on the card.  New ones carry the contact card made from the
// personal information; the level says how much of the symbol may be
// damaged and still read.

#include "objects/model/TGCodeObject.h"

namespace cw::model {

class TGQRCode : public TGCodeObject
{
public:
    TGQRCode();

    QString ClassName() const override { return QStringLiteral("TGQRCode"); }
    std::unique_ptr<TGGraphicControl> NewInstance() const override;
    static const TPropertyTable &ClassProperties();
    const TPropertyTable &Properties() const override { return ClassProperties(); }

    TQRLevel Level() const { return m_level; }
    void SetLevel(TQRLevel level);

    void CopyFrom(const TGCodeObject &source) override;

protected:
    TCodeMatrix Encode(const QString &text) const override;

private:
    TQRLevel m_level = TQRLevel::Medium;
};

} // namespace cw::model
