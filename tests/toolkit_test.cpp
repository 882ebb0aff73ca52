// The toolkit's timers as the window relies on them: switched by their
// interval, suspended and resumed. (The controls are tested through the
// main window, which uses every part of them.)
#include "test_support.h"

namespace {

TEST(ToolkitTest, TimersTickAtAPositiveIntervalUntilStoppedOrSuspended) {
    tk::Timer timer;
    int ticks = 0;
    timer.OnTick([&ticks] { ++ticks; });
    timer.SetInterval(10000);
    test::Tick(timer);
    timer.Suspend();
    test::Tick(timer);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(timer.Interval(), 10000) << "suspended, it keeps its interval";
    timer.SetInterval(10000);
    EXPECT_TRUE(timer.Ticking()) << "setting the interval starts it again";
    timer.Suspend();
    timer.Resume();
    EXPECT_TRUE(timer.Ticking()) << "resumed";
    timer.SetInterval(0);
    timer.Resume();
    EXPECT_FALSE(timer.Ticking()) << "stopped stays stopped";
}

}  // namespace
