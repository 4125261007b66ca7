#include "richtext/model/TRtfCodePages.h"

#include "design/model/Win1252.h"

#include <QStringDecoder>

namespace cw::richtext {

int TRtfCodePages::OfCharset(int charset)
{
    switch (charset) {
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

QString TRtfCodePages::Decode(const QByteArray &bytes, int codePage)
{
    if (codePage == 0 || codePage == 1252)
        return model::Win1252::decode(bytes);
    const QByteArray name = codePage == 932   ? QByteArray("Shift_JIS")
                            : codePage == 936 ? QByteArray("GBK")
                            : codePage == 949 ? QByteArray("EUC-KR")
                            : codePage == 950 ? QByteArray("Big5")
                            : codePage == 874 ? QByteArray("TIS-620")
                                              : "windows-" + QByteArray::number(codePage);
    QStringDecoder decoder(name.constData());
    if (!decoder.isValid())
        return model::Win1252::decode(bytes);
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? model::Win1252::decode(bytes) : text;
}

} // namespace cw::richtext
