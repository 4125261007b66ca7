#pragma once
// The card exported as a picture file: the three file types, how a file name
// picks one, the resolutions offered, and the encoding.  The designer's
// export commands and cardwright-cli's "render" share it, so a file's
// contents always follow its type.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace cw::model {

enum class TExportType { Bitmap, Jpeg, Png };

class TPictureExport
{
public:
    // The screen resolution the card is designed at, and the two print
    // resolutions offered beside it.
    static constexpr int ScreenDpi = 96;
    static constexpr int PrintDpi = 300;
    static constexpr int FineDpi = 600;
    // Resolutions beyond this would make pictures of hundreds of megabytes.
    static constexpr int MaxDpi = 1200;
    static constexpr int JpegQuality = 80;

    // The type a file name asks for by its extension (letter case ignored):
    // .bmp/.dib, .jpg/.jpeg/.jpe/.jif/.jfif, .png; nothing for other names.
    static std::optional<TExportType> TypeOfName(const QString &path);
    // The type written to `path`: the one its name asks for, else `chosen`.
    static TExportType TypeFor(const QString &path, TExportType chosen);
    // "BMP", "JPG", "PNG".
    static QString Extension(TExportType type);
    // The zoom at which the card is drawn for a resolution (1.0 at 96 dpi).
    static float ZoomFor(int dpi) { return float(dpi) / ScreenDpi; }

    // The picture's file bytes in that type, the resolution recorded in the
    // file's header so that other programs size it as the card.  Empty when
    // the picture cannot be encoded.
    static QByteArray Encode(const QImage &image, TExportType type, int dpi = ScreenDpi);
    // Encodes and replaces `path` atomically: a failure leaves an existing
    // file as it was.  Throws cw::EInOutError (also when encoding fails).
    static void Write(const QString &path, const QImage &image, TExportType type, int dpi = ScreenDpi);
};

} // namespace cw::model
