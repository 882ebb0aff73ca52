#include "control_change.h"

#include "timer.h"

namespace tk {
namespace {
std::uint64_t gControlChanges = 0;
}  // namespace

std::uint64_t ControlChanges() { return gControlChanges; }

void NoteControlChange() {
    ++gControlChanges;
    Timer::WakeQuietSleepers();
}

}  // namespace tk
