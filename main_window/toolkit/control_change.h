// Every change of what a control holds or shows (a text, a background colour,
// a check value, a caption) is counted here. A timer compares the count
// before and after its tick to tell whether the tick changed anything, and a
// change wakes the timers that sleep through quiet ticks (see timer.h).
#pragma once

#include <cstdint>

namespace tk {

std::uint64_t ControlChanges();

// Called by the controls after a write that changed them.
void NoteControlChange();

}  // namespace tk
