#pragma once

namespace tarvo::gui {

// Sets a Simplified Chinese face for the whole program: without it the toolkit may
// fall back to the Japanese forms of shared characters.
void applyChineseUiFont();

} // namespace tarvo::gui
