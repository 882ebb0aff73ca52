// How deep change and click handlers are nested inside one another right now:
// a program write that changes a text runs the change handler inside the
// write, and that handler may write again. The program's chains are bounded;
// this lets a check see the bound hold.
#pragma once

namespace tk::HandlerNesting {

int Depth();
// The deepest nesting since the last call.
int TakeDeepest();

// Marks one handler run for as long as it lives.
class Run {
public:
    Run();
    ~Run();
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;
};

}  // namespace tk::HandlerNesting
