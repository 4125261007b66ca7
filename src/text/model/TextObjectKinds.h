#pragma once
// The text object kinds card files may hold, for the object filer's registry.

#include "design/model/TGGraphicControl.h"

#include <functional>
#include <memory>
#include <vector>

namespace cw::model {

struct TTextObjectKind
{
    QString ClassName;
    std::function<std::unique_ptr<TGGraphicControl>()> Create;
};

class TObjectRegistry;

// TGPLabel, TGBusinessCardLabel, TGSymbolLabel and TGMultiLineLabel; each
// factory returns a new object with its creation defaults.
std::vector<TTextObjectKind> TextObjectKinds();
// Registers those kinds with the object filer's registry.
void RegisterTextObjectKinds(TObjectRegistry &registry);

} // namespace cw::model
