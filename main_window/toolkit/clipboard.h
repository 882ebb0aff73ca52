// The desktop's text clipboard.
#pragma once

#include <string_view>

namespace tk::Clipboard {

void Clear();
// Replaces the clipboard's content by a plain text.
void SetText(std::string_view text);

// At the end of a program whose toolkit is left standing (tk::EndToolkit):
// frees the texts that were handed to the clipboard and are no longer on it.
// Qt 6.4's Wayland clipboard loses hold of a text when another program takes
// the clipboard, and never frees it.
void FreeTextsTakenOver();

}  // namespace tk::Clipboard
