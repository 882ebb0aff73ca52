// The main window's timers with their real ticks (waited for, not timed):
// ticks that cannot change anything are not delivered, and what the user or a
// counter changes is still brought into every notation, as if they had kept
// ticking. How the timers sleep and wake is tested with the toolkit.
#include "test_support.h"

namespace test {
namespace {

constexpr int kWaitMs = 5000;  // generous: the ticks come every 50 to 200 ms
constexpr int kDeferredInterval = 50;

class SleepingTicksTest : public WindowTest {
protected:
    [[nodiscard]] bool WaitFor(const std::function<bool()>& condition) {
        return QTest::qWaitFor(condition, kWaitMs);
    }
    // Red counter: up button, field.
    void PressRedUp() { Click(form.cmdFarben[2]); }
    const std::string& Red() const { return form.txtRGB[0]->Text(); }
};

TEST_F(SleepingTicksTest, DeferredUpdateSleepsOnceTheColourStandsAndWakesForAnEdit) {
    Type(form.txtRGB[0], "7");
    ASSERT_TRUE(WaitFor([&] { return form.Timer4.IsSleeping(); }));
    EXPECT_EQ(Shown(), "070000 070000 7 | 7 0 0");
    EXPECT_EQ(form.Timer4.Interval(), kDeferredInterval) << "asleep, still armed";
    EXPECT_TRUE(state.RgbActive());

    // The code field reached without a click: an edited code is put back by
    // the next tick, which the typing woke.
    Type(Code(), "A");
    EXPECT_EQ(Code()->Text(), "A");
    ASSERT_TRUE(WaitFor([&] { return Code()->Text() == "070000"; }));
    ASSERT_TRUE(WaitFor([&] { return form.Timer4.IsSleeping(); }));
    EXPECT_EQ(Disagreement(form), "");
}

TEST_F(SleepingTicksTest, StandingCounterSleepsAndItsButtonWakesIt) {
    // Red's timer ticks from the start, to no effect.
    EXPECT_EQ(form.Timer1.Interval(), 100);
    ASSERT_TRUE(WaitFor([&] { return form.Timer1.IsSleeping(); }));
    EXPECT_EQ(form.Timer1.Interval(), 100);
    EXPECT_EQ(Red(), "0");

    PressRedUp();
    ASSERT_TRUE(WaitFor([&] { return Red() == "10"; })) << Red();

    PressRedUp();  // stops it; its timer keeps the interval and sleeps
    const std::string stoppedAt = Red();
    ASSERT_TRUE(WaitFor([&] { return form.Timer1.IsSleeping(); }));
    EXPECT_EQ(Red(), stoppedAt);
    EXPECT_EQ(form.Timer1.Interval(), 200);

    PressRedUp();
    ASSERT_TRUE(WaitFor([&] { return Red() != stoppedAt; }));
    ASSERT_TRUE(WaitFor([&] { return form.txtDecimal->Text() == Red(); }))
        << "the deferred update follows the counter";
}

}  // namespace
}  // namespace test
