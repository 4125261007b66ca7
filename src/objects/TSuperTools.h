#pragma once
// The SuperShape and SuperText drawing tools and their properties dialogs.
// Called once at start-up: registers both tools with the design surface
// (the new object opens its properties dialog at once) and installs the
// dialogs the objects' "Properties" entries and double-clicks open.

namespace cw::ui {

void RegisterSuperTools();

} // namespace cw::ui
