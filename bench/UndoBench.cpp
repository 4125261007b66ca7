// One undo step, an arrow-key nudge of a picture on a card with 5 MB of
// pictures, through the main window as the user makes it (the change is
// reported, recorded after the command, and the history keeps it), beside the
// same nudge on a surface that keeps no history.  And the memory that 1,000
// such steps add, beside the size of the pictures themselves.

#include "BenchSupport.h"

#include "app/TMainScreen.h"
#include "app/model/ProgramFolder.h"
#include "design/TGBusinessCardPanel32.h"
#include "design/TGHandle.h"
#include "design/model/TBCShapes.h"
#include "design/model/TGImage.h"
#include "design/model/TGPicture.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cmath>
#include <random>

namespace cw::bench {

namespace {

constexpr int Pictures = 10;
constexpr qint64 PictureBytes = 5 * 1024 * 1024;
constexpr int Steps = 1000;

// Ten noise pictures of 5 MB of bitmap bytes in all, and forty shapes.
void populate(ui::TGBasePanel &panel)
{
    std::mt19937 rng(1000);
    const int side = int(std::sqrt(double(PictureBytes / Pictures) / 3.0));
    for (int i = 0; i < Pictures; ++i) {
        QImage noise(side, side, QImage::Format_RGB32);
        for (int y = 0; y < side; ++y) {
            auto *line = reinterpret_cast<QRgb *>(noise.scanLine(y));
            for (int x = 0; x < side; ++x)
                line[x] = 0xFF000000u | (rng() & 0xFFFFFFu);
        }
        model::TGPicture picture;
        picture.SetBitmap(noise);
        auto image = std::make_unique<model::TGImage>();
        image->SetPicture(picture);
        panel.PlaceNewObject(std::move(image), QRect(10 + 12 * i, 10 + 6 * i, 60, 60));
    }
    for (int i = 0; i < 40; ++i) {
        auto shape = std::make_unique<model::TBCShapes>();
        shape->SetShape(i % 2 ? model::stEllipse : model::stRectangle);
        panel.PlaceNewObject(std::move(shape), QRect(150 + 4 * i, 20 + 3 * i, 30, 20));
    }
}

// `Steps` nudges of the first picture, right and back left in runs of 50;
// the median time of one.
double nudges(ui::TGBasePanel &panel)
{
    ui::TGHandle &frame = panel.Frame();
    frame.Clear();
    frame.Add(panel.ObjectAt(0));
    int step = 0;
    return MedianMs(Steps, [&] {
        const int key = (step++ / 50) % 2 ? Qt::Key_Left : Qt::Key_Right;
        frame.HandleKeyDown(key, {});
        frame.HandleKeyUp(key);
        QApplication::processEvents(); // the step is recorded after the command
    });
}

} // namespace

void RunUndoRows()
{
    // A program folder of its own: no settings or recent card of the build
    // tree is read.
    QTemporaryDir folder;
    model::ProgramFolder::setOverride(folder.path());

    double nudge = 0.0, added = 0.0;
    {
        ui::TMainScreen window;
        window.FormActivate();
        populate(*window.BusinessCardPanel());
        QApplication::processEvents();
        const double before = ResidentMb();
        nudge = nudges(*window.BusinessCardPanel());
        added = ResidentMb() - before;
        if (window.UndoHistory.Count() < 2)
            std::printf("!! the nudges were not recorded\n");
    }
    ui::TGBusinessCardPanel32 bare;
    bare.setCardSize(336, 192);
    populate(bare);
    const double plain = nudges(bare);
    model::ProgramFolder::setOverride(QString());

    PrintRow("undo step: nudge a picture, 5 MB of pictures", nudge, plain, 4.0, "ms");
    PrintRow("undo: memory added by 1,000 nudges", added, double(PictureBytes) / (1024.0 * 1024.0), 20.0,
             "MB");
}

} // namespace cw::bench
