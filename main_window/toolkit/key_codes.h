// Character codes of the keys a key filter sees besides printable characters.
#pragma once

namespace tk {

inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;
inline constexpr int kDiscard = 0;  // set by a key filter: the keystroke is dropped

}  // namespace tk
