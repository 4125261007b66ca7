#include "print/model/TPrintShopOptions.h"

#include <cmath>

namespace cw::model {

std::optional<double> TPrintShopOptions::ParseBleedMm(const QString &text)
{
    QString number = text.trimmed().toLower();
    double factor = 1.0;
    if (number.endsWith(QLatin1String("mm"))) {
        number.chop(2);
    } else if (number.endsWith(QLatin1String("in"))) {
        number.chop(2);
        factor = MmPerInch;
    }
    bool ok = false;
    const double value = number.trimmed().toDouble(&ok) * factor;
    if (!ok || !std::isfinite(value) || value < 0 || value > MaxBleedMm + 1e-9)
        return std::nullopt;
    return value;
}

} // namespace cw::model
