#include "handler_nesting.h"

#include <algorithm>
#include <utility>

namespace tk::HandlerNesting {
namespace {
// Handlers run on the user-interface thread only.
int gDepth = 0;
int gDeepest = 0;
}  // namespace

int Depth() { return gDepth; }
int TakeDeepest() { return std::exchange(gDeepest, 0); }

Run::Run() { gDeepest = std::max(gDeepest, ++gDepth); }
Run::~Run() { --gDepth; }

}  // namespace tk::HandlerNesting
