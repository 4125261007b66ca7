// The picture decoders through TGPicture: any bytes loaded as a picture file
// of one type (CW_FUZZ_PICTURE_TYPE, an extension such as "BMP" or "WMF"), or
// as a card file's "Picture.Data" blob when the type is "DATA", then drawn
// into a small image (metafiles are played by our own player) and stored
// again.  Every failure must be EInvalidGraphic or another cw::Exception.
#include "FuzzSupport.h"

#include "app/model/Exception.h"
#include "design/model/TGPicture.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <cstdint>

#ifndef CW_FUZZ_PICTURE_TYPE
#error "CW_FUZZ_PICTURE_TYPE names the picture type this target reads"
#endif

using namespace cw::model;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    cw::fuzz::StartGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString type = QStringLiteral(CW_FUZZ_PICTURE_TYPE);
    try {
        TGPicture picture;
        if (type == QLatin1String("DATA"))
            picture.SetPictureData(bytes);
        else
            picture.LoadFromBytes(bytes, type);
        picture.Size();
        QImage target(64, 48, QImage::Format_ARGB32_Premultiplied);
        target.fill(Qt::transparent);
        {
            QPainter painter(&target);
            picture.Draw(painter, QRectF(2, 3, 60, 40));
        }
        TGPicture again;
        again.SetPictureData(picture.PictureData());
        if (picture.IsIcon()) {
            picture.ConvertIconToBitmap();
            picture.BitmapData();
        }
    } catch (const cw::Exception &) {
    }
    return 0;
}
