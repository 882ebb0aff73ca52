// The desktop's text clipboard.
#pragma once

#include <string_view>

namespace tk::Clipboard {

void Clear();
// Replaces the clipboard's content by a plain text.
void SetText(std::string_view text);

}  // namespace tk::Clipboard
