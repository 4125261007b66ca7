#include "objects/model/TPersonalInfoHost.h"

#include "objects/model/TGCodeObject.h"

namespace cw::model {

void TPersonalInfoHost::HostCodeObjects(const std::vector<std::unique_ptr<TGGraphicControl>> &objects)
{
    for (const auto &object : objects)
        if (dynamic_cast<TGCodeObject *>(object.get()))
            object->SetHost(this);
}

void TPersonalInfoHost::HostObjects(const std::vector<std::unique_ptr<TGGraphicControl>> &objects)
{
    for (const auto &object : objects)
        object->SetHost(this);
}

} // namespace cw::model
