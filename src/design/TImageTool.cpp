#include "design/TImageTool.h"

#include "design/TGBusinessCardPanel32.h"
#include "design/TGImageBrowser.h"
#include "design/model/TGImage.h"

namespace cw::ui {

void RegisterImageTool()
{
    model::TGImage::LoadImageFromDiskHandler() = [](model::TGImage &image) {
        TGImageBrowser::LoadImageFromDisk(image);
    };
    TGBusinessCardPanel32::TToolKind kind;
    kind.Create = [](TGBusinessCardPanel32 &) {
        return std::unique_ptr<model::TGGraphicControl>(std::make_unique<model::TGImage>());
    };
    kind.FollowUp = [](TGBusinessCardPanel32 &, model::TGGraphicControl &object) {
        if (auto *image = dynamic_cast<model::TGImage *>(&object))
            TGImageBrowser::LoadImageFromDisk(*image);
    };
    kind.ReturnToPointer = true;
    TGBusinessCardPanel32::RegisterTool(psImage, std::move(kind));
}

} // namespace cw::ui
