// The object filer: any bytes read as a card file's object list with every
// registered kind, and whatever was read painted onto a small card.  Every
// failure must be a cw::Exception (EFilerError, or a picture's own error).
#include "FuzzSupport.h"

#include "app/model/Exception.h"
#include "design/model/TCardRenderer.h"
#include "design/model/TGGraphicControl.h"
#include "design/model/TGLabelObjectFiler.h"

#include <QByteArray>
#include <cstdint>

using namespace cw::model;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    cw::fuzz::StartGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TGLabelObjectFiler::ObjectList objects;
    try {
        TGLabelObjectFiler().ReadObjectList(bytes, objects);
    } catch (const cw::Exception &) {
    }
    // The objects read before a damaged record stay with the caller, so they
    // are painted too.
    std::vector<TGGraphicControl *> list;
    for (const auto &object : objects)
        list.push_back(object.get());
    try {
        TCardRenderer::Render(list, QSize(336, 192));
    } catch (const cw::Exception &) {
    }
    return 0;
}
