#pragma once
// The image tool of the design surface and the image object's "Load Image
// From Disk" command, both of which open the clip art browser.

namespace cw::ui {

// Registers the psImage tool (a TGImage in the drawn rectangle, back to the
// selection tool, then the browser) and installs the browser as the image
// object's "Load Image From Disk" handler.  Call once at start-up.
void RegisterImageTool();

} // namespace cw::ui
