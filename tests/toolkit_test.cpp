// The toolkit's timers as the window relies on them: switched by their
// interval, suspended and resumed. (The controls are tested through the
// main window, which uses every part of them.)
#include "test_support.h"

namespace {

TEST(ToolkitTest, TimersTickAtAPositiveIntervalUntilStoppedOrSuspended) {
    tk::Timer timer(nullptr);
    int ticks = 0;
    timer.OnTick([&ticks] { ++ticks; });
    timer.SetInterval(10000);
    test::Tick(timer);
    const int remaining = timer.remainingTime();
    QTest::qWait(20);
    timer.SetInterval(10000);
    EXPECT_LT(timer.remainingTime(), remaining) << "the same interval keeps the running period";
    timer.Suspend();
    test::Tick(timer);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(timer.Interval(), 10000) << "suspended, it keeps its interval";
    timer.SetInterval(10000);
    EXPECT_TRUE(timer.isActive()) << "setting the interval starts it again";
    timer.Suspend();
    timer.Resume();
    EXPECT_GT(timer.remainingTime(), 9000) << "resumed, a full period later";
    timer.SetInterval(0);
    timer.Resume();
    EXPECT_FALSE(timer.isActive()) << "stopped stays stopped";
}

// Text that comes in by other ways than typing or pasting (dropped, written by a
// screen reader) passes the filter too, as far as it is new.
TEST(ToolkitTest, ABoxThatFiltersPastedTextFiltersWhateverComesIn) {
    tk::TextBox box(nullptr);
    box.OnKeyPress([](int& code) { code = std::isxdigit(code) ? std::toupper(code) : 0; });
    box.FilterPastedText();
    box.SetText("#1");
    box.setText("#1 a#b\n2");
    box.insert("c");
    box.setCursorPosition(2);
    box.insert("d");
    EXPECT_EQ(box.Text(), "#1DAB2C") << "the program's own \"#1\" stays";
}

}  // namespace
