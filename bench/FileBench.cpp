// Open and save of a card of 500 objects holding 5 MB of embedded pictures,
// through the design surface as the File menu does it, beside reading and
// writing the same bytes with plain files.

#include "BenchSupport.h"

#include "design/TGBusinessCardPanel32.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGImage.h"
#include "design/model/TGLineShape.h"
#include "design/model/TGPicture.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cmath>
#include <random>

namespace cw::bench {

namespace {

constexpr int Objects = 500;
constexpr int Pictures = 10;
constexpr qint64 PictureBytes = 5 * 1024 * 1024;

QImage noisePicture(int side, std::mt19937 &rng)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < side; ++x)
            line[x] = 0xFF000000u | (rng() & 0xFFFFFFu);
    }
    return image;
}

void populate(ui::TGBusinessCardPanel32 &panel)
{
    std::mt19937 rng(500);
    // Ten pictures sharing 5 MB of BMP bytes (24 bits per pixel).
    const int side = int(std::sqrt(double(PictureBytes / Pictures) / 3.0));
    for (int i = 0; i < Pictures; ++i) {
        auto image = std::make_unique<model::TGImage>();
        model::TGPicture picture;
        picture.SetBitmap(noisePicture(side, rng));
        image->SetPicture(picture);
        panel.PlaceNewObject(std::move(image), QRect(10 + 8 * i, 10 + 4 * i, 60, 60));
    }
    std::uniform_int_distribution<int> x(0, 300), y(0, 170), w(10, 60), h(15, 40), k(0, 3);
    for (int i = Pictures; i < Objects; ++i) {
        std::unique_ptr<model::TGGraphicControl> object;
        const int kind = k(rng);
        if (kind == 3) {
            auto line = std::make_unique<model::TGLineShape>();
            line->SetLineStyle(model::stHorizontal);
            object = std::move(line);
        } else {
            auto shape = std::make_unique<model::TBCShapes>();
            shape->SetShape(kind == 0 ? model::stRectangle : kind == 1 ? model::stEllipse : model::stRoundRect);
            object = std::move(shape);
        }
        panel.PlaceNewObject(std::move(object), QRect(x(rng), y(rng), w(rng), h(rng)));
    }
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes), file.commit();
}

} // namespace

void RunFileRows()
{
    QTemporaryDir folder;
    const QString card = folder.filePath(QStringLiteral("BIG.CWR"));
    const QString plain = folder.filePath(QStringLiteral("plain.bin"));

    ui::TGBusinessCardPanel32 source;
    source.setCardSize(336, 192);
    populate(source);

    const double save = MedianMs(9, [&] { source.SaveToFile(card); });
    const QByteArray bytes = readAll(card);
    const double write = MedianMs(9, [&] { writeAll(plain, bytes); });
    std::printf("card of %d objects, %.1f MB\n", source.ObjectCount(), double(bytes.size()) / (1024.0 * 1024.0));
    PrintRow("save card: 500 objects, 5 MB of pictures", save, write, 60.0, "ms");

    ui::TGBusinessCardPanel32 target;
    target.setCardSize(336, 192);
    const double open = MedianMs(9, [&] {
        target.ClearObjects();
        target.LoadFromFile(card);
    });
    const double read = MedianMs(9, [&] { readAll(plain); });
    if (target.ObjectCount() != source.ObjectCount())
        std::printf("!! the card read back holds %d objects, not %d\n", target.ObjectCount(), source.ObjectCount());
    PrintRow("open card: 500 objects, 5 MB of pictures", open, read, 60.0, "ms");
}

} // namespace cw::bench
