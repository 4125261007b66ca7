#include "text/model/TextObjectKinds.h"

#include "design/model/TObjectRegistry.h"
#include "text/model/TGBusinessCardLabel.h"
#include "text/model/TGMultiLineLabel.h"
#include "text/model/TGSymbolLabel.h"

namespace cw::model {

namespace {
template <class Kind> TTextObjectKind kind()
{
    return {Kind().ClassName(), [] { return std::unique_ptr<TGGraphicControl>(std::make_unique<Kind>()); }};
}
} // namespace

std::vector<TTextObjectKind> TextObjectKinds()
{
    return {kind<TGPLabel>(), kind<TGBusinessCardLabel>(), kind<TGSymbolLabel>(), kind<TGMultiLineLabel>()};
}

void RegisterTextObjectKinds(TObjectRegistry &registry)
{
    for (TTextObjectKind &kind : TextObjectKinds())
        registry.Register(kind.ClassName, std::move(kind.Create));
}

} // namespace cw::model
