#include "objects/model/TCodeEncoder.h"

#include <QCoreApplication>

#include <qrencode.h>
#include <zint.h>

#include <memory>

namespace cw::model {

namespace {

constexpr unsigned EciUtf8 = 26;

TCodeMatrix failed(const char *message)
{
    return TCodeMatrix::Failed(QCoreApplication::translate("TCodeEncoder", message));
}

QRecLevel qrLevel(TQRLevel level)
{
    switch (level) {
    case TQRLevel::Low:
        return QR_ECLEVEL_L;
    case TQRLevel::Medium:
        return QR_ECLEVEL_M;
    case TQRLevel::Quartile:
        return QR_ECLEVEL_Q;
    case TQRLevel::High:
        return QR_ECLEVEL_H;
    }
    return QR_ECLEVEL_M;
}

int zintSymbology(TBarcodeSymbology symbology)
{
    switch (symbology) {
    case TBarcodeSymbology::Code128:
        return BARCODE_CODE128;
    case TBarcodeSymbology::Ean13:
        return BARCODE_EANX;
    case TBarcodeSymbology::DataMatrix:
        return BARCODE_DATAMATRIX;
    case TBarcodeSymbology::Pdf417:
        return BARCODE_PDF417;
    case TBarcodeSymbology::Aztec:
        return BARCODE_AZTEC;
    }
    return BARCODE_CODE128;
}

} // namespace

bool TCodeEncoder::NeedsEci(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() > 0x7F)
            return true;
    return false;
}

TCodeMatrix TCodeEncoder::EncodeQR(const QString &text, TQRLevel level)
{
    const QByteArray bytes = text.toUtf8();
    if (bytes.isEmpty())
        return failed(QT_TRANSLATE_NOOP("TCodeEncoder", "There is no text to encode."));
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(nullptr, &QRcode_free);
    if (NeedsEci(text)) {
        std::unique_ptr<QRinput, decltype(&QRinput_free)> input(QRinput_new2(0, qrLevel(level)),
                                                                &QRinput_free);
        if (!input || QRinput_appendECIheader(input.get(), EciUtf8) != 0 ||
            QRinput_append(input.get(), QR_MODE_8, bytes.size(),
                           reinterpret_cast<const unsigned char *>(bytes.constData())) != 0)
            return failed(QT_TRANSLATE_NOOP("TCodeEncoder", "The text cannot be encoded."));
        code.reset(QRcode_encodeInput(input.get()));
    } else {
        // Plain ASCII: the encoder picks numeric, alphanumeric and byte
        // segments itself, which makes the smallest symbol.
        code.reset(QRcode_encodeString(bytes.constData(), 0, qrLevel(level), QR_MODE_8, 1));
    }
    if (!code)
        return failed(QT_TRANSLATE_NOOP("TCodeEncoder", "The text is too long for a QR code."));
    const int width = code->width;
    TCodeMatrix matrix(width, width, false);
    for (int row = 0; row < width; ++row)
        for (int column = 0; column < width; ++column)
            matrix.SetDark(row, column, code->data[row * width + column] & 1);
    return matrix;
}

TCodeMatrix TCodeEncoder::EncodeBarcode(const QString &text, TBarcodeSymbology symbology)
{
    const QByteArray bytes = text.toUtf8();
    if (bytes.isEmpty())
        return failed(QT_TRANSLATE_NOOP("TCodeEncoder", "There is no text to encode."));
    std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> symbol(ZBarcode_Create(), &ZBarcode_Delete);
    if (!symbol)
        return failed(QT_TRANSLATE_NOOP("TCodeEncoder", "The barcode cannot be made."));
    symbol->symbology = zintSymbology(symbology);
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = 0;
    const bool matrixCode = symbology == TBarcodeSymbology::DataMatrix ||
                            symbology == TBarcodeSymbology::Pdf417 || symbology == TBarcodeSymbology::Aztec;
    if (matrixCode && NeedsEci(text))
        symbol->eci = int(EciUtf8);
    const int result = ZBarcode_Encode(
        symbol.get(), reinterpret_cast<const unsigned char *>(bytes.constData()), int(bytes.size()));
    if (result >= ZINT_ERROR || symbol->width <= 0 || symbol->rows <= 0)
        return TCodeMatrix::Failed(
            QCoreApplication::translate("TCodeEncoder", "The symbology cannot hold this text (%1).")
                .arg(QString::fromUtf8(symbol->errtxt)));
    const bool linear = !matrixCode;
    TCodeMatrix matrix(symbol->width, symbol->rows, linear);
    for (int row = 0; row < symbol->rows; ++row) {
        // Modules are packed eight to a byte, lowest bit first.
        for (int column = 0; column < symbol->width; ++column)
            matrix.SetDark(row, column, (symbol->encoded_data[row][column >> 3] >> (column & 7)) & 1);
        // Rows without a height of their own share the symbol's height
        // (PDF417 rows are three modules high).
        const double shared = symbol->height > 0 ? double(symbol->height) / symbol->rows : 1.0;
        matrix.SetRowHeight(row, linear                        ? 1.0
                                 : symbol->row_height[row] > 0 ? symbol->row_height[row]
                                                               : shared);
    }
    return matrix;
}

} // namespace cw::model
