#include "design/model/TObjectRegistry.h"

#include "design/model/TBCShapes.h"
#include "design/model/TGImage.h"
#include "design/model/TGLabelShapes.h"
#include "design/model/TGLineShape.h"
#include "objects/model/TSuperShape.h"
#include "text/model/TGSuperText.h"
#include "objects/model/TGPCircleText.h"
#include "objects/model/TGPRichBaseLabel.h"
#include "objects/model/TGBarcode.h"
#include "objects/model/TGQRCode.h"
#include "text/model/TextObjectKinds.h"

namespace cw::model {

TObjectRegistry::TObjectRegistry()
{
    Register<TGLineShape>();
    Register<TGLabelShapes>();
    Register<TBCShapes>();
    Register<TGImage>();
    Register<TSuperShape>();
    Register<TGSuperText>();
    for (const TTextObjectKind &kind : TextObjectKinds())
        Register(kind.ClassName, kind.Create);
    Register<TGPCircleText>();
    Register<TGPRichBaseLabel>();
    Register<TGQRCode>();
    Register<TGBarcode>();
}

TObjectRegistry &TObjectRegistry::Global()
{
    static TObjectRegistry registry;
    return registry;
}

void TObjectRegistry::Register(const QString &className, Factory factory)
{
    for (auto &[name, existing] : m_kinds)
        if (name.compare(className, Qt::CaseInsensitive) == 0) {
            existing = std::move(factory);
            return;
        }
    m_kinds.emplace_back(className, std::move(factory));
}

const TObjectRegistry::Factory *TObjectRegistry::find(const QString &className) const
{
    for (const auto &[name, factory] : m_kinds)
        if (name.compare(className, Qt::CaseInsensitive) == 0)
            return &factory;
    return nullptr;
}

std::unique_ptr<TGGraphicControl> TObjectRegistry::Create(const QString &className) const
{
    const Factory *factory = find(className);
    return factory && *factory ? (*factory)() : nullptr;
}

QStringList TObjectRegistry::ClassNames() const
{
    QStringList names;
    for (const auto &kind : m_kinds)
        names.append(kind.first);
    return names;
}

} // namespace cw::model
