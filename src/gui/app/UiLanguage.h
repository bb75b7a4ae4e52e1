#pragma once

namespace tarvo::gui {

// Speaks Chinese in the toolkit's own dialogs too (file dialogs, calendar pop-ups,
// standard buttons): the Simplified Chinese locale and Qt's translation of its texts.
void applyChineseLanguage();

} // namespace tarvo::gui
