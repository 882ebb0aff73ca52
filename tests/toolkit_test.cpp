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

// Text entered other than typed goes only into the text's own range (a screen reader names the range).
TEST(ToolkitTest, TextIsEnteredOnlyIntoTheTextsOwnRange) {
    tk::TextBox box(nullptr);
    box.SetText("12");
    EXPECT_FALSE(box.EnterText(1, 3, "9") || box.EnterText(-1, 0, "9") || box.EnterText(2, 1, "9"));
    EXPECT_TRUE(box.EnterText(2, 2, "9") && box.Text() == "129");
}

}  // namespace
