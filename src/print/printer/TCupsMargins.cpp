#include "print/printer/TCupsMargins.h"

#include <cups/cups.h>

#include <cmath>
#include <memory>

namespace cw::printer {

namespace {

// CUPS measures media in hundredths of a millimetre.
constexpr double UnitsPerInch = 2540.0;

struct DestDeleter
{
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};
struct InfoDeleter
{
    void operator()(cups_dinfo_t *info) const { cupsFreeDestInfo(info); }
};

} // namespace

QMarginsF TCupsMargins::Query(const QString &queue, const QSizeF &sizeInches)
{
    if (queue.isEmpty())
        return {};
    const QByteArray name = queue.toUtf8();
    std::unique_ptr<cups_dest_t, DestDeleter> dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr));
    if (!dest)
        return {};
    std::unique_ptr<cups_dinfo_t, InfoDeleter> info(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.get()));
    if (!info)
        return {};
    cups_size_t size{};
    const int width = static_cast<int>(std::lround(sizeInches.width() * UnitsPerInch));
    const int length = static_cast<int>(std::lround(sizeInches.height() * UnitsPerInch));
    const bool found =
        (width > 0 && length > 0 &&
         cupsGetDestMediaBySize(CUPS_HTTP_DEFAULT, dest.get(), info.get(), width, length, CUPS_MEDIA_FLAGS_DEFAULT,
                                &size)) ||
        cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest.get(), info.get(), CUPS_MEDIA_FLAGS_DEFAULT, &size);
    if (!found)
        return {};
    return QMarginsF(size.left / UnitsPerInch, size.top / UnitsPerInch, size.right / UnitsPerInch,
                     size.bottom / UnitsPerInch);
}

} // namespace cw::printer
